#include "spread/losowanie.h"

#include <chrono>

void LosujKarty(TablicaPozycji &pozycje, std::mt19937 &gen)
{
    std::uniform_int_distribution<int> karta(1, 22);
    std::uniform_int_distribution<int> strona(0, 1);
    LosujKarty(
        pozycje, [&] { return karta(gen); }, [&] { return strona(gen) == 1; });
}

void LosujKarty(TablicaPozycji &pozycje, const std::function<int()> &karta, const std::function<bool()> &odwrocona)
{
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p)
        pozycje[p] = TPozycja{-1, false};

    // A taken number steps back and draws again; the orientation is drawn in
    // either case, so the last filled position gets its orientation anew.
    int i = 0;
    while (i < LiczbaPozycjiStolu) {
        ++i;
        const int a = karta();
        bool zajeta = false;
        for (int p = 1; p <= i; ++p) {
            if (pozycje[p].NrKarty == a) {
                zajeta = true;
                break;
            }
        }
        if (zajeta)
            --i;
        else
            pozycje[i].NrKarty = a;
        pozycje[i].Odwrocona = odwrocona();
    }
}

void LosujKarty(TablicaPozycji &pozycje)
{
    const auto teraz = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq ziarno{static_cast<unsigned>(teraz), static_cast<unsigned>(teraz >> 32)};
    std::mt19937 gen(ziarno);
    LosujKarty(pozycje, gen);
}
