#pragma once
#include <QString>
#include <QStringList>

// The sixteen spreads the program knows, numbered 1..16; 0 means no spread.

// Number of positions of spread n; -1 for any n outside 1..16.
int LiczbaKart(int n);

// Description opening the interpretation; empty for spread 15 and outside 1..16.
QString OpisUkladu(int n);

// Name of spread n; empty outside 1..16.
QString NazwaUkladu(int n);

// The 16 names in spread order (item k-1 names spread k).
QStringList NazwyUkladow();

// Layout constants of one position on the table: top T and left L in pixels.
struct StalaPozycji
{
    int T;
    int L;
};

// Constants of position p of spread n; {0, 0} for a spread or position outside the catalogue.
StalaPozycji StalaUkladu(int n, int p);
