#pragma once
#include "spread/pozycje.h"

#include <functional>
#include <random>

// Fills positions 1..15 with 15 distinct cards from 1..22 (never 23 or 24),
// each with its own orientation, reversed with chance one half.
void LosujKarty(TablicaPozycji &pozycje, std::mt19937 &gen);

// The same draw from given sources: karta gives a card number 1..22,
// odwrocona one orientation. A number already on the table is drawn again,
// and an orientation is drawn after every card number, taken or not (it then
// belongs to the last filled position).
void LosujKarty(TablicaPozycji &pozycje, const std::function<int()> &karta, const std::function<bool()> &odwrocona);

// The same with a generator freshly seeded from the clock: no two draws repeat.
void LosujKarty(TablicaPozycji &pozycje);
