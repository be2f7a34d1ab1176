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

QFont CzcionkaArial(int punkty, bool gruba = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(punkty);
    f.setBold(gruba);
    return f;
}

// Geometry of the page on one printer, in device pixels.
struct Strona {
    double u = 1;              // device pixels per layout unit
    double wysokosc = 0;       // printable height (inside the margins)
    double stopka = 0;         // top of the footer band

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
struct Kawalek {
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

// Breaks the text between laid-out lines, never through one.
std::vector<Kawalek> Podziel(QTextDocument *doc, const Strona &s)
{
    std::vector<Kawalek> strony;
    if (!doc || doc->isEmpty())
        return {Kawalek{}};
    Kawalek biezacy;
    bool pierwszaLinia = true;
    for (QTextBlock blok = doc->begin(); blok.isValid(); blok = blok.next()) {
        const QTextLayout *uklad = blok.layout();
        if (!uklad)
            continue;
        const double y0 = uklad->position().y();
        for (int i = 0; i < uklad->lineCount(); ++i) {
            const QTextLine linia = uklad->lineAt(i);
            const double gora = y0 + linia.y();
            const double dol = gora + linia.height();
            if (pierwszaLinia) {
                biezacy = {gora, dol};
                pierwszaLinia = false;
                continue;
            }
            const double miejsce = s.stopka - s.gornaKrawedzTekstu(int(strony.size()));
            if (dol - biezacy.od > miejsce && gora > biezacy.od) {
                strony.push_back(biezacy);
                biezacy = {gora, dol};
            } else {
                biezacy.doo = dol;
            }
        }
    }
    strony.push_back(biezacy);
    return strony;
}

void RysujPasmoTytulu(QPainter &p, const Raport &r, const Strona &s)
{
    const double u = s.u;
    p.setPen(Qt::black);
    p.setFont(CzcionkaArial(14, true));
    p.drawText(QRectF(0, 0, SzerokoscPasma * u, 15 * u), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
               r.tytul);

    const auto &e = r.elementy;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int n = 1; n <= 15; ++n) {
        const ObrazWydruku &o = e.ObrazyWydruku[size_t(n)];
        const QImage &obraz = r.obrazy[size_t(n)];
        if (o.widoczny && !obraz.isNull())
            p.drawImage(QRectF(o.miejsce.x() * u, o.miejsce.y() * u, SzerokoscObrazu * u, WysokoscObrazu * u), obraz);
    }
    p.setFont(CzcionkaArial(6));
    const int flagi = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    for (int n = 1; n <= 15; ++n) {
        for (const EtykietaWydruku *et : {&e.NazwyWydruku[size_t(n)], &e.NumeryWydruku[size_t(n)]}) {
            if (et->tekst.isEmpty())
                continue;
            p.drawText(QRectF(et->miejsce.x() * u, et->miejsce.y() * u, SzerokoscPasma * u, WysokoscEtykiety * u),
                       flagi, et->tekst);
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
    kontekst.clip = wycinek;
    kontekst.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&p, kontekst);
    p.restore();
}

} // namespace

QString TytulWydruku(int uklad)
{
    return QStringLiteral("Rozkład \"") + NazwaUkladu(uklad) + QLatin1Char('"');
}

QString StopkaWydruku(const QString &tytulTalii)
{
    return QStringLiteral("Program Lomi 1.0 – odczytywanie run - Talia ") + tytulTalii;
}

void UstawStrone(QPrinter &drukarka)
{
    drukarka.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

void PrzygotujRaport(Raport &r, const DaneWydruku &dane, QPrinter &drukarka)
{
    UstawStrone(drukarka);
    r.elementy = UstawWydruk(dane.uklad, dane.nazwyKart);
    for (int p = 0; p < 16; ++p)
        r.obrazy[size_t(p)] = (p >= 1 && r.elementy.ObrazyWydruku[size_t(p)].widoczny) ? dane.obrazy[size_t(p)] : QImage();
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

    QPainter p;
    if (!p.begin(&drukarka))
        return 0;
    for (int i = 0; i < int(kawalki.size()); ++i) {
        if (i > 0)
            drukarka.newPage();
        if (i == 0)
            RysujPasmoTytulu(p, r, s);
        if (r.tekst)
            RysujTekst(p, *r.tekst, s, i, kawalki[size_t(i)]);
        RysujStopke(p, r, s, i + 1);
    }
    p.end();
    return int(kawalki.size());
}

void UstalPlikWyjsciowy(QPrinter &drukarka, const QString &folderZapisu)
{
    if (drukarka.outputFormat() != QPrinter::PdfFormat)
        return;
    const QString plik = drukarka.outputFileName();
    if (plik.isEmpty() || plik.endsWith(QLatin1Char('/')) || QFileInfo(plik).isDir())
        drukarka.setOutputFileName(QDir(folderZapisu).filePath(QStringLiteral("wydruk.pdf")));
}
