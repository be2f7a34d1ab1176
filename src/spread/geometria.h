#pragma once
#include <QPoint>
#include <QRect>
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

// Height of a number label (and its font's pixel size) at full size.
constexpr int WysokoscEtykietyStolu = 19;

// A size shrunk by skala (at most 1), rounded down so that shrunk cards that
// did not overlap still do not.
QSize WSkali(QSize rozmiar, double skala);

// How the spread lies on the table once it is kept in sight.
struct UlozenieNaStole
{
    double skala = 1.0;          // 1: exactly as computed; below 1: shrunk to fit
    QSize karta;                 // card picture and frame
    QPoint przesuniecieEtykiety; // of a number label from its card's corner
    int wysokoscEtykiety = WysokoscEtykietyStolu;
};

// UstawPozycjeObliczenia, kept inside the table. stol is the table area in
// the same coordinates as the corners; etykiety[p] is the size of label p at
// full size. While every card of the spread and its number lie inside the
// table and no two cards overlap, the corners are
// those of UstawPozycjeObliczenia and the scale is 1. Otherwise the spread's
// own arrangement is shrunk as a whole (places, cards, labels) just enough to
// fit inside the table with a small margin, kept as near as it can be to where
// the computed layout lies.
UlozenieNaStole UlozNaStole(int n, int aktualnyUklad, QRect stol, int szerokoscEkranu,
                            const std::array<QSize, 16> &etykiety, std::array<QPoint, 16> &lewyGorny);
