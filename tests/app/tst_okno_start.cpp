#include "app/Program.h"
#include "app/UElementyStolu.h"
#include "app/komunikaty.h"
#include "app/plikustawien.h"
#include "files/plikukladu.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe that counts who opens it for reading. A reader blocked in
// open() is let go at once (the write end opens and closes), so a program
// that would hang on the pipe is caught instead of hanging the test.
class StrazPotoku
{
public:
    explicit StrazPotoku(const QString &sciezka) : m_sciezka(QFile::encodeName(sciezka))
    {
        utworzony = mkfifo(m_sciezka.constData(), 0600) == 0;
        m_watek = std::thread([this] {
            while (!m_koniec) {
                const int fd = ::open(m_sciezka.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ++otwarcia;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~StrazPotoku()
    {
        m_koniec = true;
        m_watek.join();
    }
    bool utworzony = false;
    std::atomic<int> otwarcia{0};

private:
    QByteArray m_sciezka;
    std::atomic<bool> m_koniec{false};
    std::thread m_watek;
};

// Start-up of the whole program on a small program folder.
class TestStart : public QObject
{
    Q_OBJECT
    QStringList komunikaty;

private slots:
    void init()
    {
        komunikaty.clear();
        UstawOdbiorceKomunikatow([this](const QString &t, const QString &) { komunikaty << t; });
        UstawOtwieraczDokumentow([](const QUrl &) { return true; });
    }

    void wskaznikDochodziDo100ISplashZnikaPrzedOknem()
    {
        QTemporaryDir dir;
        const QString folder = TestSupport::UtworzFolderProgramu(dir.path());
        TProgram program;
        QString blad;
        QVERIFY2(program.Uruchom(folder, &blad), qPrintable(blad));
        QList<int> oczekiwany;
        // the gauge steps go 1-10, 10-20, 20-35, 35-45, 45-60, 60-70, 70-85, 85-100
        for (auto [a, b] : {std::pair{1, 10}, {10, 20}, {20, 35}, {35, 45}, {45, 60}, {60, 70}, {70, 85}, {85, 100}})
            for (int v = a; v <= b; ++v)
                oczekiwany << v;
        QCOMPARE(program.PrzebiegWskaznika, oczekiwany);
        QVERIFY(program.SplashZamknietyPrzedPokazaniem);
        QVERIFY(program.Form1()->isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible() || w == program.Form1(), qPrintable(w->metaObject()->className()));
        // Nothing on the table, the commands that need a spread disabled.
        QCOMPARE(program.Form1()->AktualnyUklad, 0);
        TForm1 *f = program.Form1();
        QVERIFY(f->Nowy1->isEnabled() && f->SpeedButton6->isEnabled());
        QVERIFY(!f->Zapisz->isEnabled() && !f->Podglad->isEnabled() && !f->Drukuj->isEnabled());
        QVERIFY(!f->SpeedButton2->isEnabled() && !f->SpeedButton4->isEnabled() && !f->SpeedButton5->isEnabled());
        QVERIFY(f->SpeedButton3->isEnabled() && f->ZapiszdoTxt1->isEnabled() && f->SpeedButton7->isEnabled());
        QVERIFY(komunikaty.isEmpty());
    }

    void brakMagazynuKonczyStartKomunikatemZNazwaPliku()
    {
        QTemporaryDir dir;
        TProgram program;
        QString blad;
        QVERIFY(!program.Uruchom(dir.path(), &blad));
        QVERIFY2(blad.contains(dir.path() + "/Data/"), qPrintable(blad));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->metaObject()->className()));
    }

    void plikZWierszaPolecenOtwieraSiePoPokazaniuOkna()
    {
        QTemporaryDir dir;
        const QString folder = TestSupport::UtworzFolderProgramu(dir.path());
        StanUkladu s;
        s.AktualnaTalia = 1;
        s.AktualnyUklad = 15;
        s.Pozycje[1] = {7, true};
        QVERIFY(ZapiszUkladDoPliku(folder + "/Save/moj uklad.rzk", s));
        TProgram program;
        QVERIFY(program.Uruchom(folder, nullptr));
        // An unquoted path with one blank arrives split in two; a third argument is ignored.
        program.OtworzZArgumentow({folder + "/Save/moj", "uklad.rzk", "nadmiar"});
        QCOMPARE(program.Form1()->AktualnyUklad, 15);
        QCOMPARE(program.Form1()->Pozycje[1].NrKarty, 7);
        QVERIFY(program.Form1()->Pozycje[1].Odwrocona);
        QVERIFY(komunikaty.isEmpty());
        // A path that does not exist reports the bad format and the program runs on.
        program.OtworzZArgumentow({folder + "/Save/nie ma", "takiego", "pliku"});
        QCOMPARE(komunikaty, QStringList{" Zły format pliku !!!"});
        QCOMPARE(program.Form1()->AktualnyUklad, 15);
    }

    void zamkniecieZapisujeUstawieniaAWyjscieNie()
    {
        QTemporaryDir dir;
        const QString folder = TestSupport::UtworzFolderProgramu(dir.path());
        {
            TProgram program;
            QVERIFY(program.Uruchom(folder, nullptr));
            program.Form1()->Talia = 2;
            program.Form1()->close();
            QVERIFY(!program.Form1()->isVisible());
        }
        Ustawienia u;
        WczytajUstawienia(folder + "/Lomi.ini", u);
        QCOMPARE(u.Talia, 2);
        QFile ini(folder + "/Lomi.ini");
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray przed = ini.readAll();
        ini.close();
        {
            TProgram program;
            QVERIFY(program.Uruchom(folder, nullptr));
            QCOMPARE(program.Form1()->Talia, 2);
            program.Form1()->Talia = 4;
            program.Form1()->Wyjcie1->trigger();
        }
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), przed); // byte for byte what it was at start
    }

    void potokWMiejscuPlikuNieBlokuje_data()
    {
        QTest::addColumn<QString>("plik");
        QTest::addRow("a pipe in place of Lomi.ini gives the default settings") << "Lomi.ini";
        QTest::addRow("a pipe in place of tmptlo.bmp gives the plain table") << "tmptlo.bmp";
        QTest::addRow("a pipe named on the command line is a bad spread file") << "Save/potok.rzk";
    }
    void potokWMiejscuPlikuNieBlokuje()
    {
        QFETCH(QString, plik);
        QTemporaryDir dir;
        const QString folder = TestSupport::UtworzFolderProgramu(dir.path());
        StrazPotoku potok(folder + "/" + plik);
        QVERIFY(potok.utworzony);
        TProgram program;
        QVERIFY(program.Uruchom(folder, nullptr));
        program.OtworzZArgumentow({folder + "/Save/potok.rzk"});
        QCOMPARE(potok.otwarcia.load(), 0); // never opened: nothing could wait on it
        TForm1 *f = program.Form1();
        QVERIFY(f->isVisible());
        QCOMPARE(f->Talia, Ustawienia().Talia);
        QVERIFY(f->Image16->Obraz().isNull());
        QCOMPARE(f->AktualnyUklad, 0);
        // The command line names the pipe in every row; where it is no pipe,
        // it is no file at all: the same message either way.
        QCOMPARE(komunikaty, QStringList{" Zły format pliku !!!"});
    }

    void tloZPamieciPodrecznejLubKolorOkna()
    {
        QTemporaryDir dir;
        const QString folder = TestSupport::UtworzFolderProgramu(dir.path());
        {
            TProgram program;
            QVERIFY(program.Uruchom(folder, nullptr));
            QVERIFY(program.Form1()->Image16->Obraz().isNull());
        }
        QFile f(folder + "/tmptlo.bmp");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(TestSupport::Bmp(64, 48, 0x336699));
        f.close();
        TProgram program;
        QVERIFY(program.Uruchom(folder, nullptr));
        QCOMPARE(program.Form1()->Image16->Obraz().size(), QSize(64, 48));
        QVERIFY(komunikaty.isEmpty());
    }
};

QTEST_MAIN(TestStart)
#include "tst_okno_start.moc"
