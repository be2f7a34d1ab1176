#include "spread/geometria.h"

#include "spread/katalog.h"

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
