#pragma once
#include "spread/pozycje.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

// Where the interpretation takes its texts from (the card store, in the program).
struct ZrodlaInterpretacji
{
    // Heading of position k of spread n; nullopt when the store holds none.
    std::function<std::optional<QString>(int n, int k)> naglowek;
    // Meaning of the card lying at position k, in its orientation; empty when none.
    std::function<QString(int k)> znaczenie;
};

// The interpretation of spread n with CR LF line breaks: the description, then
// for each position its title line(s), the card's meaning and an empty line.
// nazwyKart[k] is the display name of the card at position k.
// dopisz, when given, receives each piece as it is appended, so the text can be
// shown while it grows.
QString Interpretacja(int n, const std::array<QString, LiczbaPozycjiStolu + 1> &nazwyKart, const ZrodlaInterpretacji &z,
                      const std::function<void(const QString &kawalek)> &dopisz = {});
