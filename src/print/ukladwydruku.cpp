#include "print/ukladwydruku.h"

#include "spread/katalog.h"
#include "spread/pogrubienie.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <functional>

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
    /* 10 */
    {{188, 203},
     {83, 120},
     {240, 62},
     {136, 62},
     {188, 22},
     {130, 203},
     {348, 203},
     {188, 120},
     {28, 203},
     {294, 120},
     {247, 203}},
    /* 11 */ {{188, 22}, {136, 57}, {240, 57}, {188, 107}, {293, 107}, {108, 193}, {188, 193}},
    /* 12 */ {{48, 129}, {48, 42}, {291, 42}, {168, 20}, {104, 87}, {232, 87}, {291, 129}},
    /* 13 */ {{145, 25}, {15, 25}, {80, 85}, {210, 85}, {275, 25}, {15, 145}, {275, 145}, {80, 205}, {210, 205}},
    /* 14 */ {{192, 34}, {128, 34}, {128, 119}, {128, 205}, {192, 119}, {192, 205}, {256, 34}, {256, 119}, {256, 205}},
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

// Text is measured on a device of ten pixels per layout unit.
constexpr double PikseleNaJednostke = 10;

const QImage &Miernik()
{
    static const QImage obraz = [] {
        QImage o(1, 1, QImage::Format_RGB32);
        const int dpm = int(PikseleNaJednostke * JednostkiNaCal / 0.0254 + 0.5);
        o.setDotsPerMeterX(dpm);
        o.setDotsPerMeterY(dpm);
        return o;
    }();
    return obraz;
}

QFontMetricsF Miara(double punkty, bool gruba)
{
    return QFontMetricsF(CzcionkaEtykiety(punkty, gruba), &Miernik());
}

// Words of tekst in lines no wider than szerokosc; empty when a word is wider.
QStringList Zawin(const QString &tekst, double szerokosc, double punkty)
{
    QStringList wiersze;
    QString biezacy;
    for (const QString &slowo : tekst.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString dluzszy = biezacy.isEmpty() ? slowo : biezacy + QLatin1Char(' ') + slowo;
        if (SzerokoscTekstu(dluzszy, punkty) <= szerokosc) {
            biezacy = dluzszy;
            continue;
        }
        if (biezacy.isEmpty() || SzerokoscTekstu(slowo, punkty) > szerokosc)
            return {};
        wiersze << biezacy;
        biezacy = slowo;
    }
    if (!biezacy.isEmpty())
        wiersze << biezacy;
    return wiersze;
}

// Room kept between the ink of a name and anything else, across and down.
constexpr double OdstepPoziomy = OdstepEtykiet;
constexpr double OdstepPionowy = 0.5;

bool Nachodzi(const QRectF &a, const QRectF &b)
{
    return a.adjusted(-OdstepPoziomy, -OdstepPionowy, OdstepPoziomy, OdstepPionowy).intersects(b);
}

// Ink of lines of text set from gora down, each line h high, starting at x.
std::vector<QRectF> Tusz(const QStringList &wiersze, double x, double gora, double punkty)
{
    const QFontMetricsF m = Miara(punkty, false);
    const double h = m.height() / PikseleNaJednostke;
    std::vector<QRectF> wynik;
    for (int i = 0; i < wiersze.size(); ++i) {
        const QRectF t = m.tightBoundingRect(wiersze.at(i));
        if (t.isEmpty())
            continue;
        const double linia = gora + i * h + m.ascent() / PikseleNaJednostke;
        wynik.emplace_back(x + t.x() / PikseleNaJednostke, linia + t.y() / PikseleNaJednostke,
                           t.width() / PikseleNaJednostke, t.height() / PikseleNaJednostke);
    }
    return wynik;
}

// Lays the names of positions 1..liczba out: each keeps the place where its
// last line starts and takes the room to its right and above that no picture,
// number, title or other name inks, wrapping words there; only a name that
// cannot fit at the label size even wrapped is set smaller.
void UlozNazwy(ElementyWydruku &e, int liczba, int n)
{
    std::vector<QRectF> przeszkody;
    {
        const QFontMetricsF m = Miara(RozmiarTytulu, true);
        const QString tytul = TytulUkladu(n);
        const QRectF t = m.tightBoundingRect(tytul);
        const double x = (SzerokoscPasma - m.horizontalAdvance(tytul) / PikseleNaJednostke) / 2;
        przeszkody.emplace_back(x + t.x() / PikseleNaJednostke, (m.ascent() + t.y()) / PikseleNaJednostke,
                                t.width() / PikseleNaJednostke, t.height() / PikseleNaJednostke);
    }
    const double h6 = WysokoscWiersza(RozmiarEtykiety);
    for (int p = 1; p <= liczba; ++p) {
        const QPointF o = e.ObrazyWydruku[size_t(p)].miejsce;
        przeszkody.emplace_back(o.x(), o.y(), SzerokoscObrazu, WysokoscObrazu);
        EtykietaWydruku &numer = e.NumeryWydruku[size_t(p)];
        numer.wiersze = QStringList{numer.tekst};
        numer.obszar = QRectF(numer.miejsce, QSizeF(SzerokoscTekstu(numer.tekst, RozmiarEtykiety), h6));
        for (const QRectF &r : Tusz(numer.wiersze, numer.miejsce.x(), numer.miejsce.y(), RozmiarEtykiety))
            przeszkody.push_back(r);
    }
    // Room kept for each name's one line over its own card until it is laid out.
    const QFontMetricsF m6 = Miara(RozmiarEtykiety, false);
    const double wersaliki = m6.capHeight() / PikseleNaJednostke;
    const double podDolem = m6.descent() / PikseleNaJednostke;
    const double nadLinia = m6.ascent() / PikseleNaJednostke;
    std::vector<QRectF> zarezerwowane(size_t(liczba) + 1);
    for (int p = 1; p <= liczba; ++p) {
        const QPointF m = e.NazwyWydruku[size_t(p)].miejsce;
        zarezerwowane[size_t(p)] = QRectF(m.x(), m.y() + nadLinia - wersaliki, SzerokoscObrazu, wersaliki + podDolem);
    }
    auto inne = [&](int p, const std::function<void(const QRectF &)> &f) {
        for (const QRectF &x : przeszkody)
            f(x);
        for (int q = 1; q <= liczba; ++q)
            if (q != p && !zarezerwowane[size_t(q)].isNull())
                f(zarezerwowane[size_t(q)]);
    };
    auto wolne = [&](const std::vector<QRectF> &tusz, int p) {
        bool ok = true;
        for (const QRectF &r : tusz) {
            if (r.left() < 0 || r.right() > SzerokoscPasma || r.top() < 0)
                return false;
            inne(p, [&](const QRectF &x) { ok = ok && !Nachodzi(r, x); });
        }
        return ok;
    };
    // How far to the right of x a label whose ink spans [gora, dol] may run.
    auto szerokosc = [&](double x, double gora, double dol, int p) {
        double prawa = SzerokoscPasma;
        inne(p, [&](const QRectF &r) {
            if (r.bottom() + OdstepPionowy > gora && r.top() - OdstepPionowy < dol && r.left() > x)
                prawa = qMin(prawa, r.left() - OdstepPoziomy);
        });
        return prawa - x;
    };

    for (int p = 1; p <= liczba; ++p) {
        EtykietaWydruku &nazwa = e.NazwyWydruku[size_t(p)];
        const QPointF m = nazwa.miejsce;
        bool ulozona = nazwa.tekst.trimmed().isEmpty();
        if (ulozona) {
            nazwa.wiersze.clear();
            nazwa.obszar = QRectF(m, QSizeF(0, 0));
        }
        std::vector<QRectF> tusz;
        for (double punkty = RozmiarEtykiety; !ulozona && punkty >= 4 - 1e-9; punkty -= 0.5) {
            const double h = WysokoscWiersza(punkty);
            const double ostatniWiersz = m.y() + h6 - h; // smaller text keeps its foot
            const double dol = ostatniWiersz + h;
            for (int k = 1; k <= 4 && !ulozona; ++k) {
                const double gora = ostatniWiersz - (k - 1) * h;
                const QStringList wiersze = Zawin(nazwa.tekst, szerokosc(m.x(), gora, dol, p), punkty);
                if (wiersze.isEmpty() || wiersze.size() > k)
                    continue;
                const double poczatek = ostatniWiersz - (wiersze.size() - 1) * h;
                tusz = Tusz(wiersze, m.x(), poczatek, punkty);
                if (!wolne(tusz, p))
                    continue;
                double w = 0;
                for (const QString &wiersz : wiersze)
                    w = qMax(w, SzerokoscTekstu(wiersz, punkty));
                nazwa.wiersze = wiersze;
                nazwa.punkty = punkty;
                nazwa.obszar = QRectF(m.x(), poczatek, w, wiersze.size() * h);
                ulozona = true;
            }
        }
        if (!ulozona) {
            // Nothing fits: the smallest size on one line, cut to its card's room.
            const double punkty = 4;
            const double h = WysokoscWiersza(punkty);
            const double w = qMax(0.0, szerokosc(m.x(), m.y() + h6 - h, m.y() + h6, p));
            const QString krotki = Miara(punkty, false).elidedText(nazwa.tekst, Qt::ElideRight, w * PikseleNaJednostke);
            nazwa.wiersze = QStringList{krotki};
            nazwa.punkty = punkty;
            nazwa.obszar = QRectF(m.x(), m.y() + h6 - h, SzerokoscTekstu(krotki, punkty), h);
            tusz = Tusz(nazwa.wiersze, m.x(), m.y() + h6 - h, punkty);
        }
        zarezerwowane[size_t(p)] = QRectF();
        for (const QRectF &r : tusz)
            przeszkody.push_back(r);
    }
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

QFont CzcionkaEtykiety(double punkty, bool gruba)
{
    QFont f(QStringLiteral("Arial"));
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkty);
    f.setBold(gruba);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double WysokoscWiersza(double punkty, bool gruba)
{
    return Miara(punkty, gruba).height() / PikseleNaJednostke;
}

double SzerokoscTekstu(const QString &tekst, double punkty, bool gruba)
{
    return Miara(punkty, gruba).horizontalAdvance(tekst) / PikseleNaJednostke;
}

QString TytulUkladu(int n)
{
    return QStringLiteral("Rozkład \"") + NazwaUkladu(n) + QLatin1Char('"');
}

std::vector<QRectF> TuszEtykiety(const EtykietaWydruku &e)
{
    return Tusz(e.wiersze, e.obszar.x(), e.obszar.y(), e.punkty);
}

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
        e.NazwyWydruku[p].tekst = nazwyKart[size_t(p)];
        e.NazwyWydruku[p].miejsce = obraz - QPoint(0, NazwaNadObrazem);
        e.NumeryWydruku[p].tekst = QString::number(p);
        e.NumeryWydruku[p].miejsce = obraz + QPoint(NumerOdLewej, NumerPodObrazem);
    }
    UlozNazwy(e, liczba, n);
    return e;
}

QString ZnakStron(int liczbaWierszy, int rzeczywisteStrony)
{
    if (rzeczywisteStrony > 0)
        return QStringLiteral("/ ") + QString::number(rzeczywisteStrony);
    // Without a page count the line count guesses it; exactly 27 lines is
    // taken as two pages: the first page holds about 26.
    int strony = 1;
    if (liczbaWierszy > 75)
        strony = 3;
    else if (liczbaWierszy >= 27)
        strony = 2;
    return QStringLiteral("/ ") + QString::number(strony);
}

void WstawPusteWiersze(QTextDocument &doc)
{
    WstawPustyPrzed(doc, 25);
    WstawPustyPrzed(doc, 79);
}
