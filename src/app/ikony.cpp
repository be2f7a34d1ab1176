#include "app/ikony.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void rysuj(QPainter &p, Glif g, const QColor &kreska, const QColor &akcent)
{
    // Drawn on a 24 x 24 grid.
    QPen pen(kreska, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto karta = [&](QRectF r, const QColor &wypelnienie) {
        p.setBrush(wypelnienie);
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(Qt::NoBrush);
    };
    switch (g) {
    case Glif::Nowy: // three cards fanned out with a star
        karta(QRectF(3, 5, 9, 14), QColor(240, 232, 210));
        karta(QRectF(8, 3, 9, 14), QColor(240, 232, 210));
        p.setPen(QPen(akcent, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 13), QPointF(19, 21));
        p.drawLine(QPointF(15, 17), QPointF(23, 17));
        break;
    case Glif::Interpretacja: // an open book
        p.setBrush(QColor(245, 240, 225));
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(12, 8), QPointF(12, 21), QPointF(2, 19)}));
        p.drawPolygon(QPolygonF({QPointF(22, 6), QPointF(12, 8), QPointF(12, 21), QPointF(22, 19)}));
        p.setPen(QPen(akcent, 1.2));
        for (int y : {11, 14, 17}) {
            p.drawLine(QPointF(4, y - 1), QPointF(10, y));
            p.drawLine(QPointF(14, y), QPointF(20, y - 1));
        }
        break;
    case Glif::Otworz: // a folder
        p.setBrush(QColor(238, 200, 100));
        p.drawPolygon(
            QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(21, 8), QPointF(21, 19), QPointF(2, 19)}));
        p.setBrush(QColor(250, 222, 140));
        p.drawPolygon(QPolygonF({QPointF(4, 11), QPointF(23, 11), QPointF(21, 19), QPointF(2, 19)}));
        break;
    case Glif::Zapisz: // a floppy disk
    case Glif::ZapiszTxt:
        p.setBrush(g == Glif::Zapisz ? QColor(80, 110, 170) : QColor(90, 140, 100));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(6, 13, 12, 8));
        if (g == Glif::ZapiszTxt) {
            p.setPen(QPen(kreska, 1));
            p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
            p.drawLine(QPointF(8, 18), QPointF(14, 18));
        }
        break;
    case Glif::Podglad: // a page with a magnifier
        karta(QRectF(3, 2, 13, 18), Qt::white);
        p.setPen(QPen(akcent, 2.2));
        p.drawEllipse(QPointF(14, 14), 4.5, 4.5);
        p.drawLine(QPointF(17.5, 17.5), QPointF(22, 22));
        break;
    case Glif::Drukuj: // a printer
        karta(QRectF(7, 2, 10, 8), Qt::white);
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        karta(QRectF(6, 14, 12, 8), Qt::white);
        p.setPen(QPen(akcent, 2));
        p.drawPoint(QPointF(18.5, 12));
        break;
    case Glif::Ustawienia: { // a cog
        p.setBrush(QColor(170, 170, 180));
        QPainterPath kolo;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(12, 12);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2, -11, 4, 5));
            p.restore();
        }
        p.drawEllipse(QPointF(12, 12), 7, 7);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
        break;
    }
    case Glif::Pomoc: { // a question mark in a circle
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath s;
        s.moveTo(8.5, 9);
        s.cubicTo(8.5, 4.5, 15.5, 4.5, 15.5, 9);
        s.cubicTo(15.5, 12, 12, 12, 12, 14.5);
        p.drawPath(s);
        p.drawPoint(QPointF(12, 18));
        break;
    }
    case Glif::Informacje:
        p.setBrush(QColor(70, 150, 110));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPoint(QPointF(12, 7));
        p.drawLine(QPointF(12, 11), QPointF(12, 18));
        break;
    case Glif::Odwroc: { // two arrows turning round
        p.setPen(QPen(akcent, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 150 * 16);
        p.drawArc(QRectF(4, 4, 16, 16), 210 * 16, 150 * 16);
        p.drawLine(QPointF(19, 8), QPointF(19.5, 3.5));
        p.drawLine(QPointF(19, 8), QPointF(14.5, 7));
        p.drawLine(QPointF(5, 16), QPointF(4.5, 20.5));
        p.drawLine(QPointF(5, 16), QPointF(9.5, 17));
        break;
    }
    case Glif::Zamknij:
    case Glif::Anuluj:
        p.setPen(QPen(QColor(190, 50, 50), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case Glif::OK:
        p.setPen(QPen(QColor(40, 150, 60), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case Glif::Cofnij: {
        p.setPen(QPen(akcent, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath s;
        s.moveTo(6, 10);
        s.cubicTo(12, 4, 22, 8, 20, 17);
        p.drawPath(s);
        p.drawPolyline(QPolygonF({QPointF(6, 4), QPointF(6, 10), QPointF(12, 10)}));
        break;
    }
    case Glif::Prosta:
    case Glif::Odwrocona: {
        karta(QRectF(6, 2, 12, 20), QColor(240, 232, 210));
        p.setPen(QPen(akcent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const bool gora = g == Glif::Prosta;
        const double y1 = gora ? 17 : 7, y2 = gora ? 7 : 17;
        p.drawLine(QPointF(12, y1), QPointF(12, y2));
        p.drawPolyline(QPolygonF({QPointF(9, gora ? 10 : 14), QPointF(12, y2), QPointF(15, gora ? 10 : 14)}));
        break;
    }
    case Glif::Karty:
        karta(QRectF(3, 4, 11, 16), QColor(240, 232, 210));
        karta(QRectF(10, 3, 11, 16), QColor(240, 232, 210));
        p.setPen(QPen(akcent, 2));
        p.drawLine(QPointF(15.5, 6), QPointF(15.5, 16));
        p.drawLine(QPointF(15.5, 7), QPointF(19, 9.5));
        break;
    case Glif::Stoliki:
        p.setBrush(QColor(60, 120, 70));
        p.drawRoundedRect(QRectF(2, 5, 20, 12), 3, 3);
        p.setPen(QPen(QColor(120, 80, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 17), QPointF(4, 22));
        p.drawLine(QPointF(19, 17), QPointF(20, 22));
        break;
    }
}

QPixmap glif(Glif g, int rozmiar, bool aktywny)
{
    QPixmap px(rozmiar, rozmiar);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(rozmiar / 24.0, rozmiar / 24.0);
    rysuj(p, g, QColor(40, 40, 48), QColor(170, 60, 40));
    p.end();
    if (aktywny)
        return px;
    // The disabled look: the same glyph, grey and faint.
    QImage img = px.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *w = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int sz = 150 + qGray(w[x]) / 4;
            w[x] = qRgba(sz, sz, sz, qAlpha(w[x]) * 2 / 3);
        }
    }
    return QPixmap::fromImage(img);
}

} // namespace

QIcon IkonaGlifu(Glif g, int rozmiar)
{
    QIcon ikona;
    ikona.addPixmap(glif(g, rozmiar, true), QIcon::Normal);
    ikona.addPixmap(glif(g, rozmiar, false), QIcon::Disabled);
    return ikona;
}

QImage ObrazIkonyProgramu(int rozmiar)
{
    QImage img(rozmiar, rozmiar, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(rozmiar / 64.0, rozmiar / 64.0);
    p.setPen(QPen(QColor(40, 34, 30), 2));
    p.setBrush(QColor(72, 78, 92));
    p.drawRoundedRect(QRectF(10, 3, 44, 58), 8, 8);
    // Othala, the rune of home and heritage.
    p.setPen(QPen(QColor(238, 206, 130), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF g(32, 12), l(21, 30), r(43, 30), dl(18, 54), dr(46, 54);
    p.drawLine(g, l);
    p.drawLine(g, r);
    p.drawLine(l, dr);
    p.drawLine(r, dl);
    return img;
}

QIcon IkonaProgramu()
{
    QIcon ikona;
    for (int r : {16, 24, 32, 48, 64, 128})
        ikona.addPixmap(QPixmap::fromImage(ObrazIkonyProgramu(r)));
    return ikona;
}
