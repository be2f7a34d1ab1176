#include "limitpliku.h"
#include "oknoglowne.h"

#include "files/plikukladu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

#include <optional>

using namespace TestSupport;

namespace {

bool Zapisz(const QString &sciezka, const QByteArray &bajty)
{
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

// What the table shows, to compare before and after a command.
struct Stol
{
    QList<std::pair<int, bool>> pozycje;
    int talia, uklad;
    QList<QImage> obrazy;
    QStringList nazwy;
    QString tekst;
    bool operator==(const Stol &) const = default;
};

Stol StanStolu(TForm1 *f)
{
    Stol s{{}, f->AktualnaTalia, f->AktualnyUklad, {}, {}, f->Memo1->toPlainText()};
    for (int p = 1; p <= 15; ++p) {
        s.pozycje << std::pair{f->Pozycje[p].NrKarty, f->Pozycje[p].Odwrocona};
        s.obrazy << f->Obrazki[p]->Obraz();
        s.nazwy << f->Obrazki[p]->toolTip();
    }
    return s;
}

} // namespace

// The main window's spread files and text export, through its commands.
class TestOknoPliki : public QObject
{
    Q_OBJECT

private slots:
    void zapisIOtwarcieDajaTenSamStol()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        const QString plik = t.folder + "/Save/moj.rzk";

        t.f()->SpeedButton3->click(); // a cancelled dialog writes nothing
        QVERIFY(QDir(t.folder + "/Save").isEmpty());

        Rozdaj(f, 2, 1);
        const Stol zapisany = StanStolu(f);
        t.wybor.odpowiedzi << plik;
        f->Zapisz->trigger();
        QCOMPARE(t.wybor.filtr, FiltrUkladow);
        QCOMPARE(t.wybor.proponowanaNazwa, QStringLiteral("uklad.rzk"));
        QCOMPARE(t.wybor.rozszerzenie, QStringLiteral("rzk"));
        QCOMPARE(t.wybor.folderStartowy, t.folder + "/Save/");
        QCOMPARE(QFileInfo(plik).size(), 132);

        Rozdaj(f, 15, 2);
        QVERIFY(!(StanStolu(f) == zapisany));
        t.ustawienia()->UstawKluczTalii(1); // names from the deck of the saved spread
        t.wybor.odpowiedzi << plik;
        t.wybor.proponowanaNazwa.clear();
        f->SpeedButton1->click();
        QCOMPARE(t.wybor.filtr, FiltrUkladow);
        QCOMPARE(t.wybor.proponowanaNazwa, QStringLiteral("uklad.rzk")); // the open dialog proposes it too
        QCOMPARE(f->AktualnaTalia, 1);
        QCOMPARE(f->AktualnyUklad, 2);
        QCOMPARE(StanStolu(f).pozycje, zapisany.pozycje);
        QVERIFY(StanStolu(f) == zapisany);
        QVERIFY(f->Memo1->toPlainText().isEmpty());
        QVERIFY(f->SpeedButton2->isEnabled() && f->Zapisz->isEnabled());
        QVERIFY(t.komunikaty.isEmpty());
    }

    void zlyPlikNieZmieniaStolu_data()
    {
        QTest::addColumn<QString>("rodzaj");
        QTest::addRow("a file of 127 bytes is refused") << "127";
        QTest::addRow("a file that does not exist is refused") << "brak";
        QTest::addRow("a folder in place of the file is refused") << "folder";
    }
    void zlyPlikNieZmieniaStolu()
    {
        QFETCH(QString, rodzaj);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        StanUkladu inny;
        inny.AktualnaTalia = 2;
        inny.AktualnyUklad = 2;
        for (int p = 1; p <= 15; ++p)
            inny.Pozycje[p] = {p, true};
        QString plik = t.folder + "/Save/zly.rzk";
        if (rodzaj == "127") {
            QVERIFY(ZapiszUkladDoPliku(plik, inny));
            QVERIFY(QFile::resize(plik, 127));
        } else if (rodzaj == "folder") {
            plik = t.folder + "/Save/folder.rzk";
            QVERIFY(QDir().mkpath(plik));
        }
        Rozdaj(f, 15, 1);
        f->Memo1->setPlainText("moja interpretacja");
        const Stol przed = StanStolu(f);
        t.wybor.odpowiedzi << plik;
        f->Wczytaj->trigger();
        QCOMPARE(t.komunikaty, QStringList{" Zły format pliku !!!"});
        QVERIFY(StanStolu(f) == przed);
        QCOMPARE(f->LabelNazwaRozkl->text(), NazwaUkladu(15));
    }

    void zapisNieudany_data()
    {
        QTest::addColumn<bool>("eksport");
        QTest::addColumn<QString>("cel");
        for (bool eksport : {false, true}) {
            const char *co = eksport ? "text export" : "spread save";
            QTest::addRow("%s into a folder under /proc reports the failure", co) << eksport << "proc";
            QTest::addRow("%s onto /dev/full reports the failure", co) << eksport << "full";
            QTest::addRow("%s cut short by a file size limit keeps the old file whole", co) << eksport << "limit";
        }
        QTest::addRow("text export whose card name lookup fails reports the failure") << true << "magazyn";
    }
    void zapisNieudany()
    {
        QFETCH(bool, eksport);
        QFETCH(QString, cel);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, 15, 1);
        f->Memo1->setPlainText(QString(200, 'x')); // longer than the size limit
        const Stol przed = StanStolu(f);
        const QByteArray stary(300, 's');
        QString plik = cel == "proc" ? "/proc/lomi-nie-ma/uklad" : "/dev/full";
        if (cel == "limit") {
            plik = t.folder + "/Save/stary";
            QVERIFY(Zapisz(plik, stary));
        } else if (cel == "magazyn") {
            plik = t.folder + "/Save/uklad.txt";
            QVERIFY(QSqlQuery(f->Magazyn().Baza()).exec("drop table kartygraf"));
        }
        t.wybor.odpowiedzi << plik;
        {
            std::optional<LimitRozmiaruPliku> limit;
            if (cel == "limit")
                limit.emplace(64);
            (eksport ? f->ZapiszdoTxt1 : f->Zapisz)->trigger();
        }
        QCOMPARE(t.komunikaty,
                 QStringList{eksport ? "Błąd - prawdopodobnie plik zabezpieczony przed zapisem !"
                                     : "Błąd - plik zabezpieczony przed zapisem!"});
        QVERIFY(StanStolu(f) == przed);
        if (cel == "limit") {
            QCOMPARE(CzytajPlik(plik), stary);
            QCOMPARE(QDir(t.folder + "/Save").entryList(QDir::Files), QStringList{"stary"});
        }
        if (cel == "magazyn")
            QVERIFY(QDir(t.folder + "/Save").isEmpty());
    }

    // Spread 15 dealt, its interpretation composed and then edited with Polish
    // letters; the export is Windows-1250 with CR LF.
    void eksportBajtPoBajcie()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, 15, 1);
        f->SpeedButton2->click();
        QTextCursor c(f->Memo1->document());
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("Łódź: zażółć gęślą jaźń"));
        const QString plik = t.folder + "/Save/uklad.txt";
        t.wybor.odpowiedzi << plik;
        f->SpeedButton7->click();
        QCOMPARE(t.wybor.filtr, FiltrTekstow);
        QCOMPARE(t.wybor.proponowanaNazwa, QStringLiteral("uklad.txt"));
        QCOMPARE(t.wybor.rozszerzenie, QStringLiteral("txt"));
        QCOMPARE(t.wybor.folderStartowy, t.folder + "/Save/");

        const TPozycja k = f->Pozycje[1];
        const QByteArray nr = QByteArray::number(k.NrKarty);
        const QByteArray oczekiwany = "\r\n"
                                      "                Rozk\xb3"
                                      "ad z programu Lomi\r\n"
                                      "\r\n"
                                      "   Karta 1 : Karta "
            + nr + (k.Odwrocona ? "  (Odwr.)" : "")
            + "\r\n"
              " \r\n"
              "                 INTERPRETACJA\r\n"
              "[1] Karta "
            + nr + (k.Odwrocona ? " (Odw.)" : "")
            + "\r\n"
              "Znaczenie "
            + nr
            + (k.Odwrocona ? " odwr\xf3"
                             "cone"
                           : " proste")
            + "\r\n"
              "\r\n"
              "\xa3\xf3"
              "d\x9f: za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9 ja\x9f\xf1\r\n";
        QCOMPARE(CzytajPlik(plik), oczekiwany);
        QVERIFY(t.komunikaty.isEmpty());
    }
};

QTEST_MAIN(TestOknoPliki)
#include "tst_okno_pliki.moc"
