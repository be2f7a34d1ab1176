#include "tla.h"

#include "szum.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>

using namespace szum;

namespace {

// Darkens towards the corners so the middle, where the cards lie, stays calm.
float winieta(int x, int y, int W, int H, float sila)
{
    const float dx = (x - W * 0.5f) / (W * 0.5f), dy = (y - H * 0.5f) / (H * 0.5f);
    const float r2 = (dx * dx + dy * dy) * 0.5f;
    return 1.0f - sila * r2 * r2 * 1.4f;
}

QImage sukno(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        const float plamy = fbm(x / 320.f, y / 320.f, 3, z) - 0.5f;
        const float kosmki = fbm(x / 3.5f, y / 3.5f, 2, z + 1) - 0.5f;
        const float ziarno = losowa(x, y, z + 2) - 0.5f;
        const float v = (1.0f + plamy * 0.16f + kosmki * 0.10f + ziarno * 0.07f) * winieta(x, y, W, H, 0.32f);
        return rgb(30 * v, 98 * v, 60 * v);
    });
}

QImage drewno(int W, int H, uint32_t z)
{
    const int deska = 128;
    return wypelnij(W, H, [&](int x, int y) {
        const int nr = y / deska;
        const int wDesce = y % deska;
        // Boards are butted at a different place in every row.
        const int styk = int(losowa(nr, 0, z + 3) * W);
        const int odcinek = x < styk ? 0 : 1;
        const uint32_t zd = z + uint32_t(nr * 31 + odcinek * 7);
        const float ton = losowa(nr, odcinek, z + 4) - 0.5f;
        const float wygiecie = fbm(x / 420.f, y / 60.f, 3, zd);
        const float t = y / 9.0f + wygiecie * 6.0f + losowa(nr, odcinek, z + 5) * 20;
        float sloj = 0.5f + 0.5f * std::sin(t * 6.2831853f);
        sloj = sloj * sloj;
        const float wlokno = fbm(x / 40.f, y / 1.8f, 2, zd + 9) - 0.5f;
        float m = std::clamp(0.45f + sloj * 0.4f + wlokno * 0.35f + ton * 0.4f, 0.f, 1.f);
        float r = mix(100, 52, m), g = mix(62, 30, m), b = mix(38, 16, m);
        float v = winieta(x, y, W, H, 0.35f);
        if (wDesce < 2 || std::abs(x - styk) < 2)
            v *= 0.35f;                         // the gap between boards
        else if (wDesce == 2)
            v *= 1.18f;                         // worn edge catching the light
        return rgb(r * v, g * v, b * v);
    });
}

QImage lupek(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        const float warstwy = fbm(x / 520.f, y / 22.f + fbm(x / 300.f, y / 300.f, 2, z + 1) * 3, 4, z) - 0.5f;
        const float plamy = fbm(x / 180.f, y / 180.f, 3, z + 2) - 0.5f;
        const float ziarno = fbm(x / 1.8f, y / 1.8f, 2, z + 3) - 0.5f;
        float v = (1.0f + warstwy * 0.22f + plamy * 0.12f + ziarno * 0.08f) * winieta(x, y, W, H, 0.28f);
        return rgb(62 * v, 69 * v, 78 * v);
    });
}

QImage pergamin(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        const float plamy = fbm(x / 230.f, y / 230.f, 5, z) - 0.5f;
        const float wlokna = fbm(x / 2.2f, y / 14.f, 2, z + 1) - 0.5f;
        const float dx = (x - W * 0.5f) / (W * 0.5f), dy = (y - H * 0.5f) / (H * 0.5f);
        const float brzeg = std::clamp((std::max(std::abs(dx), std::abs(dy)) - 0.7f) / 0.3f, 0.f, 1.f);
        const float zbr = std::clamp(brzeg * brzeg + (fbm(x / 60.f, y / 60.f, 3, z + 2) - 0.5f) * 0.4f * brzeg, 0.f, 1.f);
        const float v = 1.0f + plamy * 0.14f + wlokna * 0.05f;
        return rgb(mix(226, 160, zbr) * v, mix(208, 120, zbr) * v, mix(166, 70, zbr) * v);
    });
}

QImage niebo(int W, int H, uint32_t z)
{
    QImage obraz = wypelnij(W, H, [&](int x, int y) {
        const float t = float(y) / H;
        const float mgla = fbm(x / 260.f, y / 260.f, 5, z);
        // A faint band of the Milky Way running across the sky.
        const float pas = std::exp(-std::pow((y - H * 0.75f + x * 0.45f) / 190.f, 2.f)) * mgla;
        const float r = mix(6, 20, t) + mgla * 10 + pas * 26;
        const float g = mix(10, 30, t) + mgla * 8 + pas * 26;
        const float b = mix(30, 70, t) + mgla * 20 + pas * 34;
        return rgb(r, g, b);
    });
    std::mt19937 los(z);
    std::uniform_real_distribution<float> u(0, 1);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 2600; ++i) {
        const float x = u(los) * W, y = u(los) * H;
        const float jas = std::pow(u(los), 6.0f);
        const float barwa = u(los);
        const QColor c = barwa < 0.2f ? QColor(255, 214, 170) : (barwa > 0.8f ? QColor(190, 210, 255) : QColor(245, 245, 255));
        if (jas > 0.35f) {
            const float r = 2.0f + jas * 6;
            QRadialGradient g(QPointF(x, y), r);
            QColor wew = c;
            wew.setAlpha(int(120 + jas * 135));
            QColor zew = c;
            zew.setAlpha(0);
            g.setColorAt(0, wew);
            g.setColorAt(0.25, QColor(c.red(), c.green(), c.blue(), int(70 * jas)));
            g.setColorAt(1, zew);
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), r, r);
        } else {
            QColor k = c;
            k.setAlpha(int(60 + jas * 480));
            p.setBrush(k);
            p.drawEllipse(QPointF(x, y), 0.6 + jas, 0.6 + jas);
        }
    }
    return obraz;
}

QImage len(int W, int H, uint32_t z)
{
    const int nic = 3;
    return wypelnij(W, H, [&](int x, int y) {
        const int wiersz = y / nic, kolumna = x / nic;
        const float wat = losowa(0, wiersz, z) - 0.5f;       // thickness of each weft
        const float osnowa = losowa(kolumna, 0, z + 1) - 0.5f;
        const bool wierzch = ((wiersz + kolumna) & 1) == 0;
        const float grudki = fbm(x / 30.f, y / 2.f, 2, z + 2) - 0.5f;
        const float grudki2 = fbm(x / 2.f, y / 30.f, 2, z + 3) - 0.5f;
        const int wNici = wierzch ? y % nic : x % nic;
        const float cien = wNici == 0 ? 0.93f : (wNici == nic - 1 ? 0.96f : 1.0f);
        const float nitka = wierzch ? wat * 0.10f + grudki * 0.10f : osnowa * 0.10f + grudki2 * 0.10f;
        const float plamy = fbm(x / 260.f, y / 260.f, 3, z + 4) - 0.5f;
        const float v = (1.0f + nitka + plamy * 0.08f) * cien * winieta(x, y, W, H, 0.22f);
        return rgb(206 * v, 198 * v, 180 * v);
    });
}

QImage marmur(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        const float f = fbm(x / 260.f, y / 260.f, 5, z);
        const float zyla = std::abs(std::sin((x * 0.0032f + y * 0.0021f + f * 5.5f) * 3.14159f));
        const float cienka = std::pow(zyla, 0.18f);
        const float mgla = fbm(x / 90.f, y / 90.f, 3, z + 1) - 0.5f;
        const float v = 1.0f + mgla * 0.06f;
        return rgb(mix(150, 232, cienka) * v, mix(150, 229, cienka) * v, mix(158, 224, cienka) * v);
    });
}

QImage skora(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        const float perelki = std::abs(fbm(x / 7.f, y / 7.f, 2, z) - 0.5f) * 2;
        const float faldy = fbm(x / 140.f, y / 140.f, 4, z + 1) - 0.5f;
        const float v = (0.86f + perelki * 0.2f + faldy * 0.25f) * winieta(x, y, W, H, 0.4f);
        return rgb(116 * v, 66 * v, 36 * v);
    });
}

} // namespace

QStringList stylyTla()
{
    return {QStringLiteral("sukno"), QStringLiteral("drewno"), QStringLiteral("lupek"), QStringLiteral("pergamin"),
            QStringLiteral("niebo"), QStringLiteral("len"), QStringLiteral("marmur"), QStringLiteral("skora")};
}

bool znanyStylTla(const QString &styl)
{
    return stylyTla().contains(styl);
}

QImage rysujTlo(const QString &styl, QSize rozmiar, uint32_t ziarno)
{
    const int W = rozmiar.width(), H = rozmiar.height();
    if (styl == QLatin1String("sukno")) return sukno(W, H, ziarno);
    if (styl == QLatin1String("drewno")) return drewno(W, H, ziarno);
    if (styl == QLatin1String("lupek")) return lupek(W, H, ziarno);
    if (styl == QLatin1String("pergamin")) return pergamin(W, H, ziarno);
    if (styl == QLatin1String("niebo")) return niebo(W, H, ziarno);
    if (styl == QLatin1String("len")) return len(W, H, ziarno);
    if (styl == QLatin1String("marmur")) return marmur(W, H, ziarno);
    if (styl == QLatin1String("skora")) return skora(W, H, ziarno);
    return {};
}
