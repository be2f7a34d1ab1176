#include "spread/obraz.h"

#include <QFileInfo>

QImage ObrazZBajtow(const QByteArray &bmp)
{
    if (bmp.isEmpty())
        return QImage();
    QImage obraz = QImage::fromData(bmp, "BMP");
    // Imported decks may carry other formats under the same field.
    if (obraz.isNull())
        obraz = QImage::fromData(bmp);
    return obraz;
}

QImage OdwrocObraz(const QImage &obraz)
{
    if (obraz.isNull())
        return QImage();
    return obraz.mirrored(true, true);
}

QImage ObrazZPliku(const QString &sciezka)
{
    if (!QFileInfo(sciezka).isFile())
        return QImage();
    return QImage(sciezka);
}
