#include "app/Ankieta.h"
#include "app/Program.h"
#include "app/UAbout.h"
#include "app/UPomoc.h"
#include "app/komunikaty.h"
#include "app/obszarpowiadomien.h"
#include "print/Uwydruki.h"
#include "settings/UUstawienia.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

// The main window's commands that are not about the spread itself: help
// window, F1, about box, questionnaire, minimising, print preview.
class TestPolecenia : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString folder;
    std::unique_ptr<TProgram> program;
    QStringList komunikaty;
    QList<QUrl> dokumenty;

    TForm1 *f() { return program->Form1(); }

    // Closes the next modal dialog that appears.
    static void zamknijNastepnyDialog(std::function<void(QDialog *)> zrob = {})
    {
        QTimer::singleShot(50, [zrob] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                if (zrob)
                    zrob(d);
                d->reject();
            }
        });
    }

private slots:
    void initTestCase()
    {
        UstawOdbiorceKomunikatow([this](const QString &t, const QString &) { komunikaty << t; });
        UstawOtwieraczDokumentow([this](const QUrl &u) {
            dokumenty << u;
            return true;
        });
        folder = TestSupport::UtworzFolderProgramu(dir.path());
        program = std::make_unique<TProgram>();
        QVERIFY(program->Uruchom(folder, nullptr));
    }
    void init()
    {
        komunikaty.clear();
        dokumenty.clear();
    }

    // The help pages the build ships, copied into the test's program folder,
    // and one page of the test's own with links of every kind.
    void skopiujPomoc()
    {
        const QDir zrodlo(TestSupport::programDir() + "/help");
        for (const QString &nazwa : zrodlo.entryList({"*.html"}, QDir::Files))
            QFile::copy(zrodlo.filePath(nazwa), folder + "/help/" + nazwa);
        QFile proba(folder + "/help/proba.html");
        QVERIFY(proba.open(QIODevice::WriteOnly));
        proba.write("<html><head><title>Próba</title></head><body>"
                    "<p><a href=\"Lomihlp.html#druk\">wewnetrzny</a></p>"
                    "<p><a href=\"#koniec\">kotwica</a></p>"
                    "<p><a href=\"https://example.org/runy\">zewnetrzny</a></p>"
                    "<p><a href=\"mailto:autor@example.org\">poczta</a></p>"
                    "<p><a href=\"../Data/inny.html\">pozafolderem</a></p>"
                    "<p><a href=\"brakujaca.html\">martwy</a></p>"
                    "<p>1</p><p>2</p><p>3</p><p id=\"koniec\">koniec</p></body></html>");
    }

    // Clicks the link whose text is tekst, as the mouse does.
    static void kliknijLink(QTextBrowser *przegladarka, const QString &tekst)
    {
        const QTextCursor c = przegladarka->document()->find(tekst);
        QVERIFY2(!c.isNull(), qPrintable(tekst));
        QTextCursor srodek(przegladarka->document());
        srodek.setPosition((c.selectionStart() + c.selectionEnd()) / 2);
        przegladarka->ensureCursorVisible();
        const QPoint punkt = przegladarka->cursorRect(srodek).center();
        QTest::mouseClick(przegladarka->viewport(), Qt::LeftButton, {}, punkt);
    }

    void dokumentyPomocy_data()
    {
        QTest::addColumn<QString>("polecenie");
        QTest::addColumn<QString>("plik");
        QTest::addRow("menu Pomoc shows the manual") << "Help2"
                                                     << "/help/Lomihlp.html";
        QTest::addRow("toolbar Pomoc shows the manual") << "SpeedButton9"
                                                        << "/help/Lomihlp.html";
        QTest::addRow("F1 shows the manual") << "F1"
                                             << "/help/Lomihlp.html";
        QTest::addRow("Shift+F1 shows the manual") << "Shift+F1"
                                                   << "/help/Lomihlp.html";
        QTest::addRow("Samouczek shows the tutorial") << "Samouczek1"
                                                      << "/help/samouczek.html";
        QTest::addRow("Literatura shows the reading list") << "Literatura1"
                                                           << "/help/literatura.html";
    }
    void dokumentyPomocy()
    {
        QFETCH(QString, polecenie);
        QFETCH(QString, plik);
        QVERIFY(QFile::exists(TestSupport::programDir() + plik)); // the build ships the page
        skopiujPomoc();
        if (f()->OknoPomocy())
            f()->OknoPomocy()->hide();
        f()->activateWindow();
        f()->Memo1->setFocus();
        if (polecenie == "Help2")
            f()->Help2->trigger();
        if (polecenie == "SpeedButton9")
            f()->SpeedButton9->click();
        if (polecenie == "F1")
            QTest::keyClick(f()->Memo1, Qt::Key_F1);
        if (polecenie == "Shift+F1")
            QTest::keyClick(f()->Memo1, Qt::Key_F1, Qt::ShiftModifier);
        if (polecenie == "Samouczek1")
            f()->Samouczek1->trigger();
        if (polecenie == "Literatura1")
            f()->Literatura1->trigger();
        // Shown in the program's own window, without asking the desktop.
        TFPomoc *pomoc = f()->OknoPomocy();
        QVERIFY(pomoc && pomoc->isVisible());
        QCOMPARE(pomoc->windowTitle(), QString("Pomoc"));
        QCOMPARE(pomoc->Przegladarka->source(), QUrl::fromLocalFile(folder + plik));
        QVERIFY(!pomoc->Przegladarka->documentTitle().isEmpty()); // the page itself, not an empty view
        QVERIFY(dokumenty.isEmpty());
        QVERIFY(komunikaty.isEmpty());
    }

    void linkiPomocy_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QUrl>("wOknie"); // the page then shown, or empty
        QTest::addColumn<QUrl>("pulpit"); // what the desktop is asked to open, or empty
        const QString help = folder + "/help/";
        QTest::addRow("a link to another help page opens it in the window") << "wewnetrzny" << [&] {
            QUrl u = QUrl::fromLocalFile(help + "Lomihlp.html");
            u.setFragment("druk");
            return u;
        }() << QUrl();
        QTest::addRow("a link to a place on the same page stays in the window") << "kotwica" << [&] {
            QUrl u = QUrl::fromLocalFile(help + "proba.html");
            u.setFragment("koniec");
            return u;
        }() << QUrl();
        QTest::addRow("a web link goes to the desktop browser")
            << "zewnetrzny" << QUrl::fromLocalFile(help + "proba.html") << QUrl("https://example.org/runy");
        QTest::addRow("a mail link goes to the desktop")
            << "poczta" << QUrl::fromLocalFile(help + "proba.html") << QUrl("mailto:autor@example.org");
        QTest::addRow("a page outside the help folder goes to the desktop")
            << "pozafolderem" << QUrl::fromLocalFile(help + "proba.html")
            << QUrl::fromLocalFile(folder + "/Data/inny.html");
        QTest::addRow("a missing help page changes nothing")
            << "martwy" << QUrl::fromLocalFile(help + "proba.html") << QUrl();
    }
    void linkiPomocy()
    {
        QFETCH(QString, link);
        QFETCH(QUrl, wOknie);
        QFETCH(QUrl, pulpit);
        skopiujPomoc();
        f()->Help2->trigger();
        TFPomoc *pomoc = f()->OknoPomocy();
        QVERIFY(pomoc);
        pomoc->Pokaz(folder + "/help/proba.html");
        QVERIFY(QTest::qWaitForWindowExposed(pomoc));
        kliknijLink(pomoc->Przegladarka, link);
        QCOMPARE(pomoc->Przegladarka->source(), wOknie);
        QCOMPARE(dokumenty, pulpit.isEmpty() ? QList<QUrl>{} : QList<QUrl>{pulpit});
        QVERIFY(komunikaty.isEmpty());
        // A page followed inside the window can be left again with "Wstecz".
        if (wOknie.fileName() == "Lomihlp.html") {
            QVERIFY(pomoc->Wstecz->isEnabled());
            pomoc->Wstecz->click();
            QCOMPARE(pomoc->Przegladarka->source(), QUrl::fromLocalFile(folder + "/help/proba.html"));
        }
    }

    void brakujacyDokumentBezKomunikatu()
    {
        // An empty help folder: the window says so, no message box comes up.
        QTemporaryDir inny;
        const QString pusty = TestSupport::UtworzFolderProgramu(inny.path());
        TProgram drugi;
        QVERIFY(drugi.Uruchom(pusty, nullptr));
        drugi.Form1()->Help2->trigger();
        TFPomoc *pomoc = drugi.Form1()->OknoPomocy();
        QVERIFY(pomoc && pomoc->isVisible());
        QVERIFY(pomoc->Przegladarka->toPlainText().contains("Lomihlp.html"));
        QVERIFY(komunikaty.isEmpty());
        QVERIFY(dokumenty.isEmpty());
    }

    void pomocZamykaSieZOknemGlownym()
    {
        QTemporaryDir inny;
        const QString drugiFolder = TestSupport::UtworzFolderProgramu(inny.path());
        TProgram drugi;
        QVERIFY(drugi.Uruchom(drugiFolder, nullptr));
        drugi.Form1()->SpeedButton9->click();
        QVERIFY(drugi.Form1()->OknoPomocy()->isVisible());
        QVERIFY(drugi.Form1()->close());
        QVERIFY(!drugi.Form1()->OknoPomocy()->isVisible());
    }

    void oProgramieIZamknij()
    {
        bool widoczne = false;
        zamknijNastepnyDialog([&](QDialog *d) {
            widoczne = qobject_cast<TFAbout *>(d) != nullptr;
            const auto przyciski = d->findChildren<QPushButton *>();
            QVERIFY(
                std::any_of(przyciski.begin(), przyciski.end(), [](QPushButton *b) { return b->text() == "Zamknij"; }));
        });
        f()->About1->trigger();
        QVERIFY(widoczne);
    }

    void ankietaBezPlikuZglaszaBlad()
    {
        QTemporaryDir pusty;
        const QString stary = QDir::currentPath();
        QDir::setCurrent(pusty.path());
        zamknijNastepnyDialog([](QDialog *d) {
            QCOMPARE(d->windowTitle(), QString("Ankieta"));
            static_cast<TFormAnkieta *>(d)->Otworz->click();
        });
        f()->Ankieta1->trigger();
        QDir::setCurrent(stary);
        QCOMPARE(komunikaty.size(), 1);
        QVERIFY(komunikaty.first().contains("ankieta.rtf"));
        QVERIFY(dokumenty.isEmpty());
    }

    void ankietaZPlikiemWFolderzeRoboczym()
    {
        QTemporaryDir roboczy;
        QFile plik(roboczy.filePath("ankieta.rtf"));
        QVERIFY(plik.open(QIODevice::WriteOnly));
        plik.write("{\\rtf1 x}");
        plik.close();
        const QString stary = QDir::currentPath();
        QDir::setCurrent(roboczy.path());
        TFormAnkieta ankieta;
        QVERIFY(ankieta.OtworzAnkiete());
        QDir::setCurrent(stary);
        QCOMPARE(dokumenty, QList<QUrl>{QUrl::fromLocalFile(plik.fileName())});
    }

    void minimalizacjaBezObszaruPowiadomienZostajeNaPasku()
    {
        // Hiding the window with no notification area would leave no way
        // back: the ordinary minimise stands.
        UstawObszarPowiadomien(0);
        f()->Okna().Ustawienia->UstawIndeksMinimalizacji(0);
        f()->showMinimized();
        QTest::qWait(50);
        QVERIFY(f()->isVisible());
        f()->Okna().Ustawienia->UstawIndeksMinimalizacji(1);
        f()->showMaximized();
        UstawObszarPowiadomien(-1);
    }

    void zwyklaMinimalizacjaNieWypelniaUstawien()
    {
        // A choice left in the settings window with Anuluj: spread 6, while
        // the setting stays at 1.
        f()->NastUklad = 1;
        f()->Okna().Ustawienia->UstawIndeksUkladu(5);
        // The window system's show after an ordinary minimise and restore.
        QShowEvent przywrocenie;
        QSpontaneKeyEvent::setSpontaneous(&przywrocenie);
        static_cast<QObject *>(f())->event(&przywrocenie);
        QCOMPARE(f()->Okna().Ustawienia->IndeksUkladu(), 5);
        // Shown again by the program after it was hidden: filled again.
        f()->hide();
        f()->show();
        QCOMPARE(f()->Okna().Ustawienia->IndeksUkladu(), 0);
    }

    void powrotZObszaruPowiadomienJakPrzedMinimalizacja_data()
    {
        QTest::addColumn<bool>("zmaksymalizowane");
        QTest::addRow("a restored window comes back restored") << false;
        QTest::addRow("a maximised window comes back maximised") << true;
    }
    void powrotZObszaruPowiadomienJakPrzedMinimalizacja()
    {
        QFETCH(bool, zmaksymalizowane);
        if (zmaksymalizowane)
            f()->showMaximized();
        else
            f()->showNormal();
        QCOMPARE(f()->isMaximized(), zmaksymalizowane);
        f()->showMinimized();
        f()->SchowajDoTraya();
        QTRY_VERIFY(!f()->isVisible());
        f()->Okna().Ustawienia->UstawIndeksUkladu(5);
        f()->WrocZTraya();
        QVERIFY(f()->isVisible());
        QVERIFY(!f()->isMinimized());
        QCOMPARE(f()->isMaximized(), zmaksymalizowane);
        QCOMPARE(f()->Okna().Ustawienia->IndeksUkladu(), f()->NastUklad - 1); // filled on the way back
        f()->showMaximized();
    }

    void podpisyOkienToIchWlasneTeksty()
    {
        // The desktop appends the application's display name to a caption
        // once one is set; the program leaves it unset, so that each
        // caption stays its own text alone.
        const QString nazwa = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("inna nazwa"));
        const QString wyswietlana = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(nazwa);
        QCOMPARE(wyswietlana, QStringLiteral("inna nazwa"));
        QCOMPARE(f()->windowTitle(), QString("Lomi"));
        QCOMPARE(f()->Okna().Ustawienia->windowTitle(), QString("Ustawienia"));
        QCOMPARE(f()->Okna().About->windowTitle(), QString("O programie"));
        QCOMPARE(f()->Okna().Ankieta->windowTitle(), QString("Ankieta"));
    }

    void podgladWydrukuPokazujeRozklad()
    {
        f()->NastUklad = 15;
        f()->UlozenieLosowo = true;
        f()->NowyRozklad();
        f()->Interpretacja();
        QVERIFY(f()->SpeedButton5->isEnabled());
        int strony = -1;
        zamknijNastepnyDialog([&](QDialog *d) {
            QVERIFY(qobject_cast<QPrintPreviewDialog *>(d));
            strony = d->findChild<QPrintPreviewWidget *>() ? d->findChild<QPrintPreviewWidget *>()->pageCount() : -1;
        });
        f()->SpeedButton5->click();
        QCOMPARE(strony, 1);
        QCOMPARE(f()->Okna().Wydruki->QuickRep1.tytul, QString("Rozkład \"Jedna karta\""));
        QVERIFY(komunikaty.isEmpty());
    }

    void drukowanieAnulowaneNicNieDrukuje()
    {
        zamknijNastepnyDialog();
        f()->SpeedButton4->click();
        QVERIFY(QDir(folder + "/Save").entryList({"*.pdf"}).isEmpty());
        QVERIFY(komunikaty.isEmpty());
    }
};

QTEST_MAIN(TestPolecenia)
#include "tst_okno_polecenia.moc"
