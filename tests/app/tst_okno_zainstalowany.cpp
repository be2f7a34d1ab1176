// The program as installed for every user: the executable in bin/, what
// ships with it in share/lomi/, each user's files in that user's folders.
#include "oknoglowne.h"

#include "app/Uglowna.h"
#include "spread/czekaj.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

using namespace TestSupport;

namespace {

QByteArray Tresc(const QString &plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

class TestOknoZainstalowany : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_bin, m_udzial, m_dom;
    QStringList m_komunikaty;
    std::unique_ptr<TProgram> m_program;

    bool Uruchom()
    {
        m_program = std::make_unique<TProgram>();
        QString blad;
        const bool ok = m_program->Uruchom(m_bin, &blad);
        if (!ok)
            m_komunikaty << blad;
        return ok;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_bin = m_dir.filePath("usr/bin");
        m_udzial = m_dir.filePath("usr/share/lomi");
        m_dom = m_dir.filePath("dom");
        QVERIFY(QDir().mkpath(m_bin));
        QVERIFY(!UtworzFolderProgramu(m_udzial).isEmpty());
        qputenv("HOME", m_dom.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_dom + "/.config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", (m_dom + "/.local/share").toLocal8Bit());
        m_komunikaty.clear();
        UstawOdbiorceKomunikatow([this](const QString &t, const QString &) { m_komunikaty << t; });
        UstawOtwieraczDokumentow([](const QUrl &) { return true; });
        UstawPauzeOdslony(0); // nothing here meets a deal still running
    }
    void cleanup()
    {
        m_program.reset();
        UstawOdbiorceKomunikatow({});
        UstawOtwieraczDokumentow({});
        UstawPauzeOdslony(-1);
        QDir(m_dir.path()).removeRecursively();
    }

    void ustawieniaIMagazynSaUzytkownika()
    {
        QVERIFY(Uruchom());
        QCOMPARE(m_komunikaty, QStringList());
        TForm1 *f = m_program->Form1();
        QVERIFY(!f->Foldery().Przenosny());
        QCOMPARE(m_program->Magazyn()->Plik(), m_dom + "/.local/share/lomi/Data/karty.db");
        Rozdaj(f, 2);
        QCOMPARE(Pokazane(f), LiczbaKart(2));
        f->Stolik = 2;
        f->close();
        QCOMPARE(m_komunikaty, QStringList());
        QVERIFY(QFile::exists(m_dom + "/.config/lomi/Lomi.ini"));
        QVERIFY(Tresc(m_dom + "/.config/lomi/Lomi.ini").contains("[Stolik]\r\n01=2"));
        QVERIFY(!QFile::exists(m_udzial + "/Lomi.ini"));
        QVERIFY(!QFile::exists(m_bin + "/Lomi.ini"));
    }

    void folderUstawienNieDoUtworzeniaJedenKomunikatIOknoDziala()
    {
        QFile zajete(m_dom + "/.config");
        QVERIFY(QDir().mkpath(m_dom));
        QVERIFY(zajete.open(QIODevice::WriteOnly)); // a file where the folder belongs
        zajete.close();
        QVERIFY(Uruchom());
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY2(m_komunikaty.first().contains(QDir::toNativeSeparators(m_dom + "/.config/lomi")),
                 qPrintable(m_komunikaty.first()));
        TForm1 *f = m_program->Form1();
        QVERIFY(f->isVisible());
        Rozdaj(f, 2);
        QCOMPARE(Pokazane(f), LiczbaKart(2));
        f->Interpretacja();
        QVERIFY(f->Memo1->toPlainText().contains("Nagłówek 2"));
    }

    void folderDanychNieDoUtworzeniaKartySaZMagazynuDostarczonego()
    {
        QVERIFY(QDir().mkpath(m_dom + "/.local"));
        QFile zajete(m_dom + "/.local/share");
        QVERIFY(zajete.open(QIODevice::WriteOnly));
        zajete.close();
        const QByteArray przed = Tresc(m_udzial + "/Data/karty.db");
        QVERIFY(Uruchom());
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY2(m_komunikaty.first().contains(QDir::toNativeSeparators(m_dom + "/.local/share/lomi")),
                 qPrintable(m_komunikaty.first()));
        QCOMPARE(m_program->Magazyn()->Plik(), m_udzial + "/Data/karty.db");
        Rozdaj(m_program->Form1(), 2);
        QCOMPARE(Pokazane(m_program->Form1()), LiczbaKart(2));
        m_program.reset();
        QCOMPARE(Tresc(m_udzial + "/Data/karty.db"), przed);
    }

    void uszkodzonyMagazynUzytkownikaJestZglaszanyINieZastepowany()
    {
        const QString wlasny = m_dom + "/.local/share/lomi/Data/karty.db";
        QVERIFY(QDir().mkpath(QFileInfo(wlasny).path()));
        QFile f(wlasny);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("zepsuty");
        f.close();
        QVERIFY(!Uruchom());
        QCOMPARE(m_komunikaty.size(), 1);
        QVERIFY2(m_komunikaty.first().contains(wlasny), qPrintable(m_komunikaty.first()));
        QCOMPARE(Tresc(wlasny), QByteArray("zepsuty"));
    }

    void dwaUruchomieniaNaRazDzielaJedenMagazyn()
    {
        QVERIFY(Uruchom());
        TProgram drugi;
        QString blad;
        QVERIFY2(drugi.Uruchom(m_bin, &blad), qPrintable(blad));
        QCOMPARE(drugi.Magazyn()->Plik(), m_program->Magazyn()->Plik());
        QCOMPARE(m_komunikaty, QStringList());
        drugi.Form1()->Stolik = 2;
        drugi.Form1()->close();
        m_program->Form1()->close(); // the last close wins
        QVERIFY(Tresc(m_dom + "/.config/lomi/Lomi.ini").contains("[Stolik]\r\n01=1"));
    }
};

QTEST_MAIN(TestOknoZainstalowany)
#include "tst_okno_zainstalowany.moc"
