#include "store/magazyn.h"
#include "store/magazynuzytkownika.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

QByteArray Tresc(const QString &plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QVariant Wartosc(MagazynKart &m, const QString &sql)
{
    QSqlQuery q(m.Baza());
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0);
}

// A newer version of the program ships its store with an edited meaning, a
// renamed card, a third deck and a third background.
void NowaWersja(const QString &folderDanych)
{
    auto m = MagazynKart::Otworz(folderDanych, nullptr);
    QVERIFY(m);
    QSqlQuery q(m->Baza());
    QVERIFY(q.exec("update pary set opis = 'Nowe znaczenie 1' where NrPierwszej = 1 and Czy1wszaOdwrocona = 0"));
    QVERIFY(q.exec("update kartygraf set NazwaKarty = 'Fehu nowa' where NumerTalii = 1 and NrKarty = 1"));
    m->WstawKarte(24 * 3 + 1, 1, 3, "Talia nowej wersji", "Nowa 1");
    m->ZapiszObrazyKarty(24 * 3 + 1, 3, 1, Bmp(80, 122, 0x777777), {}, {}, {});
    m->WstawKoszulke(3, Bmp(49, 65, 0x777777));
    m->WstawTlo(3, "Tło nowej wersji", Bmp(32, 32, 0x777777), Bmp(8, 8, 0x777777));
    m.reset();
    // The version is told by size and time; make sure the time moves.
    QFile f(folderDanych + "karty.db");
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
}

}

class TestMagazynUzytkownika : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_wysylany, m_wlasny;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString program = UtworzFolderProgramu(m_dir.filePath("program"));
        QVERIFY(!program.isEmpty());
        m_wysylany = program + "/Data/";
        m_wlasny = m_dir.filePath("uzytkownik/lomi/Data/");
    }
    void cleanup()
    {
        QDir(m_dir.filePath("uzytkownik")).removeRecursively();
        QDir(m_dir.filePath("program")).removeRecursively();
    }

    void pierwszyStartKopiujeMagazynWcalosci()
    {
        QString blad;
        QVERIFY2(PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad), qPrintable(blad));
        QCOMPARE(Tresc(m_wlasny + "karty.db"), Tresc(m_wysylany + "karty.db"));
        // Nothing of a copy in progress stays behind.
        QCOMPARE(QDir(m_wlasny).entryList({"*kopia*"}, QDir::Files), QStringList());
    }

    void startPrzerwanyWTrakcieKopiowaniaKopiujeOdNowa()
    {
        // What a start killed half way leaves: a partial copy, no store.
        QDir().mkpath(m_wlasny);
        QFile czesc(m_wlasny + "karty.db.kopia-4242");
        QVERIFY(czesc.open(QIODevice::WriteOnly));
        czesc.write(Tresc(m_wysylany + "karty.db").left(5000));
        czesc.close();
        QString blad;
        QVERIFY2(PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad), qPrintable(blad));
        QCOMPARE(Tresc(m_wlasny + "karty.db"), Tresc(m_wysylany + "karty.db"));
        QVERIFY(!QFile::exists(czesc.fileName()));
    }

    void nowaWersjaZachowujeImportyIDodajeSwojaTresc()
    {
        QString blad;
        QVERIFY2(PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad), qPrintable(blad));
        {
            // The user imports a deck (number 3, as an import numbers it) and a background.
            auto m = MagazynKart::Otworz(m_wlasny, &blad);
            QVERIFY2(m, qPrintable(blad));
            m->WstawKarte(24 * 3 + 1, 1, 3, "Talia użytkownika", "Moja 1");
            m->ZapiszObrazyKarty(24 * 3 + 1, 3, 1, Bmp(80, 122, 0x123456), {}, {}, {});
            m->WstawKoszulke(3, Bmp(49, 65, 0x123456));
            m->WstawTlo(3, "Moje tło", Bmp(32, 32, 0x123456), Bmp(8, 8, 0x123456));
        }
        NowaWersja(m_wysylany);
        for (int start = 1; start <= 2; ++start) { // the second start finds nothing new
            QVERIFY2(PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad), qPrintable(blad));
            auto m = MagazynKart::Otworz(m_wlasny, &blad);
            QVERIFY2(m, qPrintable(blad));
            // The import keeps its number, name, picture and back.
            QCOMPARE(m->NazwaKarty(1, 3), QString("Moja 1"));
            QCOMPARE(m->ObrazekKarty(1, 3, "Obrazek800"), Bmp(80, 122, 0x123456));
            QCOMPARE(m->Koszulka(3), Bmp(49, 65, 0x123456));
            QCOMPARE(m->ObrazTla(3, true), Bmp(8, 8, 0x123456));
            // The new version's content arrives: edits in place, new items after the user's.
            QCOMPARE(m->ZnaczenieKarty(1, false), QString("Nowe znaczenie 1"));
            QCOMPARE(m->NazwaKarty(1, 1), QString("Fehu nowa"));
            QCOMPARE(m->NazwaKarty(1, 4), QString("Nowa 1"));
            QCOMPARE(m->Koszulka(4), Bmp(49, 65, 0x777777));
            QCOMPARE(Wartosc(*m, "select ID from Tla where Nazwa = 'Tło nowej wersji'").toInt(), 4);
            QCOMPARE(Wartosc(*m, "select count(distinct NumerTalii) from kartygraf").toInt(), 4);
            QCOMPARE(Wartosc(*m, "select count(*) from Tla").toInt(), 4);
            QCOMPARE(Wartosc(*m, "select count(*) from pary").toInt(), 48);
        }
    }

    void uszkodzonyMagazynUzytkownikaNieJestZastepowany()
    {
        QString blad;
        QVERIFY(PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad));
        QFile f(m_wlasny + "karty.db");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("to nie jest magazyn kart");
        f.close();
        NowaWersja(m_wysylany);
        QVERIFY(!PrzygotujMagazynUzytkownika(m_wysylany, m_wlasny, &blad));
        QVERIFY2(blad.contains(QDir::toNativeSeparators(m_wlasny + "karty.db")), qPrintable(blad));
        QCOMPARE(Tresc(m_wlasny + "karty.db"), QByteArray("to nie jest magazyn kart"));
    }

    void folderNieDoUtworzeniaDajeKomunikat()
    {
        QFile plik(m_dir.filePath("zajete"));
        QVERIFY(plik.open(QIODevice::WriteOnly)); // a file where the folder should be
        plik.close();
        QString blad;
        QVERIFY(!PrzygotujMagazynUzytkownika(m_wysylany, m_dir.filePath("zajete/Data/"), &blad));
        QVERIFY2(blad.contains("zajete"), qPrintable(blad));
    }
};

QTEST_GUILESS_MAIN(TestMagazynUzytkownika)
#include "tst_magazynuzytkownika.moc"
