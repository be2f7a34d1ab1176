#include "spread/katalog.h"

#include <QtTest>

class TstKatalog : public QObject
{
    Q_OBJECT
private slots:
    void uklad_data();
    void uklad();
    void nazwyWKolejnosci();
    void stalePozaZakresem();
};

void TstKatalog::uklad_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("liczba");
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<bool>("sprawdzOpis");
    QTest::addColumn<QString>("opis");

    QTest::addRow("no spread (0) has count -1, no name, no description") << 0 << -1 << QString() << true << QString();
    QTest::addRow("spread 1 Podkowa has 8 and its description ends with a space")
        << 1 << 8 << u"Podkowa"_qs << true
        << u"Układ ten służy do zanalizowania bieżącej sytuacji. Pozwala zorientować się w tym, co dzieje się w chwili obecnej i określa ewentualne zbliżające się problemy. "_qs;
    QTest::addRow("spread 2 Trzy karty has 4 positions, not 3")
        << 2 << 4 << u"Trzy karty"_qs << true
        << u"Jest to najprostszy z możliwych układów, ale umożliwiający uzyskanie odpowiedzi na najprostsze pytania-prosta odpowiedź odnośnie jakiejś konkretnej sprawy."_qs;
    QTest::addRow("spread 3 Wyrocznia has 8") << 3 << 8 << u"Wyrocznia"_qs << false << QString();
    QTest::addRow("spread 4 Obecny związek has 6") << 4 << 6 << u"Obecny związek"_qs << false << QString();
    QTest::addRow("spread 5 Zdrowie has 9 and keeps its missing space and typo")
        << 5 << 9 << u"Zdrowie"_qs << true
        << u"Dopóki z naszym zdrowiem nic się nie dzieje, to często nawet nie wiemy, jakim jest ono skarbem.Lepiej jednak nie czekać i sprawdzić przy pomocy kart Tarora co dzieje się w tej sferze życia."_qs;
    QTest::addRow("spread 6 Ambasada has 5") << 6 << 5 << u"Ambasada"_qs << false << QString();
    QTest::addRow("spread 7 Decyzja has 7") << 7 << 7 << u"Decyzja"_qs << false << QString();
    QTest::addRow("spread 8 Błąd has 6") << 8 << 6 << u"Błąd"_qs << false << QString();
    QTest::addRow("spread 9 Obciążenia karmiczne has 6") << 9 << 6 << u"Obciążenia karmiczne"_qs << false << QString();
    QTest::addRow("spread 10 Piramida Wenus has the most, 11")
        << 10 << 11 << u"Piramida Wenus"_qs << false << QString();
    QTest::addRow("spread 11 Życie rodzinne has 7") << 11 << 7 << u"Życie rodzinne"_qs << false << QString();
    QTest::addRow("spread 12 Trzydzieści srebrników has 7")
        << 12 << 7 << u"Trzydzieści srebrników"_qs << true
        << u"Układ ten służy analizie naszych relacji z przyjaciółmi."_qs;
    QTest::addRow("spread 13 Praca i pieniądze has 9") << 13 << 9 << u"Praca i pieniądze"_qs << false << QString();
    QTest::addRow("spread 14 Zmiana pracy has 9") << 14 << 9 << u"Zmiana pracy"_qs << false << QString();
    QTest::addRow("spread 15 Jedna karta has 1 and no description")
        << 15 << 1 << u"Jedna karta"_qs << true << QString();
    QTest::addRow("spread 16 Los człowieczy has 3")
        << 16 << 3 << u"Los człowieczy"_qs << true
        << u"Doskonały i bardzo wygodny układ dla początkujących, pozwala na przeanalizownaie zaistniałej sytuacji ze zwróceniem uwagi na przyczyny problemu (karta opisująca przeszłość), jak też na możliwości najlepszego rozwiązania zagadnienia (karta przyszłość)."_qs;
    QTest::addRow("spread 17 is outside the catalogue") << 17 << -1 << QString() << true << QString();
    QTest::addRow("negative number is outside the catalogue") << -1 << -1 << QString() << true << QString();
}

void TstKatalog::uklad()
{
    QFETCH(int, n);
    QFETCH(int, liczba);
    QFETCH(QString, nazwa);
    QFETCH(bool, sprawdzOpis);
    QFETCH(QString, opis);

    QCOMPARE(LiczbaKart(n), liczba);
    QCOMPARE(NazwaUkladu(n), nazwa);
    if (sprawdzOpis)
        QCOMPARE(OpisUkladu(n), opis);
    else
        QVERIFY(!OpisUkladu(n).isEmpty());
}

void TstKatalog::nazwyWKolejnosci()
{
    const QStringList nazwy = NazwyUkladow();
    QCOMPARE(nazwy.size(), 16);
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(nazwy.at(n - 1), NazwaUkladu(n));
    // The list the settings window shows, item k - 1 naming spread k.
    const QStringList oczekiwane{u"Podkowa"_qs,           u"Trzy karty"_qs,     u"Wyrocznia"_qs,
                                 u"Obecny związek"_qs,    u"Zdrowie"_qs,        u"Ambasada"_qs,
                                 u"Decyzja"_qs,           u"Błąd"_qs,           u"Obciążenia karmiczne"_qs,
                                 u"Piramida Wenus"_qs,    u"Życie rodzinne"_qs, u"Trzydzieści srebrników"_qs,
                                 u"Praca i pieniądze"_qs, u"Zmiana pracy"_qs,   u"Jedna karta"_qs,
                                 u"Los człowieczy"_qs};
    QCOMPARE(nazwy, oczekiwane);
}

void TstKatalog::stalePozaZakresem()
{
    // Inside: spread 16 runs right to left; outside the spread or catalogue: zeros.
    QCOMPARE(StalaUkladu(16, 1).L, 384);
    QCOMPARE(StalaUkladu(16, 3).L, 96);
    QCOMPARE(StalaUkladu(10, 11).T, 354);
    for (auto [n, p] : {std::pair{2, 5}, {2, 0}, {10, 12}, {0, 1}, {17, 1}}) {
        const StalaPozycji s = StalaUkladu(n, p);
        QVERIFY2(s.T == 0 && s.L == 0, qPrintable(QStringLiteral("spread %1 position %2").arg(n).arg(p)));
    }
}

QTEST_GUILESS_MAIN(TstKatalog)
#include "tst_katalog.moc"
