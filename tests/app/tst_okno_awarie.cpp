#include "../settings/fixture.h"
#include "limitpliku.h"
#include "oknoglowne.h"
#include "pisarz.h"

#include "description/UPowieksz.h"
#include "manual/UReczneMA.h"
#include "settings/import.h"
#include "store/schemat.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>

#include <optional>

using namespace TestSupport;

namespace {

bool Zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

QByteArray Losowe(int ile)
{
    QByteArray b(ile, '\0');
    for (char &c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b;
}

QString PlikMagazynu(const QString &folder)
{
    return folder + "/Data/" + QLatin1String(Schemat::PlikMagazynu);
}

// Picture bytes that are no picture, each kind as a damaged store may hold.
QByteArray Smieci(int rodzaj)
{
    const QByteArray bmp = Bmp(80, 122, 0x336699);
    switch (rodzaj % 4) {
    case 0:
        return Losowe(4);
    case 1: { // a BMP header whose pixel data lies far beyond the end
        QByteArray b = bmp.left(54);
        qToLittleEndian<quint32>(0x7ffffff0u, b.data() + 10);
        return b;
    }
    case 2: { // a BMP of 60000 x 60000 pixels in a few bytes
        QByteArray b = bmp;
        qToLittleEndian<qint32>(60000, b.data() + 18);
        qToLittleEndian<qint32>(60000, b.data() + 22);
        return b;
    }
    default: // a BMP header claiming 4 bits per pixel and a palette of 2^31 colours
        QByteArray b = bmp;
        qToLittleEndian<quint16>(4, b.data() + 28);
        qToLittleEndian<quint32>(0x80000000u, b.data() + 46);
        return b;
    }
}

} // namespace

// What the program does with damaged files and interrupted writes.
class TestAwarie : public QObject
{
    Q_OBJECT

private slots:
    void uszkodzonyMagazynKonczyStartKomunikatem_data()
    {
        QTest::addColumn<QString>("uszkodzenie");
        QTest::addRow("an empty store file stops the start naming the file") << "pusty";
        QTest::addRow("a store cut to 100 bytes stops the start naming the file") << "100";
        QTest::addRow("a store cut to its first page stops the start naming the file") << "strona";
        QTest::addRow("a store whose header is overwritten stops the start naming the file") << "naglowek";
        QTest::addRow("a store of random bytes stops the start naming the file") << "losowe";
        QTest::addRow("a folder in place of the store stops the start naming the file") << "folder";
    }
    void uszkodzonyMagazynKonczyStartKomunikatem()
    {
        QFETCH(QString, uszkodzenie);
        QTemporaryDir dir;
        const QString folder = UtworzFolderProgramu(dir.path());
        QVERIFY(!folder.isEmpty());
        const QString plik = PlikMagazynu(folder);
        const qint64 rozmiar = QFileInfo(plik).size();
        QFile f(plik);
        if (uszkodzenie == "pusty") {
            QVERIFY(f.resize(0));
        } else if (uszkodzenie == "100") {
            QVERIFY(f.resize(100));
        } else if (uszkodzenie == "strona") {
            QVERIFY(f.resize(4096));
        } else if (uszkodzenie == "naglowek") {
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.write(Losowe(100));
            f.close();
        } else if (uszkodzenie == "losowe") {
            QVERIFY(Zapisz(plik, Losowe(int(rozmiar))));
        } else {
            QVERIFY(f.remove());
            QVERIFY(QDir().mkpath(plik));
        }
        TProgram program;
        QString blad;
        QVERIFY(!program.Uruchom(folder, &blad));
        QVERIFY2(blad.contains(plik), qPrintable(blad));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
    }

    // Every picture column of the store holds bytes that are no picture; the
    // background cache holds a good one. Nothing crashes, nothing is reported,
    // the damaged pictures show as nothing and the cache is not replaced.
    void smieciZamiastObrazkow()
    {
        ProgramTestowy t;
        const QString folder = UtworzFolderProgramu(t.dir.path());
        QVERIFY(!folder.isEmpty());
        {
            QSqlDatabase b = QSqlDatabase::addDatabase("QSQLITE", "smieci");
            b.setDatabaseName(PlikMagazynu(folder));
            QVERIFY(b.open());
            QSqlQuery q(b);
            for (int k = 1; k <= 24; ++k) {
                q.prepare("update kartygraf set Obrazek800 = ?, Obrazek1024 = ?, ObrazekBig = ?, ObrazekMaly = ? "
                          "where NrKarty = ?");
                for (int i = 0; i < 4; ++i)
                    q.addBindValue(Smieci(k + i));
                q.addBindValue(k);
                QVERIFY(q.exec());
            }
            q.prepare("update koszulki set Koszulka = ?");
            q.addBindValue(Smieci(1));
            QVERIFY(q.exec());
            q.prepare("update tla set Tlo = ?, MaleTlo = ?");
            q.addBindValue(Smieci(2));
            q.addBindValue(Smieci(3));
            QVERIFY(q.exec());
            b.close();
        }
        QSqlDatabase::removeDatabase("smieci");
        const QByteArray tlo = Bmp(64, 48, 0x206020);
        QVERIFY(Zapisz(folder + "/tmptlo.bmp", tlo));
        // The program folder is made here, so the fixture's own start is not used.
        UstawOdbiorceKomunikatow([&t](const QString &tekst, const QString &) { t.komunikaty << tekst; });
        t.folder = folder;
        t.program = std::make_unique<TProgram>();
        QVERIFY(t.program->Uruchom(folder, nullptr));
        TForm1 *f = t.f();
        t.ustawienia()->UstawKluczTalii(1); // the card names come from the deck listed there

        StanUkladu s;
        s.AktualnaTalia = 1;
        s.AktualnyUklad = 2; // four positions: each kind of damage once, two of them reversed
        for (int p = 1; p <= 4; ++p)
            s.Pozycje[p] = {p, p % 2 == 0};
        QVERIFY(ZapiszUkladDoPliku(folder + "/Save/smieci.rzk", s));
        f->WczytajUklad(folder + "/Save/smieci.rzk");
        QCOMPARE(Pokazane(f), 0);
        QVERIFY(f->SpeedButton2->isEnabled());
        f->Interpretacja();
        QVERIFY(f->Memo1->toPlainText().contains("Karta 4"));
        f->PrzygotujWydruk();

        // The description window, left open beside the main window.
        f->SpeedButton11->setChecked(true);
        f->Image2Click(3);
        QVERIFY(f->Okna().Powieksz->isVisible());
        QVERIFY(f->Obrazki[16]->Obraz().isNull());
        f->Okna().Powieksz->hide();

        // The manual arrangement window's card icons.
        f->Okna().ReczneMA->FormActivate();
        for (int k = 1; k <= 24; ++k)
            QVERIFY(f->Okna().ReczneMA->PrzyciskiKart[k]->icon().isNull());

        // The settings window's OK with a background that is no picture keeps
        // the cache and the table as they were.
        QTimer::singleShot(0, f, [f] { f->Okna().Ustawienia->BitBtn1->click(); });
        f->ZmienUstawienia();
        QCOMPARE(CzytajPlik(folder + "/tmptlo.bmp"), tlo);
        QCOMPARE(f->Image16->Obraz().size(), QSize(64, 48));
        QCOMPARE(t.komunikaty, QStringList());
    }

    // A wrong file chosen as an add-on descriptor fails the import, naming
    // the file; it is never read whole into memory.
    void zlyPlikOpisuImportu_data()
    {
        QTest::addColumn<bool>("talia");
        QTest::addColumn<QString>("plik");
        for (bool talia : {true, false}) {
            const char *co = talia ? "deck" : "background";
            QTest::addRow("/dev/zero as the %s descriptor is refused", co) << talia << "/dev/zero";
            QTest::addRow("a 5 GB file as the %s descriptor is refused", co) << talia << "duzy";
        }
    }
    void zlyPlikOpisuImportu()
    {
        QFETCH(bool, talia);
        QFETCH(QString, plik);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        if (plik == "duzy") {
            plik = t.folder + "/film.txt";
            QFile f(plik);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(5) << 30)); // sparse: costs no disk
        }
        MagazynKart &m = t.f()->Magazyn();
        const int talie = m.Talie().size();
        const int tla = m.Tla().size();
        int ile = 0;
        QString szczegoly;
        QVERIFY(!(talia ? ImportujTalieZ(m, plik, &ile, &szczegoly) : ImportujTlaZ(m, plik, &ile, &szczegoly)));
        QVERIFY2(szczegoly.contains(QDir::toNativeSeparators(plik)), qPrintable(szczegoly));
        QCOMPARE(m.Talie().size(), talie);
        QCOMPARE(m.Tla().size(), tla);
    }

    // Descriptor lines the store could not keep as they are: the names stay
    // readable and whole characters.
    void nietypoweZnakiWNazwach_data()
    {
        QTest::addColumn<QString>("wiersz");
        QTest::addColumn<QString>("nazwa");
        QTest::addRow("a deck name beginning with U+FFFE is not stored byte-swapped")
            << QStringLiteral("\uFFFERuny") << QStringLiteral("\uFFFDRuny");
        const QString emotka = QStringLiteral("\U0001F319");
        QTest::addRow("a name cut at 50 characters does not split a character in two")
            << QString(49, 'a') + emotka + "b" << QString(49, 'a');
    }
    void nietypoweZnakiWNazwach()
    {
        QFETCH(QString, wiersz);
        QFETCH(QString, nazwa);
        QTemporaryDir tmp;
        auto m = Fixture::Magazyn(tmp.path(), 0, 0);
        Fixture::ZrobTalie(tmp.path() + "/talia", (wiersz + "\n" + wiersz + "\n").toUtf8());
        Fixture::ZrobTla(tmp.path() + "/tla", (wiersz + "\n").toUtf8(), {1}, {1});
        int n = 0;
        QString szczegoly;
        QVERIFY2(ImportujTalieZ(*m, tmp.path() + "/talia/talia.txt", &n, &szczegoly), qPrintable(szczegoly));
        QVERIFY2(ImportujTlaZ(*m, tmp.path() + "/tla/stoliki.txt", &n, &szczegoly), qPrintable(szczegoly));
        QCOMPARE(m->Talie().value(0).NazwaTalii, nazwa);
        QCOMPARE(m->Ikonki(1).value(0).NazwaKarty, nazwa);
        QCOMPARE(m->Tla().value(0).Nazwa, nazwa.left(30));
    }

    // A writer killed at a random moment of saving leaves the earlier file
    // whole: always the old version or one complete new version.
    void zabityZapisZostawiaCalyPlik_data()
    {
        QTest::addColumn<bool>("uklad");
        QTest::addRow("a spread file being saved when the process is killed stays whole") << true;
        QTest::addRow("the settings file being written when the process is killed stays whole") << false;
    }
    void zabityZapisZostawiaCalyPlik()
    {
        QFETCH(bool, uklad);
        const QString pisarz = QCoreApplication::applicationDirPath() + "/lomipisarz";
        QVERIFY2(QFileInfo(pisarz).isExecutable(), qPrintable(pisarz));
        QTemporaryDir dir;
        const QString plik = dir.filePath(uklad ? "uklad.rzk" : "Lomi.ini");
        QVERIFY(uklad ? ZapiszUkladDoPliku(plik, Pisarz::Uklad(0)) : ZapiszUstawienia(plik, Pisarz::Ustawienia(0)));

        const int proby = 40;
        QSet<qint32> wersje;
        for (int i = 0; i < proby; ++i) {
            QProcess p;
            p.start(pisarz, {uklad ? "uklad" : "ustawienia", plik});
            QVERIFY(p.waitForStarted());
            // Half of the kills land during the first write, the others later.
            if (i % 2 == 1)
                QVERIFY2(p.waitForReadyRead(10000), qPrintable(p.readAllStandardError()));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            p.kill(); // SIGKILL
            QVERIFY(p.waitForFinished());
            QCOMPARE(p.exitStatus(), QProcess::CrashExit);

            qint32 k = -1;
            if (uklad) {
                StanUkladu s;
                QCOMPARE(QFileInfo(plik).size(), 132);
                QVERIFY(WczytajUkladZPliku(plik, s));
                k = s.AktualnaTalia;
                const StanUkladu w = Pisarz::Uklad(k);
                QCOMPARE(s.AktualnyUklad, k);
                for (int poz = 1; poz <= 15; ++poz) {
                    QCOMPARE(s.Pozycje[poz].NrKarty, w.Pozycje[poz].NrKarty);
                    QCOMPARE(s.Pozycje[poz].Odwrocona, w.Pozycje[poz].Odwrocona);
                }
            } else {
                Ustawienia u;
                WczytajUstawienia(plik, u);
                k = u.Talia;
                QCOMPARE(CzytajPlik(plik), TekstUstawien(Pisarz::Ustawienia(k)));
            }
            QVERIFY(k >= 0);
            wersje << k;
        }
        // The kills hit both before and after a new version was in place.
        QVERIFY(wersje.contains(0) || wersje.size() > 1);
        // The temporary files of cut-off writes may stay beside it; the file
        // itself is never one of them.
        const QStringList reszta = QDir(dir.path()).entryList(QDir::Files);
        qInfo("%d kills, %d distinct versions found, %d temporary files left", proby, int(wersje.size()),
              int(reszta.size() - 1));
    }

    // The settings window's OK on a full disk: the background cache is not
    // replaced by a cut-off picture and the failure names the file.
    void pelnyDyskNiePsujeTlaStolu()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        const QString cache = t.folder + "/tmptlo.bmp";
        const QByteArray stary = Bmp(64, 48, 0x336699);
        QVERIFY(Zapisz(cache, stary));
        // A picture smaller than Qt's write buffer: cut short, it fails only
        // when the buffer is emptied.
        f->Magazyn().WstawTlo(3, QStringLiteral("Mały"), Bmp(40, 30, 0x884422), Bmp(10, 8, 0x884422));
        t.ustawienia()->OdswiezTla();
        t.ustawienia()->UstawKluczTla(3);
        QTimer::singleShot(0, f, [f] { f->Okna().Ustawienia->BitBtn1->click(); });
        {
            LimitRozmiaruPliku limit(1024);
            f->ZmienUstawienia();
        }
        QCOMPARE(CzytajPlik(cache), stary);
        QCOMPARE(t.komunikaty.size(), 1);
        QVERIFY2(t.komunikaty[0].contains("tmptlo.bmp"), qPrintable(t.komunikaty[0]));
        QCOMPARE(QDir(t.folder).entryList({"tmptlo*"}, QDir::Files), QStringList{"tmptlo.bmp"});
    }

    // The settings file cannot be written on close: the message names the
    // file, the window stays open and the old file is whole; once the cause
    // is gone, closing writes it. Kept last: a successful close quits the
    // application.
    void ustawieniaNieDajaSieZapisac_data()
    {
        QTest::addColumn<QString>("przeszkoda");
        QTest::addRow("Lomi.ini being a folder keeps the window open") << "folder";
        QTest::addRow("a program folder that is a regular file keeps the window open") << "plik";
        QTest::addRow("a program folder under /proc keeps the window open") << "proc";
        QTest::addRow("a write cut short as on a full disk keeps the window open and the old file whole") << "limit";
    }
    void ustawieniaNieDajaSieZapisac()
    {
        QFETCH(QString, przeszkoda);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        const QString katalog = f->KatalogProgramu;
        // A settings file with more than a full one holds: the limit then
        // stops the new one half-way.
        const QByteArray stary = TekstUstawien(Pisarz::Ustawienia(2)) + "; uwaga\r\n";
        QVERIFY(Zapisz(katalog + "/Lomi.ini", stary));
        QString ini = katalog + "/Lomi.ini";
        if (przeszkoda == "folder") {
            QVERIFY(QFile::remove(ini));
            QVERIFY(QDir().mkpath(ini + "/w_srodku"));
        } else if (przeszkoda == "plik") {
            QVERIFY(Zapisz(katalog + "/plik", "zwykły plik"));
            f->KatalogProgramu = katalog + "/plik";
            ini = f->KatalogProgramu + "/Lomi.ini";
        } else if (przeszkoda == "proc") {
            f->KatalogProgramu = "/proc/lomi-nie-ma";
            ini = f->KatalogProgramu + "/Lomi.ini";
        }
        f->Talia = 4;
        {
            std::optional<LimitRozmiaruPliku> limit;
            if (przeszkoda == "limit")
                limit.emplace(40);
            f->close();
        }
        QCOMPARE(t.komunikaty.size(), 1);
        QVERIFY2(t.komunikaty[0].contains(ini), qPrintable(t.komunikaty[0]));
        QVERIFY(f->isVisible());
        QVERIFY(!f->Konczy());
        if (przeszkoda == "limit" || przeszkoda == "plik" || przeszkoda == "proc")
            QCOMPARE(CzytajPlik(katalog + "/Lomi.ini"), stary);

        // The cause removed, the next close writes the settings and ends.
        if (przeszkoda == "folder")
            QVERIFY(QDir(ini).removeRecursively());
        f->KatalogProgramu = katalog;
        f->close();
        QVERIFY(!f->isVisible());
        QVERIFY(f->Konczy());
        Ustawienia u;
        WczytajUstawienia(katalog + "/Lomi.ini", u);
        QCOMPARE(u.Talia, 4);
        QCOMPARE(t.komunikaty.size(), 1);
    }
};

QTEST_MAIN(TestAwarie)
#include "tst_okno_awarie.moc"
