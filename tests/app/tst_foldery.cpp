#include "app/foldery.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void Utworz(const QString &plik)
{
    QDir().mkpath(QFileInfo(plik).path());
    QFile f(plik);
    f.open(QIODevice::WriteOnly);
}

}

class TestFoldery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Dom() const { return m_dir.filePath("dom"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile::setPermissions(m_dir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                  | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        qputenv("HOME", Dom().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (Dom() + "/.config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (Dom() + "/.local/share").toLocal8Bit());
        qunsetenv("XDG_DOCUMENTS_DIR");
    }

    void sciezki_data()
    {
        QTest::addColumn<bool>("zainstalowany");
        QTest::addColumn<QString>("sciezka");
        QTest::addColumn<QString>("oczekiwana");
        const QString k = "/opt/lomi";
        const FolderyProgramu p = FolderyProgramu::Przenosne(k);
        const FolderyProgramu z = FolderyProgramu::Zainstalowane("/usr/bin", "/usr/share/lomi", "/h/.config/lomi",
                                                                 "/h/.local/share/lomi", "/h/Documents/Lomi");
        auto wiersz = [](const char *opis, const FolderyProgramu &f, const QString &s, const QString &o) {
            QTest::newRow(opis) << !f.Przenosny() << s << o;
        };
        wiersz("portable settings lie in the program folder", p, p.PlikUstawien(), k + "/Lomi.ini");
        wiersz("portable store is the program's Data folder", p, p.FolderMagazynu(), k + "/Data/");
        wiersz("portable background cache lies in the program folder", p, p.PlikTla(), k + "/tmptlo.bmp");
        wiersz("portable dialogs open in Save", p, p.FolderZapisu(), k + "/Save/");
        wiersz("portable help lies in help", p, p.Dokument(DokumentPomocy::Pomoc), k + "/help/Lomihlp.html");
        wiersz("portable miniature lies in miniatury", p, p.Miniatura(16), k + "/miniatury/16uklad.jpg");
        wiersz("portable questionnaire is looked for in the working folder", p, p.Ankieta(), "ankieta.rtf");
        wiersz("installed settings lie in the config folder", z, z.PlikUstawien(), "/h/.config/lomi/Lomi.ini");
        wiersz("installed store is the user's copy", z, z.FolderMagazynu(), "/h/.local/share/lomi/Data/");
        wiersz("installed shipped store is read where installed", z, z.FolderMagazynuWysylanego(),
               "/usr/share/lomi/Data/");
        wiersz("installed background cache is the user's", z, z.PlikTla(), "/h/.local/share/lomi/tmptlo.bmp");
        wiersz("installed background falls back to the shipped one", z, z.PlikTlaDoOdczytu(),
               "/usr/share/lomi/tmptlo.bmp");
        wiersz("installed dialogs open in the documents folder", z, z.FolderZapisu(), "/h/Documents/Lomi/");
        wiersz("installed help is read where installed", z, z.Dokument(DokumentPomocy::Dodatki),
               "/usr/share/lomi/help/dodatki.html");
        wiersz("installed questionnaire is read where installed", z, z.Ankieta(), "/usr/share/lomi/ankieta.rtf");
        wiersz("installed miniature is read where installed", z, z.Miniatura(1),
               "/usr/share/lomi/miniatury/1uklad.jpg");
    }
    void sciezki()
    {
        QFETCH(QString, sciezka);
        QFETCH(QString, oczekiwana);
        QCOMPARE(sciezka, oczekiwana);
    }

    void wykrywanie_data()
    {
        QTest::addColumn<QString>("uklad"); // files to create, relative to the scratch folder
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("przenosny");
        QTest::addColumn<QString>("wysylany");
        QTest::newRow("a build folder with its store is portable") << "budowa/Lomi/Data/karty.db"
                                                                   << "budowa/Lomi" << true << "budowa/Lomi";
        QTest::newRow("bin beside share/lomi is installed") << "pref/share/lomi/Data/karty.db"
                                                            << "pref/bin" << false << "pref/share/lomi";
        QTest::newRow("a writable folder without any store stays portable") << "pusty/x"
                                                                            << "pusty" << true << "pusty";
    }
    void wykrywanie()
    {
        QFETCH(QString, uklad);
        QFETCH(QString, program);
        QFETCH(bool, przenosny);
        QFETCH(QString, wysylany);
        Utworz(m_dir.filePath(uklad));
        QDir().mkpath(m_dir.filePath(program));
        const FolderyProgramu f = FolderyProgramu::Wykryj(m_dir.filePath(program));
        QCOMPARE(f.Przenosny(), przenosny);
        QCOMPARE(f.FolderMagazynuWysylanego(), m_dir.filePath(wysylany) + "/Data/");
        if (!przenosny) {
            QCOMPARE(f.PlikUstawien(), Dom() + "/.config/lomi/Lomi.ini");
            QCOMPARE(f.FolderMagazynu(), Dom() + "/.local/share/lomi/Data/");
            QVERIFY2(f.FolderZapisu().startsWith(Dom() + "/"), qPrintable(f.FolderZapisu()));
        }
    }

    // A copy of the program folder the user may not write (read-only media,
    // another user's folder): installed mode with the shipped files beside
    // the executable. Root writes anywhere, so the case runs as nobody.
    void folderTylkoDoOdczytuJestZainstalowany()
    {
        if (geteuid() == 0) {
            const QString program = m_dir.filePath("cudzy");
            Utworz(program + "/Data/karty.db");
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("LOMI_TST_FOLDER", program);
            env.insert("HOME", "/nonexistent");
            p.setProcessEnvironment(env);
            p.start("setpriv",
                    {"--reuid=nobody", "--regid=nogroup", "--clear-groups", QCoreApplication::applicationFilePath(),
                     "folderTylkoDoOdczytuJestZainstalowany"});
            QVERIFY(p.waitForFinished(30000));
            if (p.exitCode() != 0 && p.readAllStandardError().contains("setpriv"))
                QSKIP("this machine cannot drop privileges (setpriv)");
            QVERIFY2(p.exitCode() == 0, p.readAllStandardOutput().constData());
            return;
        }
        const QString program = qEnvironmentVariable("LOMI_TST_FOLDER");
        if (program.isEmpty())
            QSKIP("the folder made by the root run is not there; as an ordinary user no folder is read-only to us");
        const FolderyProgramu f = FolderyProgramu::Wykryj(program);
        QVERIFY(!f.Przenosny());
        QCOMPARE(f.FolderMagazynuWysylanego(), program + "/Data/");
        QVERIFY(!f.PlikUstawien().startsWith(program));
    }

    void folderUzytkownikaNieDoUtworzeniaJestNazwany()
    {
        Utworz(m_dir.filePath("plik"));
        const FolderyProgramu f =
            FolderyProgramu::Zainstalowane("/usr/bin", "/usr/share/lomi", m_dir.filePath("plik/konfiguracja"),
                                           m_dir.filePath("dane"), m_dir.filePath("dokumenty"));
        const QString komunikat = UtworzFolderyUzytkownika(f);
        QVERIFY2(komunikat.contains(m_dir.filePath("plik/konfiguracja")), qPrintable(komunikat));
        QVERIFY(!komunikat.contains(m_dir.filePath("dane")));
        QVERIFY(QFileInfo(m_dir.filePath("dane/Data")).isDir());
        QVERIFY(UtworzFolderyUzytkownika(FolderyProgramu::Przenosne("/nie/ma")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFoldery)
#include "tst_foldery.moc"
