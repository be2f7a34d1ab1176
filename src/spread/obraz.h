#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The largest picture the program ever shows is a table background stretched
// over a screen; a 4K screen (3840 x 2160) is the biggest such picture. Cards
// are far smaller. A picture whose header claims more than this is damaged or
// hostile and counts as no picture, before any pixel is decoded.
inline constexpr int NajwiekszyBokObrazu = 4096;
inline constexpr qint64 NajwiecejPikseliObrazu = qint64(4096) * 2048;
// The decoder may not allocate more than that many pixels at 4 bytes each.
inline constexpr int LimitPamieciObrazuMB = int(NajwiecejPikseliObrazu * 4 / (1024 * 1024));

// Decodes a card picture as kept in the card store (BMP file bytes; other
// formats Qt reads are accepted too). Empty, unreadable or out-of-bounds bytes
// give a null image.
QImage ObrazZBajtow(const QByteArray &bajty);

// The same for a picture file (the background cache, a miniature): anything
// but a regular file of plausible size (a named pipe, a device, a folder)
// gives a null image without being opened, since opening a pipe would wait
// for a writer for ever.
QImage ObrazZPliku(const QString &plik);

// BMP file bytes of a picture at 24 bits per pixel, the depth the card store
// and the add-ons keep; empty when the picture cannot be encoded.
QByteArray BajtyBmp(const QImage &obraz);

// The picture turned by 180 degrees, in its own pixel format; null stays null.
QImage OdwrocObraz(const QImage &obraz);
