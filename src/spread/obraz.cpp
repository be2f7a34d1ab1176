#include "spread/obraz.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

bool WGranicach(qint64 szerokosc, qint64 wysokosc)
{
    return szerokosc > 0 && wysokosc > 0 && szerokosc <= NajwiekszyBokObrazu && wysokosc <= NajwiekszyBokObrazu
        && szerokosc * wysokosc <= NajwiecejPikseliObrazu;
}

quint32 U32(const QByteArray &b, int i)
{
    return qFromLittleEndian<quint32>(b.constData() + i);
}

quint16 U16(const QByteArray &b, int i)
{
    return qFromLittleEndian<quint16>(b.constData() + i);
}

// For BMP bytes: whether the header's size is within bounds and, for pixels
// stored uncompressed, whether the bytes hold all the rows the header claims.
// A short file is damaged; refusing it here keeps a tiny file from making the
// decoder allocate a picture it cannot fill. A negative height (rows stored
// top down) is valid BMP.
bool BmpWGranicach(const QByteArray &b)
{
    constexpr int Plik = 14; // BITMAPFILEHEADER
    if (b.size() < Plik + 12)
        return false;
    const quint32 naglowek = U32(b, Plik);
    qint64 szerokosc = 0, wysokosc = 0;
    int bity = 0;
    quint32 kompresja = 0;
    if (naglowek == 12) { // OS/2 BITMAPCOREHEADER
        szerokosc = U16(b, Plik + 4);
        wysokosc = U16(b, Plik + 6);
        bity = U16(b, Plik + 10);
    } else {
        if (naglowek < 40 || b.size() < Plik + 40)
            return false;
        szerokosc = qint32(U32(b, Plik + 4));
        wysokosc = qint32(U32(b, Plik + 8));
        bity = U16(b, Plik + 14);
        kompresja = U32(b, Plik + 16);
        wysokosc = wysokosc < 0 ? -wysokosc : wysokosc;
    }
    if (!WGranicach(szerokosc, wysokosc))
        return false;
    constexpr quint32 BI_RGB = 0, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6;
    if (kompresja == BI_RGB || kompresja == BI_BITFIELDS || kompresja == BI_ALPHABITFIELDS) {
        if (bity <= 0 || bity > 32)
            return false;
        const qint64 wiersz = (szerokosc * bity + 31) / 32 * 4;
        return b.size() - Plik - qint64(naglowek) >= wiersz * wysokosc;
    }
    return true; // run-length pictures: the size bound above and the decoder's own limit
}

} // namespace

QImage ObrazZBajtow(const QByteArray &bajty)
{
    if (bajty.isEmpty())
        return QImage();
    const bool bmp = bajty.startsWith("BM");
    if (bmp && !BmpWGranicach(bajty))
        return QImage();
    QBuffer bufor;
    bufor.setData(bajty);
    bufor.open(QIODevice::ReadOnly);
    // Imported decks may carry other formats under the same field: BMP bytes
    // go to the BMP decoder, anything else to the format its content shows.
    QImageReader czytnik(&bufor, bmp ? QByteArray("bmp") : QByteArray());
    czytnik.setAllocationLimit(LimitPamieciObrazuMB);
    if (!bmp) {
        const QSize rozmiar = czytnik.size();
        if (!rozmiar.isValid() || !WGranicach(rozmiar.width(), rozmiar.height()))
            return QImage();
    }
    QImage obraz = czytnik.read();
    if (!obraz.isNull() && !WGranicach(obraz.width(), obraz.height()))
        return QImage();
    // A palette shorter than its pixels' indices (a damaged header) is filled
    // up with black, so that every index names a colour: parts of Qt read
    // the palette by index unchecked.
    const int kolorow = obraz.format() == QImage::Format_Indexed8 ? 256 : obraz.depth() == 1 ? 2 : 0;
    if (obraz.colorCount() < kolorow) {
        QList<QRgb> paleta = obraz.colorTable();
        paleta.resize(kolorow, qRgb(0, 0, 0));
        obraz.setColorTable(paleta);
    }
    return obraz;
}

QImage ObrazZPliku(const QString &plik)
{
    // Room for the largest picture uncompressed, with its headers.
    constexpr qint64 NajwiekszyPlik = NajwiecejPikseliObrazu * 4 + 64 * 1024;
    const QFileInfo info(plik);
    if (!info.isFile() || info.size() > NajwiekszyPlik)
        return QImage();
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return QImage();
    return ObrazZBajtow(f.read(NajwiekszyPlik + 1));
}

QByteArray BajtyBmp(const QImage &obraz)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    // Qt writes an RGB888 picture with 24 bits per pixel, whatever its source format.
    if (obraz.isNull() || !obraz.convertToFormat(QImage::Format_RGB888).save(&buf, "BMP"))
        return {};
    return b;
}

QImage OdwrocObraz(const QImage &obraz)
{
    if (obraz.isNull())
        return QImage();
    return obraz.mirrored(true, true);
}
