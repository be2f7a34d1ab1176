#include "runy.h"

#include <QPainterPathStroker>

#include <array>
#include <initializer_list>
#include <vector>

namespace {

using Linia = std::vector<QPointF>;

struct Glif
{
    std::vector<Linia> linie;
    bool zamknieta = false; // the last line closes on itself (Ingwaz)
};

// Stave on the left at x = 0.12, right edge about 0.52. Shapes follow the
// inscriptions: twigs of Fehu rise to the right, those of Ansuz fall, Kenaz is
// the open angle, Hagalaz has the single slanting bar, Jera the two hooks.
const std::array<Glif, 24> &glify()
{
    static const std::array<Glif, 24> g = {{
        // Fehu
        {{{{0.12, 1}, {0.12, 0}}, {{0.12, 0.30}, {0.50, 0.04}}, {{0.12, 0.58}, {0.50, 0.32}}}},
        // Uruz
        {{{{0.10, 1}, {0.10, 0}, {0.52, 0.34}, {0.52, 1}}}},
        // Thurisaz
        {{{{0.14, 1}, {0.14, 0}}, {{0.14, 0.27}, {0.50, 0.50}, {0.14, 0.73}}}},
        // Ansuz
        {{{{0.12, 1}, {0.12, 0}}, {{0.12, 0.02}, {0.50, 0.28}}, {{0.12, 0.30}, {0.50, 0.56}}}},
        // Raidho
        {{{{0.12, 1}, {0.12, 0}, {0.50, 0.24}, {0.12, 0.48}, {0.52, 1}}}},
        // Kenaz
        {{{{0.46, 0.16}, {0.14, 0.50}, {0.46, 0.84}}}},
        // Gebo
        {{{{0.02, 0.04}, {0.58, 0.96}}, {{0.58, 0.04}, {0.02, 0.96}}}},
        // Wunjo
        {{{{0.12, 1}, {0.12, 0}, {0.50, 0.22}, {0.12, 0.44}}}},
        // Hagalaz
        {{{{0.06, 0}, {0.06, 1}}, {{0.54, 0}, {0.54, 1}}, {{0.06, 0.34}, {0.54, 0.66}}}},
        // Nauthiz
        {{{{0.30, 0}, {0.30, 1}}, {{0.06, 0.33}, {0.54, 0.61}}}},
        // Isa
        {{{{0.30, 0}, {0.30, 1}}}},
        // Jera
        {{{{0.25, 0.10}, {0.02, 0.34}, {0.25, 0.58}}, {{0.35, 0.42}, {0.58, 0.66}, {0.35, 0.90}}}},
        // Eihwaz
        {{{{0.30, 0}, {0.30, 1}}, {{0.30, 0.015}, {0.56, 0.24}}, {{0.30, 0.985}, {0.04, 0.76}}}},
        // Perthro
        {{{{0.12, 0}, {0.12, 1}},
          {{0.12, 0.02}, {0.38, 0.26}, {0.56, 0.06}},
          {{0.12, 0.98}, {0.38, 0.74}, {0.56, 0.94}}}},
        // Elhaz
        {{{{0.30, 1}, {0.30, 0}}, {{0.30, 0.44}, {0.04, 0.12}}, {{0.30, 0.44}, {0.56, 0.12}}}},
        // Sowilo
        {{{{0.50, 0.02}, {0.10, 0.42}, {0.50, 0.58}, {0.10, 0.98}}}},
        // Tiwaz
        {{{{0.30, 1}, {0.30, 0.02}}, {{0.03, 0.30}, {0.30, 0.02}, {0.57, 0.30}}}},
        // Berkano
        {{{{0.12, 0}, {0.12, 1}}, {{0.12, 0.01}, {0.48, 0.25}, {0.12, 0.50}, {0.48, 0.75}, {0.12, 0.99}}}},
        // Ehwaz
        {{{{0.06, 1}, {0.06, 0}, {0.30, 0.30}, {0.54, 0}, {0.54, 1}}}},
        // Mannaz
        {{{{0.06, 1}, {0.06, 0}, {0.54, 0.44}}, {{0.54, 1}, {0.54, 0}, {0.06, 0.44}}}},
        // Laguz
        {{{{0.16, 1}, {0.16, 0}, {0.50, 0.32}}}},
        // Ingwaz
        {{{{0.30, 0.22}, {0.56, 0.50}, {0.30, 0.78}, {0.04, 0.50}}}, true},
        // Dagaz
        {{{{0.04, 0}, {0.04, 1}}, {{0.56, 0}, {0.56, 1}}, {{0.04, 0.02}, {0.56, 0.98}}, {{0.56, 0.02}, {0.04, 0.98}}}},
        // Othala
        {{{{0.30, 0.02}, {0.56, 0.32}, {0.04, 0.98}}, {{0.30, 0.02}, {0.04, 0.32}, {0.56, 0.98}}}},
    }};
    return g;
}

struct Nazwa
{
    const char *tekst;
    int indeks;
};

// Spellings found in rune books besides the usual ones.
constexpr Nazwa Nazwy[] = {
    {"fehu", 0},     {"feoh", 0},    {"uruz", 1},    {"ur", 1},      {"thurisaz", 2}, {"thurs", 2},   {"ansuz", 3},
    {"ansus", 3},    {"raidho", 4},  {"raido", 4},   {"kenaz", 5},   {"kano", 5},     {"kaunan", 5},  {"gebo", 6},
    {"wunjo", 7},    {"wunijo", 7},  {"hagalaz", 8}, {"hagall", 8},  {"nauthiz", 9},  {"naudiz", 9},  {"isa", 10},
    {"jera", 11},    {"eihwaz", 12}, {"eiwaz", 12},  {"ihwaz", 12},  {"perthro", 13}, {"perth", 13},  {"elhaz", 14},
    {"algiz", 14},   {"sowilo", 15}, {"sowelo", 15}, {"sowulo", 15}, {"tiwaz", 16},   {"teiwaz", 16}, {"berkano", 17},
    {"berkana", 17}, {"ehwaz", 18},  {"mannaz", 19}, {"laguz", 20},  {"ingwaz", 21},  {"inguz", 21},  {"dagaz", 22},
    {"othala", 23},  {"othila", 23}, {"odal", 23},
};

} // namespace

int indeksRuny(const QString &nazwa)
{
    const QString klucz = nazwa.trimmed().toLower();
    for (const Nazwa &n : Nazwy)
        if (klucz == QLatin1String(n.tekst))
            return n.indeks;
    return -1;
}

QPainterPath liniaRuny(int indeks)
{
    QPainterPath p;
    if (indeks < 0 || indeks >= 24)
        return p;
    const Glif &g = glify()[indeks];
    for (size_t i = 0; i < g.linie.size(); ++i) {
        const Linia &l = g.linie[i];
        p.moveTo(l.front());
        for (size_t k = 1; k < l.size(); ++k)
            p.lineTo(l[k]);
        if (g.zamknieta && i + 1 == g.linie.size())
            p.closeSubpath();
    }
    return p;
}

QPainterPath obrysRuny(int indeks, QPointF srodek, qreal wysokosc, qreal grubosc)
{
    QPainterPath linia = liniaRuny(indeks);
    QTransform t;
    // Centre on the glyph's own width so narrow runes (Isa, Kenaz) sit in the middle.
    const QRectF r = linia.boundingRect();
    t.translate(srodek.x() - r.center().x() * wysokosc, srodek.y() - 0.5 * wysokosc);
    t.scale(wysokosc, wysokosc);
    linia = t.map(linia);

    QPainterPathStroker s;
    s.setWidth(grubosc);
    s.setCapStyle(Qt::FlatCap);
    s.setJoinStyle(Qt::MiterJoin);
    s.setMiterLimit(2.2);
    QPainterPath obrys = s.createStroke(linia);
    obrys.setFillRule(Qt::WindingFill);
    return obrys.simplified();
}
