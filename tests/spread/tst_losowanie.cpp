#include "spread/losowanie.h"

#include <QtTest>

#include <set>

class TstLosowanie : public QObject
{
    Q_OBJECT
private slots:
    void niezmienniki();
    void rozkladPoWieluLosowaniach();
    void ustalonaKolejnoscLosowan();
    void losowanieZZegara();
};

namespace {

QString Opisz(const TablicaPozycji &poz)
{
    QStringList s;
    for (int p = 1; p <= 15; ++p)
        s << QStringLiteral("%1%2").arg(poz[p].NrKarty).arg(poz[p].Odwrocona ? "R" : "");
    return s.join(' ');
}

void SprawdzNiezmienniki(const TablicaPozycji &poz)
{
    std::set<int> numery;
    for (int p = 1; p <= 15; ++p) {
        QVERIFY2(poz[p].NrKarty >= 1 && poz[p].NrKarty <= 22, qPrintable(Opisz(poz)));
        numery.insert(poz[p].NrKarty);
    }
    QVERIFY2(numery.size() == 15, qPrintable(Opisz(poz)));
}

} // namespace

void TstLosowanie::niezmienniki()
{
    // Leftovers of an earlier spread (even 23, 24 and -1) must all be replaced.
    for (unsigned ziarno = 0; ziarno < 500; ++ziarno) {
        TablicaPozycji poz;
        for (int p = 0; p < 16; ++p)
            poz[p] = TPozycja{p % 2 ? 23 : 24, true};
        poz[0] = TPozycja{99, true};
        std::mt19937 gen(ziarno);
        LosujKarty(poz, gen);
        SprawdzNiezmienniki(poz);
        QCOMPARE(poz[0].NrKarty, 99); // index 0 is not a position
    }
}

void TstLosowanie::rozkladPoWieluLosowaniach()
{
    constexpr int Losowan = 4000;
    std::array<int, 16> odwrocone{};
    std::array<std::array<bool, 25>, 16> widziane{};
    std::mt19937 gen(12345);
    for (int i = 0; i < Losowan; ++i) {
        TablicaPozycji poz;
        LosujKarty(poz, gen);
        for (int p = 1; p <= 15; ++p) {
            odwrocone[p] += poz[p].Odwrocona;
            widziane[p][poz[p].NrKarty] = true;
        }
    }
    for (int p = 1; p <= 15; ++p) {
        // Expected 2000 of 4000 with a spread of about 32; 1700..2300 is ten deviations wide.
        QVERIFY2(
            odwrocone[p] > 1700 && odwrocone[p] < 2300,
            qPrintable(QStringLiteral("position %1 reversed %2 times of %3").arg(p).arg(odwrocone[p]).arg(Losowan)));
        for (int k = 1; k <= 22; ++k)
            QVERIFY2(widziane[p][k], qPrintable(QStringLiteral("card %1 never at position %2").arg(k).arg(p)));
        QVERIFY2(!widziane[p][23] && !widziane[p][24], qPrintable(QStringLiteral("card 23/24 at position %1").arg(p)));
    }
}

void TstLosowanie::ustalonaKolejnoscLosowan()
{
    // Sources the test controls: cards 7 and 3 come up a second time while
    // already on the table; each such repeat draws the orientation of the last
    // filled position again. Card 22 is never asked for.
    const QList<int> karty{7, 7, 3, 12, 3, 20, 1, 2, 4, 5, 6, 8, 9, 10, 11, 13, 14, 22};
    const QList<bool> strony{true, false, false, true,  false, true,  false, true,  false,
                             true, false, true,  false, true,  false, true,  false, true};
    qsizetype k = 0, s = 0;
    TablicaPozycji poz;
    LosujKarty(
        poz, [&] { return karty.value(k++, 1); }, [&] { return strony.value(s++, false); });
    QCOMPARE(Opisz(poz), QStringLiteral("7 3 12 20R 1 2R 4 5R 6 8R 9 10R 11 13R 14"));
    QCOMPARE(k, 17);
    QCOMPARE(s, 17);
    SprawdzNiezmienniki(poz);

    // Every number three times in a row: two of each three are repeats, and
    // the orientation drawn after the last repeat stands (even draw counts
    // are reversed).
    int n = 0;
    LosujKarty(
        poz, [&] { return (n++ / 3) % 22 + 1; }, [&] { return n % 2 == 0; });
    QCOMPARE(Opisz(poz), QStringLiteral("1 2R 3 4R 5 6R 7 8R 9 10R 11 12R 13 14R 15"));
    QCOMPARE(n, 43);
}

void TstLosowanie::losowanieZZegara()
{
    TablicaPozycji a, b;
    LosujKarty(a);
    SprawdzNiezmienniki(a);
    QTest::qWait(2);
    LosujKarty(b);
    SprawdzNiezmienniki(b);
    // Two reseeded draws agree with chance about 1 in 10^20.
    QVERIFY(Opisz(a) != Opisz(b));
}

QTEST_GUILESS_MAIN(TstLosowanie)
#include "tst_losowanie.moc"
