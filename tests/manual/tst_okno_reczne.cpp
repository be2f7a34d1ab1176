// The manual arrangement window driven inside the whole program: the modal
// window runs from the main window's own commands, with a small card store.
#include "app/Program.h"
#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "app/komunikaty.h"
#include "files/plikukladu.h"
#include "manual/UReczneMA.h"
#include "settings/UUstawienia.h"
#include "spread/katalog.h"
#include "store/magazyn.h"
#include "store/schemat.h"
#include "testsupport.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const int TaliaPelna = 3;  // 24 cards; the default deck of the settings
const int TaliaKrotka = 7; // 3 cards only

using TestSupport::Bmp;

QColor KolorKarty(int k)
{
    return QColor(10 * k, 240 - 8 * k, 90);
}

// One colour per card, with a white top-left corner that shows the turn.
QImage ObrazKarty(int k)
{
    QImage o(80, 122, QImage::Format_RGB32);
    o.fill(KolorKarty(k));
    o.setPixelColor(0, 0, Qt::white);
    return o;
}

const QColor IkonaWlaczona(20, 160, 40);
const QColor IkonaWylaczona(128, 128, 128);

QImage PasekIkony()
{
    QImage o(64, 32, QImage::Format_RGB32);
    o.fill(IkonaWlaczona);
    for (int y = 0; y < 32; ++y)
        for (int x = 32; x < 64; ++x)
            o.setPixelColor(x, y, IkonaWylaczona);
    return o;
}

QString NazwaKarty(int k)
{
    return k == 5 ? QStringLiteral("Raidho & Kenaz") : QStringLiteral("Karta %1").arg(k);
}

bool ZbudujMagazyn(const QString &folderDanych, QString *blad)
{
    auto m = TestSupport::UtworzMagazyn(folderDanych, blad);
    if (!m)
        return false;
    const QByteArray ikona = Bmp(PasekIkony());
    int id = 1;
    for (int k = 1; k <= 24; ++k, ++id) {
        const QByteArray obraz = Bmp(ObrazKarty(k));
        m->WstawKarte(id, k, TaliaPelna, QStringLiteral("Talia próbna"), NazwaKarty(k));
        // Card 24's icon is no picture at all.
        m->ZapiszObrazyKarty(id, TaliaPelna, k, obraz, obraz, obraz, k == 24 ? QByteArray("to nie obrazek") : ikona);
    }
    for (int k = 1; k <= 3; ++k, ++id) {
        m->WstawKarte(id, k, TaliaKrotka, QStringLiteral("Krótka"), QStringLiteral("Krótka %1").arg(k));
        m->ZapiszObrazyKarty(id, TaliaKrotka, k, {}, {}, {}, ikona);
    }
    return true;
}

// Runs akcja inside the window's modal loop. Whatever akcja leaves open is
// cancelled, so a failed check ends the test instead of hanging it.
std::shared_ptr<bool> WOknie(TFReczneMA *okno, std::function<void()> akcja, std::shared_ptr<bool> wykonano = {})
{
    if (!wykonano)
        wykonano = std::make_shared<bool>(false);
    QTimer::singleShot(0, okno, [okno, akcja, wykonano] {
        if (!okno->isVisible()) {
            WOknie(okno, akcja, wykonano);
            return;
        }
        *wykonano = true;
        akcja();
        if (okno->isVisible())
            okno->reject();
    });
    return wykonano;
}

QList<int> Wlaczone(const TFReczneMA &o)
{
    QList<int> k;
    for (int i = 1; i <= 24; ++i)
        if (o.PrzyciskiKart[i]->isEnabled())
            k << i;
    return k;
}

QList<int> WszystkieBez(std::initializer_list<int> bez)
{
    QList<int> k;
    for (int i = 1; i <= 24; ++i)
        if (std::find(bez.begin(), bez.end(), i) == bez.end())
            k << i;
    return k;
}

QString Naglowek(int p, int n)
{
    return QStringLiteral("Wybierz kartę <b>%1</b> z <b>%2</b>").arg(p).arg(n);
}

void Klik(TFReczneMA &o, int k)
{
    QTest::mouseClick(o.PrzyciskiKart[k], Qt::LeftButton);
}

QColor SrodekObrazka(const TObrazKarty *obraz)
{
    return obraz->Obraz().pixelColor(40, 61);
}

} // namespace

class TestOknoReczne : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void taliaDajePodpisyIIkony();
    void jednaKartaOdKliknieciaDoCofnij();
    void polozonaKartaIOrientacjaZMenu();
    void cofanieZPelnegoRozkladu();
    void anulowaniePodczasUkladania_data();
    void anulowaniePodczasUkladania();
    void wymianaKarty_data();
    void wymianaKarty();
    void ramkiZnikajaZNowymStolem_data();
    void ramkiZnikajaZNowymStolem();
    void zastapioneRozdanieNieWlaczaPolecen();

private:
    TForm1 &F() { return *m_program->Form1(); }
    TFReczneMA &O() { return *F().Okna().ReczneMA; }
    void NowyRecznie(int uklad);

    QTemporaryDir m_katalog;
    std::unique_ptr<TProgram> m_program;
    QStringList m_komunikaty;
};

void TestOknoReczne::initTestCase()
{
    QVERIFY(m_katalog.isValid());
    QVERIFY(QDir(m_katalog.path()).mkpath(QStringLiteral("Data")));
    QString blad;
    QVERIFY2(ZbudujMagazyn(m_katalog.path() + QStringLiteral("/Data/"), &blad), qPrintable(blad));
    UstawOdbiorceKomunikatow([this](const QString &tekst, const QString &) { m_komunikaty << tekst; });
    m_program = std::make_unique<TProgram>();
    QVERIFY2(m_program->Uruchom(m_katalog.path(), &blad), qPrintable(blad));
    QVERIFY(F().Okna().ReczneMA);
}

void TestOknoReczne::cleanup()
{
    // Nothing in these flows may end in a failure report.
    QCOMPARE(m_komunikaty, QStringList());
    m_komunikaty.clear();
    F().Okna().Ustawienia->UstawKluczTalii(TaliaPelna);
}

void TestOknoReczne::cleanupTestCase()
{
    m_program.reset();
    UstawOdbiorceKomunikatow({});
}

void TestOknoReczne::NowyRecznie(int uklad)
{
    F().UlozenieLosowo = false;
    F().Talia = TaliaPelna;
    F().NastUklad = uklad;
    F().NowyRozklad();
}

void TestOknoReczne::taliaDajePodpisyIIkony()
{
    // Before its first use the window offers the runes by name.
    TFReczneMA nowe(F(), *F().Okna().Ustawienia, F().Magazyn(), &F());
    QCOMPARE(nowe.PrzyciskiKart[1]->text(), QStringLiteral("&Fehu"));
    QCOMPARE(nowe.PrzyciskiKart[15]->text(), QStringLiteral("Elha&z"));
    QCOMPARE(nowe.PrzyciskiKart[24]->text(), QStringLiteral("&Othala"));
    QCOMPARE(nowe.windowTitle(), QStringLiteral("Ręczne ułkadanie kart"));
    QCOMPARE(nowe.size(), QSize(527, 292));
    QCOMPARE(nowe.PrzyciskiKart[10]->geometry(), QRect(32 + 56 * 1, 16 + 56 * 1, 56, 56));

    TFReczneMA &o = O();
    auto w = WOknie(&o, [&] {
        QCOMPARE(o.PrzyciskiKart[1]->text(), QStringLiteral("Karta 1"));
        QCOMPARE(o.PrzyciskiKart[5]->text(), QStringLiteral("Raidho && Kenaz"));
        const QIcon ikona = o.PrzyciskiKart[1]->icon();
        QCOMPARE(ikona.pixmap(32, 32, QIcon::Normal).toImage().pixelColor(16, 16), IkonaWlaczona);
        QCOMPARE(ikona.pixmap(32, 32, QIcon::Disabled).toImage().pixelColor(16, 16), IkonaWylaczona);
        QVERIFY(o.PrzyciskiKart[24]->icon().isNull());
        QCOMPARE(o.PrzyciskiKart[24]->text(), QStringLiteral("Karta 24"));
        QVERIFY(o.PrzyciskiKart[24]->isEnabled());
    });
    NowyRecznie(15);
    QVERIFY(*w);

    // A deck of three rows leaves the other buttons as they were, enabled.
    F().Okna().Ustawienia->UstawKluczTalii(TaliaKrotka);
    w = WOknie(&o, [&] {
        QCOMPARE(o.PrzyciskiKart[3]->text(), QStringLiteral("Krótka 3"));
        QCOMPARE(o.PrzyciskiKart[4]->text(), QStringLiteral("Karta 4"));
        QCOMPARE(Wlaczone(o), WszystkieBez({}));
    });
    NowyRecznie(15);
    QVERIFY(*w);
}

void TestOknoReczne::jednaKartaOdKliknieciaDoCofnij()
{
    TForm1 &f = F();
    TFReczneMA &o = O();
    auto w = WOknie(&o, [&] {
        QVERIFY(!o.Wymiana());
        QCOMPARE(o.Naglowek->text(), Naglowek(1, 1));
        QVERIFY(!o.OK->isEnabled());
        QVERIFY(!o.Cofnij->isEnabled());
        QCOMPARE(Wlaczone(o), WszystkieBez({}));
        QVERIFY(f.Ramki[1]->isVisible());
        QCOMPARE(f.Ramki[1]->Kolor(), QColor(255, 255, 0));

        Klik(o, 7);
        QVERIFY(o.OK->isEnabled());
        QVERIFY(o.Cofnij->isEnabled());
        QCOMPARE(Wlaczone(o), QList<int>());
        QCOMPARE(f.Pozycje[1].NrKarty, 7);
        QVERIFY(!f.Pozycje[1].Odwrocona);
        QCOMPARE(SrodekObrazka(f.Obrazki[1]), KolorKarty(7));
        QCOMPARE(f.Obrazki[1]->Obraz().pixelColor(0, 0), QColor(Qt::white));
        QVERIFY(f.Etykiety[1]->isVisible());

        QTest::mouseClick(o.Cofnij, Qt::LeftButton);
        QVERIFY(f.Obrazki[1]->Obraz().isNull());
        QVERIFY(!f.Etykiety[1]->isVisible());
        QVERIFY(!o.Cofnij->isEnabled());
        QVERIFY(!o.OK->isEnabled());
        QCOMPARE(o.NrPozycji, 1);
        QCOMPARE(o.Naglowek->text(), Naglowek(1, 1));
        QCOMPARE(Wlaczone(o), WszystkieBez({}));

        Klik(o, 9);
        QTest::mouseClick(o.OK, Qt::LeftButton);
    });
    NowyRecznie(15);
    QVERIFY(*w);
    QVERIFY(!o.isVisible());
    QCOMPARE(o.result(), int(QDialog::Accepted));
    QCOMPARE(f.Pozycje[1].NrKarty, 9);
    QCOMPARE(f.NazwyKart[1], QStringLiteral("Karta 9"));
    QVERIFY(f.Nowy1->isEnabled());
    QVERIFY(f.SpeedButton2->isEnabled());
    QVERIFY(!f.WymianaKarty);
}

void TestOknoReczne::polozonaKartaIOrientacjaZMenu()
{
    TForm1 &f = F();
    TFReczneMA &o = O();
    auto w = WOknie(&o, [&] {
        Klik(o, 5);
        QCOMPARE(o.NrPozycji, 2);
        Klik(o, 5); // lies on position 1: no second copy
        QCOMPARE(o.NrPozycji, 2);
        QVERIFY(!o.PrzyciskiKart[5]->isEnabled());

        // The popup of card 6 offers the other orientation and lays nothing.
        QVERIFY(!o.Prosta1->isVisible());
        const QPoint p(10, 10);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, p, o.PrzyciskiKart[6]->mapToGlobal(p));
        QApplication::sendEvent(o.PrzyciskiKart[6], &menu);
        QVERIFY(o.PopupMenu1->isVisible());
        QVERIFY(o.Odwrocona1->isVisible());
        QTest::mouseClick(o.PopupMenu1, Qt::LeftButton, {}, o.PopupMenu1->actionGeometry(o.Odwrocona1).center());
        QVERIFY(!o.PopupMenu1->isVisible());
        QCOMPARE(o.NrPozycji, 2);
        QVERIFY(o.PrzyciskiKart[6]->isEnabled());
        QVERIFY(o.Odwrocona->isChecked());
        QVERIFY(!o.Prosta->isChecked());
        QVERIFY(o.Prosta1->isVisible());
        QVERIFY(!o.Odwrocona1->isVisible());

        Klik(o, 6);
        QCOMPARE(f.Pozycje[2].NrKarty, 6);
        QVERIFY(f.Pozycje[2].Odwrocona);
        QCOMPARE(f.Obrazki[2]->Obraz().pixelColor(79, 121), QColor(Qt::white)); // turned
        QCOMPARE(o.Naglowek->text(), Naglowek(3, 4));
        Klik(o, 8); // the orientation stays for the next card
        QVERIFY(f.Pozycje[3].Odwrocona);

        QTest::mouseClick(o.Cofnij, Qt::LeftButton);
        QCOMPARE(Wlaczone(o), WszystkieBez({5, 6}));
        QVERIFY(f.Obrazki[3]->Obraz().isNull());
        QCOMPARE(o.Naglowek->text(), Naglowek(3, 4));

        QTest::mouseClick(o.Prosta, Qt::LeftButton);
        QVERIFY(!o.Odwrocona->isChecked());
        QVERIFY(o.Odwrocona1->isVisible());
        Klik(o, 8);
        Klik(o, 9);
        QTest::mouseClick(o.OK, Qt::LeftButton);
    });
    NowyRecznie(2);
    QVERIFY(*w);
    QCOMPARE(o.result(), int(QDialog::Accepted));
    const std::array<std::pair<int, bool>, 4> oczekiwane{{{5, false}, {6, true}, {8, false}, {9, false}}};
    for (int p = 1; p <= 4; ++p) {
        QCOMPARE(f.Pozycje[p].NrKarty, oczekiwane[p - 1].first);
        QCOMPARE(f.Pozycje[p].Odwrocona, oczekiwane[p - 1].second);
    }
    QCOMPARE(f.NazwyKart[2], QStringLiteral("Karta 6 (Odw.)"));
}

void TestOknoReczne::cofanieZPelnegoRozkladu()
{
    TForm1 &f = F();
    TFReczneMA &o = O();
    auto w = WOknie(&o, [&] {
        Klik(o, 2);
        Klik(o, 4);
        Klik(o, 6);
        QCOMPARE(Wlaczone(o), QList<int>());
        QVERIFY(o.OK->isEnabled());

        QTest::mouseClick(o.Cofnij, Qt::LeftButton);
        QCOMPARE(Wlaczone(o), WszystkieBez({2, 4}));
        QCOMPARE(o.Naglowek->text(), Naglowek(3, 3));
        QVERIFY(!o.OK->isEnabled());
        QVERIFY(o.Cofnij->isEnabled());
        QCOMPARE(f.Ramki[3]->Kolor(), QColor(255, 255, 0));
        QCOMPARE(f.Ramki[2]->Kolor(), QColor(0, 128, 128));

        QTest::mouseClick(o.Cofnij, Qt::LeftButton);
        QCOMPARE(Wlaczone(o), WszystkieBez({2}));
        QCOMPARE(o.Naglowek->text(), Naglowek(2, 3));

        Klik(o, 10);
        Klik(o, 11);
        QTest::mouseClick(o.OK, Qt::LeftButton);
    });
    NowyRecznie(16);
    QVERIFY(*w);
    QCOMPARE(f.Pozycje[1].NrKarty, 2);
    QCOMPARE(f.Pozycje[2].NrKarty, 10);
    QCOMPARE(f.Pozycje[3].NrKarty, 11);
}

void TestOknoReczne::anulowaniePodczasUkladania_data()
{
    QTest::addColumn<int>("polozone");
    QTest::addColumn<bool>("escape");
    QTest::addRow("Anuluj przed pierwszą kartą zostawia pusty stół") << 0 << false;
    QTest::addRow("Anuluj po dwóch kartach zdejmuje je ze stołu") << 2 << false;
    QTest::addRow("Anuluj po całym rozkładzie zdejmuje go ze stołu") << 4 << false;
    QTest::addRow("Escape po dwóch kartach działa jak Anuluj") << 2 << true;
}

void TestOknoReczne::anulowaniePodczasUkladania()
{
    QFETCH(int, polozone);
    QFETCH(bool, escape);
    TForm1 &f = F();
    TFReczneMA &o = O();
    // Whatever an earlier spread left in the positions goes too.
    for (int p = 1; p <= 15; ++p)
        f.Pozycje[p] = {p, true};
    auto w = WOknie(&o, [&] {
        for (int k = 1; k <= polozone; ++k)
            Klik(o, 10 + k);
        if (escape)
            QTest::keyClick(&o, Qt::Key_Escape);
        else
            QTest::mouseClick(o.Anuluj, Qt::LeftButton);
        QVERIFY(!o.isVisible());
    });
    NowyRecznie(2);
    QVERIFY(*w);
    QCOMPARE(o.result(), int(QDialog::Rejected));
    for (int p = 1; p <= 15; ++p) {
        QCOMPARE(f.Pozycje[p].NrKarty, -1);
        QVERIFY(!f.Pozycje[p].Odwrocona);
        QVERIFY(f.Obrazki[p]->Obraz().isNull());
        QVERIFY(!f.Obrazki[p]->isEnabled());
        QVERIFY(!f.Etykiety[p]->isVisible());
        QVERIFY(!f.Ramki[p]->isVisible());
    }
    QVERIFY(f.Nowy1->isEnabled());
    QVERIFY(f.SpeedButton6->isEnabled());
    for (QAction *a : {f.Podglad, f.Drukuj, f.Zapisz})
        QVERIFY(!a->isEnabled());
    for (QToolButton *b : {f.SpeedButton2, f.SpeedButton4, f.SpeedButton5})
        QVERIFY(!b->isEnabled());
    QVERIFY(!f.WymianaKarty);
}

void TestOknoReczne::wymianaKarty_data()
{
    QTest::addColumn<bool>("cofnij");
    QTest::addColumn<QString>("koniec");
    QTest::addColumn<int>("karta");
    QTest::addColumn<bool>("odwrocona");
    QTest::addRow("wybór i Anuluj przywracają poprzednią kartę") << false << "Anuluj" << 12 << false;
    QTest::addRow("wybór i Escape przywracają poprzednią kartę") << false << "Escape" << 12 << false;
    QTest::addRow("wybór i OK zostawiają nową kartę") << false << "OK" << 20 << true;
    QTest::addRow("Cofnij, drugi wybór i OK zostawiają drugą kartę") << true << "OK" << 21 << true;
}

void TestOknoReczne::wymianaKarty()
{
    QFETCH(bool, cofnij);
    QFETCH(QString, koniec);
    QFETCH(int, karta);
    QFETCH(bool, odwrocona);
    TForm1 &f = F();
    TFReczneMA &o = O();
    // A four-position spread as a spread file may leave it: position 2 holds
    // a card number no button stands for.
    f.AktualnyUklad = 2;
    f.AktualnaTalia = TaliaPelna;
    const std::array<TPozycja, 4> stol{{{5, false}, {99, false}, {12, false}, {17, true}}};
    for (int p = 1; p <= 4; ++p) {
        f.Pozycje[p] = stol[p - 1];
        f.PokazKarte(p);
        f.Etykiety[p]->show();
    }
    f.UstawPrzyciski(true);

    auto w = WOknie(&o, [&] {
        QVERIFY(o.Wymiana());
        QCOMPARE(o.NrPozycji, 3);
        QCOMPARE(Wlaczone(o), WszystkieBez({5, 12, 17}));
        QVERIFY(!o.OK->isEnabled());
        QVERIFY(!o.Cofnij->isEnabled());

        QTest::mouseClick(o.Odwrocona, Qt::LeftButton);
        Klik(o, 20);
        QCOMPARE(f.Pozycje[3].NrKarty, 20);
        QVERIFY(f.Pozycje[3].Odwrocona);
        QCOMPARE(SrodekObrazka(f.Obrazki[3]), KolorKarty(20));
        QCOMPARE(Wlaczone(o), QList<int>());
        QVERIFY(o.OK->isEnabled());
        if (cofnij) {
            QTest::mouseClick(o.Cofnij, Qt::LeftButton);
            QCOMPARE(Wlaczone(o), WszystkieBez({5, 17, 20}));
            QVERIFY(o.OK->isEnabled());
            QVERIFY(!o.Cofnij->isEnabled());
            QCOMPARE(f.Pozycje[3].NrKarty, 20);
            Klik(o, 21);
        }
        if (koniec == QLatin1String("OK"))
            QTest::mouseClick(o.OK, Qt::LeftButton);
        else if (koniec == QLatin1String("Escape"))
            QTest::keyClick(&o, Qt::Key_Escape);
        else
            QTest::mouseClick(o.Anuluj, Qt::LeftButton);
    });
    f.Wymiekart1Click(3);
    QVERIFY(*w);
    QCOMPARE(f.Pozycje[3].NrKarty, karta);
    QCOMPARE(f.Pozycje[3].Odwrocona, odwrocona);
    QCOMPARE(SrodekObrazka(f.Obrazki[3]), KolorKarty(karta));
    QCOMPARE(f.NazwyKart[3], QStringLiteral("Karta %1%2").arg(karta).arg(odwrocona ? " (Odw.)" : ""));
    QVERIFY(f.Obrazki[3]->isEnabled());
    QVERIFY(f.Etykiety[3]->isVisible());
    // The rest of the table is untouched, and so are the commands.
    QCOMPARE(f.Pozycje[2].NrKarty, 99);
    QCOMPARE(f.Pozycje[4].NrKarty, 17);
    QCOMPARE(SrodekObrazka(f.Obrazki[1]), KolorKarty(5));
    QVERIFY(f.SpeedButton2->isEnabled());
    QVERIFY(!f.WymianaKarty);
}

void TestOknoReczne::ramkiZnikajaZNowymStolem_data()
{
    QTest::addColumn<bool>("zPliku");
    QTest::addRow("a random spread after an arrangement ended with OK has no frames") << false;
    QTest::addRow("a spread file opened after an arrangement ended with OK has no frames") << true;
}

void TestOknoReczne::ramkiZnikajaZNowymStolem()
{
    QFETCH(bool, zPliku);
    TForm1 &f = F();
    TFReczneMA &o = O();
    const int n = LiczbaKart(2);
    auto w = WOknie(&o, [&] {
        for (int k = 1; k <= n; ++k)
            Klik(o, k);
        QTest::mouseClick(o.OK, Qt::LeftButton);
    });
    NowyRecznie(2);
    QVERIFY(*w);
    QVERIFY(f.Ramki[n]->isVisible()); // the laid spread keeps its frames

    if (zPliku) {
        StanUkladu s;
        s.AktualnaTalia = TaliaPelna;
        s.AktualnyUklad = 15;
        s.Pozycje[1] = {3, false};
        const QString plik = m_katalog.filePath(QStringLiteral("jedna.rzk"));
        QVERIFY(ZapiszUkladDoPliku(plik, s));
        f.WczytajUklad(plik);
    } else {
        f.UlozenieLosowo = true;
        f.NastUklad = 15;
        f.NowyRozklad();
    }
    QVERIFY(!f.Obrazki[1]->Obraz().isNull());
    for (int p = 1; p <= 15; ++p)
        QVERIFY2(!f.Ramki[p]->isVisible(), qPrintable(QString::number(p)));
}

void TestOknoReczne::zastapioneRozdanieNieWlaczaPolecen()
{
    // A random deal; while it shows its cards a card is replaced (which
    // enables the commands) and a new spread laid by hand is cancelled. The
    // first deal, ending last, must leave the empty table's commands off.
    TForm1 &f = F();
    TFReczneMA &o = O();
    f.UlozenieLosowo = true;
    f.Talia = TaliaPelna;
    f.NastUklad = 2;
    bool wTrakcie = false;
    QTimer::singleShot(0, &f, [&] {
        QVERIFY(!f.Obrazki[1]->Obraz().isNull());
        WOknie(&o, [] {}); // the replacement window, cancelled
        f.Obrazki[1]->MenuWymien()->trigger();
        QVERIFY(f.SpeedButton6->isEnabled());
        f.UlozenieLosowo = false;
        WOknie(&o, [] {}); // the new arrangement, cancelled
        f.SpeedButton6->click();
        wTrakcie = true;
    });
    f.NowyRozklad();
    QVERIFY(wTrakcie);
    for (int p = 1; p <= 15; ++p)
        QVERIFY(f.Obrazki[p]->Obraz().isNull());
    for (QToolButton *b : {f.SpeedButton2, f.SpeedButton4, f.SpeedButton5})
        QVERIFY2(!b->isEnabled(), qPrintable(b->toolTip()));
    for (QAction *a : {f.Podglad, f.Drukuj, f.Zapisz})
        QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
    QVERIFY(f.SpeedButton6->isEnabled() && f.Nowy1->isEnabled());
}

QTEST_MAIN(TestOknoReczne)
#include "tst_okno_reczne.moc"
