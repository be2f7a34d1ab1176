#pragma once
#include <QByteArray>
#include <QImage>

// Decodes a card picture as kept in the card store (BMP file bytes).
// Empty or unreadable bytes give a null image.
QImage ObrazZBajtow(const QByteArray &bmp);

// Reads a picture file the program keeps beside itself. Anything but a
// regular file (a named pipe, a device, a folder) gives a null image without
// being opened: opening a pipe would wait for a writer for ever.
QImage ObrazZPliku(const QString &sciezka);

// The picture turned by 180 degrees, in its own pixel format; null stays null.
QImage OdwrocObraz(const QImage &obraz);
