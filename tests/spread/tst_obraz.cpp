#include "spread/obraz.h"

#include <QBuffer>
#include <QtTest>

class TstObraz : public QObject
{
    Q_OBJECT
private slots:
    void obrot_data();
    void obrot();
    void pustyZostajePusty();
    void bajty_data();
    void bajty();
};

namespace {

// Every pixel different, odd width so 24-bit rows carry padding.
QImage Wzor(QImage::Format format)
{
    QImage rgb(5, 3, QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            rgb.setPixel(x, y, qRgb(40 * x, 80 * y, 10 + 3 * x + 17 * y));
    return rgb.convertToFormat(format);
}

QByteArray Zapisz(const QImage &obraz, const char *format)
{
    QByteArray bajty;
    QBuffer bufor(&bajty);
    bufor.open(QIODevice::WriteOnly);
    obraz.save(&bufor, format);
    return bajty;
}

} // namespace

void TstObraz::obrot_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addRow("24-bit picture as the card store holds") << QImage::Format_RGB888;
    QTest::addRow("32-bit picture") << QImage::Format_RGB32;
    QTest::addRow("32-bit picture with alpha") << QImage::Format_ARGB32;
    QTest::addRow("8-bit palette picture") << QImage::Format_Indexed8;
    QTest::addRow("8-bit grey picture") << QImage::Format_Grayscale8;
    QTest::addRow("16-bit picture") << QImage::Format_RGB16;
}

void TstObraz::obrot()
{
    QFETCH(QImage::Format, format);
    const QImage prosty = Wzor(format);
    QCOMPARE(prosty.format(), format);
    const QImage odwrocony = OdwrocObraz(prosty);

    QCOMPARE(odwrocony.size(), prosty.size());
    QCOMPARE(odwrocony.format(), format);
    const int W = prosty.width(), H = prosty.height();
    QCOMPARE(odwrocony.pixel(0, 0), prosty.pixel(W - 1, H - 1));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            QCOMPARE(odwrocony.pixel(W - 1 - x, H - 1 - y), prosty.pixel(x, y));
    QCOMPARE(OdwrocObraz(odwrocony), prosty);
}

void TstObraz::pustyZostajePusty()
{
    QVERIFY(OdwrocObraz(QImage()).isNull());
}

void TstObraz::bajty_data()
{
    const QByteArray bmp = Zapisz(Wzor(QImage::Format_RGB888), "BMP");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<bool>("obraz");
    QTest::addRow("BMP bytes decode") << bmp << true;
    QTest::addRow("PNG bytes decode too") << Zapisz(Wzor(QImage::Format_RGB888), "PNG") << true;
    QTest::addRow("no bytes give no picture") << QByteArray() << false;
    QTest::addRow("garbage gives no picture") << QByteArray("to nie jest obrazek, tylko tekst\x01\x02", 34) << false;
    QTest::addRow("a BMP header cut short gives no picture") << bmp.left(20) << false;
}

void TstObraz::bajty()
{
    QFETCH(QByteArray, bajty);
    QFETCH(bool, obraz);
    const QImage wynik = ObrazZBajtow(bajty);
    QCOMPARE(!wynik.isNull(), obraz);
    if (obraz) {
        const QImage wzor = Wzor(QImage::Format_RGB888);
        QCOMPARE(wynik.size(), wzor.size());
        QCOMPARE(wynik.pixel(4, 2), wzor.pixel(4, 2));
    }
}

QTEST_GUILESS_MAIN(TstObraz)
#include "tst_obraz.moc"
