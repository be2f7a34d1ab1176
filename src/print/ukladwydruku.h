#pragma once
#include <QPoint>
#include <QString>

#include <array>

class QTextDocument;

// Places and sizes on the printout are in layout units of 1/57.6 inch,
// measured from the top-left corner of the band holding the element.
constexpr double JednostkiNaCal = 57.6;
constexpr int SzerokoscPasma = 431;    // A4 width less 10 mm margins
constexpr int WysokoscTytulu = 290;    // title band, top of page 1
constexpr int WysokoscStopki = 24;     // footer band, foot of every page
constexpr int SzerokoscObrazu = 50;
constexpr int WysokoscObrazu = 73;
constexpr int WysokoscEtykiety = 12;
constexpr int NazwaNadObrazem = 6;     // name label stands this far above its picture
constexpr int NumerPodObrazem = 73;    // number label top, from the picture top
constexpr int NumerOdLewej = 25;       // number label left, from the picture left
constexpr int TekstLewo = 5;           // interpretation, within the detail band
constexpr int TekstGora = 16;
constexpr int TekstSzerokosc = 422;
constexpr int StopkaGora = 4;          // footer labels, within the footer band
constexpr int StronaKoniec = 415;      // "Strona N" ends here
constexpr int ZnakStronLewo = 416;     // page total mark starts here

// Where picture p of spread n stands in the title band (left, top).
// Positions outside a spread's places, and spreads outside 1..16, give (10, 30).
QPoint MiejsceObrazu(int n, int p);

struct ObrazWydruku {
    QPoint miejsce{10, 30};
    bool widoczny = false;
};

struct EtykietaWydruku {
    QString tekst;
    QPoint miejsce;
};

// The title band's element tables, indexed by position 1..15 (entry 0 unused).
struct ElementyWydruku {
    std::array<ObrazWydruku, 16> ObrazyWydruku;
    std::array<EtykietaWydruku, 16> NazwyWydruku;
    std::array<EtykietaWydruku, 16> NumeryWydruku;
};

// Lays the title band out afresh for spread n: every position is reset, then
// positions 1..LiczbaKart(n) get their place, name (nazwyKart[p]) and number.
ElementyWydruku UstawWydruk(int n, const std::array<QString, 16> &nazwyKart);

// The page total mark from the number of laid-out lines of the interpretation.
// It is never less than rzeczywisteStrony, the pages the printout really takes
// (pass 0 when unknown), so a long reading does not read "/ 3" on page 4.
QString ZnakStron(int liczbaWierszy, int rzeczywisteStrony = 0);

// Where laid-out line 25, and then line 79, is empty or only blanks, a line
// holding one blank is inserted before it, keeping the formatting of the rest.
void WstawPusteWiersze(QTextDocument &doc);
