#include "app/Ankieta.h"
#include "app/Program.h"
#include "app/UAbout.h"
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
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The main window's commands that are not about the spread itself: help
// documents, F1, about box, questionnaire, minimising, print preview.
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
        UstawOtwieraczDokumentow([this](const QUrl &u) { dokumenty << u; return true; });
        folder = TestSupport::UtworzFolderProgramu(dir.path());
        program = std::make_unique<TProgram>();
        QVERIFY(program->Uruchom(folder, nullptr));
    }
    void init()
    {
        komunikaty.clear();
        dokumenty.clear();
    }

    void dokumentyPomocy_data()
    {
        QTest::addColumn<QString>("polecenie");
        QTest::addColumn<QString>("plik");
        QTest::addRow("menu Pomoc opens the manual") << "Help2" << "/help/Lomihlp.html";
        QTest::addRow("toolbar Pomoc opens the manual") << "SpeedButton9" << "/help/Lomihlp.html";
        QTest::addRow("Samouczek opens the tutorial") << "Samouczek1" << "/help/samouczek.html";
        QTest::addRow("Literatura opens the reading list") << "Literatura1" << "/help/literatura.html";
    }
    void dokumentyPomocy()
    {
        QFETCH(QString, polecenie);
        QFETCH(QString, plik);
        if (polecenie == "Help2") f()->Help2->trigger();
        if (polecenie == "SpeedButton9") f()->SpeedButton9->click();
        if (polecenie == "Samouczek1") f()->Samouczek1->trigger();
        if (polecenie == "Literatura1") f()->Literatura1->trigger();
        QCOMPARE(dokumenty, QList<QUrl>{QUrl::fromLocalFile(folder + plik)});
        QVERIFY(komunikaty.isEmpty());
        QVERIFY(QFile::exists(TestSupport::programDir() + plik)); // the build ships the page
    }

    void f1OtwieraPomocRazNaNacisniecie()
    {
        f()->activateWindow();
        f()->Memo1->setFocus();
        QTest::keyClick(f()->Memo1, Qt::Key_F1);
        QTest::keyClick(f()->Memo1, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(dokumenty.size(), 2);
        QCOMPARE(dokumenty.first(), QUrl::fromLocalFile(folder + "/help/Lomihlp.html"));
    }

    void oProgramieIZamknij()
    {
        bool widoczne = false;
        zamknijNastepnyDialog([&](QDialog *d) {
            widoczne = qobject_cast<TFAbout *>(d) != nullptr;
            const auto przyciski = d->findChildren<QPushButton *>();
            QVERIFY(std::any_of(przyciski.begin(), przyciski.end(),
                                [](QPushButton *b) { return b->text() == "Zamknij"; }));
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
