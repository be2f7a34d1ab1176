#include "fixture.h"

#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "app/komunikaty.h"
#include "files/wyborpliku.h"
#include "settings/UUstawienia.h"
#include "settings/import.h"
#include "spread/katalog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace Fixture;

namespace {

class SkryptWyboru : public WyborPliku
{
public:
    QStringList odpowiedzi;
    QString PlikDoZapisu(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString PlikDoOdczytu(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString DowolnyPlik(QWidget *, const QString &) override
    {
        return odpowiedzi.isEmpty() ? QString() : odpowiedzi.takeFirst();
    }
};

using Komunikaty = QList<QPair<QString, QString>>;

// A program folder with a store of four decks and three backgrounds, the main
// window and the settings window wired as at start-up.
struct Program
{
    QTemporaryDir tmp;
    std::unique_ptr<MagazynKart> magazyn;
    SkryptWyboru wybor;
    std::unique_ptr<TForm1> glowna;
    TFUstawienia *okno = nullptr;

    explicit Program(int talia = 2, int stolik = 3)
    {
        magazyn = Magazyn(tmp.path(), 4, 3);
        glowna = std::make_unique<TForm1>(tmp.path());
        glowna->PolaczMagazyn(magazyn.get());
        glowna->Talia = talia;
        glowna->Stolik = stolik;
        okno = new TFUstawienia(*glowna, *magazyn, wybor, glowna.get());
        OknaProgramu okna;
        okna.Ustawienia = okno;
        glowna->PolaczOkna(okna);
    }
    QString Plik(const QString &nazwa) const { return tmp.path() + QLatin1Char('/') + nazwa; }
};

// Clicks the button once its modal dialog is open.
void KliknijGdyOtwarte(QPushButton *przycisk)
{
    QTimer::singleShot(20, przycisk, [przycisk] {
        if (przycisk->window()->isVisible())
            przycisk->click();
        else
            KliknijGdyOtwarte(przycisk);
    });
}

void ZapiszJpeg(const QString &plik, int szerokosc)
{
    QImage obraz(szerokosc, 20, QImage::Format_RGB32);
    obraz.fill(Qt::darkCyan);
    QVERIFY(obraz.save(plik, "JPG"));
}

} // namespace

class TestOknoUstawienia : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wyglad();
    void wyborPrzyUtworzeniu_data();
    void wyborPrzyUtworzeniu();
    void okZapisujeTloIKladzieJeNaStol();
    void okGdyTlaNieDaSieZapisac();
    void anulujNieZmieniaUstawien();
    void rundaUstawien_data();
    void rundaUstawien();
    void miniaturaUkladu();
    void import_data();
    void import();

private:
    Komunikaty m_komunikaty;
};

void TestOknoUstawienia::init()
{
    m_komunikaty.clear();
    UstawOdbiorceKomunikatow([this](const QString &t, const QString &s) { m_komunikaty.append({t, s}); });
}

void TestOknoUstawienia::cleanup()
{
    UstawOdbiorceKomunikatow({});
}

void TestOknoUstawienia::wyglad()
{
    Program p;
    TFUstawienia &o = *p.okno;
    o.show();
    QCOMPARE(o.windowTitle(), QStringLiteral("Ustawienia"));
    QCOMPARE(o.size(), QSize(451, 201));
    QCOMPARE(o.minimumSize(), o.maximumSize());
    const Qt::WindowFlags flagi = o.windowFlags();
    QVERIFY(flagi & Qt::CustomizeWindowHint);
    QVERIFY(!(flagi & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QStringList grupy;
    for (auto *g : o.findChildren<QGroupBox *>())
        grupy << g->title() + QStringLiteral("|%1x%2").arg(g->width()).arg(g->height());
    QCOMPARE(grupy,
             (QStringList{QStringLiteral(" Szczegóły |441x89"), QStringLiteral(" Ułożenie |230x61"),
                          QStringLiteral(" Minimalizacja|207x61")}));
    for (QComboBox *c : {o.DBLookupComboBox1, o.ComboBox2, o.DBLookupComboBox2})
        QCOMPARE(c->width(), 140);
    QCOMPARE(o.DBImage1->size(), QSize(49, 65));
    QCOMPARE(o.ImgUklad->size(), QSize(64, 64));
    QCOMPARE(o.DBImage2->size(), QSize(80, 64));
    QVERIFY(o.DBImage1->hasScaledContents() && o.DBImage2->hasScaledContents() && !o.ImgUklad->hasScaledContents());

    QStringList przyciski;
    for (QPushButton *b : {o.BitBtn3, o.BitBtnload, o.BitBtn1, o.BitBtn2}) {
        QCOMPARE(b->size(), QSize(79, 38));
        przyciski << b->text() + QLatin1Char('|') + b->toolTip();
    }
    QCOMPARE(przyciski,
             (QStringList{QStringLiteral("Stoliki|Załaduj nowy stolik"), QStringLiteral("Karty|Załaduj nową talię"),
                          QStringLiteral("OK|"), QStringLiteral("Anuluj|")}));
    QVERIFY(o.BitBtn3->x() < o.BitBtnload->x() && o.BitBtnload->x() < o.BitBtn1->x()
            && o.BitBtn1->x() < o.BitBtn2->x());
    QVERIFY(o.BitBtn2->geometry().right() >= 440);

    QStringList radia;
    for (QButtonGroup *g : {o.RGUlozenie, o.RGmini})
        for (int i = 0; i < 2; ++i)
            radia << g->button(i)->text();
    QCOMPARE(radia,
             (QStringList{QStringLiteral("Ułóż karty losowo"), QStringLiteral("Ręczne ułożenie kart"),
                          QStringLiteral("do ikony na pasku zadań"), QStringLiteral("na pasek zadań")}));

    QStringList uklady;
    for (int n = 1; n <= 16; ++n)
        uklady << o.NazwaUkladu(n);
    QCOMPARE(uklady, NazwyUkladow());
    QVERIFY(o.NazwaUkladu(0).isEmpty() && o.NazwaUkladu(17).isEmpty());
    QVERIFY(!o.ComboBox1->isVisible());
    QCOMPARE((QStringList{o.TytulTalii(1), o.TytulTalii(2), o.TytulTalii(3), o.TytulTalii(4), o.TytulTalii(5)}),
             (QStringList{QStringLiteral("Kamienne runy"), QStringLiteral("Drewniane runy"),
                          QStringLiteral("Runy z kości"), QStringLiteral("Złote runy nocy"), QString()}));

    // Nothing clipped: every text fits its control, every control its parent.
    for (QWidget *w : o.findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(w->metaObject()->className()));
        const QString tekst = w->property("text").toString();
        if ((qobject_cast<QLabel *>(w) || qobject_cast<QRadioButton *>(w)) && !tekst.isEmpty())
            QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(tekst));
    }
}

void TestOknoUstawienia::wyborPrzyUtworzeniu_data()
{
    QTest::addColumn<int>("talia");
    QTest::addColumn<int>("stolik");
    QTest::addColumn<QString>("tekstTalii");
    QTest::addColumn<QString>("tekstTla");
    QTest::addRow("the stored deck and background are selected with their previews")
        << 2 << 3 << QStringLiteral("Talia 2") << QStringLiteral("Stół 3");
    QTest::addRow("a deck and background missing from the store leave the lists empty and come back unchanged")
        << 9 << 42 << QString() << QString();
}

void TestOknoUstawienia::wyborPrzyUtworzeniu()
{
    QFETCH(int, talia);
    QFETCH(int, stolik);
    QFETCH(QString, tekstTalii);
    QFETCH(QString, tekstTla);
    Program p(talia, stolik);
    TFUstawienia &o = *p.okno;
    QCOMPARE(o.TekstTalii(), tekstTalii);
    QCOMPARE(o.DBLookupComboBox1->currentText(), tekstTalii);
    QCOMPARE(o.DBLookupComboBox2->currentText(), tekstTla);
    QCOMPARE(o.KluczTalii(), talia);
    QCOMPARE(o.KluczTla(), stolik);
    QCOMPARE(o.DBImage1->pixmap().toImage().size(), QImage::fromData(p.magazyn->Koszulka(talia)).size());
    QCOMPARE(o.DBImage2->pixmap().isNull(), tekstTla.isEmpty());
    if (!tekstTla.isEmpty())
        QCOMPARE(o.DBImage2->pixmap().toImage().size(), QImage::fromData(p.magazyn->ObrazTla(stolik, true)).size());

    p.glowna->Talia = p.glowna->Stolik = 0;
    KliknijGdyOtwarte(o.BitBtn1);
    p.glowna->ZmienUstawienia();
    QCOMPARE(p.glowna->Talia, talia);
    QCOMPARE(p.glowna->Stolik, stolik);
    // A background without a picture does not wipe the background cache.
    QCOMPARE(QFile::exists(p.Plik(QStringLiteral("tmptlo.bmp"))), !tekstTla.isEmpty());
}

void TestOknoUstawienia::okZapisujeTloIKladzieJeNaStol()
{
    Program p(2, 3);
    TFUstawienia &o = *p.okno;
    o.DBLookupComboBox2->setCurrentIndex(o.DBLookupComboBox2->findData(2));
    o.DBLookupComboBox1->setCurrentIndex(o.DBLookupComboBox1->findData(4));
    for (int i = 1; i <= 15; ++i)
        p.glowna->Ramki[i]->show();
    const QByteArray tlo = p.magazyn->ObrazTla(2, false);

    KliknijGdyOtwarte(o.BitBtn1);
    p.glowna->ZmienUstawienia();
    QCOMPARE(Czytaj(p.Plik(QStringLiteral("tmptlo.bmp"))), tlo);
    QCOMPARE(p.glowna->Image16->Obraz(), QImage::fromData(tlo));
    for (int i = 1; i <= 15; ++i)
        QVERIFY(p.glowna->Ramki[i]->isHidden());
    QCOMPARE(p.glowna->Stolik, 2);
    QCOMPARE(p.glowna->Talia, 4);
    QVERIFY(m_komunikaty.isEmpty());

    // OK without a change writes the cache again from the store.
    QVERIFY(QFile::remove(p.Plik(QStringLiteral("tmptlo.bmp"))));
    p.glowna->Image16->UstawObraz(QImage());
    KliknijGdyOtwarte(o.BitBtn1);
    p.glowna->ZmienUstawienia();
    QCOMPARE(Czytaj(p.Plik(QStringLiteral("tmptlo.bmp"))), tlo);
    QCOMPARE(p.glowna->Image16->Obraz(), QImage::fromData(tlo));
}

void TestOknoUstawienia::okGdyTlaNieDaSieZapisac()
{
    Program p(2, 3);
    // A folder where the cache file should be: the write cannot succeed.
    QVERIFY(QDir().mkpath(p.Plik(QStringLiteral("tmptlo.bmp"))));
    p.okno->DBLookupComboBox2->setCurrentIndex(0);
    KliknijGdyOtwarte(p.okno->BitBtn1);
    p.glowna->ZmienUstawienia();
    QCOMPARE(m_komunikaty.size(), 1);
    QVERIFY2(m_komunikaty[0].first.contains(QStringLiteral("tmptlo.bmp")), qPrintable(m_komunikaty[0].first));
    QVERIFY(p.glowna->Image16->Obraz().isNull());
    QCOMPARE(p.glowna->Stolik, 1); // reported, and the dialog still closed with OK
}

void TestOknoUstawienia::anulujNieZmieniaUstawien()
{
    Program p(2, 3);
    p.glowna->NastUklad = 4;
    p.glowna->UlozenieLosowo = true;
    p.glowna->MinimalizacjaDoTraya = false;
    p.glowna->WypelnijUstawienia();
    TFUstawienia &o = *p.okno;
    o.ComboBox2->setCurrentIndex(9);
    o.DBLookupComboBox1->setCurrentIndex(o.DBLookupComboBox1->findData(1));
    o.DBLookupComboBox2->setCurrentIndex(o.DBLookupComboBox2->findData(1));
    o.RGUlozenie->button(1)->setChecked(true);
    o.RGmini->button(0)->setChecked(true);

    KliknijGdyOtwarte(o.BitBtn2);
    p.glowna->ZmienUstawienia();
    QCOMPARE(p.glowna->NastUklad, 4);
    QCOMPARE(p.glowna->Talia, 2);
    QCOMPARE(p.glowna->Stolik, 3);
    QCOMPARE(p.glowna->UlozenieLosowo, true);
    QCOMPARE(p.glowna->MinimalizacjaDoTraya, false);
    QVERIFY(!QFile::exists(p.Plik(QStringLiteral("tmptlo.bmp"))));
    // The controls keep the choice for the next opening and the live reads.
    QCOMPARE(o.IndeksUkladu(), 9);
    QCOMPARE(o.KluczTalii(), 1);
    QCOMPARE(o.TekstTalii(), QStringLiteral("Talia 1"));
    QCOMPARE(o.KluczTla(), 1);
    QCOMPARE(o.IndeksUlozenia(), 1);
    QCOMPARE(o.IndeksMinimalizacji(), 0);
}

void TestOknoUstawienia::rundaUstawien_data()
{
    QTest::addColumn<int>("talia");
    QTest::addColumn<int>("uklad");
    QTest::addColumn<int>("stolik");
    QTest::addColumn<bool>("losowo");
    QTest::addColumn<bool>("doTraya");
    QTest::addColumn<int>("ukladPoOk");
    QTest::addRow("deck 1, spread 1, background 1, random, taskbar") << 1 << 1 << 1 << true << false << 1;
    QTest::addRow("deck 4, spread 16, background 3, by hand, notification area") << 4 << 16 << 3 << false << true << 16;
    QTest::addRow("a spread outside 1 to 16 selects nothing and leaves the setting alone")
        << 3 << 17 << 2 << true << true << 7;
}

void TestOknoUstawienia::rundaUstawien()
{
    QFETCH(int, talia);
    QFETCH(int, uklad);
    QFETCH(int, stolik);
    QFETCH(bool, losowo);
    QFETCH(bool, doTraya);
    QFETCH(int, ukladPoOk);
    Program p;
    TForm1 &g = *p.glowna;
    g.Talia = talia;
    g.NastUklad = uklad;
    g.Stolik = stolik;
    g.UlozenieLosowo = losowo;
    g.MinimalizacjaDoTraya = doTraya;
    g.WypelnijUstawienia();
    TFUstawienia &o = *p.okno;
    QCOMPARE(o.KluczTalii(), talia);
    QCOMPARE(o.TekstTalii(), QStringLiteral("Talia %1").arg(talia));
    QCOMPARE(o.IndeksUkladu(), uklad <= 16 ? uklad - 1 : -1);
    QCOMPARE(o.IndeksMinimalizacji(), doTraya ? 0 : 1);

    g.Talia = g.Stolik = 0;
    g.NastUklad = 7;
    g.UlozenieLosowo = !losowo;
    g.MinimalizacjaDoTraya = !doTraya;
    KliknijGdyOtwarte(o.BitBtn1);
    g.ZmienUstawienia();
    QCOMPARE(g.Talia, talia);
    QCOMPARE(g.NastUklad, ukladPoOk);
    QCOMPARE(g.Stolik, stolik);
    QCOMPARE(g.UlozenieLosowo, losowo);
    QCOMPARE(g.MinimalizacjaDoTraya, doTraya);
}

void TestOknoUstawienia::miniaturaUkladu()
{
    Program p;
    TFUstawienia &o = *p.okno;
    QDir().mkpath(p.Plik(QStringLiteral("miniatury")));
    ZapiszJpeg(p.Plik(QStringLiteral("miniatury/1uklad.jpg")), 11);
    ZapiszJpeg(p.Plik(QStringLiteral("miniatury/16uklad.jpg")), 26);
    Zapisz(p.Plik(QStringLiteral("miniatury/4uklad.jpg")), "to nie jest obraz");
    auto szerokosc = [&] { return o.ImgUklad->pixmap().isNull() ? 0 : o.ImgUklad->pixmap().width(); };

    o.UstawIndeksUkladu(0);
    QCOMPARE(szerokosc(), 0); // loaded when shown, not before
    o.show();
    QCOMPARE(szerokosc(), 11);
    o.ComboBox2->setCurrentIndex(15);
    QCOMPARE(szerokosc(), 26); // "16uklad.jpg": two digits, no leading zero
    o.ComboBox2->setCurrentIndex(1);
    QCOMPARE(szerokosc(), 26); // no file: the old picture stays
    o.ComboBox2->setCurrentIndex(3);
    QCOMPARE(szerokosc(), 26); // not a picture: the old picture stays
    QVERIFY(m_komunikaty.isEmpty());

    o.hide();
    o.ComboBox2->setCurrentIndex(0);
    ZapiszJpeg(p.Plik(QStringLiteral("miniatury/1uklad.jpg")), 13);
    o.show(); // every showing reads the file again
    QCOMPARE(szerokosc(), 13);
}

void TestOknoUstawienia::import_data()
{
    QTest::addColumn<bool>("talia");
    QTest::addColumn<int>("wariant"); // 0 complete, 1 a picture missing, 2 chooser cancelled
    QTest::addColumn<int>("wpisy");
    QTest::addColumn<QString>("wSzczegolach"); // empty: no failure message
    QTest::addRow("a complete deck is listed at once and the selection stays") << true << 0 << 5 << QString();
    QTest::addRow("a deck with a missing picture is reported and not listed")
        << true << 1 << 4 << QStringLiteral("07.bmp");
    QTest::addRow("cancelling the deck chooser leaves no trace after the hint") << true << 2 << 4 << QString();
    QTest::addRow("complete backgrounds are listed at once and the selection stays") << false << 0 << 6 << QString();
    QTest::addRow("backgrounds before a missing picture are listed and the failure reported")
        << false << 1 << 5 << QStringLiteral("tlo_3.bmp");
    QTest::addRow("cancelling the background chooser leaves no trace after the hint") << false << 2 << 3 << QString();
}

void TestOknoUstawienia::import()
{
    QFETCH(bool, talia);
    QFETCH(int, wariant);
    QFETCH(int, wpisy);
    QFETCH(QString, wSzczegolach);
    Program p(2, 3);
    TFUstawienia &o = *p.okno;
    const QString folder = p.Plik(QStringLiteral("pobrane"));
    QString opis;
    if (talia) {
        ZrobTalie(folder, Cp1250(QStringLiteral("Bursztyn\r\nŁzy\r\n")),
                  wariant == 1 ? QStringList{"07.bmp"} : QStringList{});
        opis = folder + QStringLiteral("/talia.txt");
    } else {
        ZrobTla(folder, "Las\r\nMorze\r\nPiasek\r\n", {1, 2, wariant == 1 ? 9 : 3}, {1, 2, 3});
        opis = folder + QStringLiteral("/stoliki.txt");
    }
    if (wariant != 2)
        p.wybor.odpowiedzi << opis;

    (talia ? o.BitBtnload : o.BitBtn3)->click();

    QVERIFY(!m_komunikaty.isEmpty());
    const QStringList linie = m_komunikaty[0].first.split(QStringLiteral("\n\r"));
    QCOMPARE(linie.size(), 3);
    QCOMPARE(linie[0],
             talia ? QStringLiteral("Wskaż plik \"talia.txt\" z informacją o nowej talii kart.")
                   : QStringLiteral("Wskaż plik \"stoliki.txt\" z informacją o nowych stolikach."));
    QCOMPARE(linie[1], QStringLiteral("Jeżeli nie posiadasz takiego pliku, możesz go znaleźć na stronie:"));
    QVERIFY2(linie[2].contains(QStringLiteral("dodatki.html")), qPrintable(linie[2]));
    if (wSzczegolach.isEmpty()) {
        QCOMPARE(m_komunikaty.size(), 1);
    } else {
        QCOMPARE(m_komunikaty.size(), 2);
        QCOMPARE(m_komunikaty[1].first, QStringLiteral("Nieprawidlowy format danych"));
        QVERIFY2(m_komunikaty[1].second.contains(wSzczegolach), qPrintable(m_komunikaty[1].second));
    }

    QComboBox *lista = talia ? o.DBLookupComboBox1 : o.DBLookupComboBox2;
    QCOMPARE(lista->count(), wpisy);
    QCOMPARE(lista->currentData().toInt(), talia ? 2 : 3);
    QCOMPARE(talia ? o.KluczTalii() : o.KluczTla(), talia ? 2 : 3);
    if (talia && wariant == 0) {
        QCOMPARE(lista->itemText(4), QStringLiteral("Bursztyn"));
        QCOMPARE(lista->itemData(4).toInt(), 5);
    }
    if (!talia && wariant == 0)
        QCOMPARE(lista->itemText(4), QStringLiteral("Morze"));
}

QTEST_MAIN(TestOknoUstawienia)
#include "tst_okno_ustawienia.moc"
