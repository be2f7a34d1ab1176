#include "spread/interpretacja.h"
#include "spread/katalog.h"

#include <QtTest>

using Naglowki = QMap<int, QString>; // position -> heading; a missing key is a null heading

class TstInterpretacja : public QObject
{
    Q_OBJECT
private slots:
    void tekst_data();
    void tekst();
    void kolejnoscZapytan();
    void dopisywanieKawalkami();
};

namespace {

std::array<QString, 16> Nazwy(int odwrocona = 0)
{
    std::array<QString, 16> nazwy;
    for (int k = 1; k <= 15; ++k)
        nazwy[k] = QStringLiteral("Karta%1").arg(k) + (k == odwrocona ? QStringLiteral(" (Odw.)") : QString());
    return nazwy;
}

} // namespace

void TstInterpretacja::tekst_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("odwrocona");
    QTest::addColumn<Naglowki>("naglowki");
    QTest::addColumn<QStringList>("znaczenia"); // meaning of position k at index k-1
    QTest::addColumn<QStringList>("wiersze");   // the text split at CR LF

    const QStringList m4{u"M1"_qs, u"M2"_qs, u"M3 odwrócone"_qs, u"M4"_qs};
    QTest::addRow("spread 2 with headings and card 3 reversed reads as the example")
        << 2 << 3 << Naglowki{{2, u"H2"_qs}, {3, u"H3"_qs}, {4, u"H4"_qs}} << m4
        << QStringList{OpisUkladu(2),
                       u" "_qs,
                       u"[1] Sygnifikator: Karta1"_qs,
                       u"M1"_qs,
                       u""_qs,
                       u"[2] H2"_qs,
                       u"Karta2"_qs,
                       u"M2"_qs,
                       u""_qs,
                       u"[3] H3"_qs,
                       u"Karta3 (Odw.)"_qs,
                       u"M3 odwrócone"_qs,
                       u""_qs,
                       u"[4] H4"_qs,
                       u"Karta4"_qs,
                       u"M4"_qs,
                       u""_qs,
                       u""_qs};
    QTest::addRow("spread 2 without headings puts number and name on one line")
        << 2 << 0 << Naglowki{} << m4 << QStringList{OpisUkladu(2),      u" "_qs, u"[1] Sygnifikator: Karta1"_qs,
                                                     u"M1"_qs,           u""_qs,  u"[2] Karta2"_qs,
                                                     u"M2"_qs,           u""_qs,  u"[3] Karta3"_qs,
                                                     u"M3 odwrócone"_qs, u""_qs,  u"[4] Karta4"_qs,
                                                     u"M4"_qs,           u""_qs,  u""_qs};
    QTest::addRow("spread 2 with an empty (not missing) heading keeps two title lines")
        << 2 << 0 << Naglowki{{2, u""_qs}} << QStringList{u"M1"_qs, u"M2"_qs}
        << QStringList{OpisUkladu(2),
                       u" "_qs,
                       u"[1] Sygnifikator: Karta1"_qs,
                       u"M1"_qs,
                       u""_qs,
                       u"[2] "_qs,
                       u"Karta2"_qs,
                       u"M2"_qs,
                       u""_qs,
                       u"[3] Karta3"_qs,
                       u""_qs,
                       u""_qs,
                       u"[4] Karta4"_qs,
                       u""_qs,
                       u""_qs,
                       u""_qs};
    QTest::addRow("spread 15 with a heading: no description, heading then name")
        << 15 << 0 << Naglowki{{1, u"Co cię czeka"_qs}} << QStringList{u"M1"_qs}
        << QStringList{u"[1] Co cię czeka"_qs, u"Karta1"_qs, u"M1"_qs, u""_qs, u""_qs};
    QTest::addRow("spread 15 without a heading: number and name on one line")
        << 15 << 0 << Naglowki{} << QStringList{u"M1"_qs} << QStringList{u"[1] Karta1"_qs, u"M1"_qs, u""_qs, u""_qs};
    QTest::addRow("spread 15 reversed card carries its mark")
        << 15 << 1 << Naglowki{} << QStringList{u"M1 odwrócone"_qs}
        << QStringList{u"[1] Karta1 (Odw.)"_qs, u"M1 odwrócone"_qs, u""_qs, u""_qs};
    QTest::addRow("spread 16 without headings uses the fixed past, present and future titles")
        << 16 << 0 << Naglowki{} << QStringList{u"M1"_qs, u"M2"_qs, u"M3"_qs}
        << QStringList{
               OpisUkladu(16), u" "_qs, u"[1] Przeszłość: Karta1"_qs, u"M1"_qs, u""_qs, u"[2] Teraźniejszość Karta2"_qs,
               u"M2"_qs,       u""_qs,  u"[3] Przyszłość Karta3"_qs,  u"M3"_qs, u""_qs, u""_qs};
    QTest::addRow("spread 16 with headings puts them on positions 2 and 3 only")
        << 16 << 0 << Naglowki{{1, u"nieużywany"_qs}, {2, u"H2"_qs}, {3, u"H3"_qs}}
        << QStringList{u"M1"_qs, u"M2"_qs, u"M3"_qs}
        << QStringList{OpisUkladu(16), u" "_qs,      u"[1] Przeszłość: Karta1"_qs,
                       u"M1"_qs,       u""_qs,       u"[2] H2"_qs,
                       u"Karta2"_qs,   u"M2"_qs,     u""_qs,
                       u"[3] H3"_qs,   u"Karta3"_qs, u"M3"_qs,
                       u""_qs,         u""_qs};
    QTest::addRow("an empty meaning leaves two empty lines after the title")
        << 15 << 0 << Naglowki{} << QStringList{QString()} << QStringList{u"[1] Karta1"_qs, u""_qs, u""_qs, u""_qs};
    QTest::addRow("a meaning of several lines is kept unchanged")
        << 15 << 0 << Naglowki{} << QStringList{u"pierwszy\r\ndrugi\r\n\r\ntrzeci"_qs}
        << QStringList{u"[1] Karta1"_qs, u"pierwszy"_qs, u"drugi"_qs, u""_qs, u"trzeci"_qs, u""_qs, u""_qs};
    QTest::addRow("a meaning ending with a line break is followed by two empty lines")
        << 15 << 0 << Naglowki{} << QStringList{u"M1\r\n"_qs}
        << QStringList{u"[1] Karta1"_qs, u"M1"_qs, u""_qs, u""_qs, u""_qs};
    QTest::addRow("no spread on the table gives no text")
        << 0 << 0 << Naglowki{{1, u"H"_qs}} << QStringList{u"M1"_qs} << QStringList{u""_qs};
}

void TstInterpretacja::tekst()
{
    QFETCH(int, n);
    QFETCH(int, odwrocona);
    QFETCH(Naglowki, naglowki);
    QFETCH(QStringList, znaczenia);
    QFETCH(QStringList, wiersze);

    ZrodlaInterpretacji z;
    z.naglowek = [&](int uklad, int k) -> std::optional<QString> {
        if (uklad != n || !naglowki.contains(k))
            return std::nullopt;
        return naglowki.value(k);
    };
    z.znaczenie = [&](int k) { return znaczenia.value(k - 1); };

    const QString wynik = Interpretacja(n, Nazwy(odwrocona), z);
    // Every break is CR LF: no bare LF or CR.
    QCOMPARE(wynik.count(QLatin1Char('\n')), wynik.count(u"\r\n"_qs));
    QCOMPARE(wynik.count(QLatin1Char('\r')), wynik.count(u"\r\n"_qs));
    const QStringList faktyczne = wynik.split(u"\r\n"_qs);
    for (int i = 0; i < std::min(faktyczne.size(), wiersze.size()); ++i)
        QVERIFY2(
            faktyczne.at(i) == wiersze.at(i),
            qPrintable(
                QStringLiteral("line %1: \"%2\" instead of \"%3\"").arg(i + 1).arg(faktyczne.at(i), wiersze.at(i))));
    QCOMPARE(faktyczne.size(), wiersze.size());
}

void TstInterpretacja::kolejnoscZapytan()
{
    // Headings come from position 2 on (spread 15: position 1), in position order,
    // each before the meaning of its position.
    QStringList zapytania;
    ZrodlaInterpretacji z;
    z.naglowek = [&](int n, int k) -> std::optional<QString> {
        zapytania << QStringLiteral("H%1/%2").arg(n).arg(k);
        return std::nullopt;
    };
    z.znaczenie = [&](int k) {
        zapytania << QStringLiteral("M%1").arg(k);
        return QString();
    };
    Interpretacja(2, Nazwy(), z);
    QCOMPARE(zapytania, (QStringList{u"M1"_qs, u"H2/2"_qs, u"M2"_qs, u"H2/3"_qs, u"M3"_qs, u"H2/4"_qs, u"M4"_qs}));
    zapytania.clear();
    Interpretacja(15, Nazwy(), z);
    QCOMPARE(zapytania, (QStringList{u"H15/1"_qs, u"M1"_qs}));
}

void TstInterpretacja::dopisywanieKawalkami()
{
    ZrodlaInterpretacji z;
    z.naglowek = [](int, int k) -> std::optional<QString> { return QStringLiteral("H%1").arg(k); };
    z.znaczenie = [](int k) { return QStringLiteral("M%1").arg(k); };
    QStringList kawalki;
    const QString wynik = Interpretacja(10, Nazwy(), z, [&](const QString &k) { kawalki << k; });
    QVERIFY(kawalki.size() > 11);
    QVERIFY(kawalki.first().startsWith(OpisUkladu(10)));
    QCOMPARE(kawalki.join(QString()), wynik);
    // Without a listener the text is the same.
    QCOMPARE(Interpretacja(10, Nazwy(), z), wynik);
}

QTEST_GUILESS_MAIN(TstInterpretacja)
#include "tst_interpretacja.moc"
