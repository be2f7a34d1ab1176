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
        return rgb(32 * v, 92 * v, 58 * v);
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
            v *= 0.35f; // the gap between boards
        else if (wDesce == 2)
            v *= 1.18f; // worn edge catching the light
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
        const float zbr =
            std::clamp(brzeg * brzeg + (fbm(x / 60.f, y / 60.f, 3, z + 2) - 0.5f) * 0.4f * brzeg, 0.f, 1.f);
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
        const QColor c =
            barwa < 0.2f ? QColor(255, 214, 170) : (barwa > 0.8f ? QColor(190, 210, 255) : QColor(245, 245, 255));
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
        const float wat = losowa(0, wiersz, z) - 0.5f; // thickness of each weft
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
        // Veins run where a warped noise crosses its middle value.
        const float wx = x + 260 * (fbm(x / 380.f, y / 380.f, 3, z + 1) - 0.5f);
        const float wy = y + 260 * (fbm(x / 380.f, y / 380.f, 3, z + 2) - 0.5f);
        const float n = fbm((wx + wy * 0.6f) / 520.f, (wy - wx * 0.3f) / 300.f, 5, z);
        const float r = 1.0f - std::min(1.0f, std::abs(2 * n - 1) * 2.2f);
        const float n2 = fbm(wx / 160.f, wy / 160.f, 4, z + 3);
        const float r2 = 1.0f - std::min(1.0f, std::abs(2 * n2 - 1) * 3.0f);
        const float d =
            std::clamp(std::pow(r, 16.f) * 0.55f + std::pow(r, 4.f) * 0.10f + std::pow(r2, 24.f) * 0.22f, 0.f, 1.f);
        const float mgla = fbm(x / 140.f, y / 140.f, 4, z + 9) - 0.5f;
        const float jas = 1.0f + mgla * 0.08f;
        return rgb(mix(236, 112, d) * jas, mix(234, 114, d) * jas, mix(229, 122, d) * jas);
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

QImage bursztyn(int W, int H, uint32_t z)
{
    return wypelnij(W, H, [&](int x, int y) {
        // Flow lines of resin, warped, with darker clouds: a dark honey slab.
        const float wx = x + 300 * (fbm(x / 420.f, y / 420.f, 3, z + 1) - 0.5f);
        const float wy = y + 300 * (fbm(x / 420.f, y / 420.f, 3, z + 2) - 0.5f);
        const float warstwy = 0.5f + 0.5f * std::sin((wx * 0.004f + wy * 0.011f) * 6.2831853f);
        const float chmura = fbm(x / 260.f, y / 260.f, 5, z + 3);
        const float m = std::clamp(0.2f + chmura * 0.6f + warstwy * 0.16f, 0.f, 1.f);
        const float v = winieta(x, y, W, H, 0.4f);
        return rgb(mix(190, 86, m) * v, mix(118, 42, m) * v, mix(44, 10, m) * v);
    });
}

QImage kamien(int W, int H, uint32_t z)
{
    auto krok = [](float a, float b, float t) { return gladko(std::clamp((t - a) / (b - a), 0.f, 1.f)); };
    return wypelnij(W, H, [&](int x, int y) {
        // Granite: a grey ground with softened grains of dark mica and pale quartz.
        const float krysztal = fbm(x / 3.2f, y / 3.2f, 2, z + 1);
        const float ciemny = krok(0.62f, 0.74f, krysztal);
        const float jasny = krok(0.36f, 0.24f, krysztal);
        const float plamy = fbm(x / 220.f, y / 220.f, 4, z + 2) - 0.5f;
        const float ziarno = losowa(x, y, z) - 0.5f;
        float r = 124, g = 124, b = 123;
        r = mix(r, 84, ciemny);
        g = mix(g, 82, ciemny);
        b = mix(b, 84, ciemny);
        r = mix(r, 162, jasny);
        g = mix(g, 158, jasny);
        b = mix(b, 154, jasny);
        const float v = (1.0f + plamy * 0.16f + ziarno * 0.05f) * winieta(x, y, W, H, 0.3f);
        return rgb(r * v, g * v, b * v);
    });
}

} // namespace

QStringList stylyTla()
{
    return {QStringLiteral("sukno"),  QStringLiteral("drewno"), QStringLiteral("lupek"),    QStringLiteral("pergamin"),
            QStringLiteral("niebo"),  QStringLiteral("len"),    QStringLiteral("bursztyn"), QStringLiteral("kamien"),
            QStringLiteral("marmur"), QStringLiteral("skora")};
}

bool znanyStylTla(const QString &styl)
{
    return stylyTla().contains(styl);
}

QImage rysujTlo(const QString &styl, QSize rozmiar, uint32_t ziarno)
{
    const int W = rozmiar.width(), H = rozmiar.height();
    if (styl == QLatin1String("sukno"))
        return sukno(W, H, ziarno);
    if (styl == QLatin1String("drewno"))
        return drewno(W, H, ziarno);
    if (styl == QLatin1String("lupek"))
        return lupek(W, H, ziarno);
    if (styl == QLatin1String("pergamin"))
        return pergamin(W, H, ziarno);
    if (styl == QLatin1String("niebo"))
        return niebo(W, H, ziarno);
    if (styl == QLatin1String("len"))
        return len(W, H, ziarno);
    if (styl == QLatin1String("bursztyn"))
        return bursztyn(W, H, ziarno);
    if (styl == QLatin1String("kamien"))
        return kamien(W, H, ziarno);
    if (styl == QLatin1String("marmur"))
        return marmur(W, H, ziarno);
    if (styl == QLatin1String("skora"))
        return skora(W, H, ziarno);
    return {};
}

QString stylStolika(const QString &nazwa, int k)
{
    static const struct
    {
        const char *slowo;
        const char *styl;
    } slowa[] = {
        {"burszty", "bursztyn"}, {"kamie", "kamien"},      {"granit", "kamien"}, {"marmur", "marmur"},
        {"skór", "skora"},       {"skor", "skora"},        {"sukn", "sukno"},    {"drew", "drewno"},
        {"łupek", "lupek"},      {"pergamin", "pergamin"}, {"nieb", "niebo"},    {"len", "len"},
    };
    const QString n = nazwa.toLower();
    for (const auto &s : slowa)
        if (n.contains(QString::fromUtf8(s.slowo)))
            return QString::fromLatin1(s.styl);
    static const char *kolejno[] = {"bursztyn", "kamien", "marmur", "skora"};
    return QString::fromLatin1(kolejno[k % 4]);
}
