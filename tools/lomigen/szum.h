#pragma once
#include <QColor>
#include <QImage>

#include <cmath>
#include <cstdint>

// Deterministic value noise: the same seed gives the same picture on every
// build, so the generated store only changes when the sources do.
namespace szum {

inline uint32_t mieszaj(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// Uniform in [0, 1) for a lattice point.
inline float losowa(int x, int y, uint32_t ziarno)
{
    const uint32_t h = mieszaj(uint32_t(x) * 0x9E3779B1u ^ mieszaj(uint32_t(y) * 0x85EBCA77u ^ ziarno));
    return float(h >> 8) * (1.0f / 16777216.0f);
}

inline float gladko(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

// Smooth noise in [0, 1), one feature per unit.
inline float wartosc(float x, float y, uint32_t ziarno)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int xi = int(fx), yi = int(fy);
    const float tx = gladko(x - fx), ty = gladko(y - fy);
    const float a = losowa(xi, yi, ziarno), b = losowa(xi + 1, yi, ziarno);
    const float c = losowa(xi, yi + 1, ziarno), d = losowa(xi + 1, yi + 1, ziarno);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Fractal sum of octaves, in [0, 1).
inline float fbm(float x, float y, int oktawy, uint32_t ziarno)
{
    float suma = 0, amp = 0.5f, norma = 0;
    for (int i = 0; i < oktawy; ++i) {
        suma += amp * wartosc(x, y, ziarno + uint32_t(i) * 1013u);
        norma += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return suma / norma;
}

inline int obetnij(float v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : int(v + 0.5f));
}

inline QRgb rgb(float r, float g, float b)
{
    return qRgb(obetnij(r), obetnij(g), obetnij(b));
}

inline float mix(float a, float b, float t)
{
    return a + (b - a) * t;
}

// Fills an RGB32 image pixel by pixel from f(x, y) -> QRgb.
template <typename F> QImage wypelnij(int w, int h, F f)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *linia = reinterpret_cast<QRgb *>(obraz.scanLine(y));
        for (int x = 0; x < w; ++x)
            linia[x] = f(x, y);
    }
    return obraz;
}

} // namespace szum
