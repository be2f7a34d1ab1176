#include "spread/geometria.h"
#include "spread/katalog.h"

#include <QtTest>

namespace {
// Marks a corner nothing has written, to see which positions were left alone.
const QPoint Nietkniety(-777, -777);

// Number labels at full size: "1".."9" and "10".."15" in 19-pixel bold, a
// little wider than the table's font draws them.
std::array<QSize, 16> Etykiety()
{
    std::array<QSize, 16> e{};
    for (int p = 1; p <= 15; ++p)
        e[p] = QSize(p < 10 ? 12 : 24, WysokoscEtykietyStolu);
    return e;
}

// The table area below the 41-pixel toolbar, in the main window's client area.
QRect Stol(QSize rozmiar)
{
    return QRect(QPoint(0, 41), rozmiar);
}

// What the user would find wrong with the spread on the table, in words;
// empty when every card and its number are in sight.
QString CoNieWidac(int n, const QRect &stol, const std::array<QPoint, 16> &rogi, const QSize &karta,
                   const QPoint &przesuniecie, double skala)
{
    const std::array<QSize, 16> pelne = Etykiety();
    auto etykieta = [&](int p) {
        const QSize e = pelne[p];
        const QSize r =
            skala < 1 ? QSize(int(std::ceil(e.width() * skala)) + 1, std::max(1, qRound(e.height() * skala))) : e;
        return QRect(rogi[p] + przesuniecie, r);
    };
    auto poza = [&](const QRect &r) {
        const int lewo = stol.left() - r.left(), gora = stol.top() - r.top();
        const int prawo = r.x() + r.width() - (stol.x() + stol.width());
        const int dol = r.y() + r.height() - (stol.y() + stol.height());
        QStringList s;
        if (lewo > 0)
            s << QStringLiteral("%1 px left of").arg(lewo);
        if (gora > 0)
            s << QStringLiteral("%1 px above").arg(gora);
        if (prawo > 0)
            s << QStringLiteral("%1 px right of").arg(prawo);
        if (dol > 0)
            s << QStringLiteral("%1 px below").arg(dol);
        return s.join(QStringLiteral(", "));
    };
    const int liczba = LiczbaKart(n);
    for (int p = 1; p <= liczba; ++p) {
        const QRect k(rogi[p], karta);
        if (const QString w = poza(k); !w.isEmpty())
            return QStringLiteral("card %1 reaches %2 the table").arg(p).arg(w);
        if (const QString w = poza(etykieta(p)); !w.isEmpty())
            return QStringLiteral("number %1 reaches %2 the table").arg(p).arg(w);
        for (int q = p + 1; q <= liczba; ++q)
            if (k.intersects(QRect(rogi[q], karta)))
                return QStringLiteral("cards %1 and %2 overlap").arg(p).arg(q);
    }
    return QString();
}

// The checks every layout of spread n on a table must pass: everything in
// sight; the computed layout untouched where it was already in sight;
// otherwise the spread's own arrangement shrunk as a whole, no more than needed.
void SprawdzUlozenie(int n, QSize rozmiar, int ekran)
{
    const QRect stol = Stol(rozmiar);
    std::array<QPoint, 16> wyliczone{};
    UstawPozycjeObliczenia(n, n, rozmiar, ekran, wyliczone);
    const QString przed = CoNieWidac(n, stol, wyliczone, RozmiarRamki(ekran), PrzesuniecieEtykiety(ekran), 1.0);

    std::array<QPoint, 16> rogi{};
    const UlozenieNaStole u = UlozNaStole(n, n, stol, ekran, Etykiety(), rogi);
    const QString opis = QStringLiteral("spread %1, table %2x%3, screen %4: ")
                             .arg(n)
                             .arg(rozmiar.width())
                             .arg(rozmiar.height())
                             .arg(ekran);
    const QString po = CoNieWidac(n, stol, rogi, u.karta, u.przesuniecieEtykiety, u.skala);
    QVERIFY2(po.isEmpty(), qPrintable(opis + po));

    if (przed.isEmpty()) {
        QCOMPARE(u.skala, 1.0);
        QCOMPARE(rogi, wyliczone);
        QCOMPARE(u.karta, RozmiarRamki(ekran));
        QCOMPARE(u.przesuniecieEtykiety, PrzesuniecieEtykiety(ekran));
        QCOMPARE(u.wysokoscEtykiety, WysokoscEtykietyStolu);
        return;
    }
    QVERIFY2(u.skala > 0 && u.skala <= 1, qPrintable(opis + QString::number(u.skala)));
    QCOMPARE(u.karta, WSkali(RozmiarRamki(ekran), u.skala));
    const QPointF d = PrzesuniecieEtykiety(ekran);
    QVERIFY(qAbs(u.przesuniecieEtykiety.x() - d.x() * u.skala) <= 0.5);
    QVERIFY(qAbs(u.przesuniecieEtykiety.y() - d.y() * u.skala) <= 0.5);
    QCOMPARE(u.wysokoscEtykiety, std::max(1, qRound(WysokoscEtykietyStolu * u.skala)));
    // The spread keeps its own shape: every place relative to the first is
    // the constants' distance, widened on wide screens, times the scale.
    const double k = SzerokiEkran(ekran) ? 1.4 : 1.0;
    const StalaPozycji s1 = StalaUkladu(n, 1);
    for (int p = 2; p <= LiczbaKart(n); ++p) {
        const StalaPozycji s = StalaUkladu(n, p);
        const QPoint r = rogi[p] - rogi[1];
        QVERIFY2(qAbs(r.x() - k * (s.L - s1.L) * u.skala) <= 1 && qAbs(r.y() - k * (s.T - s1.T) * u.skala) <= 1,
                 qPrintable(opis + QStringLiteral("position %1 out of shape").arg(p)));
    }
    // Shrunk no more than needed: the spread then fills the table's width or
    // height but for the margin.
    if (u.skala < 1) {
        int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
        for (int p = 1; p <= LiczbaKart(n); ++p) {
            x0 = std::min(x0, rogi[p].x());
            y0 = std::min(y0, rogi[p].y());
            x1 = std::max({x1, rogi[p].x() + u.karta.width(), rogi[p].x() + u.przesuniecieEtykiety.x() + 1});
            y1 = std::max(
                {y1, rogi[p].y() + u.karta.height(), rogi[p].y() + u.przesuniecieEtykiety.y() + u.wysokoscEtykiety});
        }
        QVERIFY2(x1 - x0 >= rozmiar.width() - 2 * 10 - 4 || y1 - y0 >= rozmiar.height() - 2 * 10 - 4,
                 qPrintable(opis + QStringLiteral("shrunk to %1, more than needed").arg(u.skala)));
    }
}
}

class TstGeometria : public QObject
{
    Q_OBJECT
private slots:
    void zaokraglanie_data();
    void zaokraglanie();
    void pozycja_data();
    void pozycja();
    void etykietaIRamka_data();
    void etykietaIRamka();
    void etykietaPrzykladu();
    void naStole_data();
    void naStole();
    void naStoleKazdejWielkosci_data();
    void naStoleKazdejWielkosci();
    void bezUkladuNicNieZmienia();
};

void TstGeometria::zaokraglanie_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("wynik");
    QTest::addRow("2.5 goes down to even 2") << 2.5 << 2;
    QTest::addRow("3.5 goes up to even 4") << 3.5 << 4;
    QTest::addRow("-0.5 goes to 0") << -0.5 << 0;
    QTest::addRow("-1.5 goes to -2") << -1.5 << -2;
    QTest::addRow("0.5 goes to 0") << 0.5 << 0;
    QTest::addRow("-23.33 goes to -23") << -140.0 / 6 << -23;
    QTest::addRow("114.8 goes to 115") << 82 * 1.4 << 115;
    QTest::addRow("303.8 goes to 304") << 217 * 1.4 << 304;
}

void TstGeometria::zaokraglanie()
{
    QFETCH(double, x);
    QFETCH(int, wynik);
    QCOMPARE(ZaokraglijR(x), wynik);
}

void TstGeometria::pozycja_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("aktualny");
    QTest::addColumn<QSize>("stol");
    QTest::addColumn<int>("ekran");
    QTest::addColumn<int>("p");
    QTest::addColumn<QPoint>("lewyGorny"); // x = left, y = top

    QTest::addRow("worked example: spread 2 position 1 on a 1024 screen, table 760x650")
        << 2 << 2 << QSize(760, 650) << 1024 << 1 << QPoint(299, 95);
    QTest::addRow("worked example: spread 2 position 2 scales to 97, 330")
        << 2 << 2 << QSize(760, 650) << 1024 << 2 << QPoint(97, 330);
    QTest::addRow("table 900x640 on an 800 screen leaves spread 1 position 4 at its constants")
        << 1 << 1 << QSize(900, 640) << 800 << 4 << QPoint(145, 328);
    QTest::addRow("table 900x640 on an 800 screen leaves spread 10 position 11 at its constants")
        << 10 << 10 << QSize(900, 640) << 800 << 11 << QPoint(350, 354);
    QTest::addRow("narrow table 536 wide pushes spread 1 position 2 below 0 and clamps its left to 10")
        << 1 << 1 << QSize(536, 640) << 800 << 2 << QPoint(10, 56);
    QTest::addRow("narrow table 536 wide leaves spread 1 position 3 at left 11")
        << 1 << 1 << QSize(536, 640) << 800 << 3 << QPoint(11, 192);
    QTest::addRow("short table clamps a negative top to 10")
        << 13 << 13 << QSize(900, 400) << 800 << 1 << QPoint(215, 10);
    QTest::addRow("H-640 = 2 gives A = R(0.5) = 0") << 15 << 15 << QSize(900, 642) << 800 << 1 << QPoint(250, 210);
    QTest::addRow("H-640 = 6 gives A = R(1.5) = 2") << 15 << 15 << QSize(900, 646) << 800 << 1 << QPoint(250, 212);
    QTest::addRow("W-900 = 3 gives B = R(0.5) = 0") << 15 << 15 << QSize(903, 640) << 800 << 1 << QPoint(250, 210);
    QTest::addRow("W-900 = 9 gives B = R(1.5) = 2") << 15 << 15 << QSize(909, 640) << 800 << 1 << QPoint(252, 210);
    QTest::addRow("wide screen clamps first: left -53 becomes 10, then R(14)-5 = 9")
        << 1 << 1 << QSize(536, 640) << 1024 << 2 << QPoint(9, 58);
    QTest::addRow("screen exactly 800 wide is not scaled")
        << 16 << 16 << QSize(900, 640) << 800 << 1 << QPoint(384, 210);
    QTest::addRow("screen 801 wide is scaled by 1.4") << 16 << 16 << QSize(900, 640) << 801 << 1 << QPoint(533, 274);
    QTest::addRow("positions beyond the spread's count keep their old corner")
        << 2 << 2 << QSize(900, 640) << 1024 << 5 << Nietkniety;
    QTest::addRow("spread 0 places nothing") << 0 << 0 << QSize(900, 640) << 1024 << 1 << Nietkniety;
    QTest::addRow("spread 17 places nothing") << 17 << 17 << QSize(900, 640) << 800 << 1 << Nietkniety;
    QTest::addRow("clamping runs only over the count of the spread on the table")
        << 5 << 2 << QSize(900, 400) << 800 << 6 << QPoint(515, -10);
    QTest::addRow("scaling runs only over the count of the spread on the table")
        << 2 << 0 << QSize(900, 640) << 1024 << 1 << QPoint(240, 80);
}

void TstGeometria::pozycja()
{
    QFETCH(int, n);
    QFETCH(int, aktualny);
    QFETCH(QSize, stol);
    QFETCH(int, ekran);
    QFETCH(int, p);
    QFETCH(QPoint, lewyGorny);

    std::array<QPoint, 16> rogi;
    rogi.fill(Nietkniety);
    UstawPozycjeObliczenia(n, aktualny, stol, ekran, rogi);
    QCOMPARE(rogi[p], lewyGorny);
    QCOMPARE(rogi[0], Nietkniety);
}

void TstGeometria::etykietaIRamka_data()
{
    QTest::addColumn<int>("ekran");
    QTest::addColumn<QPoint>("przesuniecie");
    QTest::addColumn<QSize>("ramka");
    QTest::addRow("screen 640 wide: small frames") << 640 << QPoint(35, 122) << QSize(80, 122);
    QTest::addRow("screen 800 wide: still small frames") << 800 << QPoint(35, 122) << QSize(80, 122);
    QTest::addRow("screen 801 wide: large frames") << 801 << QPoint(55, 175) << QSize(114, 173);
    QTest::addRow("screen 1920 wide: large frames") << 1920 << QPoint(55, 175) << QSize(114, 173);
}

void TstGeometria::etykietaIRamka()
{
    QFETCH(int, ekran);
    QFETCH(QPoint, przesuniecie);
    QFETCH(QSize, ramka);
    QCOMPARE(PrzesuniecieEtykiety(ekran), przesuniecie);
    QCOMPARE(RozmiarRamki(ekran), ramka);
}

void TstGeometria::etykietaPrzykladu()
{
    std::array<QPoint, 16> rogi{};
    UstawPozycjeObliczenia(2, 2, QSize(760, 650), 1024, rogi);
    QCOMPARE(rogi[2] + PrzesuniecieEtykiety(1024), QPoint(152, 505));
}

void TstGeometria::naStole_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QSize>("stol");
    QTest::addColumn<int>("ekran");
    // Table areas of maximised windows: the screen less the window's title
    // bar, menu bar and toolbar, and the 264-pixel panel on the right.
    const struct
    {
        const char *opis;
        QSize stol;
        int ekran;
    } przypadki[] = {
        {"a 640x480 screen, maximised", QSize(376, 401), 640},
        {"an 800x600 screen, maximised", QSize(536, 521), 800},
        {"an 800x600 screen less a 32-pixel panel", QSize(536, 489), 800},
        {"the worked example's 760x650 table on a 1024 screen", QSize(760, 650), 1024},
        {"a 1024x768 screen, maximised", QSize(760, 689), 1024},
        {"a 1366x768 laptop with a 32-pixel top bar and a 37-pixel title bar", QSize(1102, 638), 1366},
        {"a 1280x720 laptop with a 32-pixel top bar and a 37-pixel title bar", QSize(1016, 590), 1280},
        {"a 1920x1080 screen, maximised", QSize(1656, 1001), 1920},
        {"a 900x640 table on an 800 screen", QSize(900, 640), 800},
    };
    for (const auto &c : przypadki)
        for (int n = 1; n <= 16; ++n)
            QTest::addRow("%s on %s", qPrintable(NazwaUkladu(n)), c.opis) << n << c.stol << c.ekran;
}

void TstGeometria::naStole()
{
    QFETCH(int, n);
    QFETCH(QSize, stol);
    QFETCH(int, ekran);
    SprawdzUlozenie(n, stol, ekran);
}

void TstGeometria::naStoleKazdejWielkosci_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("ekran");
    for (int ekran : {800, 1024})
        for (int n = 1; n <= 16; ++n)
            QTest::addRow("%s fits every table from 376x401 up on a %d screen", qPrintable(NazwaUkladu(n)), ekran)
                << n << ekran;
}

void TstGeometria::naStoleKazdejWielkosci()
{
    // As the window is resized: many sizes, odd steps so that every rounding turns up.
    QFETCH(int, n);
    QFETCH(int, ekran);
    for (int w = 376; w <= 1800; w += 29)
        for (int h = 401; h <= 1100; h += 23) {
            SprawdzUlozenie(n, QSize(w, h), ekran);
            if (QTest::currentTestFailed())
                return;
        }
}

void TstGeometria::bezUkladuNicNieZmienia()
{
    // No spread on the table, or a spread other than the one on it: the
    // computed corners as they are, at full size.
    for (auto [n, aktualny] : {std::pair{0, 0}, std::pair{17, 17}, std::pair{5, 2}}) {
        std::array<QPoint, 16> rogi, wyliczone;
        rogi.fill(Nietkniety);
        wyliczone.fill(Nietkniety);
        UstawPozycjeObliczenia(n, aktualny, QSize(376, 401), 1024, wyliczone);
        const UlozenieNaStole u = UlozNaStole(n, aktualny, Stol(QSize(376, 401)), 1024, Etykiety(), rogi);
        QCOMPARE(rogi, wyliczone);
        QCOMPARE(u.skala, 1.0);
        QCOMPARE(u.karta, RozmiarRamki(1024));
    }
}

QTEST_GUILESS_MAIN(TstGeometria)
#include "tst_geometria.moc"
