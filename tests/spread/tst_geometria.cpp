#include "spread/geometria.h"

#include <QtTest>

namespace {
// Marks a corner nothing has written, to see which positions were left alone.
const QPoint Nietkniety(-777, -777);
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
    QTest::addColumn<QPoint>("lewyGorny");  // x = left, y = top

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
    QTest::addRow("H-640 = 2 gives A = R(0.5) = 0")
        << 15 << 15 << QSize(900, 642) << 800 << 1 << QPoint(250, 210);
    QTest::addRow("H-640 = 6 gives A = R(1.5) = 2")
        << 15 << 15 << QSize(900, 646) << 800 << 1 << QPoint(250, 212);
    QTest::addRow("W-900 = 3 gives B = R(0.5) = 0")
        << 15 << 15 << QSize(903, 640) << 800 << 1 << QPoint(250, 210);
    QTest::addRow("W-900 = 9 gives B = R(1.5) = 2")
        << 15 << 15 << QSize(909, 640) << 800 << 1 << QPoint(252, 210);
    QTest::addRow("wide screen clamps first: left -53 becomes 10, then R(14)-5 = 9")
        << 1 << 1 << QSize(536, 640) << 1024 << 2 << QPoint(9, 58);
    QTest::addRow("screen exactly 800 wide is not scaled")
        << 16 << 16 << QSize(900, 640) << 800 << 1 << QPoint(384, 210);
    QTest::addRow("screen 801 wide is scaled by 1.4")
        << 16 << 16 << QSize(900, 640) << 801 << 1 << QPoint(533, 274);
    QTest::addRow("positions beyond the spread's count keep their old corner")
        << 2 << 2 << QSize(900, 640) << 1024 << 5 << Nietkniety;
    QTest::addRow("spread 0 places nothing")
        << 0 << 0 << QSize(900, 640) << 1024 << 1 << Nietkniety;
    QTest::addRow("spread 17 places nothing")
        << 17 << 17 << QSize(900, 640) << 800 << 1 << Nietkniety;
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

QTEST_GUILESS_MAIN(TstGeometria)
#include "tst_geometria.moc"
