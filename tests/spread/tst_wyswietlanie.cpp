#include "spread/wyswietlanie.h"

#include "testsupport.h"

#include <QtTest>

#include <array>

class TstWyswietlanie : public QObject
{
    Q_OBJECT
private slots:
    void kolumnaStolu_data();
    void kolumnaStolu();
    void kolumnaOpisu();
    void nazwy_data();
    void nazwy();
    void obrazKarty_data();
    void obrazKarty();
    void wyczyscStol();
};

namespace {

// A card picture as the store holds it: odd width, so its rows carry padding,
// and a mark in one corner, so a turn shows.
QByteArray Bajty()
{
    return TestSupport::Bmp(5, 3, 0x20a040);
}

QImage Obrazek()
{
    QImage obraz(2, 2, QImage::Format_RGB888);
    obraz.fill(Qt::white);
    return obraz;
}

// Stands in for a table element: records what the table did to it.
struct Element
{
    QImage obraz = Obrazek();
    bool wlaczony = true;
    QString podpowiedz = QStringLiteral("Fehu");
    bool widoczny = true;

    void UstawObraz(const QImage &o) { obraz = o; }
    void setEnabled(bool w) { wlaczony = w; }
    void setToolTip(const QString &p) { podpowiedz = p; }
    void hide() { widoczny = false; }
};

} // namespace

void TstWyswietlanie::kolumnaStolu_data()
{
    QTest::addColumn<int>("szerokosc");
    QTest::addColumn<QString>("kolumna");
    QTest::addRow("a screen 640 wide reads Obrazek800") << 640 << "Obrazek800";
    QTest::addRow("a screen exactly 800 wide still reads Obrazek800") << 800 << "Obrazek800";
    QTest::addRow("a screen 801 wide reads Obrazek1024") << 801 << "Obrazek1024";
    QTest::addRow("a screen 1024 wide reads Obrazek1024") << 1024 << "Obrazek1024";
    QTest::addRow("a screen 1920 wide reads Obrazek1024") << 1920 << "Obrazek1024";
}

void TstWyswietlanie::kolumnaStolu()
{
    QFETCH(int, szerokosc);
    QFETCH(QString, kolumna);
    QCOMPARE(KolumnaObrazkaStolu(szerokosc), kolumna);
}

void TstWyswietlanie::kolumnaOpisu()
{
    // The description window reads the big pictures, whatever the screen.
    QCOMPARE(KolumnaObrazkaOpisu(), QStringLiteral("obrazekBig"));
}

void TstWyswietlanie::nazwy_data()
{
    QTest::addColumn<QString>("nazwaKarty");
    QTest::addColumn<bool>("odwrocona");
    QTest::addColumn<int>("pozycja");
    QTest::addColumn<QString>("wyswietlana");
    QTest::addColumn<QString>("dostepna");
    QTest::addRow("an upright card carries its name alone") << "Fehu" << false << 1 << "Fehu"
                                                            << "Pozycja 1: Fehu";
    QTest::addRow("a reversed card ends with the reversed mark") << "Uruz" << true << 15 << "Uruz (Odw.)"
                                                                 << "Pozycja 15: Uruz (Odw.)";
    QTest::addRow("a card the deck lacks still gets the reversed mark") << "" << true << 4 << " (Odw.)"
                                                                        << "Pozycja 4:  (Odw.)";
    QTest::addRow("a per cent sign in a name stays as it is") << "Ansus %1" << true << 3 << "Ansus %1 (Odw.)"
                                                              << "Pozycja 3: Ansus %1 (Odw.)";
}

void TstWyswietlanie::nazwy()
{
    QFETCH(QString, nazwaKarty);
    QFETCH(bool, odwrocona);
    QFETCH(int, pozycja);
    QFETCH(QString, wyswietlana);
    QFETCH(QString, dostepna);
    QCOMPARE(NazwaWyswietlana(nazwaKarty, odwrocona), wyswietlana);
    QCOMPARE(NazwaDostepnaKarty(pozycja, NazwaWyswietlana(nazwaKarty, odwrocona)), dostepna);
}

void TstWyswietlanie::obrazKarty_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<bool>("odwrocona");
    QTest::addColumn<QImage>("oczekiwany");
    const QImage prosty = QImage::fromData(Bajty(), "BMP");
    QImage odwrocony(prosty.size(), prosty.format());
    for (int y = 0; y < prosty.height(); ++y)
        for (int x = 0; x < prosty.width(); ++x)
            odwrocony.setPixel(prosty.width() - 1 - x, prosty.height() - 1 - y, prosty.pixel(x, y));
    QTest::addRow("an upright card shows its picture as stored") << Bajty() << false << prosty;
    QTest::addRow("a reversed card shows its picture turned by 180 degrees") << Bajty() << true << odwrocony;
    QTest::addRow("a card the deck lacks shows nothing") << QByteArray() << false << QImage();
    QTest::addRow("a reversed card the deck lacks shows nothing") << QByteArray() << true << QImage();
    QTest::addRow("bytes that are no picture show nothing") << QByteArray("BM not a picture") << true << QImage();
}

void TstWyswietlanie::obrazKarty()
{
    QFETCH(QByteArray, bajty);
    QFETCH(bool, odwrocona);
    QFETCH(QImage, oczekiwany);
    const QImage obraz = ObrazKarty(bajty, odwrocona);
    QCOMPARE(obraz.isNull(), oczekiwany.isNull());
    if (oczekiwany.isNull())
        return;
    QCOMPARE(obraz.size(), oczekiwany.size());
    for (int y = 0; y < oczekiwany.height(); ++y)
        for (int x = 0; x < oczekiwany.width(); ++x)
            QCOMPARE(obraz.pixel(x, y), oczekiwany.pixel(x, y));
}

void TstWyswietlanie::wyczyscStol()
{
    // Laid out as the main window holds them: entry 0 unused, the table's
    // positions, then the description window's picture.
    std::array<Element, ObrazekOpisu + 1> obrazy;
    std::array<Element, LiczbaPozycjiStolu + 1> etykiety;
    std::array<Element *, ObrazekOpisu + 1> obrazki{};
    std::array<Element *, LiczbaPozycjiStolu + 1> wskEtykiet{};
    for (int p = 1; p <= ObrazekOpisu; ++p)
        obrazki[p] = &obrazy[p];
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p)
        wskEtykiet[p] = &etykiety[p];

    WyczyscStol(obrazki, wskEtykiet);

    for (int p = 1; p <= 15; ++p) {
        QVERIFY2(obrazy[p].obraz.isNull(), qPrintable(QStringLiteral("position %1 keeps its picture").arg(p)));
        QVERIFY2(!obrazy[p].wlaczony, qPrintable(QStringLiteral("position %1 stays clickable").arg(p)));
        QVERIFY2(obrazy[p].podpowiedz.isEmpty(), qPrintable(QStringLiteral("position %1 keeps its hint").arg(p)));
        QVERIFY2(!etykiety[p].widoczny, qPrintable(QStringLiteral("number %1 stays shown").arg(p)));
    }
    // The card description window's picture is not on the table.
    QVERIFY(!obrazy[16].obraz.isNull());
    QVERIFY(obrazy[16].wlaczony);
    QCOMPARE(obrazy[16].podpowiedz, QStringLiteral("Fehu"));
}

QTEST_GUILESS_MAIN(TstWyswietlanie)
#include "tst_wyswietlanie.moc"
