#pragma once
#include "spread/pozycje.h"

#include <random>

// Fills positions 1..15 with 15 distinct cards from 1..22 (never 23 or 24),
// each with its own orientation, reversed with chance one half.
void LosujKarty(TablicaPozycji &pozycje, std::mt19937 &gen);

// The same with a generator freshly seeded from the clock: no two draws repeat.
void LosujKarty(TablicaPozycji &pozycje);
