#pragma once
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QFont;
class QTextDocument;

// Places and sizes on the printout are in layout units of 1/57.6 inch,
// measured from the top-left corner of the band holding the element.
constexpr double JednostkiNaCal = 57.6;
constexpr int SzerokoscPasma = 431; // A4 width less 10 mm margins
constexpr int WysokoscTytulu = 290; // title band, top of page 1
constexpr int WysokoscStopki = 24;  // footer band, foot of every page
constexpr int SzerokoscObrazu = 50;
constexpr int WysokoscObrazu = 73;
constexpr int WysokoscEtykiety = 12;
constexpr int NazwaNadObrazem = 6;  // name label stands this far above its picture
constexpr int NumerPodObrazem = 73; // number label top, from the picture top
constexpr int NumerOdLewej = 25;    // number label left, from the picture left
constexpr int TekstLewo = 5;        // interpretation, within the detail band
constexpr int TekstGora = 16;
constexpr int TekstSzerokosc = 422;
constexpr int StopkaGora = 4;         // footer labels, within the footer band
constexpr int StronaKoniec = 415;     // "Strona N" ends here
constexpr int ZnakStronLewo = 416;    // page total mark starts here
constexpr double RozmiarEtykiety = 6; // Arial points of names and numbers
constexpr double RozmiarTytulu = 14;  // Arial bold points of the title
constexpr double OdstepEtykiet = 1.5; // least room between a name and anything else

// The fonts of the title band, unhinted so that they measure alike on every device.
QFont CzcionkaEtykiety(double punkty, bool gruba = false);
// Line height of that font, in layout units.
double WysokoscWiersza(double punkty, bool gruba = false);
// Width of a text in that font, in layout units.
double SzerokoscTekstu(const QString &tekst, double punkty, bool gruba = false);
// The spread title, "Rozkład "name"".
QString TytulUkladu(int n);

// Where picture p of spread n stands in the title band (left, top).
// Positions outside a spread's places, and spreads outside 1..16, give (10, 30).
QPoint MiejsceObrazu(int n, int p);

struct ObrazWydruku
{
    QPoint miejsce{10, 30};
    bool widoczny = false;
};

struct EtykietaWydruku
{
    QString tekst;
    QPoint miejsce; // the label's place; a name's last line starts here
    // Where the text prints, sized to it (units), the lines it wraps into and
    // the font size in points. A name wraps, and only when it must shrinks,
    // to stay within the room its card has.
    QRectF obszar;
    QStringList wiersze;
    double punkty = RozmiarEtykiety;
};

// The title band's element tables, indexed by position 1..15 (entry 0 unused).
struct ElementyWydruku
{
    std::array<ObrazWydruku, 16> ObrazyWydruku;
    std::array<EtykietaWydruku, 16> NazwyWydruku;
    std::array<EtykietaWydruku, 16> NumeryWydruku;
};

// The ink of a laid-out label, one rectangle a line (units).
std::vector<QRectF> TuszEtykiety(const EtykietaWydruku &e);

// Lays the title band out afresh for spread n: every position is reset, then
// positions 1..LiczbaKart(n) get their place, name (nazwyKart[p]) and number.
ElementyWydruku UstawWydruk(int n, const std::array<QString, 16> &nazwyKart);

// The page total mark: rzeczywisteStrony, the pages the printout really takes;
// only while that is unknown (0) it is guessed from the number of laid-out
// lines of the interpretation.
QString ZnakStron(int liczbaWierszy, int rzeczywisteStrony = 0);

// Where laid-out line 25, and then line 79, is empty or only blanks, a line
// holding one blank is inserted before it, keeping the formatting of the rest.
void WstawPusteWiersze(QTextDocument &doc);
