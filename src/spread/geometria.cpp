#include "spread/geometria.h"

#include "spread/katalog.h"

#include <algorithm>
#include <cmath>

int ZaokraglijR(double x)
{
    // Banker's rounding: nearbyint follows the default round-to-nearest-even mode.
    return static_cast<int>(std::nearbyint(x));
}

bool SzerokiEkran(int szerokoscEkranu)
{
    return szerokoscEkranu > ProgEkranu;
}

void UstawPozycjeObliczenia(int n, int aktualnyUklad, QSize stol, int szerokoscEkranu,
                            std::array<QPoint, 16> &lewyGorny)
{
    const int A = ZaokraglijR((stol.height() - 640) / 4.0);
    const int B = ZaokraglijR((stol.width() - 900) / 6.0);

    for (int p = 1; p <= LiczbaKart(n); ++p) {
        const StalaPozycji s = StalaUkladu(n, p);
        lewyGorny[p] = QPoint(B + s.L, A + s.T);
    }

    const int liczba = LiczbaKart(aktualnyUklad);
    for (int p = 1; p <= liczba && p < 16; ++p) {
        QPoint &q = lewyGorny[p];
        if (q.x() < 0)
            q.setX(10);
        if (q.y() < 0)
            q.setY(10);
    }

    if (SzerokiEkran(szerokoscEkranu)) {
        for (int p = 1; p <= liczba && p < 16; ++p) {
            QPoint &q = lewyGorny[p];
            q = QPoint(ZaokraglijR(q.x() * 1.4) - 5, ZaokraglijR(q.y() * 1.4) - 20);
        }
    }
}

QPoint PrzesuniecieEtykiety(int szerokoscEkranu)
{
    return SzerokiEkran(szerokoscEkranu) ? QPoint(55, 175) : QPoint(35, 122);
}

QSize RozmiarRamki(int szerokoscEkranu)
{
    return SzerokiEkran(szerokoscEkranu) ? QSize(114, 173) : QSize(80, 122);
}

QSize WSkali(QSize rozmiar, double skala)
{
    if (skala >= 1.0)
        return rozmiar;
    return QSize(static_cast<int>(std::floor(rozmiar.width() * skala)),
                 static_cast<int>(std::floor(rozmiar.height() * skala)));
}

namespace {

// The shrunk spread keeps this far from the table's edges, as the clamp does.
constexpr int MarginesStolu = 10;

bool wSrodku(const QRect &stol, const QRect &r)
{
    return r.x() >= stol.x() && r.y() >= stol.y() && r.x() + r.width() <= stol.x() + stol.width()
        && r.y() + r.height() <= stol.y() + stol.height();
}

bool zachodza(const QRect &a, const QRect &b)
{
    return a.x() < b.x() + b.width() && b.x() < a.x() + a.width() && a.y() < b.y() + b.height()
        && b.y() < a.y() + a.height();
}

// Every card and its number inside the table, no card on another.
bool wszystkoWidac(int liczba, const QRect &stol, const std::array<QPoint, 16> &lewyGorny, const QSize &karta,
                   const QPoint &przesuniecie, const std::array<QSize, 16> &etykiety)
{
    for (int p = 1; p <= liczba; ++p) {
        const QRect k(lewyGorny[p], karta);
        if (!wSrodku(stol, k) || !wSrodku(stol, QRect(lewyGorny[p] + przesuniecie, etykiety[p])))
            return false;
        for (int q = p + 1; q <= liczba; ++q)
            if (zachodza(k, QRect(lewyGorny[q], karta)))
                return false;
    }
    return true;
}

}

UlozenieNaStole UlozNaStole(int n, int aktualnyUklad, QRect stol, int szerokoscEkranu,
                            const std::array<QSize, 16> &etykiety, std::array<QPoint, 16> &lewyGorny)
{
    UlozenieNaStole u;
    u.karta = RozmiarRamki(szerokoscEkranu);
    u.przesuniecieEtykiety = PrzesuniecieEtykiety(szerokoscEkranu);
    UstawPozycjeObliczenia(n, aktualnyUklad, stol.size(), szerokoscEkranu, lewyGorny);

    const int liczba = LiczbaKart(n);
    if (n != aktualnyUklad || liczba < 1 || stol.width() <= 0 || stol.height() <= 0)
        return u;
    std::array<QSize, 16> naPelno;
    for (int p = 1; p <= liczba; ++p)
        naPelno[p] = etykiety[p].expandedTo(QSize(0, 0));
    if (wszystkoWidac(liczba, stol, lewyGorny, u.karta, u.przesuniecieEtykiety, naPelno))
        return u;

    // The spread's own arrangement, before the table's shifts and the clamp:
    // its cards never overlap.
    const bool szeroki = SzerokiEkran(szerokoscEkranu);
    const double k = szeroki ? 1.4 : 1.0;
    const QPointF d(u.przesuniecieEtykiety);
    std::array<QPointF, 16> wzor{};
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (int p = 1; p <= liczba; ++p) {
        const StalaPozycji s = StalaUkladu(n, p);
        wzor[p] = QPointF(k * s.L, k * s.T);
        x0 = std::min(x0, wzor[p].x());
        y0 = std::min(y0, wzor[p].y());
        x1 = std::max({x1, wzor[p].x() + u.karta.width(), wzor[p].x() + d.x() + naPelno[p].width()});
        y1 = std::max({y1, wzor[p].y() + u.karta.height(), wzor[p].y() + d.y() + naPelno[p].height()});
    }
    const double szer = x1 - x0, wys = y1 - y0;

    // Shrink just enough to fit within the margin (none on a table too small for it).
    const int m = std::min({MarginesStolu, stol.width() / 4, stol.height() / 4});
    const double skala = std::min({1.0, (stol.width() - 2 * m) / szer, (stol.height() - 2 * m) / wys});

    // Centred where the computed layout would centre it without the clamp,
    // then moved inside the table.
    const double sx = szeroki ? 5 : 0, sy = szeroki ? 20 : 0;
    const double A = ZaokraglijR((stol.height() - 640) / 4.0), B = ZaokraglijR((stol.width() - 900) / 6.0);
    const double srodekX = k * B - sx + (x0 + x1) / 2, srodekY = k * A - sy + (y0 + y1) / 2;
    const double lewy = std::clamp(srodekX - skala * szer / 2, double(stol.x() + m),
                                   std::max(double(stol.x() + m), stol.x() + stol.width() - m - skala * szer));
    const double gora = std::clamp(srodekY - skala * wys / 2, double(stol.y() + m),
                                   std::max(double(stol.y() + m), stol.y() + stol.height() - m - skala * wys));
    const QPoint poczatek(ZaokraglijR(lewy), ZaokraglijR(gora));
    for (int p = 1; p <= liczba; ++p)
        lewyGorny[p] =
            poczatek + QPoint(ZaokraglijR(skala * (wzor[p].x() - x0)), ZaokraglijR(skala * (wzor[p].y() - y0)));

    u.skala = skala;
    u.karta = WSkali(u.karta, skala);
    u.przesuniecieEtykiety = QPoint(ZaokraglijR(d.x() * skala), ZaokraglijR(d.y() * skala));
    u.wysokoscEtykiety = std::max(1, ZaokraglijR(WysokoscEtykietyStolu * skala));
    return u;
}
