#include "print/raport.h"
#include "spread/interpretacja.h"
#include "spread/pogrubienie.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

const QStringList Slowa = {QStringLiteral("runa"),   QStringLiteral("znaczy"),  QStringLiteral("drogę"),
                           QStringLiteral("siłę"),   QStringLiteral("zmianę"),  QStringLiteral("ochronę"),
                           QStringLiteral("wiedzę"), QStringLiteral("mądrość"), QStringLiteral("dom"),
                           QStringLiteral("los"),    QStringLiteral("wiatr"),   QStringLiteral("ogień"),
                           QStringLiteral("wodę"),   QStringLiteral("ziemię"),  QStringLiteral("czas")};

// A meaning of about `slowa` words, different for every card.
QString Znaczenie(int karta, int slowa)
{
    QStringList tekst{QStringLiteral("Znaczenie%1").arg(karta)};
    for (int i = 1; i < slowa; ++i)
        tekst << Slowa.at((i * 7 + karta) % Slowa.size());
    return tekst.join(QLatin1Char(' ')) + QLatin1Char('.');
}

QColor Kolor(int p)
{
    return QColor::fromHsv((p * 360 / 16) % 360, 255, 220);
}

// An eleven-card reading of Piramida Wenus; dlugosc sets the words per meaning.
DaneWydruku Jedenascie(int dlugosc)
{
    DaneWydruku d;
    d.uklad = 10;
    for (int p = 1; p <= 15; ++p) {
        d.nazwyKart[size_t(p)] = QStringLiteral("Runa%1").arg(p) + (p == 3 ? QStringLiteral(" (Odw.)") : QString());
        QImage obraz(40, 60, QImage::Format_RGB32);
        obraz.fill(Kolor(p));
        d.obrazy[size_t(p)] = obraz;
    }
    d.tytulTalii = QStringLiteral("Runy Wikingów");
    ZrodlaInterpretacji z;
    z.naglowek = [](int, int k) -> std::optional<QString> { return QStringLiteral("Nagłówek pozycji %1").arg(k); };
    z.znaczenie = [dlugosc](int k) { return Znaczenie(k, dlugosc); };
    d.interpretacja = Interpretacja(10, d.nazwyKart, z);
    return d;
}

QString Narzedzie(const QString &nazwa)
{
    return QStandardPaths::findExecutable(nazwa);
}

QString Uruchom(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(30000) || proces.exitCode() != 0)
        return QString();
    return QString::fromUtf8(proces.readAllStandardOutput());
}

QString Uproszczony(const QString &s)
{
    return s.simplified();
}

// The text layer of the PDF, of one page or (strona 0) of all.
QString TekstPdf(const QString &plik, int strona = 0)
{
    const QString pdftotext = Narzedzie(QStringLiteral("pdftotext"));
    QStringList argumenty{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (strona > 0)
        argumenty << QStringLiteral("-f") << QString::number(strona) << QStringLiteral("-l") << QString::number(strona);
    return Uruchom(pdftotext, argumenty << plik << QStringLiteral("-"));
}

int StronyPdf(const QString &plik)
{
    const QString info = Uruchom(Narzedzie(QStringLiteral("pdfinfo")), {plik});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

bool MaPoppler()
{
    return !Narzedzie(QStringLiteral("pdftotext")).isEmpty() && !Narzedzie(QStringLiteral("pdfinfo")).isEmpty();
}

// A reading of `wiersze` short plain lines, one a paragraph.
QString Wiersze(int od, int ile, const QString &slowo)
{
    QStringList t;
    for (int i = od; i < od + ile; ++i)
        t << QStringLiteral("%1 %2").arg(slowo).arg(i);
    return t.join(QStringLiteral("\r\n"));
}

struct WydrukPdf
{
    QTemporaryDir katalog;
    QString plik = katalog.filePath(QStringLiteral("wydruk.pdf"));
    QPrinter drukarka{QPrinter::HighResolution};
    QTextDocument doc;
    Raport r;
    WydrukPdf()
    {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(plik);
        r.tekst = &doc;
    }
    int drukuj(const DaneWydruku &d)
    {
        PrzygotujRaport(r, d, drukarka);
        return DrukujRaport(drukarka, r);
    }
};

} // namespace

class TestRaport : public QObject
{
    Q_OBJECT
private slots:
    void wydrukJedenastuKartDoPdf();
    void pustaInterpretacjaToJednaStrona();
    void dlugiOdczytPokazujeRzeczywistaLiczbeStron();
    void mniejszyRozkladPoWiekszymNieDrukujeStarychKart();
    void stopkaLiczyStronyWydrukowane();
    void pusteWierszeNaKoncuNieDajaStrony();
    void naglowekIdzieNaStroneZeSwoimTekstem_data();
    void naglowekIdzieNaStroneZeSwoimTekstem();
    void zakresStronIKopie_data();
    void zakresStronIKopie();
    void plikWyjsciowy_data();
    void plikWyjsciowy();
};

void TestRaport::wydrukJedenastuKartDoPdf()
{
    const QString pdfinfo = Narzedzie(QStringLiteral("pdfinfo"));
    const QString pdftotext = Narzedzie(QStringLiteral("pdftotext"));
    const QString pdftoppm = Narzedzie(QStringLiteral("pdftoppm"));
    const QString pdffonts = Narzedzie(QStringLiteral("pdffonts"));
    if (pdfinfo.isEmpty() || pdftotext.isEmpty() || pdftoppm.isEmpty() || pdffonts.isEmpty())
        QSKIP("poppler-utils are not installed");

    WydrukPdf w;
    const int strony = w.drukuj(Jedenascie(90));
    QCOMPARE(strony, 3);
    QCOMPARE(w.r.znakStron, QStringLiteral("/ 3"));
    // Lines were counted as the printer lays them out, not as the screen would.
    QCOMPARE(w.doc.documentLayout()->paintDevice(), &w.drukarka);

    const QString info = Uruchom(pdfinfo, {w.plik});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))),
             qPrintable(info));

    const QString tekst =
        Uruchom(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), w.plik, QStringLiteral("-")});
    const QString plaski = Uproszczony(tekst);
    const QStringList oczekiwane = {QStringLiteral("Rozkład \"Piramida Wenus\""),
                                    QStringLiteral("Runa1"),
                                    QStringLiteral("Runa3 (Odw.)"),
                                    QStringLiteral("Runa11"),
                                    QStringLiteral("Strona 1"),
                                    QStringLiteral("Strona 3"),
                                    QStringLiteral("[5] Nagłówek pozycji 5"),
                                    QStringLiteral("Program Lomi 1.0 – odczytywanie run - Talia Runy Wikingów")};
    for (const QString &o : oczekiwane)
        QVERIFY2(plaski.contains(o), qPrintable(o));
    QCOMPARE(tekst.count(QStringLiteral("/ 3")), 3);
    QVERIFY(!plaski.contains(QStringLiteral("Runa12")));

    // No laid-out line is lost or cut at a page turn.
    for (const QString &wiersz : WierszeUlozone(w.doc)) {
        const QString w1 = Uproszczony(wiersz);
        if (!w1.isEmpty())
            QVERIFY2(plaski.contains(w1), qPrintable(w1));
    }

    const QString czcionki = Uruchom(pdffonts, {w.plik});
    QVERIFY2(czcionki.contains(QRegularExpression(QStringLiteral("Serif-Bold|Roman.*Bold|Times.*Bold"))),
             qPrintable(czcionki));

    // Every picture fills its own place on page 1: check the middle pixel.
    const QString obrazy = w.katalog.filePath(QStringLiteral("strona"));
    Uruchom(pdftoppm,
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"),
             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), w.plik, obrazy});
    QImage strona(obrazy + QStringLiteral("-1.png"));
    QVERIFY(!strona.isNull());
    const double px = 60.0 / 57.6, margines = 10 / 25.4 * 60;
    for (int p = 1; p <= 11; ++p) {
        const QPoint m = w.r.elementy.ObrazyWydruku[size_t(p)].miejsce;
        const QColor c = strona.pixelColor(int(margines + (m.x() + 25) * px), int(margines + (m.y() + 36) * px));
        const QColor o = Kolor(p);
        QVERIFY2(qAbs(c.red() - o.red()) < 16 && qAbs(c.green() - o.green()) < 16 && qAbs(c.blue() - o.blue()) < 16,
                 qPrintable(QStringLiteral("picture %1: %2 instead of %3").arg(p).arg(c.name(), o.name())));
    }
}

void TestRaport::pustaInterpretacjaToJednaStrona()
{
    WydrukPdf w;
    DaneWydruku d = Jedenascie(10);
    d.uklad = 15;
    d.interpretacja.clear();
    d.tytulTalii.clear(); // an imported deck has no title
    QCOMPARE(w.drukuj(d), 1);
    QCOMPARE(w.r.znakStron, QStringLiteral("/ 1"));
    QCOMPARE(w.r.stopka, QStringLiteral("Program Lomi 1.0 – odczytywanie run - Talia "));
    QCOMPARE(w.r.tytul, QStringLiteral("Rozkład \"Jedna karta\""));
    const QString pdftotext = Narzedzie(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("poppler-utils are not installed");
    const QString tekst =
        Uruchom(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), w.plik, QStringLiteral("-")});
    QVERIFY(tekst.contains(QStringLiteral("Strona 1")));
    QVERIFY(tekst.contains(QStringLiteral("Runa1")));
    QVERIFY(!tekst.contains(QStringLiteral("Runa2")));
}

void TestRaport::dlugiOdczytPokazujeRzeczywistaLiczbeStron()
{
    WydrukPdf w;
    const DaneWydruku d = Jedenascie(400);
    PrzygotujRaport(w.r, d, w.drukarka);
    const int strony = PoliczStrony(w.drukarka, w.r);
    QVERIFY2(strony > 3, qPrintable(QString::number(strony)));
    QCOMPARE(w.r.znakStron, QStringLiteral("/ %1").arg(strony));
    QCOMPARE(DrukujRaport(w.drukarka, w.r), strony);
}

void TestRaport::mniejszyRozkladPoWiekszymNieDrukujeStarychKart()
{
    WydrukPdf w;
    DaneWydruku d = Jedenascie(10);
    d.uklad = 1;
    d.interpretacja.clear();
    w.drukuj(d);
    QVERIFY(!w.r.obrazy[8].isNull());
    d.uklad = 2;
    for (int p = 1; p <= 15; ++p)
        d.nazwyKart[size_t(p)] = QStringLiteral("Nowa%1").arg(p);
    QCOMPARE(w.drukuj(d), 1);
    for (int p = 5; p <= 15; ++p)
        QVERIFY(w.r.obrazy[size_t(p)].isNull());
    const QString pdftotext = Narzedzie(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("poppler-utils are not installed");
    const QString tekst =
        Uruchom(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), w.plik, QStringLiteral("-")});
    QVERIFY(tekst.contains(QStringLiteral("Nowa4")));
    QVERIFY(!tekst.contains(QStringLiteral("Nowa5")));
    QVERIFY(!tekst.contains(QStringLiteral("Runa")));
}

void TestRaport::stopkaLiczyStronyWydrukowane()
{
    if (!MaPoppler())
        QSKIP("poppler-utils are not installed");
    // More than 75 lines, yet two pages hold them: the footer reads "/ 2".
    WydrukPdf w;
    DaneWydruku d = Jedenascie(10);
    d.uklad = 15;
    d.interpretacja = Wiersze(1, 80, QStringLiteral("wiersz"));
    QCOMPARE(w.drukuj(d), 2);
    QCOMPARE(StronyPdf(w.plik), 2);
    const QString tekst = TekstPdf(w.plik);
    QVERIFY2(tekst.contains(QStringLiteral("Strona 1 / 2")) && tekst.contains(QStringLiteral("Strona 2 / 2")),
             qPrintable(tekst.right(300)));
    QVERIFY(!tekst.contains(QStringLiteral("/ 3")));
    QCOMPARE(w.r.znakStron, QStringLiteral("/ 2"));
}

void TestRaport::pusteWierszeNaKoncuNieDajaStrony()
{
    // Every reading ends with blank lines; past the foot of a page they are
    // no reason for a page holding only its footer.
    WydrukPdf w;
    DaneWydruku d = Jedenascie(10);
    d.uklad = 15;
    d.interpretacja = Wiersze(1, 20, QStringLiteral("wiersz")) + QString(QStringLiteral("\r\n")).repeated(40);
    QCOMPARE(w.drukuj(d), 1);
    QCOMPARE(w.r.znakStron, QStringLiteral("/ 1"));
}

void TestRaport::naglowekIdzieNaStroneZeSwoimTekstem_data()
{
    QTest::addColumn<int>("przed");
    // Page 1 holds about 28 lines under the title band: these put the heading
    // on each of the last lines of page 1 and on the first of page 2.
    for (int przed = 23; przed <= 31; ++przed)
        QTest::addRow("a heading after %d lines keeps its text and prints once", przed) << przed;
}

void TestRaport::naglowekIdzieNaStroneZeSwoimTekstem()
{
    QFETCH(int, przed);
    if (!MaPoppler())
        QSKIP("poppler-utils are not installed");
    const QString naglowek = QStringLiteral("[2] Nagłówek drugiej pozycji");
    const QString pierwszeZdanie = QStringLiteral("Pierwsze zdanie znaczenia.");
    WydrukPdf w;
    DaneWydruku d = Jedenascie(10);
    d.uklad = 15;
    d.interpretacja = Wiersze(1, przed, QStringLiteral("wiersz")) + QStringLiteral("\r\n") + naglowek
        + QStringLiteral("\r\nFehu – bogactwo\r\n") + pierwszeZdanie + QStringLiteral("\r\n")
        + Wiersze(1, 30, QStringLiteral("dalej"));
    const int strony = w.drukuj(d);
    QVERIFY(strony >= 2);
    // Every line is in the text layer once: none is drawn, clipped, at a page foot.
    const QString wszystko = TekstPdf(w.plik);
    QCOMPARE(wszystko.count(naglowek), 1);
    const QStringList wydrukowane = wszystko.split(QRegularExpression(QStringLiteral("[\\n\\f]")));
    for (const QString &wiersz : WierszeUlozone(w.doc))
        if (!wiersz.trimmed().isEmpty())
            QVERIFY2(wydrukowane.count(wiersz.trimmed()) == 1, qPrintable(wiersz));
    for (int s = 1; s <= strony; ++s) {
        const QString tekst = TekstPdf(w.plik, s);
        if (tekst.contains(naglowek)) {
            QVERIFY2(tekst.contains(pierwszeZdanie), qPrintable(QStringLiteral("heading alone on page %1").arg(s)));
            QVERIFY(tekst.contains(QStringLiteral("Fehu – bogactwo")));
        }
    }
}

void TestRaport::zakresStronIKopie_data()
{
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("doo");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<QStringList>("strony"); // footers of the pages printed, in order
    QTest::addRow("page 2 asked for prints page 2 alone") << 2 << 2 << 1 << QStringList{"Strona 2 / 3"};
    QTest::addRow("pages 2 to 3 print those two") << 2 << 3 << 1 << QStringList{"Strona 2 / 3", "Strona 3 / 3"};
    QTest::addRow("a range running past the end stops at the last page") << 3 << 9 << 1 << QStringList{"Strona 3 / 3"};
    QTest::addRow("two copies of page 1 print it twice") << 1 << 1 << 2 << QStringList{"Strona 1 / 3", "Strona 1 / 3"};
    QTest::addRow("no range prints every page")
        << 0 << 0 << 1 << QStringList{"Strona 1 / 3", "Strona 2 / 3", "Strona 3 / 3"};
}

void TestRaport::zakresStronIKopie()
{
    QFETCH(int, od);
    QFETCH(int, doo);
    QFETCH(int, kopie);
    QFETCH(QStringList, strony);
    if (!MaPoppler())
        QSKIP("poppler-utils are not installed");
    WydrukPdf w;
    const DaneWydruku d = Jedenascie(90);
    PrzygotujRaport(w.r, d, w.drukarka);
    if (od > 0) {
        w.drukarka.setPrintRange(QPrinter::PageRange);
        w.drukarka.setFromTo(od, doo);
    }
    w.drukarka.setCopyCount(kopie);
    QCOMPARE(DrukujRaport(w.drukarka, w.r), int(strony.size()));
    QCOMPARE(StronyPdf(w.plik), int(strony.size()));
    for (int s = 1; s <= strony.size(); ++s) {
        const QString tekst = TekstPdf(w.plik, s);
        QVERIFY2(tekst.contains(strony.at(s - 1)), qPrintable(QString::number(s)));
        // The title band is on page 1 only.
        QCOMPARE(tekst.contains(QStringLiteral("Rozkład \"Piramida Wenus\"")),
                 strony.at(s - 1).startsWith("Strona 1 "));
    }
}

void TestRaport::plikWyjsciowy_data()
{
    QTest::addColumn<QString>("wybrany");
    QTest::addColumn<bool>("doZapisu");
    QTest::addRow("a folder as output goes to wydruk.pdf in Save") << "folder" << true;
    QTest::addRow("no output file goes to wydruk.pdf in Save") << "" << true;
    QTest::addRow("a named file is kept") << "moj.pdf" << false;
}

void TestRaport::plikWyjsciowy()
{
    QFETCH(QString, wybrany);
    QFETCH(bool, doZapisu);
    QTemporaryDir katalog;
    const QString zapis = katalog.filePath(QStringLiteral("Save"));
    QDir(katalog.path()).mkpath(QStringLiteral("Save/folder"));
    QPrinter drukarka;
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    const QString pelny = wybrany.isEmpty() ? QString() : QDir(zapis).filePath(wybrany);
    drukarka.setOutputFileName(pelny);
    drukarka.setOutputFormat(QPrinter::PdfFormat); // an empty name may reset the format
    UstalPlikWyjsciowy(drukarka, zapis);
    QCOMPARE(drukarka.outputFileName(), doZapisu ? QDir(zapis).filePath(QStringLiteral("wydruk.pdf")) : pelny);
}

QTEST_MAIN(TestRaport)
#include "tst_raport.moc"
