#include "files/eksporttekstu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "bezuprawnien.h"
#include "limitpliku.h"

#include <csignal>
#include <sys/resource.h>

namespace {

// The chosen deck: cards 20 and up are missing from it.
QString NazwaWTalii(qint32 nrKarty)
{
    static const QStringList nazwy{"",        "Fehu",  "Uruz",    "Thurisaz", "Ansuz",   "Raidho", "Kenaz",
                                   "Gebo",    "Wunjo", "Hagalaz", "Nauthiz",  "Isa",     "Jera",   "Eihwaz",
                                   "Perthro", "Algiz", "Sowilo",  "Tiwaz",    "Berkana", "Pusta"};
    return nrKarty >= 1 && nrKarty < 19 ? nazwy.at(nrKarty) : QString();
}

TablicaPozycji Pozycje(std::initializer_list<TPozycja> karty)
{
    TablicaPozycji t{};
    int p = 1;
    for (const TPozycja &k : karty)
        t[p++] = k;
    return t;
}

const QByteArray Naglowek = QByteArray("\r\n") + QByteArray(16, ' ')
    + "Rozk\xB3"
      "ad z programu Lomi\r\n"
      "\r\n";
const QByteArray Interpretacja = QByteArray(17, ' ') + "INTERPRETACJA\r\n";

using TestSupport::CzytajPlik;
using TestSupport::LimitRozmiaruPliku;

} // namespace

Q_DECLARE_METATYPE(TablicaPozycji)

class TestEksportTekstu : public QObject
{
    Q_OBJECT

private slots:
    void eksport_data();
    void eksport();
    void kodowanieCp1250_data();
    void kodowanieCp1250();
    void dwaEksportyDajaTeSamePliki();
    void nieudanyEksportZostawiaStaryPlik();
    void eksportWMiejscuWFolderzeTylkoDoOdczytu();
};

void TestEksportTekstu::eksport_data()
{
    QTest::addColumn<int>("uklad");
    QTest::addColumn<TablicaPozycji>("pozycje");
    QTest::addColumn<QString>("interpretacja");
    QTest::addColumn<QByteArray>("bajty");

    const TablicaPozycji pelne = Pozycje({{1, false},
                                          {2, true},
                                          {3, false},
                                          {4, false},
                                          {5, true},
                                          {6, false},
                                          {7, false},
                                          {8, false},
                                          {9, false},
                                          {10, false},
                                          {11, false},
                                          {12, false},
                                          {13, false},
                                          {14, false},
                                          {15, false}});

    QTest::addRow("no spread yet gives the heading, a blank line and an empty last line")
        << 0 << TablicaPozycji{} << QString()
        << Naglowek
            + " \r\n"
              "\r\n";
    QTest::addRow("a spread number outside the catalogue gives no position lines") << 17 << pelne << QString()
                                                                                   << Naglowek
            + " \r\n"
              "\r\n";
    QTest::addRow("spread 15 gives exactly one position line") << 15 << pelne << QString()
                                                               << Naglowek
            + "   Karta 1 : Fehu\r\n"
              " \r\n"
              "\r\n";
    QTest::addRow("a reversed card is marked (Odwr.) after two blanks") << 16 << pelne << QString()
                                                                        << Naglowek
            + "   Karta 1 : Fehu\r\n"
              "   Karta 2 : Uruz  (Odwr.)\r\n"
              "   Karta 3 : Thurisaz\r\n"
              " \r\n"
              "\r\n";
    QTest::addRow("a card the deck lacks ends the line at the colon")
        << 16 << Pozycje({{20, false}, {21, true}, {-1, false}}) << QString()
        << Naglowek
            + "   Karta 1 : \r\n"
              "   Karta 2 :   (Odwr.)\r\n"
              "   Karta 3 : \r\n"
              " \r\n"
              "\r\n";
    QTest::addRow("spread 10 writes eleven positions with two-digit numbers") << 10 << pelne << QString()
                                                                              << Naglowek
            + "   Karta 1 : Fehu\r\n"
              "   Karta 2 : Uruz  (Odwr.)\r\n"
              "   Karta 3 : Thurisaz\r\n"
              "   Karta 4 : Ansuz\r\n"
              "   Karta 5 : Raidho  (Odwr.)\r\n"
              "   Karta 6 : Kenaz\r\n"
              "   Karta 7 : Gebo\r\n"
              "   Karta 8 : Wunjo\r\n"
              "   Karta 9 : Hagalaz\r\n"
              "   Karta 10 : Nauthiz\r\n"
              "   Karta 11 : Isa\r\n"
              " \r\n"
              "\r\n";
    QTest::addRow("line breaks of the interpretation become CR LF")
        << 15 << pelne << QStringLiteral("Linia 1\nLinia 2\r\nLinia 3\n")
        << Naglowek
            + "   Karta 1 : Fehu\r\n"
              " \r\n"
            + Interpretacja + "Linia 1\r\nLinia 2\r\nLinia 3\r\n\r\n";
    QTest::addRow("an edited interpretation with Polish letters is written in Windows-1250")
        << 15 << pelne << QStringLiteral("Zażółć gęślą jaźń. ŁĄKA")
        << Naglowek
            + "   Karta 1 : Fehu\r\n"
              " \r\n"
            + Interpretacja + "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1. \xA3\xA5KA\r\n";
    QTest::addRow("a character outside the code page is written as a question mark")
        << 15 << pelne << QStringLiteral("A → B € C")
        << Naglowek
            + "   Karta 1 : Fehu\r\n"
              " \r\n"
            + Interpretacja + "A ? B \x80 C\r\n";
}

void TestEksportTekstu::eksport()
{
    QFETCH(int, uklad);
    QFETCH(TablicaPozycji, pozycje);
    QFETCH(QString, interpretacja);
    QFETCH(QByteArray, bajty);

    QCOMPARE(KodujCp1250(TekstEksportu(uklad, pozycje, NazwaWTalii, interpretacja)), bajty);
}

void TestEksportTekstu::kodowanieCp1250_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QByteArray>("bajty");

    QTest::addRow("ASCII stays as it is") << QStringLiteral("Karta 1 : Fehu\r\n") << QByteArray("Karta 1 : Fehu\r\n");
    QTest::addRow("Polish letters take their code page bytes")
        << QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")
        << QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    QTest::addRow("an arrow becomes a question mark") << QStringLiteral("a→b") << QByteArray("a?b");
    QTest::addRow("a character beyond the basic plane becomes one question mark")
        << QStringLiteral("a😀b") << QByteArray("a?b");
    QTest::addRow("a lone surrogate becomes a question mark")
        << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") << QByteArray("a?b");
    QTest::addRow("the control code 0x1A itself is kept")
        << QStringLiteral("a") + QChar(0x1A) + QStringLiteral("→") << QByteArray("a\x1A?");
}

void TestEksportTekstu::kodowanieCp1250()
{
    QFETCH(QString, tekst);
    QFETCH(QByteArray, bajty);
    QCOMPARE(KodujCp1250(tekst), bajty);
}

void TestEksportTekstu::dwaEksportyDajaTeSamePliki()
{
    QTemporaryDir dir;
    const TablicaPozycji pozycje = Pozycje({{3, true}, {20, false}, {7, false}});
    const QString interpretacja = QStringLiteral("[1] Przeszłość: Thurisaz (Odw.)\nTreść");
    auto eksportuj = [&](const QString &sciezka) {
        QString blad;
        const bool ok =
            ZapiszEksportDoPliku(sciezka, KodujCp1250(TekstEksportu(16, pozycje, NazwaWTalii, interpretacja)), &blad);
        return ok ? QString() : blad + QStringLiteral(" ");
    };

    const QString pierwszy = dir.filePath("uklad.txt");
    const QString drugi = dir.filePath("drugi.txt");
    QCOMPARE(eksportuj(pierwszy), QString());
    const QByteArray poPierwszym = CzytajPlik(pierwszy);
    QCOMPARE(eksportuj(pierwszy), QString()); // over the file just written
    QCOMPARE(eksportuj(drugi), QString());

    const QByteArray oczekiwane = Naglowek
        + "   Karta 1 : Thurisaz  (Odwr.)\r\n"
          "   Karta 2 : \r\n"
          "   Karta 3 : Gebo\r\n"
          " \r\n"
        + Interpretacja + "[1] Przesz\xB3o\x9C\xE6: Thurisaz (Odw.)\r\nTre\x9C\xE6\r\n";
    QCOMPARE(poPierwszym, oczekiwane);
    QCOMPARE(CzytajPlik(pierwszy), oczekiwane);
    QCOMPARE(CzytajPlik(drugi), oczekiwane);
}

void TestEksportTekstu::nieudanyEksportZostawiaStaryPlik()
{
    QTemporaryDir dir;
    const QString sciezka = dir.filePath("uklad.txt");
    const QByteArray stary = Naglowek + " \r\n\r\n";
    QVERIFY(ZapiszEksportDoPliku(sciezka, stary));

    QByteArray nowy = stary;
    nowy += QByteArray(400, 'x');
    QString blad;
    bool zapisany = true;
    {
        LimitRozmiaruPliku limit(100);
        zapisany = ZapiszEksportDoPliku(sciezka, nowy, &blad);
    }
    QVERIFY(!zapisany);
    QVERIFY(!blad.isEmpty());
    QCOMPARE(CzytajPlik(sciezka), stary);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"uklad.txt"});

    QVERIFY(!ZapiszEksportDoPliku("/dev/full", nowy, &blad));
}

// An export over a writable file in a read-only folder, where no temporary
// file can be made beside it, is written into that file, the longer old text
// cut off.
void TestEksportTekstu::eksportWMiejscuWFolderzeTylkoDoOdczytu()
{
    BEZ_UPRAWNIEN_ROOTA();
    QTemporaryDir dir;
    const QString sciezka = dir.filePath("uklad.txt");
    QVERIFY(ZapiszEksportDoPliku(sciezka, Naglowek + QByteArray(400, 'x')));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QString blad;
    const bool zapisany = ZapiszEksportDoPliku(sciezka, Naglowek, &blad);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(zapisany, qPrintable(blad));
    QCOMPARE(CzytajPlik(sciezka), Naglowek);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"uklad.txt"});
}

QTEST_GUILESS_MAIN(TestEksportTekstu)
#include "tst_eksporttekstu.moc"
