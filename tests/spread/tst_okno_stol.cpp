#include "oknoglowne.h"

#include "spread/ekran.h"
#include "spread/geometria.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

using namespace TestSupport;

namespace {

// Gives the main window the size whose table area is stol.
bool UstawStol(TForm1 *f, QSize stol)
{
    f->showNormal();
    const int nadStolem = f->centralWidget()->geometry().top() + 41;
    f->resize(stol.width() + 264, stol.height() + nadStolem);
    return QTest::qWaitFor([&] { return f->RozmiarStolu() == stol; });
}

// What the user would find wrong on the table, in words; empty when every
// card of the spread and its whole number are in sight and no card lies on
// another.
QString CoNieWidac(TForm1 *f)
{
    const QRect stol = f->Image16->geometry();
    const int n = LiczbaKart(f->AktualnyUklad);
    for (int p = 1; p <= n; ++p) {
        const QRect k = f->Obrazki[p]->geometry();
        const QLabel *e = f->Etykiety[p];
        if (!stol.contains(k))
            return QStringLiteral("card %1 at %2,%3 %4x%5 is not inside the table")
                .arg(p)
                .arg(k.x())
                .arg(k.y())
                .arg(k.width())
                .arg(k.height());
        if (!e->isVisible() || !stol.contains(e->geometry()))
            return QStringLiteral("number %1 is not in sight").arg(p);
        // The label is as high as its font's pixel size: the digits, not
        // the line spacing, must fit.
        if (e->sizeHint().width() > e->width()
            || QFontMetrics(e->font()).tightBoundingRect(e->text()).height() > e->height())
            return QStringLiteral("number %1 is cut").arg(p);
        for (int q = p + 1; q <= n; ++q)
            if (k.intersects(f->Obrazki[q]->geometry()))
                return QStringLiteral("cards %1 and %2 overlap").arg(p).arg(q);
    }
    return QString();
}

} // namespace

// The spread on the main window's table: every card and its number in sight,
// at full size wherever the table holds the spread.
class TestOknoStol : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { UstawSzerokoscEkranu(0); }

    void kartyINumeryNaStole_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("ekran");
        QTest::addColumn<QSize>("maly");
        QTest::addRow("Zdrowie on a maximised 1024x768 screen") << 5 << 1024 << QSize(760, 689);
        QTest::addRow("Praca i pieniądze on a maximised 800x600 screen") << 13 << 800 << QSize(536, 521);
        QTest::addRow("Piramida Wenus on a 1280x720 laptop with a top bar and a tall title bar")
            << 10 << 1280 << QSize(1016, 590);
    }
    void kartyINumeryNaStole()
    {
        QFETCH(int, n);
        QFETCH(int, ekran);
        QFETCH(QSize, maly);
        UstawSzerokoscEkranu(ekran);
        ProgramTestowy t;
        QVERIFY(t.Uruchom());
        TForm1 *f = t.f();
        QVERIFY(UstawStol(f, maly));
        Rozdaj(f, n);
        QCOMPARE(f->AktualnyUklad, n);

        // Too small for the spread as computed: shrunk as a whole, the
        // pictures too, every card and number in sight.
        std::array<QPoint, 16> wyliczone{};
        UstawPozycjeObliczenia(n, n, f->RozmiarStolu(), ekran, wyliczone);
        const QSize pelna = RozmiarRamki(ekran);
        const QString wszystko = CoNieWidac(f);
        QVERIFY2(wszystko.isEmpty(), qPrintable(wszystko));
        const QSize karta = f->Obrazki[1]->size();
        QVERIFY(karta.width() <= pelna.width() && karta.height() <= pelna.height());
        for (int p = 1; p <= LiczbaKart(n); ++p) {
            TObrazKarty *o = f->Obrazki[p];
            QCOMPARE(o->size(), karta);
            QCOMPARE(o->Obraz().size(), pelna); // the picture itself stays whole
            QCOMPARE(f->Etykiety[p]->height(), f->Etykiety[1]->height());
        }
        bool przesuniety = false;
        for (int p = 1; p <= LiczbaKart(n); ++p)
            przesuniety |= f->Obrazki[p]->pos() != wyliczone[p];
        QVERIFY(przesuniety);
        // What the user sees is the picture shrunk, not a corner of it.
        const QImage widac = f->Obrazki[1]->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage pomniejszony = f->Obrazki[1]
                                        ->Obraz()
                                        .scaled(karta, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                        .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(widac.pixel(karta.width() - 2, karta.height() - 2),
                 pomniejszony.pixel(karta.width() - 2, karta.height() - 2));
        // The frames of a manual arrangement mark the same places, at the same size.
        f->PokazRamki();
        for (int p = 1; p <= LiczbaKart(n); ++p)
            QCOMPARE(f->Ramki[p]->geometry(), f->Obrazki[p]->geometry());

        // A table that holds the spread shows it exactly as computed, at full size.
        QVERIFY(UstawStol(f, QSize(1656, 1001)));
        UstawPozycjeObliczenia(n, n, f->RozmiarStolu(), ekran, wyliczone);
        for (int p = 1; p <= LiczbaKart(n); ++p) {
            QCOMPARE(f->Obrazki[p]->pos(), wyliczone[p]);
            QCOMPARE(f->Obrazki[p]->size(), pelna);
            QCOMPARE(f->Etykiety[p]->pos(), wyliczone[p] + PrzesuniecieEtykiety(ekran));
            QCOMPARE(f->Etykiety[p]->height(), WysokoscEtykietyStolu);
            QCOMPARE(f->Etykiety[p]->font().pixelSize(), WysokoscEtykietyStolu);
            QVERIFY(f->Etykiety[p]->isVisible());
            QVERIFY(!f->Ramki[p]->isVisible());
        }
        QVERIFY(CoNieWidac(f).isEmpty());

        // And shrunk again when the window gets smaller.
        QVERIFY(UstawStol(f, maly));
        const QString znowu = CoNieWidac(f);
        QVERIFY2(znowu.isEmpty(), qPrintable(znowu));
        QCOMPARE(f->Obrazki[1]->size(), karta);
        QVERIFY(t.komunikaty.isEmpty());
    }
};

QTEST_MAIN(TestOknoStol)
#include "tst_okno_stol.moc"
