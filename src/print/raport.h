#pragma once
#include "print/ukladwydruku.h"

#include <QImage>
#include <QString>

#include <array>

class QPrinter;
class QTextDocument;

// The printout of one spread: a title band on page 1 (title, card pictures,
// names, numbers), the interpretation flowing over the pages, a footer on
// every page. No band report engine is packaged, so it is laid out by hand.
struct Raport
{
    QString tytul;                 // "Rozkład "name""
    std::array<QImage, 16> obrazy; // card pictures, positions 1..15
    ElementyWydruku elementy;
    QString stopka;                 // product and deck line
    QString znakStron;              // "/ N"
    QTextDocument *tekst = nullptr; // the interpretation with bold titles; not owned
};

// What the main window hands over for one printout.
struct DaneWydruku
{
    int uklad = 0;                     // spread number 1..16
    std::array<QString, 16> nazwyKart; // display names, positions 1..15
    std::array<QImage, 16> obrazy;     // pictures as they print (reversed ones already turned)
    QString tytulTalii;                // deck title, empty for an imported deck
    QString interpretacja;             // the interpretation text as it stands
};

QString TytulWydruku(int uklad);
QString StopkaWydruku(const QString &tytulTalii);

// Fills r for a printout on drukarka: title band, pictures of positions
// 1..LiczbaKart, footer line, the interpretation in r.tekst (which must be set)
// with bold titles and blank lines before page turns, and the page total mark.
void PrzygotujRaport(Raport &r, const DaneWydruku &dane, QPrinter &drukarka);

// Puts the printer on A4 portrait with 10 mm margins.
void UstawStrone(QPrinter &drukarka);

// Number of pages the report takes on drukarka (at least 1), without painting.
int PoliczStrony(QPrinter &drukarka, Raport &r);

// Paints the report on drukarka: the page range and copies set on it (copies
// only where the printer does not make them itself), every footer counting the
// report's real pages. Returns the number of pages printed, 0 when the printer
// could not be started or the range holds no page of the report.
int DrukujRaport(QPrinter &drukarka, Raport &r);

// A print to file whose output is a folder or not named at all goes to
// <folderZapisu>/wydruk.pdf instead.
void UstalPlikWyjsciowy(QPrinter &drukarka, const QString &folderZapisu);
