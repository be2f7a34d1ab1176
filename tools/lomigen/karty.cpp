#include "karty.h"

#include "runy.h"
#include "szum.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace szum;

namespace {

constexpr float Pi2 = 6.2831853f;

struct Paleta
{
    QColor napis;    // name at the foot
    QColor znacznik; // the mark at the head
    QColor linia;    // thin ornament lines
};

Paleta paleta(StylTalii st)
{
    switch (st) {
    case StylTalii::Kamien:
        return {QColor(44, 40, 38), QColor(150, 48, 32), QColor(60, 56, 52, 170)};
    case StylTalii::Drewno:
        return {QColor(48, 24, 8), QColor(52, 26, 8), QColor(70, 36, 12, 160)};
    case StylTalii::Kosc:
        return {QColor(86, 56, 34), QColor(120, 40, 26), QColor(110, 78, 50)};
    case StylTalii::Zloto:
        return {QColor(238, 204, 116), QColor(238, 204, 116), QColor(214, 172, 80)};
    case StylTalii::Bursztyn:
        return {QColor(74, 34, 6), QColor(92, 38, 4), QColor(96, 44, 8, 190)};
    }
    return {};
}

// Background texture of a card. Lengths are taken in units of the big
// picture (169 px wide), so every size of one card shows the same grain.
QImage pole(StylTalii st, int W, int H, qreal skala, uint32_t z)
{
    const float k = float(skala);
    const float cx = W * 0.5f, cy = H * 0.5f;
    const float rmax = std::sqrt(cx * cx + cy * cy);
    switch (st) {
    case StylTalii::Kamien:
        return wypelnij(W, H, [&](int x, int y) {
            const float X = x / k, Y = y / k;
            const float n = fbm(X / 26.f, Y / 26.f, 4, z);
            const float d = fbm(X / 4.f, Y / 4.f, 2, z + 7);
            const float plamka = losowa(int(X / 1.5f), int(Y / 1.5f), z + 11);
            float v = 0.78f + 0.34f * n + 0.12f * (d - 0.5f);
            if (plamka > 0.955f)
                v *= 0.74f;
            else if (plamka < 0.03f)
                v *= 1.13f;
            const float cieplo = fbm(X / 60.f, Y / 60.f, 2, z + 3) - 0.5f;
            return rgb(138 * v + 10 * cieplo, 135 * v, 128 * v - 8 * cieplo);
        });
    case StylTalii::Drewno:
        return wypelnij(W, H, [&](int x, int y) {
            const float X = x / k, Y = y / k;
            const float wygiecie = fbm(X / 48.f, Y / 190.f, 3, z);
            const float t = X / 17.f + wygiecie * 3.2f;
            float sloj = 0.5f + 0.5f * std::sin(t * Pi2);
            sloj = sloj * sloj * sloj;
            const float wlokno = fbm(X / 1.6f, Y / 28.f, 2, z + 5) - 0.5f;
            const float m = std::clamp(sloj * 0.7f + wlokno * 0.45f + (wygiecie - 0.5f) * 0.3f, 0.f, 1.f);
            return rgb(mix(196, 132, m), mix(142, 84, m), mix(86, 44, m));
        });
    case StylTalii::Kosc:
        return wypelnij(W, H, [&](int x, int y) {
            const float X = x / k, Y = y / k;
            const float n = fbm(X / 34.f, Y / 34.f, 4, z) - 0.5f;
            const float w = fbm(X / 3.f, Y / 9.f, 2, z + 4) - 0.5f;
            const float dx = x - cx, dy = y - cy;
            const float r = std::sqrt(dx * dx + dy * dy) / rmax;
            const float zolc = r * r;
            float v = 1.0f + n * 0.07f + w * 0.05f;
            if (losowa(int(X), int(Y), z + 9) > 0.985f)
                v *= 0.88f;
            return rgb(mix(242, 222, zolc) * v, mix(233, 204, zolc) * v, mix(212, 164, zolc) * v);
        });
    case StylTalii::Zloto:
        return wypelnij(W, H, [&](int x, int y) {
            const float X = x / k, Y = y / k;
            const float dx = x - cx, dy = y - cy;
            const float r = std::sqrt(dx * dx + dy * dy) / rmax;
            const float mg = fbm(X / 40.f, Y / 40.f, 4, z) - 0.5f;
            float rr = mix(30, 9, r) + mg * 14, gg = mix(44, 15, r) + mg * 12, bb = mix(100, 44, r) + mg * 22;
            const float g = losowa(int(X * 0.8f), int(Y * 0.8f), z + 9);
            if (g > 0.991f) {
                const float jasnosc = (g - 0.991f) / 0.009f * 150;
                rr += jasnosc;
                gg += jasnosc * 0.95f;
                bb += jasnosc * 0.7f;
            }
            return rgb(rr, gg, bb);
        });
    case StylTalii::Bursztyn:
        return wypelnij(W, H, [&](int x, int y) {
            const float X = x / k, Y = y / k;
            const float dx = x - cx, dy = y - cy * 0.9f;
            const float r = std::sqrt(dx * dx + dy * dy) / rmax;
            const float wir = fbm(X / 30.f + 2.5f * fbm(X / 50.f, Y / 50.f, 2, z + 1), Y / 30.f, 4, z) - 0.5f;
            float m = std::clamp(std::pow(r, 1.2f) * 1.15f + wir * 0.45f, 0.f, 1.f);
            float rr = mix(255, 176, m), gg = mix(204, 84, m), bb = mix(104, 14, m);
            const float g = losowa(int(X / 1.2f), int(Y / 1.2f), z + 13);
            if (g > 0.996f) {
                rr *= 0.45f;
                gg *= 0.4f;
                bb *= 0.35f; // a speck caught in the resin
            } else if (g < 0.003f) {
                rr += 40;
                gg += 40;
                bb += 40; // an air bubble
            }
            return rgb(rr, gg, bb);
        });
    }
    return {};
}

// The frame; `b` is the width of the border band.
void rama(QPainter &p, StylTalii st, int W, int H, qreal s, qreal b)
{
    const QRectF zew(0, 0, W, H);
    const QRectF wew = zew.adjusted(b, b, -b, -b);
    QPainterPath pas;
    pas.addRect(zew);
    pas.addRect(wew);
    pas.setFillRule(Qt::OddEvenFill);
    const qreal px = 1.0;
    auto linia = [&](QColor c, qreal grubosc, const QRectF &r) {
        p.setPen(QPen(c, grubosc, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    };
    switch (st) {
    case StylTalii::Kamien: {
        p.fillPath(pas, QColor(0, 0, 0, 92));
        // A raised slab lit from the upper left.
        const QRectF k = wew.adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal g = std::max(1.0, 1.3 * s);
        p.setPen(QPen(QColor(232, 230, 222, 170), g));
        p.drawLine(k.topLeft(), k.topRight());
        p.drawLine(k.topLeft(), k.bottomLeft());
        p.setPen(QPen(QColor(20, 20, 20, 150), g));
        p.drawLine(k.bottomLeft(), k.bottomRight());
        p.drawLine(k.topRight(), k.bottomRight());
        linia(QColor(26, 25, 24), px, zew.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
    case StylTalii::Drewno:
        p.fillPath(pas, QColor(58, 28, 6, 140));
        linia(QColor(250, 214, 160, 120), std::max(1.0, 1.0 * s), wew.adjusted(-0.5, -0.5, 0.5, 0.5));
        linia(QColor(50, 24, 6, 150), std::max(1.0, 0.8 * s),
              wew.adjusted(1.5 * s + 0.5, 1.5 * s + 0.5, -1.5 * s - 0.5, -1.5 * s - 0.5));
        linia(QColor(34, 16, 4), px, zew.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case StylTalii::Kosc: {
        const QColor sepia(110, 78, 50);
        linia(QColor(150, 122, 92), px, zew.adjusted(0.5, 0.5, -0.5, -0.5));
        linia(sepia, std::max(1.0, 1.4 * s), zew.adjusted(b * 0.55, b * 0.55, -b * 0.55, -b * 0.55));
        linia(sepia, std::max(0.8, 0.7 * s), wew.adjusted(1.2 * s, 1.2 * s, -1.2 * s, -1.2 * s));
        // Ring-and-dot, the old bone carvers' ornament, in each corner.
        const QRectF r = wew.adjusted(7 * s, 7 * s, -7 * s, -7 * s);
        const qreal pr = std::max(1.8, 3.4 * s);
        for (QPointF c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            p.setPen(QPen(sepia, std::max(0.7, 0.9 * s)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, pr, pr);
            p.setPen(Qt::NoPen);
            p.setBrush(sepia);
            p.drawEllipse(c, pr * 0.35, pr * 0.35);
        }
        break;
    }
    case StylTalii::Zloto: {
        const QColor zloto(222, 182, 88);
        linia(QColor(6, 8, 22), px, zew.adjusted(0.5, 0.5, -0.5, -0.5));
        linia(zloto, std::max(1.0, 1.8 * s), zew.adjusted(b * 0.45, b * 0.45, -b * 0.45, -b * 0.45));
        linia(QColor(222, 182, 88, 200), std::max(0.8, 0.7 * s), wew.adjusted(1.6 * s, 1.6 * s, -1.6 * s, -1.6 * s));
        // Small diamonds in the corners of the inner line.
        const QRectF r = wew.adjusted(1.6 * s, 1.6 * s, -1.6 * s, -1.6 * s);
        const qreal d = std::max(1.6, 3.2 * s);
        p.setPen(Qt::NoPen);
        p.setBrush(zloto);
        for (QPointF c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            QPolygonF romb({c + QPointF(0, -d), c + QPointF(d, 0), c + QPointF(0, d), c + QPointF(-d, 0)});
            p.drawPolygon(romb);
        }
        break;
    }
    case StylTalii::Bursztyn:
        p.fillPath(pas, QColor(84, 36, 2, 150));
        linia(QColor(255, 232, 170, 170), std::max(1.0, 0.9 * s), wew.adjusted(-0.5, -0.5, 0.5, 0.5));
        linia(QColor(60, 24, 0), px, zew.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
}

// The rune itself, in the manner of the deck.
void runa(QPainter &p, StylTalii st, int indeks, QPointF srodek, qreal h, qreal g, qreal s)
{
    const QPainterPath obrys = obrysRuny(indeks, srodek, h, g);
    const qreal o = std::max(0.7, 1.0 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
    switch (st) {
    case StylTalii::Kamien: {
        // Cut into the stone and filled with red ochre, lit from the upper left.
        p.fillPath(obrys.translated(o, o), QColor(236, 234, 226, 190));
        p.fillPath(obrys, QColor(52, 48, 46));
        const QPainterPath farba = obrysRuny(indeks, srodek + QPointF(0.45 * o, 0.45 * o), h - 0.3 * g, g * 0.66);
        QLinearGradient gr(srodek - QPointF(0, h / 2), srodek + QPointF(0, h / 2));
        gr.setColorAt(0, QColor(186, 66, 42));
        gr.setColorAt(1, QColor(146, 44, 28));
        p.fillPath(farba, gr);
        break;
    }
    case StylTalii::Drewno: {
        // Burnt into the wood: a scorched halo round a dark core.
        p.fillPath(obrysRuny(indeks, srodek, h + 0.3 * g, g * 1.6), QColor(90, 44, 12, 70));
        p.fillPath(obrysRuny(indeks, srodek, h + 0.15 * g, g * 1.25), QColor(70, 32, 8, 110));
        p.fillPath(obrys, QColor(40, 20, 6));
        break;
    }
    case StylTalii::Kosc:
        // Scratched and rubbed with dark pigment.
        p.fillPath(obrys.translated(0.6 * o, 0.6 * o), QColor(255, 250, 236, 200));
        p.fillPath(obrys, QColor(66, 42, 26));
        break;
    case StylTalii::Zloto: {
        // A soft glow: widening outlines, each faint, add up towards the stroke.
        for (int i = 5; i >= 1; --i)
            p.fillPath(obrysRuny(indeks, srodek, h + 0.12 * i * g, g * (1.0 + 0.28 * i)), QColor(255, 206, 100, 16));
        QLinearGradient gr(srodek + QPointF(-h * 0.3, -h / 2), srodek + QPointF(h * 0.3, h / 2));
        gr.setColorAt(0.0, QColor(255, 240, 170));
        gr.setColorAt(0.45, QColor(222, 170, 66));
        gr.setColorAt(0.7, QColor(250, 216, 120));
        gr.setColorAt(1.0, QColor(190, 136, 44));
        p.fillPath(obrys, gr);
        p.setPen(QPen(QColor(110, 72, 16), std::max(0.6, 0.6 * s)));
        p.drawPath(obrys);
        break;
    }
    case StylTalii::Bursztyn: {
        // Silver inlaid in the resin.
        p.fillPath(obrys.translated(0.8 * o, 0.8 * o), QColor(60, 24, 0, 150));
        QLinearGradient gr(srodek + QPointF(-h * 0.3, -h / 2), srodek + QPointF(h * 0.3, h / 2));
        gr.setColorAt(0.0, QColor(250, 250, 246));
        gr.setColorAt(0.5, QColor(184, 186, 192));
        gr.setColorAt(0.75, QColor(236, 237, 240));
        gr.setColorAt(1.0, QColor(160, 162, 170));
        p.fillPath(obrys, gr);
        p.setPen(QPen(QColor(70, 34, 4), std::max(0.6, 0.7 * s)));
        p.drawPath(obrys);
        break;
    }
    }
}

// Three dots like a small peak at the head of the card: upright they point up.
void znacznik(QPainter &p, const QColor &kolor, QPointF gora, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kolor);
    p.drawEllipse(gora, r, r);
    p.drawEllipse(gora + QPointF(-2.6 * r, 2.4 * r), r, r);
    p.drawEllipse(gora + QPointF(2.6 * r, 2.4 * r), r, r);
}

QFont czcionka(qreal piksele)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setBold(true);
    f.setCapitalization(QFont::AllUppercase);
    f.setPixelSize(std::max(6, int(std::lround(piksele))));
    f.setLetterSpacing(QFont::PercentageSpacing, 106);
    return f;
}

void napis(QPainter &p, StylTalii st, const QString &tekst, const QRectF &gdzie, qreal px)
{
    QFont f = czcionka(px);
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(tekst) > gdzie.width())
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    const Paleta pal = paleta(st);
    if (st == StylTalii::Kamien || st == StylTalii::Kosc) {
        // Cut letters: a light lip below the dark groove.
        p.setPen(QColor(240, 236, 226, 170));
        p.drawText(gdzie.translated(0.8, 0.8), Qt::AlignCenter, tekst);
    } else if (st == StylTalii::Zloto) {
        p.setPen(QColor(0, 0, 0, 150));
        p.drawText(gdzie.translated(0.8, 0.8), Qt::AlignCenter, tekst);
    }
    p.setPen(pal.napis);
    p.drawText(gdzie, Qt::AlignCenter, tekst);
}

qreal szerokoscRamy(int W)
{
    return std::max(3.0, std::round(W * 7.0 / 169.0));
}

} // namespace

bool stylTalii(const QString &nazwa, StylTalii &styl)
{
    static const struct
    {
        const char *n;
        StylTalii s;
    } style[] = {
        {"kamien", StylTalii::Kamien}, {"drewno", StylTalii::Drewno},     {"kosc", StylTalii::Kosc},
        {"zloto", StylTalii::Zloto},   {"bursztyn", StylTalii::Bursztyn},
    };
    for (const auto &s : style)
        if (nazwa.trimmed().compare(QLatin1String(s.n), Qt::CaseInsensitive) == 0) {
            styl = s.s;
            return true;
        }
    return false;
}

QImage licKarty(StylTalii st, int indeks, const QString &tekst, QSize rozmiar, uint32_t ziarno)
{
    const int W = rozmiar.width(), H = rozmiar.height();
    const qreal s = W / 169.0;
    QImage obraz = pole(st, W, H, s, ziarno);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal b = szerokoscRamy(W);
    rama(p, st, W, H, s, b);
    const Paleta pal = paleta(st);

    const qreal hp = std::round(H * 0.14);
    const QRectF plakietka(b + 2 * s, H - b - hp, W - 2 * b - 4 * s, hp - std::max(1.0, 1.5 * s));
    p.setPen(QPen(pal.linia, std::max(0.8, 0.8 * s)));
    const qreal yl = plakietka.top() - 0.5;
    p.drawLine(QPointF(plakietka.left() + 6 * s, yl), QPointF(plakietka.right() - 6 * s, yl));
    napis(p, st, tekst, plakietka.adjusted(1, 0, -1, 0), std::max(10.5, hp * 0.6));

    const qreal r = std::max(1.6, 2.3 * s);
    znacznik(p, pal.znacznik, QPointF(W / 2.0, b + std::max(3.0, 0.035 * H) + r), r);

    const qreal gora = b + 0.105 * H;
    const qreal dol = plakietka.top() - 0.05 * H;
    const qreal h = (dol - gora) * 0.9;
    runa(p, st, indeks, QPointF(W / 2.0, (gora + dol) / 2), h, h * 0.1, s);
    return obraz;
}

QImage koszulka(StylTalii st, QSize rozmiar, uint32_t ziarno)
{
    const int W = rozmiar.width(), H = rozmiar.height();
    const qreal s = W / 169.0;
    QImage obraz = pole(st, W, H, s, ziarno);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal b = szerokoscRamy(W);
    rama(p, st, W, H, s, b);
    const Paleta pal = paleta(st);
    const QPointF c(W / 2.0, H / 2.0);

    // A ring of all 24 runes round a many-pointed star, the same either way up.
    const qreal R = W * 0.37;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.linia, std::max(0.8, 1.2 * s)));
    p.drawEllipse(c, R + 0.075 * W, R + 0.075 * W);
    p.drawEllipse(c, R - 0.075 * W, R - 0.075 * W);
    for (int i = 0; i < 24; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 15.0);
        p.translate(0, -R);
        QPainterPath o = obrysRuny(i, QPointF(0, 0), 0.1 * W, std::max(0.9, 0.013 * W));
        p.fillPath(o, pal.znacznik);
        p.restore();
    }
    QPainterPath gwiazda;
    const qreal r1 = W * 0.2, r2 = W * 0.08;
    for (int i = 0; i < 16; ++i) {
        const qreal a = i * M_PI / 8;
        const qreal r = (i % 2) ? r2 : r1;
        const QPointF pt = c + QPointF(std::sin(a) * r, -std::cos(a) * r);
        i ? gwiazda.lineTo(pt) : gwiazda.moveTo(pt);
    }
    gwiazda.closeSubpath();
    p.fillPath(gwiazda, pal.znacznik);
    p.setPen(QPen(pal.linia, std::max(0.8, 1.0 * s)));
    p.drawPath(gwiazda);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.linia.lighter(160));
    p.drawEllipse(c, W * 0.03, W * 0.03);

    // Corner knots above and below the ring.
    for (qreal y : {b + 0.12 * H, H - b - 0.12 * H}) {
        QPainterPath romb;
        const qreal d = 0.05 * W;
        romb.addPolygon(QPolygonF({QPointF(c.x(), y - d), QPointF(c.x() + d, y), QPointF(c.x(), y + d),
                                   QPointF(c.x() - d, y), QPointF(c.x(), y - d)}));
        p.fillPath(romb, pal.znacznik);
    }
    return obraz;
}

QImage ikona(StylTalii st, int indeks, uint32_t ziarno)
{
    // A small tile of the card's own material with the rune on it.
    QImage tile = pole(st, 32, 32, 0.4, ziarno);
    {
        QPainter p(&tile);
        p.setRenderHint(QPainter::Antialiasing);
        const Paleta pal = paleta(st);
        p.setPen(QPen(pal.linia.darker(130), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 31, 31));
        runa(p, st, indeks, QPointF(16, 16), 24, 3.2, 0.3);
    }
    QImage szary = tile.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        auto *l = reinterpret_cast<QRgb *>(szary.scanLine(y));
        for (int x = 0; x < 32; ++x) {
            // Flat and pale, like a disabled button's picture.
            const int v = 150 + (qGray(l[x]) - 128) * 45 / 100;
            l[x] = qRgb(v, v, v);
        }
    }
    QImage pasek(64, 32, QImage::Format_RGB32);
    QPainter p(&pasek);
    p.drawImage(0, 0, tile);
    p.drawImage(32, 0, szary);
    return pasek;
}
