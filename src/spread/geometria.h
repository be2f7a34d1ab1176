#pragma once
#include <QPoint>
#include <QSize>
#include <array>

// Nearest integer, exact halves to the even neighbour (R(2.5) = 2, R(-0.5) = 0).
int ZaokraglijR(double x);

// Screens up to this width get the small pictures and no scaling of the layout.
constexpr int ProgEkranu = 800;
bool SzerokiEkran(int szerokoscEkranu);

// Top-left corners (x = left, y = top) of the card images of spread n on a table
// area of size stol. Entries 1..LiczbaKart(n) are set; the others keep their values.
// Clamping and scaling run over LiczbaKart(aktualnyUklad) positions.
void UstawPozycjeObliczenia(int n, int aktualnyUklad, QSize stol, int szerokoscEkranu,
                            std::array<QPoint, 16> &lewyGorny);

// Offset of a number label from the top-left corner of its card.
QPoint PrzesuniecieEtykiety(int szerokoscEkranu);

// Size of a position frame (the size of a card picture on this screen).
QSize RozmiarRamki(int szerokoscEkranu);
