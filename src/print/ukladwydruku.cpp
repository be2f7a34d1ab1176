#include "print/ukladwydruku.h"

#include "spread/katalog.h"
#include "spread/pogrubienie.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace {

const QPoint MiejsceDomyslne(10, 30);

// Card places of the printout, left/top in layout units, spread by spread.
const std::vector<std::vector<QPoint>> MiejscaUkladow = {
    /*  1 */ {{183, 30}, {48, 30}, {88, 116}, {120, 202}, {180, 202}, {240, 202}, {275, 116}, {318, 30}},
    /*  2 */ {{170, 30}, {104, 120}, {170, 120}, {236, 120}},
    /*  3 */ {{200, 30}, {128, 119}, {56, 119}, {128, 30}, {128, 207}, {200, 119}, {264, 30}, {264, 207}},
    /*  4 */ {{168, 190}, {140, 105}, {196, 105}, {48, 105}, {168, 20}, {288, 105}},
    /*  5 */ {{195, 120}, {15, 120}, {75, 40}, {75, 200}, {315, 200}, {315, 40}, {375, 120}, {135, 120}, {255, 120}},
    /*  6 */ {{188, 20}, {100, 20}, {276, 20}, {148, 105}, {236, 105}},
    /*  7 */ {{188, 105}, {284, 20}, {284, 105}, {284, 192}, {92, 20}, {92, 105}, {92, 192}},
    /*  8 */ {{188, 70}, {132, 20}, {244, 20}, {40, 155}, {188, 155}, {316, 155}},
    /*  9 */ {{44, 91}, {116, 20}, {180, 91}, {244, 20}, {308, 91}, {116, 162}},
    /* 10 */ {{188, 203}, {83, 120}, {240, 62}, {136, 62}, {188, 22}, {130, 203}, {348, 203}, {188, 120},
              {28, 203}, {294, 120}, {247, 203}},
    /* 11 */ {{188, 22}, {136, 57}, {240, 57}, {188, 107}, {293, 107}, {108, 193}, {188, 193}},
    /* 12 */ {{48, 129}, {48, 42}, {291, 42}, {168, 20}, {104, 87}, {232, 87}, {291, 129}},
    /* 13 */ {{145, 25}, {15, 25}, {80, 85}, {210, 85}, {275, 25}, {15, 145}, {275, 145}, {80, 205}, {210, 205}},
    /* 14 */ {{192, 34}, {128, 34}, {128, 119}, {128, 205}, {192, 119}, {192, 205}, {256, 34}, {256, 119},
              {256, 205}},
    /* 15 */ {{190, 205}},
    // "Los człowieczy" has no printed places of its own: its three cards stand
    // in one row across the middle of the band, position 1 on the right as on
    // the table, spaced like "Trzy karty".
    /* 16 */ {{256, 120}, {190, 120}, {124, 120}},
};

// Start of laid-out line nr (1-based) as a document position, or -1 when the
// text has fewer lines. Counts lines the same way as WierszeUlozone.
int PoczatekWiersza(QTextDocument &doc, int nr, int *poczatekWBloku)
{
    int licznik = 0;
    for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
        if (!blok.next().isValid() && blok.text().isEmpty())
            break;
        const QTextLayout *uklad = blok.layout();
        const int linie = (uklad && uklad->lineCount() > 0) ? uklad->lineCount() : 1;
        if (licznik + linie >= nr) {
            const int wBloku = (uklad && uklad->lineCount() > 0) ? uklad->lineAt(nr - licznik - 1).textStart() : 0;
            *poczatekWBloku = wBloku;
            return blok.position() + wBloku;
        }
        licznik += linie;
    }
    return -1;
}

void WstawPustyPrzed(QTextDocument &doc, int nr)
{
    const QStringList wiersze = WierszeUlozone(doc); // also finishes the layout
    if (wiersze.size() < nr || !wiersze.at(nr - 1).trimmed().isEmpty())
        return;
    int wBloku = 0;
    const int poczatek = PoczatekWiersza(doc, nr, &wBloku);
    if (poczatek < 0)
        return;
    QTextCursor kursor(&doc);
    kursor.setPosition(poczatek);
    kursor.beginEditBlock();
    // A blank line that is the wrapped tail of a paragraph first gets a break of its own.
    if (wBloku > 0)
        kursor.insertBlock();
    kursor.insertText(QStringLiteral(" "));
    kursor.insertBlock();
    kursor.endEditBlock();
}

} // namespace

QPoint MiejsceObrazu(int n, int p)
{
    if (n < 1 || n > int(MiejscaUkladow.size()))
        return MiejsceDomyslne;
    const auto &miejsca = MiejscaUkladow[size_t(n - 1)];
    if (p < 1 || p > int(miejsca.size()))
        return MiejsceDomyslne;
    return miejsca[size_t(p - 1)];
}

ElementyWydruku UstawWydruk(int n, const std::array<QString, 16> &nazwyKart)
{
    ElementyWydruku e; // every position starts empty, its picture at (10, 30)
    const int liczba = qBound(0, LiczbaKart(n), 15);
    for (int p = 1; p <= liczba; ++p) {
        const QPoint obraz = MiejsceObrazu(n, p);
        e.ObrazyWydruku[p] = {obraz, true};
        e.NazwyWydruku[p] = {nazwyKart[size_t(p)], obraz - QPoint(0, NazwaNadObrazem)};
        e.NumeryWydruku[p] = {QString::number(p), obraz + QPoint(NumerOdLewej, NumerPodObrazem)};
    }
    return e;
}

QString ZnakStron(int liczbaWierszy, int rzeczywisteStrony)
{
    // Exactly 27 lines is taken as two pages: the first page holds about 26.
    int strony = 1;
    if (liczbaWierszy > 75)
        strony = 3;
    else if (liczbaWierszy >= 27)
        strony = 2;
    strony = qMax(strony, rzeczywisteStrony);
    return QStringLiteral("/ ") + QString::number(strony);
}

void WstawPusteWiersze(QTextDocument &doc)
{
    WstawPustyPrzed(doc, 25);
    WstawPustyPrzed(doc, 79);
}
