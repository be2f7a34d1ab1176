// Any bytes as a card picture from the store: decoding gives a picture within
// the bounds or nothing, drawing it reads only its own pixels, and turning it
// is its own inverse.
#include "spread/obraz.h"

#include <cstdlib>

// No application object: QImage decodes BMP, and finds the format plugins
// for other bytes, without one.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage obraz = ObrazZBajtow(bajty);
    const QImage odwrocony = OdwrocObraz(obraz);
    if (obraz.isNull() != odwrocony.isNull())
        abort();
    if (obraz.isNull())
        return 0;
    if (odwrocony.size() != obraz.size() || odwrocony.format() != obraz.format())
        abort();
    const int w = obraz.width(), h = obraz.height();
    if (w > NajwiekszyBokObrazu || h > NajwiekszyBokObrazu || qint64(w) * h > NajwiecejPikseliObrazu)
        abort();
    if (qint64(w) * h <= 1 << 16 && obraz.convertToFormat(QImage::Format_ARGB32_Premultiplied).size() != obraz.size())
        abort();
    if (obraz.pixel(0, 0) != odwrocony.pixel(w - 1, h - 1) || obraz.pixel(w - 1, 0) != odwrocony.pixel(0, h - 1))
        abort();
    if (qint64(w) * h <= 1 << 20 && OdwrocObraz(odwrocony) != obraz)
        abort();
    return 0;
}
