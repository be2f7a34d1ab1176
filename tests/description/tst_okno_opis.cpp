#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "description/UPowieksz.h"
#include "spread/ekran.h"
#include "store/magazyn.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

struct Karta
{
    int nr;
    QString nazwa;
    QString prosta;
    QString odwrocona;
    int odcien; // blue part of the picture: tells the cards apart
};

// Meanings as the store keeps them: lines end in CR LF.
const Karta Fehu{1, QStringLiteral("Fehu"), QStringLiteral("Dobytek.\r\nWpływ pieniędzy."), QStringLiteral("Strata."),
                 40};
const Karta Uruz{2, QStringLiteral("Uruz"), QStringLiteral("Siła."), QStringLiteral("Słabość.\r\nChoroba."), 200};
// A name that looks like placeholders: it must be shown literally.
const Karta Znaki{3, QStringLiteral("Runa %2 i %1"), QStringLiteral("Znak."), QStringLiteral("Brak znaku."), 120};
constexpr int Talia = 1;

// A picture that differs in every corner, so a turn shows.
QByteArray bmp(QSize rozmiar, int odcien)
{
    QImage o(rozmiar, QImage::Format_RGB888);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            o.setPixelColor(x, y, QColor(x * 255 / o.width(), y * 255 / o.height(), odcien));
    return TestSupport::Bmp(o);
}

QImage duzyObraz(const Karta &k)
{
    return QImage::fromData(bmp(QSize(169, 273), k.odcien), "BMP");
}

QStringList linie(const TFPowieksz &okno)
{
    return okno.Memo1->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class TestOknoOpis : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pokazujeKarteZPozycji_data();
    void pokazujeKarteZPozycji();
    void obrotPokazujeDrugaStroneINieRuszaStolu();
    void bezBlokadyKolejnaKartaWTymSamymOknie();
    void zBlokadaOknoJestModalne();
    void zamkniecieWracaDoKolumnyStolu_data();
    void zamkniecieWracaDoKolumnyStolu();

private:
    void otworz(int pozycja, const Karta &k, bool odwrocona);

    std::unique_ptr<QTemporaryDir> m_katalog;
    std::unique_ptr<MagazynKart> m_magazyn;
    std::unique_ptr<TForm1> m_glowna;
    TFPowieksz *m_opis = nullptr; // child of m_glowna
};

void TestOknoOpis::init()
{
    m_katalog = std::make_unique<QTemporaryDir>();
    const QString dane = m_katalog->path() + QStringLiteral("/Data/");
    QString blad;
    m_magazyn = TestSupport::UtworzMagazyn(dane, &blad);
    QVERIFY2(m_magazyn, qPrintable(blad));
    for (const Karta &k : {Fehu, Uruz, Znaki}) {
        m_magazyn->WstawKarte(k.nr, k.nr, Talia, QStringLiteral("Talia próbna"), k.nazwa);
        m_magazyn->ZapiszObrazyKarty(k.nr, Talia, k.nr, bmp(QSize(80, 122), k.odcien), bmp(QSize(114, 173), k.odcien),
                                     bmp(QSize(169, 273), k.odcien), QByteArray());
        for (bool odw : {false, true})
            m_magazyn->WstawZnaczenie(k.nr, odw, odw ? k.odwrocona : k.prosta);
    }
    // Single name lookups use the deck the last refresh of the names gave.
    m_magazyn->NazwaKarty(1, Talia);

    m_glowna = std::make_unique<TForm1>(m_katalog->path());
    m_glowna->PolaczMagazyn(m_magazyn.get());
    m_glowna->AktualnaTalia = Talia;
    m_glowna->Talia = Talia;
    m_opis = new TFPowieksz(*m_glowna, *m_magazyn, m_glowna.get());
    OknaProgramu okna;
    okna.Powieksz = m_opis;
    m_glowna->PolaczOkna(okna);
}

void TestOknoOpis::cleanup()
{
    m_glowna.reset();
    m_magazyn.reset();
    m_katalog.reset();
    UstawSzerokoscEkranu(0);
}

// Opens the window without the lock, as a click on the card does.
void TestOknoOpis::otworz(int pozycja, const Karta &k, bool odwrocona)
{
    m_glowna->Pozycje[size_t(pozycja)] = {k.nr, odwrocona};
    m_glowna->SpeedButton11->setChecked(true);
    m_glowna->Image2Click(pozycja);
    QVERIFY(m_opis->isVisible());
    // Activation rebuilds the content; let it happen before the test acts.
    QVERIFY(QTest::qWaitForWindowActive(m_opis));
}

void TestOknoOpis::pokazujeKarteZPozycji_data()
{
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<int>("nrKarty");
    QTest::addColumn<bool>("odwrocona");
    QTest::addColumn<QStringList>("tekst");
    QTest::addColumn<QImage>("obraz");

    QTest::addRow("karta prosta na pozycji 12 ma swój obraz i znaczenie proste")
        << 12 << 1 << false << QStringList{"Fehu (12)", " ", "Pozycja prosta: ", "Dobytek.", "Wpływ pieniędzy."}
        << duzyObraz(Fehu);
    QTest::addRow("karta odwrócona ma obraz obrócony i znaczenie odwrócone")
        << 3 << 2 << true << QStringList{"Uruz (3)", " ", "Pozycja odwrócona: ", "Słabość.", "Choroba."}
        << duzyObraz(Uruz).mirrored(true, true);
    QTest::addRow("nazwa z %%1 i %%2 stoi dosłownie, z numerem pozycji tylko w nawiasie")
        << 4 << 3 << false << QStringList{"Runa %2 i %1 (4)", " ", "Pozycja prosta: ", "Znak."} << duzyObraz(Znaki);
    QTest::addRow("karta spoza talii ma pusty obraz, pustą nazwę i sam nagłówek")
        << 5 << 7 << false << QStringList{" (5)", " ", "Pozycja prosta: "} << QImage();
}

void TestOknoOpis::pokazujeKarteZPozycji()
{
    QFETCH(int, pozycja);
    QFETCH(int, nrKarty);
    QFETCH(bool, odwrocona);
    QFETCH(QStringList, tekst);
    QFETCH(QImage, obraz);

    m_glowna->Pozycje[size_t(pozycja)] = {nrKarty, odwrocona};
    m_glowna->SpeedButton11->setChecked(true);
    m_glowna->Image2Click(pozycja);
    QVERIFY(m_opis->isVisible());

    QCOMPARE(linie(*m_opis), tekst);
    QCOMPARE(m_opis->OdwroconaWOpisie, odwrocona);
    QCOMPARE(m_glowna->Obrazki[16], m_opis->Image1);
    QCOMPARE(m_opis->Image1->Obraz(), obraz);
    if (odwrocona) {
        const QImage prosty = duzyObraz(Uruz);
        QCOMPARE(m_opis->Image1->Obraz().pixel(0, 0), prosty.pixel(prosty.width() - 1, prosty.height() - 1));
    }
    QCOMPARE(m_glowna->KolumnaObrazka, QStringLiteral("obrazekBig"));
}

void TestOknoOpis::obrotPokazujeDrugaStroneINieRuszaStolu()
{
    m_glowna->Pozycje[3] = {Uruz.nr, true};
    m_glowna->PokazKarte(3);
    const QImage naStole = m_glowna->Obrazki[3]->Obraz();
    otworz(3, Uruz, true);
    const QImage obrazPrzed = m_opis->Image1->Obraz();
    const QStringList tekstPrzed = linie(*m_opis);

    QTest::mouseClick(m_opis->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_opis->Image1->Obraz(), duzyObraz(Uruz));
    QCOMPARE(linie(*m_opis), (QStringList{"Uruz (3)", " ", "Pozycja prosta: ", "Siła."}));
    QVERIFY(!m_opis->OdwroconaWOpisie);
    QCOMPARE(m_opis->NazwaWOpisie, QStringLiteral("Uruz"));
    // The spread on the table stays as it lies.
    QVERIFY(m_glowna->Pozycje[3].Odwrocona);
    QCOMPARE(m_glowna->Pozycje[3].NrKarty, Uruz.nr);
    QCOMPARE(m_glowna->Obrazki[3]->Obraz(), naStole);

    QTest::mouseClick(m_opis->SpeedButton1, Qt::LeftButton);
    QCOMPARE(m_opis->Image1->Obraz(), obrazPrzed);
    QCOMPARE(linie(*m_opis), tekstPrzed);
    QVERIFY(m_opis->OdwroconaWOpisie);
}

void TestOknoOpis::bezBlokadyKolejnaKartaWTymSamymOknie()
{
    m_glowna->SpeedButton11->setChecked(true);
    m_glowna->AktualnyUklad = 3;
    m_glowna->Pozycje[1] = {Fehu.nr, false};
    m_glowna->Pozycje[2] = {Uruz.nr, false};
    m_glowna->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_glowna.get()));
    m_glowna->UstawPozycje(3);
    m_glowna->PokazKarte(1);
    m_glowna->PokazKarte(2);

    auto kliknij = [&](int p) {
        TObrazKarty *karta = m_glowna->Obrazki[size_t(p)];
        QTest::mouseClick(karta, Qt::LeftButton, {}, karta->rect().center());
    };
    kliknij(1);
    QVERIFY(m_opis->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_opis));
    QVERIFY(!QApplication::activeModalWidget()); // the table stays usable
    QVERIFY((m_opis->frameGeometry().center() - m_glowna->frameGeometry().center()).manhattanLength() <= 2);
    QCOMPARE(linie(*m_opis).first(), QStringLiteral("Fehu (1)"));
    QTest::mouseClick(m_opis->SpeedButton1, Qt::LeftButton);
    QCOMPARE(linie(*m_opis).at(2), QStringLiteral("Pozycja odwrócona: "));

    kliknij(2);
    QTRY_VERIFY(QApplication::activeWindow() == m_opis);
    QCOMPARE(m_glowna->WybranaPozycja, 2);
    QCOMPARE(linie(*m_opis), (QStringList{"Uruz (2)", " ", "Pozycja prosta: ", "Siła."}));
    QVERIFY(!m_opis->OdwroconaWOpisie); // the earlier turn is gone
    QCOMPARE(m_opis->Image1->Obraz(), duzyObraz(Uruz));
    int otwarte = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        otwarte += qobject_cast<TFPowieksz *>(w) && w->isVisible();
    QCOMPARE(otwarte, 1);

    // A card turned on the table switches the shared picture column to the
    // table's size; coming back to the window still shows the large picture,
    // and every activation rebuilds the content, forgetting a turn.
    QTest::mouseClick(m_opis->SpeedButton1, Qt::LeftButton);
    m_glowna->MenuItem1Click(1);
    QCOMPARE(m_glowna->KolumnaObrazka, QStringLiteral("Obrazek800"));
    QEvent aktywacja(QEvent::WindowActivate);
    QCoreApplication::sendEvent(m_opis, &aktywacja);
    QCOMPARE(m_opis->Image1->Obraz(), duzyObraz(Uruz));
    QCOMPARE(linie(*m_opis).at(2), QStringLiteral("Pozycja prosta: "));
}

void TestOknoOpis::zBlokadaOknoJestModalne()
{
    QVERIFY(m_glowna->OpisZablokowany()); // the lock is on by default
    m_glowna->Pozycje[4] = {Fehu.nr, true};
    bool sprawdzone = false;
    QTimer::singleShot(50, m_opis, [&] {
        QVERIFY(m_opis->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), m_opis);
        QCOMPARE(m_opis->focusWidget(), m_opis->Panel1); // no button has the focus
        QCOMPARE(linie(*m_opis), (QStringList{"Fehu (4)", " ", "Pozycja odwrócona: ", "Strata."}));
        QCOMPARE(m_opis->Image1->Obraz(), duzyObraz(Fehu).mirrored(true, true));
        sprawdzone = true;
        QTest::mouseClick(m_opis->SpeedButton2, Qt::LeftButton);
    });
    QTimer::singleShot(5000, m_opis, [&] { m_opis->reject(); }); // never hang the run
    m_glowna->Image2Click(4);
    QVERIFY(sprawdzone);
    QVERIFY(!m_opis->isVisible());
    QCOMPARE(m_glowna->KolumnaObrazka, QStringLiteral("Obrazek800"));
}

void TestOknoOpis::zamkniecieWracaDoKolumnyStolu_data()
{
    QTest::addColumn<int>("szerokosc");
    QTest::addColumn<QString>("sposob");
    QTest::addColumn<QString>("kolumna");

    QTest::addRow("na ekranie 800 przycisk zamykania wraca do Obrazek800") << 800 << "przycisk"
                                                                           << "Obrazek800";
    QTest::addRow("na ekranie 801 klawisz Escape wraca do Obrazek1024") << 801 << "Escape"
                                                                        << "Obrazek1024";
    QTest::addRow("na ekranie 1024 zamknięcie okna wraca do Obrazek1024") << 1024 << "close"
                                                                          << "Obrazek1024";
}

void TestOknoOpis::zamkniecieWracaDoKolumnyStolu()
{
    QFETCH(int, szerokosc);
    QFETCH(QString, sposob);
    QFETCH(QString, kolumna);

    UstawSzerokoscEkranu(szerokosc);
    otworz(2, Fehu, false);
    QCOMPARE(m_glowna->KolumnaObrazka, QStringLiteral("obrazekBig"));
    if (sposob == QLatin1String("przycisk"))
        QTest::mouseClick(m_opis->SpeedButton2, Qt::LeftButton);
    else if (sposob == QLatin1String("Escape"))
        QTest::keyClick(m_opis->focusWidget(), Qt::Key_Escape);
    else
        m_opis->close();
    QVERIFY(!m_opis->isVisible());
    QCOMPARE(m_glowna->KolumnaObrazka, kolumna);
}

QTEST_MAIN(TestOknoOpis)
#include "tst_okno_opis.moc"
