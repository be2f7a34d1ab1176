#include "spread/obraz.h"
#include "store/magazyn.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDirIterator>
#include <QtEndian>
#include <QtTest>

#include <limits>
#include <sys/stat.h>

class TstObraz : public QObject
{
    Q_OBJECT
private slots:
    void obrot_data();
    void obrot();
    void pustyZostajePusty();
    void bajty_data();
    void bajty();
    void zapisBmp_data();
    void zapisBmp();
    void granice_data();
    void granice();
    void plikTla();
    void obrazyProgramu();
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

// A BMP file of the given header fields: 24 bits a pixel unless told, rows
// filled with one colour, or only the first ile bytes of them.
QByteArray Bmp(qint32 szerokosc, qint32 wysokosc, qint64 ile = -1, quint16 bity = 24, quint32 kompresja = 0,
               const QByteArray &paleta = QByteArray(), const QByteArray &piksele = QByteArray())
{
    const qint64 wiersz = szerokosc > 0 ? (qint64(szerokosc) * bity + 31) / 32 * 4 : 0;
    QByteArray dane = piksele;
    if (dane.isEmpty())
        dane = QByteArray(ile >= 0 ? ile : wiersz * qAbs(qint64(wysokosc)), '\x50');
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 poczatek = 14 + 40 + quint32(paleta.size());
    s.writeRawData("BM", 2);
    s << quint32(poczatek + dane.size()) << quint32(0) << poczatek;
    s << quint32(40) << szerokosc << wysokosc << quint16(1) << bity << kompresja << quint32(dane.size()) << qint32(2835)
      << qint32(2835) << quint32(paleta.size() / 4) << quint32(0);
    s.writeRawData(paleta.constData(), int(paleta.size()));
    s.writeRawData(dane.constData(), int(dane.size()));
    return b;
}

// A GIF whose logical screen claims the given size, with one 1 x 1 image.
QByteArray Gif(quint16 szerokosc, quint16 wysokosc)
{
    QByteArray b("GIF89a");
    QDataStream s(&b, QIODevice::Append);
    s.setByteOrder(QDataStream::LittleEndian);
    s << szerokosc << wysokosc << quint8(0x80) << quint8(0) << quint8(0);
    s << quint8(0) << quint8(0) << quint8(0) << quint8(255) << quint8(255) << quint8(255);
    s << quint8(',') << quint16(0) << quint16(0) << quint16(1) << quint16(1) << quint8(0);
    s << quint8(2) << quint8(2) << quint8(0x44) << quint8(0x01) << quint8(0) << quint8(';');
    return b;
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
    const QByteArray bmp = BajtyBmp(Wzor(QImage::Format_RGB888));
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<bool>("obraz");
    QTest::addRow("BMP bytes decode") << bmp << true;
    QTest::addRow("PNG bytes decode too") << Zapisz(Wzor(QImage::Format_RGB888), "PNG") << true;
    QTest::addRow("no bytes give no picture") << QByteArray() << false;
    QTest::addRow("garbage gives no picture") << QByteArray("to nie jest obrazek, tylko tekst\x01\x02", 34) << false;
    QTest::addRow("a BMP header cut short gives no picture") << bmp.left(20) << false;
}

void TstObraz::zapisBmp_data()
{
    QTest::addColumn<QImage>("obraz");
    QTest::addRow("an RGB888 picture is written at 24 bits") << Wzor(QImage::Format_RGB888);
    QTest::addRow("an RGB32 picture is written at 24 bits") << Wzor(QImage::Format_RGB32);
    QTest::addRow("an opaque ARGB32 picture is written at 24 bits") << Wzor(QImage::Format_ARGB32);
    QTest::addRow("a paletted picture is written at 24 bits, not 8")
        << Wzor(QImage::Format_RGB888).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

// Stores and add-ons keep 24-bit BMP files; whatever the picture's format,
// the writer gives that depth and the reader gets the same pixels back.
void TstObraz::zapisBmp()
{
    QFETCH(QImage, obraz);
    const QByteArray b = BajtyBmp(obraz);
    QVERIFY(b.startsWith("BM"));
    QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 28), quint16(24));
    const QImage odczytany = ObrazZBajtow(b);
    QCOMPARE(odczytany.size(), obraz.size());
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            QCOMPARE(odczytany.pixel(x, y), obraz.pixel(x, y));
    QVERIFY(BajtyBmp(QImage()).isEmpty());
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

void TstObraz::granice_data()
{
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<QSize>("rozmiar"); // invalid: no picture

    const QSize brak;
    QTest::addRow("a 4K-screen background (3840 x 2160) decodes") << Bmp(3840, 2160) << QSize(3840, 2160);
    QTest::addRow("a picture stored top down (negative height) decodes") << Bmp(5, -3) << QSize(5, 3);
    QTest::addRow("a header claiming 30000 x 30000 gives no picture") << Bmp(30000, 30000, 0) << brak;
    QTest::addRow("a picture wider than 4096 gives no picture, even whole") << Bmp(4097, 1) << brak;
    QTest::addRow("4096 x 4096 is beyond the pixel bound") << Bmp(4096, 4096, 0) << brak;
    QTest::addRow("a zero width gives no picture") << Bmp(0, 4) << brak;
    QTest::addRow("the most negative height gives no picture")
        << Bmp(3, std::numeric_limits<qint32>::min(), 64) << brak;
    QTest::addRow("a picture missing its last row gives no picture") << Bmp(5, 3, 2 * 16) << brak;
    QTest::addRow("a run-length picture claiming 4097 rows gives no picture")
        << Bmp(8, 4097, -1, 8, 1, QByteArray(8, '\0'), QByteArray("\x08\x01\x00\x01", 4)) << brak;
    QTest::addRow("a palette index beyond the palette still gives the picture") << Bmp(
        4, 2, -1, 8, 0, QByteArray("\0\0\0\0\xff\xff\xff\0", 8), QByteArray("\x00\x01\xc8\xff\xff\x07\x01\x00", 8))
                                                                                << QSize(4, 2);
    QTest::addRow("a GIF of 1 x 1 decodes") << Gif(1, 1) << QSize(1, 1);
    QTest::addRow("a GIF claiming 30000 x 30000 gives no picture") << Gif(30000, 30000) << brak;
}

void TstObraz::granice()
{
    QFETCH(QByteArray, bajty);
    QFETCH(QSize, rozmiar);
    const QImage obraz = ObrazZBajtow(bajty);
    QCOMPARE(obraz.isNull() ? QSize() : obraz.size(), rozmiar);
    if (obraz.isNull())
        return;
    // Every pixel names a colour of the palette, as drawing and comparing
    // pictures take for granted.
    for (int y = 0; y < obraz.height() && obraz.colorCount() > 0; ++y)
        for (int x = 0; x < obraz.width(); ++x)
            QVERIFY(obraz.pixelIndex(x, y) < obraz.colorCount());
    QCOMPARE(OdwrocObraz(OdwrocObraz(obraz)), obraz);
}

// The background cache is read only as a regular file: a named pipe in its
// place must neither block nor give a picture.
void TstObraz::plikTla()
{
    QTemporaryDir tmp;
    const QString plik = tmp.path() + QStringLiteral("/tmptlo.bmp");
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(BajtyBmp(Wzor(QImage::Format_RGB888)));
    f.close();
    QCOMPARE(ObrazZPliku(plik).size(), QSize(5, 3));
    QVERIFY(ObrazZPliku(tmp.path() + QStringLiteral("/brak.bmp")).isNull());
    QVERIFY(ObrazZPliku(tmp.path()).isNull());

    const QString fifo = tmp.path() + QStringLiteral("/fifo.bmp");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(ObrazZPliku(fifo).isNull());
}

// The bound refuses no picture the program ships: every picture of the card
// store and of the sample add-ons decodes, at its own size.
void TstObraz::obrazyProgramu()
{
    QString blad;
    auto m = MagazynKart::Otworz(TestSupport::programDir() + QStringLiteral("/Data/"), &blad);
    QVERIFY2(m, qPrintable(blad));
    QList<QPair<QString, QByteArray>> obrazy;
    for (const auto &t : m->Talie()) {
        obrazy << qMakePair(QStringLiteral("back of deck %1").arg(t.NumerTalii), m->Koszulka(t.NumerTalii));
        for (const auto &i : m->Ikonki(t.NumerTalii)) {
            obrazy << qMakePair(QStringLiteral("icon %1/%2").arg(t.NumerTalii).arg(i.NrKarty), i.ObrazekMaly);
            for (const char *kolumna : {"Obrazek800", "Obrazek1024", "ObrazekBig"})
                obrazy << qMakePair(
                    QStringLiteral("%1 %2/%3").arg(QLatin1String(kolumna)).arg(t.NumerTalii).arg(i.NrKarty),
                    m->ObrazekKarty(i.NrKarty, t.NumerTalii, QLatin1String(kolumna)));
        }
    }
    for (const auto &t : m->Tla())
        obrazy << qMakePair(QStringLiteral("background %1").arg(t.ID), m->ObrazTla(t.ID, false))
               << qMakePair(QStringLiteral("miniature %1").arg(t.ID), m->ObrazTla(t.ID, true));
    QVERIFY(obrazy.size() >= 4 * 24 + 1); // at least one whole deck
    QDirIterator dodatki(TestSupport::programDir() + QStringLiteral("/dodatki"), {QStringLiteral("*.bmp")}, QDir::Files,
                         QDirIterator::Subdirectories);
    int plikow = 0;
    while (dodatki.hasNext()) {
        const QString plik = dodatki.next();
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        obrazy << qMakePair(plik, f.readAll());
        ++plikow;
    }
    QVERIFY(plikow > 0);
    for (const auto &[co, bajty] : obrazy) {
        QVERIFY2(!bajty.isEmpty(), qPrintable(co));
        QImage bezGranic;
        QVERIFY2(bezGranic.loadFromData(bajty), qPrintable(co));
        QCOMPARE(ObrazZBajtow(bajty), bezGranic);
    }
}

QTEST_GUILESS_MAIN(TstObraz)
#include "tst_obraz.moc"
