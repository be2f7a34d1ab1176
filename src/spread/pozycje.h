#pragma once
#include <QtGlobal>
#include <array>

// One position of the table: which card lies there and whether it lies reversed.
// NrKarty is -1 while a draw fills the positions or after a cancelled manual
// arrangement, 0 before any spread has been dealt.
struct TPozycja
{
    qint32 NrKarty = 0;
    bool Odwrocona = false;
};

// The table has positions 1..15; a deck holds cards 1..24.
inline constexpr int LiczbaPozycjiStolu = 15;
inline constexpr int LiczbaKartTalii = 24;

// Positions 1..15 of the table; index 0 is unused so positions read as numbered.
using TablicaPozycji = std::array<TPozycja, LiczbaPozycjiStolu + 1>;
