#include "oknoglowne.h"

#include "description/UPowieksz.h"
#include "files/plikukladu.h"
#include "spread/UAdd.h"
#include "spread/czekaj.h"
#include "spread/ekran.h"
#include "spread/geometria.h"

#include <QAccessible>
#include <QAction>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace TestSupport;

namespace {

// Writes a spread file and returns its path.
QString PlikUkladu(const QString &folder, const QString &nazwa, int talia, int uklad,
                   std::initializer_list<TPozycja> karty)
{
    StanUkladu s;
    s.AktualnaTalia = talia;
    s.AktualnyUklad = uklad;
    int p = 1;
    for (const TPozycja &k : karty)
        s.Pozycje[p++] = k;
    const QString sciezka = folder + "/Save/" + nazwa;
    return ZapiszUkladDoPliku(sciezka, s) ? sciezka : QString();
}

// The picture column of an 800-pixel screen, which every test has unless it
// sets another width.
const QString Kolumna800 = QStringLiteral("Obrazek800");

// Every element the card-dependent switch may or may not touch, by name.
QObject *Element(TForm1 *f, const QString &nazwa)
{
    const std::pair<const char *, QObject *> elementy[] = {
        {"SpeedButton1", f->SpeedButton1},
        {"SpeedButton2", f->SpeedButton2},
        {"SpeedButton3", f->SpeedButton3},
        {"SpeedButton4", f->SpeedButton4},
        {"SpeedButton5", f->SpeedButton5},
        {"SpeedButton6", f->SpeedButton6},
        {"SpeedButton7", f->SpeedButton7},
        {"SpeedButton8", f->SpeedButton8},
        {"SpeedButton9", f->SpeedButton9},
        {"SpeedButton10", f->SpeedButton10},
        {"SpeedButton11", f->SpeedButton11},
        {"SpeedButton12", f->SpeedButton12},
        {"Nowy1", f->Nowy1},
        {"Wczytaj", f->Wczytaj},
        {"Zapisz", f->Zapisz},
        {"ZapiszdoTxt1", f->ZapiszdoTxt1},
        {"Podglad", f->Podglad},
        {"Drukuj", f->Drukuj},
        {"Wyjcie1", f->Wyjcie1},
        {"Help2", f->Help2},
        {"About1", f->About1},
        {"Samouczek1", f->Samouczek1},
        {"Literatura1", f->Literatura1},
        {"Ankieta1", f->Ankieta1},
    };
    for (const auto &[n, e] : elementy)
        if (nazwa == QLatin1String(n))
            return e;
    return nullptr;
}

} // namespace

// The main window's spread commands, driven as the user drives them.
class TestOknoRozklad : public QObject
{
    Q_OBJECT

private slots:
    void init() { UstawSzerokoscEkranu(800); }
    void cleanup() { UstawSzerokoscEkranu(0); }

    void losoweRozdanieUkladu2_data()
    {
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<QString>("kolumna");
        QTest::addRow("a deal on an 800-pixel screen uses the small pictures") << 800 << "Obrazek800";
        QTest::addRow("a deal on a 1024-pixel screen uses the larger pictures, scaled") << 1024 << "Obrazek1024";
    }
    void losoweRozdanieUkladu2()
    {
        QFETCH(int, szerokosc);
        QFETCH(QString, kolumna);
        UstawSzerokoscEkranu(szerokosc);
        ProgramTestowy t;
        // Pauses long enough for many samples, shorter than the real ones.
        UstawPauzeOdslony(0.15);
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        if (SzerokiEkran(szerokosc)) {
            // The offscreen screen is 800 x 600: give the window the size a
            // 1024-pixel screen gives it, on which the spread fits unshrunk.
            f->showNormal();
            f->resize(1024, 768);
            QTRY_VERIFY(f->RozmiarStolu().width() == 1024 - 264);
        }

        // Sample the commands and the cards while the deal runs its pauses.
        bool wTrakcie = false;
        bool nowyWlaczonyWTrakcie = false;
        QList<int> pokazane;
        QTimer probka;
        connect(&probka, &QTimer::timeout, [&] {
            if (!wTrakcie)
                return;
            nowyWlaczonyWTrakcie |= f->Nowy1->isEnabled() || f->SpeedButton6->isEnabled();
            pokazane << Pokazane(f);
        });
        probka.start(10);
        wTrakcie = true;
        Rozdaj(f, 2);
        wTrakcie = false;

        QVERIFY(!nowyWlaczonyWTrakcie);
        QVERIFY(f->Nowy1->isEnabled() && f->SpeedButton6->isEnabled() && f->SpeedButton2->isEnabled());
        // One card after another, never more than the spread holds.
        QVERIFY(pokazane.size() > 10);
        QVERIFY(std::is_sorted(pokazane.begin(), pokazane.end()));
        QCOMPARE(pokazane.first(), 1);
        QCOMPARE(pokazane.last(), 4);

        QCOMPARE(f->AktualnyUklad, 2);
        QCOMPARE(f->AktualnaTalia, 1);
        QCOMPARE(f->LabelNazwaRozkl->text(), NazwaUkladu(2));
        QCOMPARE(f->lbltalia->text(), QStringLiteral("Talia testowa"));
        std::array<QPoint, 16> miejsca{};
        UstawPozycjeObliczenia(2, 2, f->RozmiarStolu(), szerokosc, miejsca);
        const QSize rozmiar = RozmiarRamki(szerokosc);
        for (int p = 1; p <= 4; ++p) {
            const TPozycja k = f->Pozycje[p];
            const QString nazwa = QStringLiteral("Karta %1").arg(k.NrKarty) + (k.Odwrocona ? " (Odw.)" : "");
            const QImage prosty = ObrazZMagazynu(f, k.NrKarty, 1, kolumna);
            const QImage obraz = f->Obrazki[p]->Obraz();
            QCOMPARE(obraz.size(), rozmiar);
            QVERIFY2(k.Odwrocona ? Odwrocony(obraz, prosty) : obraz == prosty, qPrintable(nazwa));
            QCOMPARE(f->Obrazki[p]->pos(), miejsca[p]);
            QCOMPARE(f->Obrazki[p]->size(), rozmiar);
            QVERIFY(f->Obrazki[p]->isEnabled());
            QVERIFY(f->Etykiety[p]->isVisible());
            QCOMPARE(f->Etykiety[p]->pos(), miejsca[p] + PrzesuniecieEtykiety(szerokosc));
            QCOMPARE(f->NazwyKart[p], nazwa);
            QCOMPARE(f->Obrazki[p]->toolTip(), nazwa);
        }
        for (int p = 5; p <= 15; ++p) {
            QVERIFY(f->Obrazki[p]->Obraz().isNull());
            QVERIFY(!f->Obrazki[p]->isEnabled());
            QVERIFY(!f->Etykiety[p]->isVisible());
            QVERIFY(f->Obrazki[p]->toolTip().isEmpty());
        }
        QVERIFY(t.komunikaty.isEmpty());
    }

    // Pictures from the deck of the deal, names from the deck the settings
    // window's list shows (here deck 2, which only has cards 1-3).
    void nazwyZTaliiOknaUstawien()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        f->NastUklad = 2;
        f->Talia = 1;
        t.ustawienia()->UstawKluczTalii(2);
        f->NowyRozklad();
        QCOMPARE(f->AktualnaTalia, 1);
        QCOMPARE(f->lbltalia->text(), QStringLiteral("Druga talia"));
        for (int p = 1; p <= 4; ++p) {
            const TPozycja k = f->Pozycje[p];
            const QString nazwa = (k.NrKarty <= 3 ? QStringLiteral("Druga %1").arg(k.NrKarty) : QString())
                + (k.Odwrocona ? " (Odw.)" : "");
            QCOMPARE(f->NazwyKart[p], nazwa);
            QCOMPARE(f->Obrazki[p]->toolTip(), nazwa);
            QCOMPARE(f->Obrazki[p]->Obraz().size(), QSize(80, 122)); // deck 1 has every card
        }
    }

    void numerUkladuSpozaKataloguDajeUklad1_data()
    {
        QTest::addColumn<int>("nastUklad");
        QTest::addRow("default spread 0 deals spread 1") << 0;
        QTest::addRow("default spread 17 deals spread 1") << 17;
        QTest::addRow("default spread -5 deals spread 1") << -5;
    }
    void numerUkladuSpozaKataloguDajeUklad1()
    {
        QFETCH(int, nastUklad);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, nastUklad);
        QCOMPARE(f->AktualnyUklad, 1);
        QCOMPARE(f->LabelNazwaRozkl->text(), NazwaUkladu(1));
        QCOMPARE(Pokazane(f), LiczbaKart(1));
        QVERIFY(f->Nowy1->isEnabled());
        QVERIFY(t.komunikaty.isEmpty());
    }

    void dwaObrotyPrzywracajaKarte()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, 15);
        const TPozycja przed = f->Pozycje[1];
        const QImage obrazPrzed = f->Obrazki[1]->Obraz();
        const QString nazwaPrzed = f->NazwyKart[1];
        const QString prosta = QStringLiteral("Karta %1").arg(przed.NrKarty);
        const QImage prosty = ObrazZMagazynu(f, przed.NrKarty, 1, Kolumna800);

        f->Obrazki[1]->MenuOdwroc()->trigger(); // "Odwróć" of the card's popup menu
        QCOMPARE(f->Pozycje[1].Odwrocona, !przed.Odwrocona);
        QVERIFY(Odwrocony(f->Obrazki[1]->Obraz(), obrazPrzed));
        const QImage odwrocony = przed.Odwrocona ? obrazPrzed : f->Obrazki[1]->Obraz();
        QVERIFY(Odwrocony(odwrocony, prosty));
        const QString nazwaPo = przed.Odwrocona ? prosta : prosta + " (Odw.)";
        QCOMPARE(f->NazwyKart[1], nazwaPo);
        QCOMPARE(f->Obrazki[1]->toolTip(), nazwaPo);

        f->Obrazki[1]->MenuOdwroc()->trigger();
        QCOMPARE(f->Pozycje[1].Odwrocona, przed.Odwrocona);
        QCOMPARE(f->Obrazki[1]->Obraz(), obrazPrzed);
        QCOMPARE(f->NazwyKart[1], nazwaPrzed);
        QCOMPARE(f->Obrazki[1]->toolTip(), nazwaPrzed);
    }

    // One command starts while the other is still showing its cards; the
    // later one owns the table and nothing of the earlier one is left.
    void otwarcieIRozdanieNachodzaceNaSiebie_data()
    {
        QTest::addColumn<bool>("plikPozniej");
        QTest::addRow("a file opened in the middle of a deal replaces the deal") << true;
        QTest::addRow("a deal started in the middle of showing a file replaces the file") << false;
    }
    void otwarcieIRozdanieNachodzaceNaSiebie()
    {
        QFETCH(bool, plikPozniej);
        ProgramTestowy t;
        t.PrawdziwaPauza();
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        f->Talia = 1; // the fixture's deck (the default deck 3 is not in it)
        t.ustawienia()->UstawKluczTalii(1);
        const QString dziesiec = PlikUkladu(t.folder, "dziesiec.rzk", 1, 10,
                                            {{1, false},
                                             {2, true},
                                             {3, false},
                                             {4, false},
                                             {5, false},
                                             {6, false},
                                             {7, false},
                                             {8, false},
                                             {9, false},
                                             {10, false},
                                             {11, false}});
        const QString jedna = PlikUkladu(t.folder, "jedna.rzk", 1, 15, {{7, true}});
        QVERIFY(!dziesiec.isEmpty() && !jedna.isEmpty());
        bool pierwszeSkonczone = false;
        bool drugieSkonczone = false;
        if (plikPozniej) {
            f->NastUklad = 10;
            t.wybor.odpowiedzi << jedna;
            QTimer::singleShot(0, f, [&] {
                f->NowyRozklad();
                pierwszeSkonczone = true;
            });
            QTimer::singleShot(1200, f, [&] {
                f->Wczytaj->trigger();
                drugieSkonczone = true;
            });
        } else {
            f->NastUklad = 15;
            QTimer::singleShot(0, f, [&] {
                f->WczytajUklad(dziesiec);
                pierwszeSkonczone = true;
            });
            QTimer::singleShot(1200, f, [&] {
                f->Nowy1->trigger(); // enabled while a loaded file shows its cards
                drugieSkonczone = true;
            });
        }
        QTRY_VERIFY_WITH_TIMEOUT(pierwszeSkonczone && drugieSkonczone, 10000);

        QCOMPARE(f->AktualnyUklad, 15);
        QCOMPARE(f->LabelNazwaRozkl->text(), NazwaUkladu(15));
        if (plikPozniej)
            QCOMPARE(f->Pozycje[1].NrKarty, 7);
        const TPozycja k = f->Pozycje[1];
        const QImage prosty = ObrazZMagazynu(f, k.NrKarty, 1, Kolumna800);
        QVERIFY(k.Odwrocona ? Odwrocony(f->Obrazki[1]->Obraz(), prosty) : f->Obrazki[1]->Obraz() == prosty);
        const QString nazwa = QStringLiteral("Karta %1").arg(k.NrKarty) + (k.Odwrocona ? " (Odw.)" : "");
        QCOMPARE(f->NazwyKart[1], nazwa);
        QCOMPARE(f->Obrazki[1]->toolTip(), nazwa);
        QVERIFY(f->Etykiety[1]->isVisible());
        QCOMPARE(Pokazane(f), 1);
        for (int p = 2; p <= 15; ++p) {
            QVERIFY(!f->Obrazki[p]->isEnabled());
            QVERIFY(!f->Etykiety[p]->isVisible());
        }
        QVERIFY(f->Nowy1->isEnabled() && f->SpeedButton2->isEnabled() && f->Zapisz->isEnabled());
        QVERIFY(t.komunikaty.isEmpty());
    }

    void brakujacaKartaIZlyObrazekDajaPustke_data()
    {
        QTest::addColumn<int>("talia");
        QTest::addColumn<int>("nrKarty");
        QTest::addColumn<bool>("smieciWBazie");
        QTest::addColumn<QString>("nazwa");
        QTest::addRow("card 23 that deck 2 lacks shows no picture and no name") << 2 << 23 << false << QString();
        QTest::addRow("a picture field holding 4 garbage bytes shows no picture")
            << 1 << 4 << true << QStringLiteral("Karta 4");
    }
    void brakujacaKartaIZlyObrazekDajaPustke()
    {
        QFETCH(int, talia);
        QFETCH(int, nrKarty);
        QFETCH(bool, smieciWBazie);
        QFETCH(QString, nazwa);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        if (smieciWBazie) {
            QSqlQuery q(f->Magazyn().Baza());
            QVERIFY(q.exec("update kartygraf set Obrazek800 = x'00112233', Obrazek1024 = x'00112233', "
                           "ObrazekBig = x'00112233' where NrKarty = 4 and NumerTalii = 1"));
        }
        t.ustawienia()->UstawKluczTalii(talia);
        f->WczytajUklad(
            PlikUkladu(t.folder, "brak.rzk", talia, 2, {{1, false}, {nrKarty, true}, {2, false}, {3, false}}));
        QVERIFY(f->Obrazki[2]->Obraz().isNull());
        QCOMPARE(f->Obrazki[2]->size(), QSize(0, 0));
        QCOMPARE(f->NazwyKart[2], nazwa + " (Odw.)"); // the reversed mark stays
        QCOMPARE(f->Obrazki[2]->toolTip(), nazwa + " (Odw.)");
        QVERIFY(!f->Obrazki[1]->Obraz().isNull() && !f->Obrazki[3]->Obraz().isNull());
        // Turning it, composing the text and opening its description go on quietly.
        f->MenuItem1Click(2);
        QVERIFY(f->Obrazki[2]->Obraz().isNull());
        QCOMPARE(f->NazwyKart[2], nazwa);
        f->Interpretacja();
        QVERIFY(f->Memo1->toPlainText().contains("[2] Nagłówek 2\n" + nazwa + "\n"));
        QTimer::singleShot(100, f->Okna().Powieksz, [&] { f->Okna().Powieksz->close(); });
        f->Image2Click(2);
        QVERIFY(t.komunikaty.isEmpty());
    }

    // A card store that fails half-way through a deal: the failure is reported
    // once and the commands do not stay disabled.
    void bladMagazynuWTrakcieRozdania()
    {
        ProgramTestowy t;
        t.PrawdziwaPauza();
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        f->Talia = 1;
        f->NastUklad = 10;
        bool usunieta = false;
        QTimer::singleShot(700, f, [&] {
            QSqlQuery q(f->Magazyn().Baza());
            usunieta = q.exec("drop table kartygraf");
        });
        f->Nowy1->trigger();
        QVERIFY(usunieta);
        QCOMPARE(t.komunikaty.size(), 1);
        QVERIFY2(t.komunikaty[0].contains("kartygraf"), qPrintable(t.komunikaty[0]));
        QVERIFY(f->Nowy1->isEnabled() && f->SpeedButton6->isEnabled());
    }

    // Spread 2 with the fixture's headings: the text as the card store makes it.
    void interpretacjaWMemo1IPogrubienie()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        t.ustawienia()->UstawKluczTalii(1);
        f->WczytajUklad(PlikUkladu(t.folder, "dwa.rzk", 1, 2, {{5, false}, {7, false}, {9, true}, {11, false}}));
        QCOMPARE(f->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        f->Memo1->setPlainText("stary tekst");
        f->SpeedButton2->click();
        const QString oczekiwany = OpisUkladu(2)
            + "\n \n"
              "[1] Sygnifikator: Karta 5\nZnaczenie 5 proste\n\n"
              "[2] Nagłówek 2\nKarta 7\nZnaczenie 7 proste\n\n"
              "[3] Nagłówek 3\nKarta 9 (Odw.)\nZnaczenie 9 odwrócone\n\n"
              "[4] Nagłówek 4\nKarta 11\nZnaczenie 11 proste\n\n";
        QCOMPARE(f->Memo1->toPlainText(), oczekiwany);
        QCOMPARE(f->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

        f->PogrubNaglowki();
        QTextDocument *doc = f->Okna().Add->RichEdit1->document();
        QCOMPARE(doc->toPlainText(), oczekiwany);
        int pogrubione = 0;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const bool tytul = b.text().startsWith('[');
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const bool gruby = it.fragment().charFormat().fontWeight() >= QFont::Bold;
                QVERIFY2(gruby == tytul, qPrintable(b.text()));
            }
            pogrubione += tytul;
        }
        QCOMPARE(pogrubione, 4);
    }

    // Screen readers: each card a button named by its position, card and
    // orientation, kept true after a turn; pressing it opens the description.
    void klawiaturaSiegaTylkoPokazanychKart()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        t.PrawdziwaPauza(); // the keys meet a deal still running
        TForm1 *f = t.f();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        const int n = LiczbaKart(2);
        // The cards Tab reaches, going round the whole window twice.
        auto osiagalne = [f] {
            QSet<int> karty;
            f->Memo1->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 60; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (auto *k = qobject_cast<TObrazKarty *>(QApplication::focusWidget()))
                    karty << k->Pozycja();
            }
            return karty;
        };
        bool wTrakcie = false;
        QTimer::singleShot(0, f, [&] {
            // Only card 1 is shown yet; the others wait for their turn.
            QVERIFY(!f->Obrazki[1]->Obraz().isNull() && f->Obrazki[n]->Obraz().isNull());
            QCOMPARE(osiagalne(), QSet<int>{1});
            const TPozycja przed = f->Pozycje[n];
            f->Obrazki[n]->setFocus(Qt::OtherFocusReason); // however it got there
            QTest::keyClick(f->Obrazki[n], Qt::Key_Return);
            QTest::keyClick(f->Obrazki[n], Qt::Key_F10, Qt::ShiftModifier);
            QContextMenuEvent klawisz(QContextMenuEvent::Keyboard, QPoint(1, 1), f->Obrazki[n]->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(f->Obrazki[n], &klawisz);
            QCOMPARE(f->WybranaPozycja, 0);
            QVERIFY(!f->Okna().Powieksz->isVisible());
            QVERIFY(!f->Obrazki[n]->PopupMenu()->isVisible());
            QVERIFY(f->Obrazki[n]->Obraz().isNull()); // not revealed early
            QCOMPARE(f->Pozycje[n].Odwrocona, przed.Odwrocona);
            wTrakcie = true;
        });
        Rozdaj(f, 2);
        QVERIFY(wTrakcie);
        QSet<int> wszystkie;
        for (int p = 1; p <= n; ++p)
            wszystkie << p;
        QCOMPARE(osiagalne(), wszystkie);
    }

    void kartyDostepneDlaCzytnikaEkranu()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, 2);
        f->Obrazki[3]->MenuOdwroc()->trigger();
        for (int p = 1; p <= 4; ++p) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f->Obrazki[p]);
            QVERIFY(a);
            QCOMPARE(a->role(), QAccessible::Button);
            QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Pozycja %1: %2").arg(p).arg(f->NazwyKart[p]));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(f->Obrazki[3])->text(QAccessible::Name).endsWith(" (Odw.)"),
                 f->Pozycje[3].Odwrocona);
        f->SpeedButton11->setChecked(true); // unlocked: the description opens beside the table
        QAccessible::queryAccessibleInterface(f->Obrazki[4])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f->WybranaPozycja, 4);
        QVERIFY(f->Okna().Powieksz->isVisible());
        f->Okna().Powieksz->close();
    }

    void zmianaRozmiaruPrzestawiaKartyIChowaRamki()
    {
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        Rozdaj(f, 2);
        f->PokazRamki();
        QVERIFY(f->Ramki[1]->isVisible());
        const QPoint przed = f->Obrazki[1]->pos();
        f->showNormal();
        f->resize(1400, 1050);
        QTRY_VERIFY(f->RozmiarStolu().width() > 1000);
        std::array<QPoint, 16> miejsca{};
        UstawPozycjeObliczenia(2, 2, f->RozmiarStolu(), SzerokoscEkranu(), miejsca);
        QVERIFY(miejsca[1] != przed);
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(f->Obrazki[p]->pos(), miejsca[p]);
            QCOMPARE(f->Etykiety[p]->pos(), miejsca[p] + PrzesuniecieEtykiety(SzerokoscEkranu()));
            QVERIFY(f->Etykiety[p]->isVisible());
        }
        for (int p = 1; p <= 15; ++p)
            QVERIFY(!f->Ramki[p]->isVisible());
        for (int p = 5; p <= 15; ++p)
            QVERIFY(!f->Etykiety[p]->isVisible());
    }

    void ustawPrzyciskiPrzelaczaOsiemElementow_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("przelaczany");
        const char *przelaczane[] = {"SpeedButton2", "SpeedButton4", "SpeedButton5", "SpeedButton6",
                                     "Podglad",      "Drukuj",       "Nowy1",        "Zapisz"};
        const char *nietykane[] = {"SpeedButton1", "SpeedButton3",  "SpeedButton7",  "SpeedButton8",
                                   "SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton12",
                                   "Wczytaj",      "ZapiszdoTxt1",  "Wyjcie1",       "Help2",
                                   "About1",       "Samouczek1",    "Literatura1",   "Ankieta1"};
        for (const char *e : przelaczane)
            QTest::addRow("UstawPrzyciski switches %s", e) << QString(e) << true;
        for (const char *e : nietykane)
            QTest::addRow("UstawPrzyciski leaves %s alone", e) << QString(e) << false;
    }
    void ustawPrzyciskiPrzelaczaOsiemElementow()
    {
        QFETCH(QString, element);
        QFETCH(bool, przelaczany);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        QObject *e = Element(t.f(), element);
        QVERIFY(e);
        for (bool wlacz : {false, true, false}) {
            e->setProperty("enabled", !wlacz);
            t.f()->UstawPrzyciski(wlacz);
            QCOMPARE(e->property("enabled").toBool(), przelaczany ? wlacz : !wlacz);
        }
    }

    // Closing ends the deal at its next pause; the windows are destroyed only
    // after it has unwound. Kept last: "Wyjście" leaves the application's
    // quit flag set for the rest of the process.
    void zamkniecieWTrakcieRozdania_data()
    {
        QTest::addColumn<bool>("wyjscie");
        QTest::addRow("closing the main window in the middle of a deal ends it") << false;
        QTest::addRow("Wyjscie in the middle of a deal ends it") << true;
    }
    void zamkniecieWTrakcieRozdania()
    {
        QFETCH(bool, wyjscie);
        auto t = std::make_unique<ProgramTestowy>();
        t->PrawdziwaPauza();
        QVERIFY(t->Uruchom());
        TForm1 *f = t->f();
        f->NastUklad = 10;
        f->Talia = 1;
        f->UlozenieLosowo = true;
        bool skonczone = false;
        int pokazanePrzyZamknieciu = -1;
        qint64 poZamknieciu = -1;
        QElapsedTimer zegar;
        QTimer::singleShot(0, f, [&] {
            f->NowyRozklad();
            poZamknieciu = zegar.elapsed();
            skonczone = true;
        });
        QTimer::singleShot(800, f, [&] {
            pokazanePrzyZamknieciu = Pokazane(f);
            zegar.start();
            if (wyjscie)
                f->Wyjcie1->trigger();
            else
                f->close();
        });
        QTRY_VERIFY_WITH_TIMEOUT(skonczone, 4000);
        QVERIFY(f->Konczy());
        QVERIFY2(poZamknieciu < 700, qPrintable(QString::number(poZamknieciu)));
        QVERIFY(pokazanePrzyZamknieciu >= 1 && pokazanePrzyZamknieciu < 11);
        QCOMPARE(Pokazane(f), pokazanePrzyZamknieciu);
        QVERIFY(t->komunikaty.isEmpty());
        t.reset();
        QTest::qWait(50); // anything still queued for the destroyed windows
    }
};

QTEST_MAIN(TestOknoRozklad)
#include "tst_okno_rozklad.moc"
