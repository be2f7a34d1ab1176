#include "print/raport.h"

#include "spread/katalog.h"
#include "spread/pogrubienie.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace {

QFont CzcionkaArial(double punkty, bool gruba = false)
{
    return CzcionkaEtykiety(punkty, gruba);
}

// Geometry of the page on one printer, in device pixels.
struct Strona
{
    double u = 1;        // device pixels per layout unit
    double wysokosc = 0; // printable height (inside the margins)
    double stopka = 0;   // top of the footer band

    explicit Strona(QPrinter &drukarka)
    {
        u = drukarka.resolution() / JednostkiNaCal;
        wysokosc = drukarka.pageLayout().paintRectPixels(drukarka.resolution()).height();
        stopka = wysokosc - WysokoscStopki * u;
    }
    double gornaKrawedzTekstu(int strona) const
    {
        // Page 1 carries the title band; later pages continue at the top.
        return strona == 0 ? (WysokoscTytulu + TekstGora) * u : 0.0;
    }
};

// A slice of the document, in document coordinates, that goes on one page.
struct Kawalek
{
    double od = 0;
    double doo = 0;
};

// The interpretation laid out for drukarka: without the printer as paint
// device the text would be measured for the screen and print about 0.8 pt tall.
void UlozNa(QTextDocument &doc, QPrinter &drukarka)
{
    QAbstractTextDocumentLayout *uklad = doc.documentLayout();
    const bool inneUrzadzenie = uklad->paintDevice() != &drukarka;
    uklad->setPaintDevice(&drukarka);
    doc.setTextWidth(SzerokoscTekstuCale * drukarka.logicalDpiX());
    if (inneUrzadzenie)
        doc.markContentsDirty(0, doc.characterCount());
    uklad->documentSize(); // finishes the lazy layout
}

// One laid-out line of the interpretation, in document coordinates.
struct Wiersz
{
    double gora = 0;
    double dol = 0;
    bool gruby = false;   // part of a position heading
    bool samotny = false; // the only line of its paragraph (a card name under a heading)
    bool pusty = false;   // blank
};

bool GrubyOd(const QTextBlock &blok, int pozycja)
{
    for (QTextBlock::iterator it = blok.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.position() + f.length() > pozycja)
            return f.charFormat().fontWeight() >= QFont::Bold;
    }
    return false;
}

std::vector<Wiersz> Wiersze(QTextDocument *doc)
{
    std::vector<Wiersz> wynik;
    for (QTextBlock blok = doc->begin(); blok.isValid(); blok = blok.next()) {
        const QTextLayout *uklad = blok.layout();
        if (!uklad)
            continue;
        const double y0 = uklad->position().y();
        for (int i = 0; i < uklad->lineCount(); ++i) {
            const QTextLine linia = uklad->lineAt(i);
            Wiersz w;
            w.gora = y0 + linia.y();
            w.dol = w.gora + linia.height();
            w.gruby = linia.textLength() > 0 && GrubyOd(blok, blok.position() + linia.textStart());
            w.pusty = blok.text().mid(linia.textStart(), linia.textLength()).trimmed().isEmpty();
            w.samotny = uklad->lineCount() == 1 && !w.pusty;
            wynik.push_back(w);
        }
    }
    return wynik;
}

// Breaks the text between laid-out lines, never through one, and never right
// after a heading: a heading (with the card name under it) that would stand at
// the foot of a page goes over to the next page with its text.
std::vector<Kawalek> Podziel(QTextDocument *doc, const Strona &s)
{
    if (!doc || doc->isEmpty())
        return {Kawalek{}};
    std::vector<Wiersz> w = Wiersze(doc);
    // Blank lines closing the reading must not make a page of their own.
    while (w.size() > 1 && w.back().pusty)
        w.pop_back();
    if (w.empty())
        return {Kawalek{}};
    std::vector<Kawalek> strony;
    size_t od = 0;
    while (od < w.size()) {
        // Nor does a page start with the blank line that parted two positions.
        while (!strony.empty() && w[od].pusty)
            ++od;
        const double miejsce = s.stopka - s.gornaKrawedzTekstu(int(strony.size()));
        size_t doo = od; // last line on this page; the first always goes, even if too tall
        while (doo + 1 < w.size() && w[doo + 1].dol - w[od].gora <= miejsce)
            ++doo;
        if (doo + 1 < w.size()) {
            size_t koniec = doo;
            while (koniec > od && (w[koniec].gruby || (w[koniec].samotny && w[koniec - 1].gruby)))
                --koniec;
            if (koniec > od || !(w[od].gruby || w[od].samotny))
                doo = koniec;
        }
        strony.push_back({w[od].gora, w[doo].dol});
        od = doo + 1;
    }
    return strony;
}

void RysujPasmoTytulu(QPainter &p, const Raport &r, const Strona &s)
{
    const double u = s.u;
    p.setPen(Qt::black);
    p.setFont(CzcionkaArial(14, true));
    p.drawText(QRectF(0, 0, SzerokoscPasma * u, 15 * u), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, r.tytul);

    const auto &e = r.elementy;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = 1; n <= 15; ++n) {
        const ObrazWydruku &o = e.ObrazyWydruku[size_t(n)];
        const QImage &obraz = r.obrazy[size_t(n)];
        if (o.widoczny && !obraz.isNull())
            p.drawImage(QRectF(o.miejsce.x() * u, o.miejsce.y() * u, SzerokoscObrazu * u, WysokoscObrazu * u), obraz);
    }
    const int flagi = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    for (int n = 1; n <= 15; ++n) {
        for (const EtykietaWydruku *et : {&e.NazwyWydruku[size_t(n)], &e.NumeryWydruku[size_t(n)]}) {
            if (et->tekst.isEmpty())
                continue;
            p.setFont(CzcionkaArial(et->punkty));
            // Each laid-out line on its own: the label was wrapped as measured.
            const QStringList wiersze = et->wiersze.isEmpty() ? QStringList{et->tekst} : et->wiersze;
            const double h = wiersze.size() > 1 ? et->obszar.height() / wiersze.size() : WysokoscWiersza(et->punkty);
            const QPointF gora =
                et->obszar.isNull() && et->wiersze.isEmpty() ? QPointF(et->miejsce) : et->obszar.topLeft();
            for (int i = 0; i < wiersze.size(); ++i)
                p.drawText(QRectF(gora.x() * u, (gora.y() + i * h) * u, SzerokoscPasma * u, h * u), flagi,
                           wiersze.at(i));
        }
    }
}

void RysujStopke(QPainter &p, const Raport &r, const Strona &s, int numer)
{
    const double u = s.u;
    const double y = s.stopka + StopkaGora * u;
    const double h = WysokoscEtykiety * u;
    p.setPen(Qt::black);
    p.setFont(CzcionkaArial(6));
    const int flagi = Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    p.drawText(QRectF(0, y, SzerokoscPasma * u, h), flagi | Qt::AlignLeft, r.stopka);
    p.drawText(QRectF(0, y, StronaKoniec * u, h), flagi | Qt::AlignRight,
               QStringLiteral("Strona ") + QString::number(numer));
    p.drawText(QRectF(ZnakStronLewo * u, y, (SzerokoscPasma - ZnakStronLewo) * u, h), flagi | Qt::AlignLeft,
               r.znakStron);
}

void RysujTekst(QPainter &p, QTextDocument &doc, const Strona &s, int strona, const Kawalek &k)
{
    if (k.doo <= k.od)
        return;
    p.save();
    p.translate(TekstLewo * s.u, s.gornaKrawedzTekstu(strona) - k.od);
    const QRectF wycinek(0, k.od, doc.textWidth(), k.doo - k.od);
    p.setClipRect(wycinek);
    QAbstractTextDocumentLayout::PaintContext kontekst;
    // The layout skips only lines wholly outside its clip; a line that merely
    // touches the slice would still go into the PDF's text (clipped from view)
    // and read twice. A slice a hair narrower keeps exactly its own lines.
    kontekst.clip = wycinek.adjusted(0, 0.5, 0, -0.5);
    kontekst.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&p, kontekst);
    p.restore();
}

} // namespace

QString TytulWydruku(int uklad)
{
    return TytulUkladu(uklad);
}

QString StopkaWydruku(const QString &tytulTalii)
{
    return QStringLiteral("Program Lomi 1.0 – odczytywanie run - Talia ") + tytulTalii;
}

void UstawStrone(QPrinter &drukarka)
{
    drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                       QPageLayout::Millimeter));
}

void PrzygotujRaport(Raport &r, const DaneWydruku &dane, QPrinter &drukarka)
{
    UstawStrone(drukarka);
    r.elementy = UstawWydruk(dane.uklad, dane.nazwyKart);
    for (int p = 0; p < 16; ++p)
        r.obrazy[size_t(p)] =
            (p >= 1 && r.elementy.ObrazyWydruku[size_t(p)].widoczny) ? dane.obrazy[size_t(p)] : QImage();
    r.stopka = StopkaWydruku(dane.tytulTalii);
    r.tytul = TytulWydruku(dane.uklad);
    if (!r.tekst) {
        r.znakStron = ZnakStron(0, 1);
        return;
    }
    r.tekst->documentLayout()->setPaintDevice(&drukarka);
    PogrubNaglowki(*r.tekst, dane.interpretacja);
    WstawPusteWiersze(*r.tekst);
    r.znakStron = ZnakStron(int(WierszeUlozone(*r.tekst).size()), PoliczStrony(drukarka, r));
}

int PoliczStrony(QPrinter &drukarka, Raport &r)
{
    if (r.tekst)
        UlozNa(*r.tekst, drukarka);
    return int(Podziel(r.tekst, Strona(drukarka)).size());
}

int DrukujRaport(QPrinter &drukarka, Raport &r)
{
    UstawStrone(drukarka);
    if (r.tekst)
        UlozNa(*r.tekst, drukarka);
    const Strona s(drukarka);
    const std::vector<Kawalek> kawalki = Podziel(r.tekst, s);
    const int wszystkie = int(kawalki.size());
    // The footer counts the pages this printout really has.
    r.znakStron = ZnakStron(r.tekst ? int(WierszeUlozone(*r.tekst).size()) : 0, wszystkie);

    // A page range asked for in the print dialog is printed as asked.
    int pierwsza = 1, ostatnia = wszystkie;
    if (drukarka.printRange() == QPrinter::PageRange && drukarka.fromPage() > 0) {
        pierwsza = qMax(1, drukarka.fromPage());
        ostatnia = qMin(wszystkie, drukarka.toPage() > 0 ? drukarka.toPage() : wszystkie);
    }
    if (pierwsza > ostatnia)
        return 0;
    // Copies the printer does not make itself (a PDF file) are printed here.
    const int kopie = drukarka.supportsMultipleCopies() ? 1 : qMax(1, drukarka.copyCount());

    QPainter p;
    if (!p.begin(&drukarka))
        return 0;
    bool pierwszaStrona = true;
    for (int kopia = 0; kopia < kopie; ++kopia) {
        for (int i = pierwsza - 1; i < ostatnia; ++i) {
            if (!pierwszaStrona)
                drukarka.newPage();
            pierwszaStrona = false;
            if (i == 0)
                RysujPasmoTytulu(p, r, s);
            if (r.tekst)
                RysujTekst(p, *r.tekst, s, i, kawalki[size_t(i)]);
            RysujStopke(p, r, s, i + 1);
        }
    }
    p.end();
    return (ostatnia - pierwsza + 1) * kopie;
}

void UstalPlikWyjsciowy(QPrinter &drukarka, const QString &folderZapisu)
{
    if (drukarka.outputFormat() != QPrinter::PdfFormat)
        return;
    const QString plik = drukarka.outputFileName();
    if (plik.isEmpty() || plik.endsWith(QLatin1Char('/')) || QFileInfo(plik).isDir())
        drukarka.setOutputFileName(QDir(folderZapisu).filePath(QStringLiteral("wydruk.pdf")));
}
