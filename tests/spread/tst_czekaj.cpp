#include "spread/czekaj.h"

#include <QtTest>

#include <ctime>

class TstCzekaj : public QObject
{
    Q_OBJECT
private slots:
    void czas_data();
    void czas();
    void obslugujeZdarzeniaWTrakcie();
    void nieZajmujeRdzenia();
    void pauzaOdslony();
};

void TstCzekaj::czas_data()
{
    QTest::addColumn<double>("sekundy");
    QTest::addColumn<qint64>("najmniejMs");
    QTest::addRow("half a second between two cards") << 0.5 << qint64(500);
    QTest::addRow("a short pause of 30 ms") << 0.03 << qint64(30);
    QTest::addRow("zero returns at once") << 0.0 << qint64(0);
    QTest::addRow("a negative time returns at once") << -1.0 << qint64(0);
    QTest::addRow("not a number returns at once") << std::nan("") << qint64(0);
}

void TstCzekaj::czas()
{
    QFETCH(double, sekundy);
    QFETCH(qint64, najmniejMs);
    QElapsedTimer zegar;
    zegar.start();
    Czekaj(sekundy);
    const qint64 uplynelo = zegar.elapsed();
    QVERIFY2(uplynelo >= najmniejMs, qPrintable(QString::number(uplynelo)));
    // Generous slack: other builds share this machine's two cores.
    QVERIFY2(uplynelo < najmniejMs + 150, qPrintable(QString::number(uplynelo)));
}

void TstCzekaj::obslugujeZdarzeniaWTrakcie()
{
    QElapsedTimer zegar;
    zegar.start();
    qint64 timerPo = -1;
    bool kolejka = false;
    QTimer::singleShot(50, this, [&] { timerPo = zegar.elapsed(); });
    QMetaObject::invokeMethod(
        this, [&] { kolejka = true; }, Qt::QueuedConnection);
    Czekaj(0.3);
    QVERIFY(kolejka);
    QVERIFY2(timerPo >= 50 && timerPo < 250, qPrintable(QString::number(timerPo)));
}

void TstCzekaj::nieZajmujeRdzenia()
{
    const std::clock_t przed = std::clock();
    QElapsedTimer zegar;
    zegar.start();
    Czekaj(0.4);
    const double procesorMs = 1000.0 * double(std::clock() - przed) / CLOCKS_PER_SEC;
    // A busy loop would burn about the whole 400 ms.
    QVERIFY2(procesorMs < 0.5 * zegar.elapsed(), qPrintable(QStringLiteral("%1 ms CPU").arg(procesorMs)));
}

void TstCzekaj::pauzaOdslony()
{
    QCOMPARE(PauzaOdslony(), 0.5);
    UstawPauzeOdslony(0);
    QCOMPARE(PauzaOdslony(), 0.0);
    UstawPauzeOdslony(-1);
    QCOMPARE(PauzaOdslony(), 0.5);
    UstawPauzeOdslony(std::nan(""));
    QCOMPARE(PauzaOdslony(), 0.5);
}

QTEST_GUILESS_MAIN(TstCzekaj)
#include "tst_czekaj.moc"
