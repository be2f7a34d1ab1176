#include "app/plikustawien.h"
#include "bezuprawnien.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Ustawienia)

namespace {
Ustawienia z(std::function<void(Ustawienia &)> f)
{
    Ustawienia u;
    f(u);
    return u;
}
}
char *toString(const Ustawienia &u)
{
    return qstrdup(TekstUstawien(u).replace("\r\n", " ").constData());
}

class TestPlikUstawien : public QObject
{
    Q_OBJECT
private slots:
    void czytanie_data()
    {
        QTest::addColumn<QByteArray>("plik");
        QTest::addColumn<Ustawienia>("oczekiwane");
        QTest::addRow("only Talia=5 gives deck 5 and defaults elsewhere")
            << QByteArray("[Talia]\r\n01=5\r\n") << z([](Ustawienia &u) { u.Talia = 5; });
        QTest::addRow("section names match without regard to case")
            << QByteArray("[talia]\n01=6\n[NASTUKLAD]\n01=12\n[ulozenie LOSOWO]\n01=0\n") << z([](Ustawienia &u) {
                   u.Talia = 6;
                   u.NastUklad = 12;
                   u.UlozenieLosowo = false;
               });
        QTest::addRow("the word true is no number, Blokada keeps true")
            << QByteArray("[Blokada]\n01=true\n") << Ustawienia();
        QTest::addRow("0 written by hand unlocks")
            << QByteArray("[Blokada]\n01=0\n") << z([](Ustawienia &u) { u.Blokada = false; });
        QTest::addRow("0x0A is deck 10") << QByteArray("[Talia]\n01=0x0A\n") << z([](Ustawienia &u) { u.Talia = 10; });
        QTest::addRow("$1F and 0X10 are hexadecimal too")
            << QByteArray("[Talia]\n01=$1F\n[Stolik]\n01=0X10\n") << z([](Ustawienia &u) {
                   u.Talia = 31;
                   u.Stolik = 16;
               });
        QTest::addRow("blanks around names and values are ignored")
            << QByteArray("  [ Stolik ]  \n  01  =  4  \n") << z([](Ustawienia &u) { u.Stolik = 4; });
        QTest::addRow("any non-zero number is true")
            << QByteArray("[NastArkana]\n01=-7\n[Minimalizacja do traya]\n01=2\n") << z([](Ustawienia &u) {
                   u.NastArkana = true;
                   u.MinimalizacjaDoTraya = true;
               });
        QTest::addRow("a number too large for 32 bits keeps the default")
            << QByteArray("[Talia]\n01=4294967296\n[NastUklad]\n01=99999999999\n") << Ustawienia();
        QTest::addRow("empty values and other keys keep the defaults")
            << QByteArray("[Talia]\n01=\n02=9\n[NastUklad]\n1=4\n") << Ustawienia();
        QTest::addRow("the key is 01 inside the section, not the reverse")
            << QByteArray("[01]\nTalia=8\n") << Ustawienia();
        QTest::addRow("out-of-range values are not corrected")
            << QByteArray("[NastUklad]\n01=40\n[Talia]\n01=-3\n") << z([](Ustawienia &u) {
                   u.NastUklad = 40;
                   u.Talia = -3;
               });
        QTest::addRow("garbage bytes give the defaults")
            << QByteArray("\x00\xff\xfe[[[\n==\n]]\x01\x02 01=3", 20) << Ustawienia();
        QTest::addRow("the first of two equal sections counts")
            << QByteArray("[Talia]\n01=2\n[Talia]\n01=4\n") << z([](Ustawienia &u) { u.Talia = 2; });
    }
    void czytanie()
    {
        QFETCH(QByteArray, plik);
        QFETCH(Ustawienia, oczekiwane);
        Ustawienia u;
        CzytajUstawienia(plik, u);
        QCOMPARE(u, oczekiwane);
    }

    void zapisMaSiedemSekcjiWKolejnosciZapisu()
    {
        QTemporaryDir d;
        const QString sciezka = d.filePath("Lomi.ini");
        QFile stary(sciezka);
        QVERIFY(stary.open(QIODevice::WriteOnly));
        stary.write("; komentarz\n[Inna]\nklucz=1\n[Talia]\n01=9\n");
        stary.close();
        QVERIFY(ZapiszUstawienia(sciezka, Ustawienia()));
        QFile f(sciezka);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[NastArkana]\r\n01=0\r\n[Talia]\r\n01=3\r\n[NastUklad]\r\n01=1\r\n"
                            "[Ulozenie losowo]\r\n01=1\r\n[Stolik]\r\n01=1\r\n[Blokada]\r\n01=1\r\n"
                            "[Minimalizacja do traya]\r\n01=0\r\n"));
    }

    void zapisICzytanieDajaTeSameUstawienia()
    {
        QTemporaryDir d;
        const Ustawienia u = z([](Ustawienia &x) {
            x.NastArkana = true;
            x.Talia = 4;
            x.NastUklad = 16;
            x.Stolik = 6;
            x.UlozenieLosowo = false;
            x.Blokada = false;
            x.MinimalizacjaDoTraya = true;
        });
        QVERIFY(ZapiszUstawienia(d.filePath("Lomi.ini"), u));
        Ustawienia w;
        WczytajUstawienia(d.filePath("Lomi.ini"), w);
        QCOMPARE(w, u);
    }

    void nieudanyZapisZostawiaStaryPlikINazywaGo()
    {
        BEZ_UPRAWNIEN_ROOTA();
        QTemporaryDir d;
        const QString sciezka = d.filePath("Lomi.ini");
        QVERIFY(ZapiszUstawienia(sciezka, z([](Ustawienia &u) { u.Talia = 2; })));
        // The folder is made unwritable, so no temporary file can be made
        // beside the old one; the settings are not written over in place.
        QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::ExeOwner);
        QString blad;
        const bool ok = ZapiszUstawienia(sciezka, Ustawienia(), &blad);
        QFile::setPermissions(d.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Ustawienia w;
        WczytajUstawienia(sciezka, w);
        QVERIFY(!ok);
        QVERIFY(blad.contains(sciezka));
        QCOMPARE(w.Talia, 2);
    }

    void brakPlikuDajeDomyslne()
    {
        Ustawienia u;
        u.Talia = 3;
        WczytajUstawienia("/nonexistent/Lomi.ini", u);
        QCOMPARE(u, Ustawienia());
    }
};

QTEST_GUILESS_MAIN(TestPlikUstawien)
#include "tst_plikustawien.moc"
