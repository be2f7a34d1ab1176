#include "files/plikukladu.h"

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "bezuprawnien.h"
#include "limitpliku.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

StanUkladu PrzykladowyStan()
{
    StanUkladu s;
    for (int p = 1; p <= 15; ++p) {
        s.Pozycje[p].NrKarty = 25 - p;
        s.Pozycje[p].Odwrocona = (p % 3 == 0);
    }
    s.Pozycje[14].NrKarty = -1;
    s.AktualnaTalia = 4;
    s.AktualnyUklad = 10;
    return s;
}

// A state no file in these tests holds, to see whether a load touched it.
StanUkladu StanWartownika()
{
    StanUkladu s;
    for (int p = 1; p <= 15; ++p)
        s.Pozycje[p] = {7, true};
    s.AktualnaTalia = 77;
    s.AktualnyUklad = 2;
    return s;
}

// One line per state, so that a mismatch shows which value differs.
QString Opis(const StanUkladu &s)
{
    QStringList czesci;
    for (int p = 1; p <= 15; ++p)
        czesci << QStringLiteral("%1:%2%3").arg(p).arg(s.Pozycje[p].NrKarty).arg(s.Pozycje[p].Odwrocona ? "R" : "");
    czesci << QStringLiteral("talia %1").arg(s.AktualnaTalia) << QStringLiteral("uklad %1").arg(s.AktualnyUklad);
    return czesci.join(' ');
}

QByteArray Bajty(const StanUkladu &s)
{
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    ZapiszUkladDo(bufor, s);
    return bufor.data();
}

QByteArray Wartosc(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

bool PiszPlik(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

using TestSupport::CzytajPlik;
using TestSupport::LimitRozmiaruPliku;

// Fails every write, or accepts only half of it.
class PsujacyBufor : public QBuffer
{
public:
    explicit PsujacyBufor(bool polowa) : polowa_(polowa) {}

protected:
    qint64 writeData(const char *dane, qint64 dl) override
    {
        if (!polowa_)
            return -1;
        return QBuffer::writeData(dane, dl / 2);
    }

private:
    bool polowa_;
};

enum class Plik
{
    Zwykly,
    TylkoDoOdczytu,
    Brak,
    Folder,
    ZeroBezKonca,
    Potok
};

} // namespace

Q_DECLARE_METATYPE(StanUkladu)
Q_DECLARE_METATYPE(Plik)

class TestPlikUkladu : public QObject
{
    Q_OBJECT

private slots:
    void zapisIOdczytDajaTenSamUklad();
    void bajtyPlikuSaLittleEndian();
    void wczytanie_data();
    void wczytanie();
    void nieudanyZapisZostawiaStaryPlik_data();
    void nieudanyZapisZostawiaStaryPlik();
    void zapisWMiejscuWFolderzeTylkoDoOdczytu();
    void zapisDoUrzadzeniaKtoreZawodzi_data();
    void zapisDoUrzadzeniaKtoreZawodzi();
    void sciezkaZArgumentow_data();
    void sciezkaZArgumentow();
};

void TestPlikUkladu::zapisIOdczytDajaTenSamUklad()
{
    QTemporaryDir dir;
    const QString sciezka = dir.filePath("uklad.rzk");
    const StanUkladu zapisany = PrzykladowyStan();
    QString blad;
    QVERIFY2(ZapiszUkladDoPliku(sciezka, zapisany, &blad), qPrintable(blad));
    QCOMPARE(QFileInfo(sciezka).size(), 132);

    StanUkladu wczytany;
    QVERIFY2(WczytajUkladZPliku(sciezka, wczytany, &blad), qPrintable(blad));
    QCOMPARE(Opis(wczytany), Opis(zapisany));

    // Saving again over the file replaces it whole.
    StanUkladu drugi;
    drugi.AktualnyUklad = 15;
    drugi.Pozycje[1] = {3, true};
    QVERIFY(ZapiszUkladDoPliku(sciezka, drugi));
    QCOMPARE(CzytajPlik(sciezka), Bajty(drugi));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"uklad.rzk"});
}

void TestPlikUkladu::bajtyPlikuSaLittleEndian()
{
    StanUkladu s;
    s.Pozycje[1] = {5, true};
    s.Pozycje[2] = {-1, false};
    s.Pozycje[15] = {24, true};
    s.AktualnaTalia = 0x01020304;
    s.AktualnyUklad = -2;

    const QByteArray oczekiwane = QByteArray::fromHex("05000000"
                                                      "01000000"
                                                      "ffffffff"
                                                      "00000000")
        + QByteArray(12 * 8, '\0')
        + QByteArray::fromHex("18000000"
                              "01000000"
                              "04030201"
                              "feffffff"
                              "00000000");
    QCOMPARE(oczekiwane.size(), 132);
    QCOMPARE(Bajty(s), oczekiwane);
}

void TestPlikUkladu::wczytanie_data()
{
    QTest::addColumn<Plik>("plik");
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<bool>("wczytany");
    QTest::addColumn<StanUkladu>("oczekiwany");

    const StanUkladu przyklad = PrzykladowyStan();
    const QByteArray pelny = Bajty(przyklad);

    QTest::addRow("a file of 128 bytes without the reserved value loads")
        << Plik::Zwykly << pelny.left(128) << true << przyklad;
    QTest::addRow("bytes after the spread number are ignored")
        << Plik::Zwykly << pelny + QByteArray(500, '\x7f') << true << przyklad;
    QTest::addRow("a file of 127 bytes fails and changes nothing")
        << Plik::Zwykly << pelny.left(127) << false << StanWartownika();
    QTest::addRow("an empty file fails and changes nothing")
        << Plik::Zwykly << QByteArray() << false << StanWartownika();
    QTest::addRow("a missing file fails and changes nothing")
        << Plik::Brak << QByteArray() << false << StanWartownika();
    QTest::addRow("a folder in place of the file fails and changes nothing")
        << Plik::Folder << QByteArray() << false << StanWartownika();
    QTest::addRow("a read-only file loads") << Plik::TylkoDoOdczytu << pelny << true << przyklad;
    QTest::addRow("a file of zeros loads as a table without cards")
        << Plik::Zwykly << QByteArray(132, '\0') << true << StanUkladu{};
    // Devices and pipes are no spread files: refused before they are read,
    // as a pipe would keep the program waiting for a writer.
    QTest::addRow("an endless device is refused without hanging")
        << Plik::ZeroBezKonca << QByteArray() << false << StanWartownika();
    QTest::addRow("a named pipe is refused without hanging")
        << Plik::Potok << QByteArray() << false << StanWartownika();

    // Only 1 means reversed; 2 and -1 read as upright.
    StanUkladu flagi = przyklad;
    QByteArray zFlagami = pelny;
    zFlagami.replace(4, 4, Wartosc(2));   // position 1
    zFlagami.replace(12, 4, Wartosc(-1)); // position 2
    zFlagami.replace(20, 4, Wartosc(1));  // position 3
    flagi.Pozycje[1].Odwrocona = false;
    flagi.Pozycje[2].Odwrocona = false;
    flagi.Pozycje[3].Odwrocona = true;
    QTest::addRow("reversed flags 2 and -1 load as upright") << Plik::Zwykly << zFlagami << true << flagi;

    for (qint32 uklad : {0, 17, -3}) {
        StanUkladu poza = przyklad;
        poza.AktualnyUklad = uklad;
        QByteArray b = pelny;
        b.replace(124, 4, Wartosc(uklad));
        QTest::addRow("spread number %d outside the catalogue loads as it is", uklad)
            << Plik::Zwykly << b << true << poza;
    }
}

void TestPlikUkladu::wczytanie()
{
    QFETCH(Plik, plik);
    QFETCH(QByteArray, zawartosc);
    QFETCH(bool, wczytany);
    QFETCH(StanUkladu, oczekiwany);

    QTemporaryDir dir;
    QString sciezka = dir.filePath("uklad.rzk");
    switch (plik) {
    case Plik::Zwykly:
        QVERIFY(PiszPlik(sciezka, zawartosc));
        break;
    case Plik::TylkoDoOdczytu:
        QVERIFY(PiszPlik(sciezka, zawartosc));
        QVERIFY(QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        break;
    case Plik::Brak:
        break;
    case Plik::Folder:
        QVERIFY(QDir(dir.path()).mkdir("uklad.rzk"));
        break;
    case Plik::ZeroBezKonca:
        sciezka = "/dev/zero";
        break;
    case Plik::Potok:
        QCOMPARE(mkfifo(QFile::encodeName(sciezka).constData(), 0600), 0);
        break;
    }

    StanUkladu s = StanWartownika();
    QString blad;
    QCOMPARE(WczytajUkladZPliku(sciezka, s, &blad), wczytany);
    QCOMPARE(blad.isEmpty(), wczytany);
    QCOMPARE(Opis(s), Opis(oczekiwany));
}

void TestPlikUkladu::nieudanyZapisZostawiaStaryPlik_data()
{
    QTest::addColumn<bool>("folderTylkoDoOdczytu");
    QTest::addColumn<int>("limitBajtow");

    QTest::addRow("saving over a read-only file in a read-only folder keeps the old file") << true << 0;
    QTest::addRow("a save cut off half-way keeps the old file") << false << 64;
    QTest::addRow("a save cut off before its first byte keeps the old file") << false << 0;
}

void TestPlikUkladu::nieudanyZapisZostawiaStaryPlik()
{
    QFETCH(bool, folderTylkoDoOdczytu);
    QFETCH(int, limitBajtow);

    QTemporaryDir dir;
    const QString sciezka = dir.filePath("uklad.rzk");
    StanUkladu stary;
    stary.Pozycje[1] = {9, true};
    stary.AktualnyUklad = 15;
    const QByteArray stareBajty = Bajty(stary);
    QVERIFY(PiszPlik(sciezka, stareBajty));

    QString blad;
    bool zapisany = true;
    if (folderTylkoDoOdczytu) {
        BEZ_UPRAWNIEN_ROOTA();
        // A writable file would be written in place; a read-only one cannot be.
        QVERIFY(QFile::setPermissions(sciezka, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        zapisany = ZapiszUkladDoPliku(sciezka, PrzykladowyStan(), &blad);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else {
        LimitRozmiaruPliku limit(limitBajtow);
        zapisany = ZapiszUkladDoPliku(sciezka, PrzykladowyStan(), &blad);
    }

    QVERIFY(!zapisany);
    QVERIFY(!blad.isEmpty());
    QCOMPARE(CzytajPlik(sciezka), stareBajty);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"uklad.rzk"});
}

// A spread saved over a writable file in a read-only folder, where no
// temporary file can be made beside it, is written into that file.
void TestPlikUkladu::zapisWMiejscuWFolderzeTylkoDoOdczytu()
{
    BEZ_UPRAWNIEN_ROOTA();
    QTemporaryDir dir;
    const QString sciezka = dir.filePath("uklad.rzk");
    StanUkladu stary;
    stary.Pozycje[1] = {9, true};
    QVERIFY(PiszPlik(sciezka, Bajty(stary)));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QString blad;
    const bool zapisany = ZapiszUkladDoPliku(sciezka, PrzykladowyStan(), &blad);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(zapisany, qPrintable(blad));
    QCOMPARE(CzytajPlik(sciezka), Bajty(PrzykladowyStan()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"uklad.rzk"});
}

void TestPlikUkladu::zapisDoUrzadzeniaKtoreZawodzi_data()
{
    QTest::addColumn<QString>("urzadzenie");
    QTest::addRow("a buffer that refuses every write reports failure") << "bufor";
    QTest::addRow("a buffer that takes half of the bytes reports failure") << "polowa";
    QTest::addRow("a full disk reports failure") << "/dev/full";
    QTest::addRow("a folder in place of the file reports failure") << "folder";
}

void TestPlikUkladu::zapisDoUrzadzeniaKtoreZawodzi()
{
    QFETCH(QString, urzadzenie);
    QString blad;
    if (urzadzenie == "bufor" || urzadzenie == "polowa") {
        PsujacyBufor bufor(urzadzenie == "polowa");
        QVERIFY(bufor.open(QIODevice::WriteOnly));
        QVERIFY(!ZapiszUkladDo(bufor, PrzykladowyStan(), &blad));
    } else if (urzadzenie == "folder") {
        QTemporaryDir dir;
        QVERIFY(!ZapiszUkladDoPliku(dir.path(), PrzykladowyStan(), &blad));
        QVERIFY(QFileInfo(dir.path()).isDir());
    } else {
        QVERIFY(!ZapiszUkladDoPliku(urzadzenie, PrzykladowyStan(), &blad));
        // The device is written into, never replaced by a file.
        QVERIFY(!QFileInfo(urzadzenie).isFile());
    }
    QVERIFY(!blad.isEmpty());
}

void TestPlikUkladu::sciezkaZArgumentow_data()
{
    QTest::addColumn<QStringList>("argumenty");
    QTest::addColumn<QString>("sciezka");

    QTest::addRow("no argument gives no path") << QStringList{} << QString();
    QTest::addRow("one argument is the path") << QStringList{"/tmp/moje uklady/a.rzk"} << "/tmp/moje uklady/a.rzk";
    QTest::addRow("two arguments are joined with one blank")
        << QStringList{"/tmp/moje", "uklady.rzk"} << "/tmp/moje uklady.rzk";
    QTest::addRow("a third argument is ignored") << QStringList{"/tmp/a", "b", "c.rzk"} << "/tmp/a b";
    QTest::addRow("trailing blanks are dropped") << QStringList{"/tmp/a.rzk  "} << "/tmp/a.rzk";
    QTest::addRow("an empty second argument adds nothing") << QStringList{"/tmp/a.rzk", ""} << "/tmp/a.rzk";
    QTest::addRow("blanks alone give no path") << QStringList{"  ", " "} << QString();
    QTest::addRow("leading blanks are kept") << QStringList{" a.rzk"} << " a.rzk";
}

void TestPlikUkladu::sciezkaZArgumentow()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QString, sciezka);
    QCOMPARE(SciezkaZArgumentow(argumenty), sciezka);
}

QTEST_GUILESS_MAIN(TestPlikUkladu)
#include "tst_plikukladu.moc"
