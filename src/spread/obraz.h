#pragma once
#include <QByteArray>
#include <QImage>

// Decodes a card picture as kept in the card store (BMP file bytes).
// Empty or unreadable bytes give a null image.
QImage ObrazZBajtow(const QByteArray &bmp);

// The picture turned by 180 degrees, in its own pixel format; null stays null.
QImage OdwrocObraz(const QImage &obraz);
