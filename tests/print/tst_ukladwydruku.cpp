#include "print/ukladwydruku.h"
#include "spread/katalog.h"
#include "spread/pogrubienie.h"
#include "testsupport.h"

#include <QFile>

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using Punkty = QList<QPoint>;

namespace {

std::array<QString, 16> Nazwy()
{
    std::array<QString, 16> nazwy;
    for (int p = 1; p <= 15; ++p)
        nazwy[size_t(p)] = QStringLiteral("Karta %1").arg(p);
    return nazwy;
}

// "w1" .. "wN", one a line, with the given lines replaced by blank ones.
QString Tekst(int liczba, const QMap<int, QString> &zmienione)
{
    QStringList wiersze;
    for (int i = 1; i <= liczba; ++i)
        wiersze << zmienione.value(i, QStringLiteral("w%1").arg(i));
    return wiersze.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The card names the program ships (cards 1 to 22 are dealt), reversed.
QStringList NazwyOdwrocone()
{
    QFile plik(TestSupport::sourceDir() + QStringLiteral("/data/runy.tsv"));
    QStringList nazwy;
    if (!plik.open(QIODevice::ReadOnly))
        return nazwy;
    for (const QString &wiersz : QString::fromUtf8(plik.readAll()).split(QLatin1Char('\n'))) {
        const QStringList pola = wiersz.split(QLatin1Char('\t'));
        if (pola.size() >= 3 && !wiersz.startsWith(QLatin1Char('#')) && pola.at(0).toInt() >= 1
            && pola.at(0).toInt() <= 22)
            nazwy << pola.at(2).trimmed() + QStringLiteral(" (Odw.)");
    }
    // Longest first, so that every spread meets them at every position.
    std::sort(nazwy.begin(), nazwy.end(), [](const QString &a, const QString &b) {
        return SzerokoscTekstu(a, RozmiarEtykiety) > SzerokoscTekstu(b, RozmiarEtykiety);
    });
    return nazwy;
}

} // namespace

class TestUkladWydruku : public QObject
{
    Q_OBJECT
private slots:
    void pasmoTytuluMaTyleKartIleRozklad_data();
    void pasmoTytuluMaTyleKartIleRozklad();
    void miejscaObrazowKazdegoRozkladu_data();
    void miejscaObrazowKazdegoRozkladu();
    void mniejszyRozkladNieZostawiaSladowPoWiekszym();
    void nazwyKartNieNachodzaNaNic_data();
    void nazwyKartNieNachodzaNaNic();
    void krotkaNazwaStoiJakDotad();
    void znakStron_data();
    void znakStron();
    void pusteWiersze_data();
    void pusteWiersze();
    void wstawienieZachowujePogrubienie();
};

void TestUkladWydruku::pasmoTytuluMaTyleKartIleRozklad_data()
{
    QTest::addColumn<int>("uklad");
    QTest::addColumn<Punkty>("miejsca");
    QTest::addRow("one card lies at 190/205") << 15 << Punkty{{190, 205}};
    QTest::addRow("three cards of the open spread stand in a row, 1 on the right")
        << 16 << Punkty{{256, 120}, {190, 120}, {124, 120}};
    QTest::addRow("four cards of Trzy karty") << 2 << Punkty{{170, 30}, {104, 120}, {170, 120}, {236, 120}};
    QTest::addRow("eleven cards of Piramida Wenus")
        << 10 << Punkty{{188, 203}, {83, 120},  {240, 62}, {136, 62},  {188, 22}, {130, 203},
                        {348, 203}, {188, 120}, {28, 203}, {294, 120}, {247, 203}};
    QTest::addRow("no spread prints no card") << 0 << Punkty{};
    QTest::addRow("unknown spread prints no card") << 17 << Punkty{};
}

void TestUkladWydruku::pasmoTytuluMaTyleKartIleRozklad()
{
    QFETCH(int, uklad);
    QFETCH(Punkty, miejsca);
    const auto nazwy = Nazwy();
    const ElementyWydruku e = UstawWydruk(uklad, nazwy);
    for (int p = 1; p <= 15; ++p) {
        const auto &obraz = e.ObrazyWydruku[size_t(p)];
        const auto &nazwa = e.NazwyWydruku[size_t(p)];
        const auto &numer = e.NumeryWydruku[size_t(p)];
        if (p <= miejsca.size()) {
            const QPoint m = miejsca.at(p - 1);
            QVERIFY2(obraz.widoczny, qPrintable(QString::number(p)));
            QCOMPARE(obraz.miejsce, m);
            QCOMPARE(MiejsceObrazu(uklad, p), m);
            QCOMPARE(nazwa.tekst, nazwy[size_t(p)]);
            QCOMPARE(nazwa.miejsce, m + QPoint(0, -6));
            QCOMPARE(numer.tekst, QString::number(p));
            QCOMPARE(numer.miejsce, m + QPoint(25, 73));
            // Every card stays inside the title band, below the title.
            QVERIFY(m.x() >= 0 && m.x() + SzerokoscObrazu <= SzerokoscPasma);
            QVERIFY(m.y() >= 15 && m.y() + WysokoscObrazu + WysokoscEtykiety <= WysokoscTytulu);
        } else {
            QVERIFY2(!obraz.widoczny, qPrintable(QString::number(p)));
            QCOMPARE(obraz.miejsce, QPoint(10, 30));
            QVERIFY(nazwa.tekst.isEmpty());
            QVERIFY(numer.tekst.isEmpty());
        }
    }
}

// Where each card picture of every spread stands in the title band.
void TestUkladWydruku::miejscaObrazowKazdegoRozkladu_data()
{
    QTest::addColumn<int>("uklad");
    QTest::addColumn<Punkty>("miejsca");
    QTest::addRow("spread 1 Podkowa puts its 8 pictures at the fixed places")
        << 1 << Punkty{{183, 30}, {48, 30}, {88, 116}, {120, 202}, {180, 202}, {240, 202}, {275, 116}, {318, 30}};
    QTest::addRow("spread 2 Trzy karty puts its 4 pictures at the fixed places")
        << 2 << Punkty{{170, 30}, {104, 120}, {170, 120}, {236, 120}};
    QTest::addRow("spread 3 Wyrocznia puts its 8 pictures at the fixed places")
        << 3 << Punkty{{200, 30}, {128, 119}, {56, 119}, {128, 30}, {128, 207}, {200, 119}, {264, 30}, {264, 207}};
    QTest::addRow("spread 4 Obecny związek puts its 6 pictures at the fixed places")
        << 4 << Punkty{{168, 190}, {140, 105}, {196, 105}, {48, 105}, {168, 20}, {288, 105}};
    QTest::addRow("spread 5 Zdrowie puts its 9 pictures at the fixed places")
        << 5 << Punkty{{195, 120}, {15, 120},  {75, 40},   {75, 200}, {315, 200},
                       {315, 40},  {375, 120}, {135, 120}, {255, 120}};
    QTest::addRow("spread 6 Ambasada puts its 5 pictures at the fixed places")
        << 6 << Punkty{{188, 20}, {100, 20}, {276, 20}, {148, 105}, {236, 105}};
    QTest::addRow("spread 7 Decyzja puts its 7 pictures at the fixed places")
        << 7 << Punkty{{188, 105}, {284, 20}, {284, 105}, {284, 192}, {92, 20}, {92, 105}, {92, 192}};
    QTest::addRow("spread 8 Błąd puts its 6 pictures at the fixed places")
        << 8 << Punkty{{188, 70}, {132, 20}, {244, 20}, {40, 155}, {188, 155}, {316, 155}};
    QTest::addRow("spread 9 Obciążenia karmiczne puts its 6 pictures at the fixed places")
        << 9 << Punkty{{44, 91}, {116, 20}, {180, 91}, {244, 20}, {308, 91}, {116, 162}};
    QTest::addRow("spread 10 Piramida Wenus puts its 11 pictures at the fixed places")
        << 10 << Punkty{{188, 203}, {83, 120},  {240, 62}, {136, 62},  {188, 22}, {130, 203},
                        {348, 203}, {188, 120}, {28, 203}, {294, 120}, {247, 203}};
    QTest::addRow("spread 11 Życie rodzinne puts its 7 pictures at the fixed places")
        << 11 << Punkty{{188, 22}, {136, 57}, {240, 57}, {188, 107}, {293, 107}, {108, 193}, {188, 193}};
    QTest::addRow("spread 12 Trzydzieści srebrników puts its 7 pictures at the fixed places")
        << 12 << Punkty{{48, 129}, {48, 42}, {291, 42}, {168, 20}, {104, 87}, {232, 87}, {291, 129}};
    QTest::addRow("spread 13 Praca i pieniądze puts its 9 pictures at the fixed places")
        << 13
        << Punkty{{145, 25}, {15, 25}, {80, 85}, {210, 85}, {275, 25}, {15, 145}, {275, 145}, {80, 205}, {210, 205}};
    QTest::addRow("spread 14 Zmiana pracy puts its 9 pictures at the fixed places")
        << 14 << Punkty{{192, 34},  {128, 34}, {128, 119}, {128, 205}, {192, 119},
                        {192, 205}, {256, 34}, {256, 119}, {256, 205}};
    QTest::addRow("spread 15 Jedna karta puts its 1 picture at the fixed places") << 15 << Punkty{{190, 205}};
    // No fixed places exist for this one: a row, position 1 on the right.
    QTest::addRow("spread 16 Los człowieczy puts its 3 pictures in a row at the middle")
        << 16 << Punkty{{256, 120}, {190, 120}, {124, 120}};
}

void TestUkladWydruku::miejscaObrazowKazdegoRozkladu()
{
    QFETCH(int, uklad);
    QFETCH(Punkty, miejsca);
    const ElementyWydruku e = UstawWydruk(uklad, Nazwy());
    for (int p = 1; p <= 15; ++p) {
        const auto &obraz = e.ObrazyWydruku[size_t(p)];
        const QString gdzie = QStringLiteral("position %1").arg(p);
        if (p <= miejsca.size()) {
            QVERIFY2(obraz.widoczny, qPrintable(gdzie));
            QCOMPARE(obraz.miejsce, miejsca.at(p - 1));
            QCOMPARE(MiejsceObrazu(uklad, p), miejsca.at(p - 1));
        } else {
            QVERIFY2(!obraz.widoczny, qPrintable(gdzie));
        }
    }
}

void TestUkladWydruku::mniejszyRozkladNieZostawiaSladowPoWiekszym()
{
    ElementyWydruku e = UstawWydruk(1, Nazwy());
    QVERIFY(e.ObrazyWydruku[8].widoczny);
    e = UstawWydruk(2, Nazwy());
    for (int p = 5; p <= 8; ++p) {
        QVERIFY(!e.ObrazyWydruku[size_t(p)].widoczny);
        QVERIFY(e.NazwyWydruku[size_t(p)].tekst.isEmpty());
        QVERIFY(e.NumeryWydruku[size_t(p)].tekst.isEmpty());
    }
    QCOMPARE(e.NazwyWydruku[4].tekst, QStringLiteral("Karta 4"));
}

void TestUkladWydruku::nazwyKartNieNachodzaNaNic_data()
{
    QTest::addColumn<int>("uklad");
    for (int n = 1; n <= 16; ++n)
        QTest::addRow("names in \"%s\" touch no other name, number or picture", qPrintable(NazwaUkladu(n))) << n;
}

// Every shipped name, reversed, at every position: the names wrap within the
// room their card has and their ink meets nothing else on the title band.
void TestUkladWydruku::nazwyKartNieNachodzaNaNic()
{
    QFETCH(int, uklad);
    const QStringList nazwy = NazwyOdwrocone();
    QCOMPARE(nazwy.size(), 22);
    const int n = LiczbaKart(uklad);
    for (int przesuniecie = 0; przesuniecie < nazwy.size(); ++przesuniecie) {
        std::array<QString, 16> karty;
        for (int p = 1; p <= n; ++p)
            karty[size_t(p)] = nazwy.at((p - 1 + przesuniecie) % nazwy.size());
        const ElementyWydruku e = UstawWydruk(uklad, karty);

        struct Element
        {
            QString co;
            QRectF r;
        };
        std::vector<Element> elementy;
        for (int p = 1; p <= n; ++p) {
            const QPointF o = e.ObrazyWydruku[size_t(p)].miejsce;
            elementy.push_back(
                {QStringLiteral("picture %1").arg(p), QRectF(o, QSizeF(SzerokoscObrazu, WysokoscObrazu))});
            for (const QRectF &r : TuszEtykiety(e.NumeryWydruku[size_t(p)]))
                elementy.push_back({QStringLiteral("number %1").arg(p), r});
        }
        for (int p = 1; p <= n; ++p) {
            const EtykietaWydruku &nazwa = e.NazwyWydruku[size_t(p)];
            const QString opis = QStringLiteral("name %1 \"%2\"").arg(p).arg(nazwa.tekst);
            // Whole words, nothing cut off, at a size still to be read.
            QCOMPARE(nazwa.wiersze.join(QLatin1Char(' ')), nazwa.tekst);
            QVERIFY2(nazwa.punkty >= 4.5, qPrintable(opis));
            // Its last line starts where the name always stood.
            QCOMPARE(nazwa.obszar.left(), double(nazwa.miejsce.x()));
            QVERIFY2(qAbs(nazwa.obszar.bottom() - (nazwa.miejsce.y() + WysokoscWiersza(RozmiarEtykiety))) < 0.01,
                     qPrintable(opis));
            const std::vector<QRectF> tusz = TuszEtykiety(nazwa);
            QCOMPARE(int(tusz.size()), nazwa.wiersze.size());
            for (const QRectF &r : tusz) {
                QVERIFY2(r.left() >= 0 && r.right() <= SzerokoscPasma && r.top() >= 0, qPrintable(opis));
                for (const Element &x : elementy)
                    QVERIFY2(!r.intersects(x.r), qPrintable(opis + QStringLiteral(" runs into ") + x.co));
            }
            for (const QRectF &r : tusz)
                elementy.push_back({opis, r});
        }
    }
}

void TestUkladWydruku::krotkaNazwaStoiJakDotad()
{
    std::array<QString, 16> karty;
    karty[1] = QStringLiteral("Uruz – siła");
    const ElementyWydruku e = UstawWydruk(15, karty);
    const EtykietaWydruku &nazwa = e.NazwyWydruku[1];
    QCOMPARE(nazwa.wiersze, QStringList{karty[1]});
    QCOMPARE(nazwa.punkty, RozmiarEtykiety);
    QCOMPARE(nazwa.obszar.topLeft(), QPointF(190, 199));
    QVERIFY(qAbs(nazwa.obszar.width() - SzerokoscTekstu(karty[1], RozmiarEtykiety)) < 0.01);
}

void TestUkladWydruku::znakStron_data()
{
    QTest::addColumn<int>("wiersze");
    QTest::addColumn<int>("strony");
    QTest::addColumn<QString>("znak");
    QTest::addRow("an empty reading is one page") << 0 << 1 << "/ 1";
    QTest::addRow("26 lines are one page") << 26 << 0 << "/ 1";
    QTest::addRow("exactly 27 lines count as two pages") << 27 << 0 << "/ 2";
    QTest::addRow("28 lines are two pages") << 28 << 0 << "/ 2";
    QTest::addRow("75 lines are still two pages") << 75 << 2 << "/ 2";
    QTest::addRow("76 lines are three pages") << 76 << 0 << "/ 3";
    QTest::addRow("100 lines still read three pages") << 100 << 3 << "/ 3";
    QTest::addRow("a reading of four real pages reads four") << 200 << 4 << "/ 4";
    QTest::addRow("a short text spilling onto page two reads two") << 20 << 2 << "/ 2";
    QTest::addRow("unknown page count follows the lines") << 80 << 0 << "/ 3";
    QTest::addRow("80 lines printed on two pages read two, not three") << 80 << 2 << "/ 2";
    QTest::addRow("30 lines printed on one page read one") << 30 << 1 << "/ 1";
}

void TestUkladWydruku::znakStron()
{
    QFETCH(int, wiersze);
    QFETCH(int, strony);
    QFETCH(QString, znak);
    QCOMPARE(ZnakStron(wiersze, strony), znak);
}

void TestUkladWydruku::pusteWiersze_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QStringList>("oczekiwane"); // laid-out lines afterwards

    auto linie = [](int liczba, const QMap<int, QString> &zmienione, QList<int> wstawione) {
        // wstawione: original line numbers before which " " appears, ascending.
        QStringList wynik;
        for (int i = 1; i <= liczba; ++i) {
            if (wstawione.contains(i))
                wynik << QStringLiteral(" ");
            wynik << zmienione.value(i, QStringLiteral("w%1").arg(i));
        }
        return wynik;
    };
    const QMap<int, QString> pusty25{{25, QString()}};
    const QMap<int, QString> spacje25{{25, QStringLiteral("   ")}};
    const QMap<int, QString> pusty79{{79, QString()}};
    const QMap<int, QString> pusty25i78{{25, QString()}, {78, QString()}};
    const QMap<int, QString> pusty24{{24, QString()}};

    QTest::addRow("an empty line 25 gains a blank line before it") << Tekst(30, pusty25) << linie(30, pusty25, {25});
    QTest::addRow("a line 25 of blanks only gains a blank line before it")
        << Tekst(30, spacje25) << linie(30, spacje25, {25});
    QTest::addRow("a line 25 with text is left alone") << Tekst(30, {}) << linie(30, {}, {});
    QTest::addRow("a blank line 24 is left alone") << Tekst(30, pusty24) << linie(30, pusty24, {});
    QTest::addRow("a text of 24 lines is left alone") << Tekst(24, {}) << linie(24, {}, {});
    QTest::addRow("an empty line 79 gains a blank line before it") << Tekst(90, pusty79) << linie(90, pusty79, {79});
    QTest::addRow("line 79 is counted after the insertion at 25")
        << Tekst(90, pusty25i78) << linie(90, pusty25i78, {25, 78});
}

void TestUkladWydruku::pusteWiersze()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, oczekiwane);
    QTextDocument doc;
    PogrubNaglowki(doc, tekst);
    WstawPusteWiersze(doc);
    QCOMPARE(WierszeUlozone(doc), oczekiwane);
}

void TestUkladWydruku::wstawienieZachowujePogrubienie()
{
    QMap<int, QString> zmienione{{25, QString()}};
    zmienione[26] = QStringLiteral("[5] Nagłówek");
    zmienione[1] = QStringLiteral("[1] Sygnifikator: Fehu");
    QTextDocument doc;
    PogrubNaglowki(doc, Tekst(30, zmienione));
    WstawPusteWiersze(doc);
    const QStringList wiersze = WierszeUlozone(doc);
    QCOMPARE(wiersze.at(24), QStringLiteral(" "));
    QCOMPARE(wiersze.at(26), QStringLiteral("[5] Nagłówek"));
    auto gruby = [&](int blok) {
        const QTextBlock b = doc.findBlockByNumber(blok);
        return b.begin().fragment().charFormat().fontWeight() == QFont::Bold;
    };
    QVERIFY(gruby(0));
    QVERIFY(gruby(26));
    QVERIFY(!gruby(1));
    QVERIFY(!gruby(27));
}

QTEST_MAIN(TestUkladWydruku)
#include "tst_ukladwydruku.moc"
