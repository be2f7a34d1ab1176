#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>

// The text sources in data/, read once before anything is drawn.

struct RunaKarty
{
    int nrKarty = 0;
    QString runa;       // Latin rune name, picks the glyph and is written on the card
    QString nazwaKarty; // NazwaKarty in the store
};

struct TaliaZrodlo
{
    int numer = 0;
    QString nazwa;
    QString tytul;
    QString styl;
};

struct TloZrodlo
{
    int id = 0;
    QString nazwa;
    QString styl;
};

struct Naglowek
{
    int uklad = 0;
    int pozycja = 0; // counted from 1
    QString opis;
};

struct Zrodla
{
    QList<RunaKarty> runy;        // cards 1..24 in order
    QMap<int, QString> prosta;    // meaning of card n upright
    QMap<int, QString> odwrocona; // meaning of card n reversed
    QList<Naglowek> naglowki;
    QList<TaliaZrodlo> talie;
    QList<TloZrodlo> tla;
    QStringList taliaPrzyklad;   // deck name, then the card names
    QStringList stolikiPrzyklad; // one background name per line
    QStringList ostrzezenia;     // gaps worth telling the builder about
};

struct BladDanych : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Reads every source; throws BladDanych naming file and line on bad input.
Zrodla wczytajZrodla(const QString &katalogDanych);
