#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// Card faces, backs and icons of the shipped decks and the sample add-on deck.

enum class StylTalii
{
    Kamien,
    Drewno,
    Kosc,
    Zloto,
    Bursztyn
};

// Style for a name in the deck list ("kamien", "drewno", "kosc", "zloto",
// "bursztyn"); false for an unknown name.
bool stylTalii(const QString &nazwa, StylTalii &styl);

// The face of rune `runa` (0..23) with `napis` at its foot, so that the card
// shows which way up it lies.
QImage licKarty(StylTalii styl, int runa, const QString &napis, QSize rozmiar, uint32_t ziarno);

// The back of the deck.
QImage koszulka(StylTalii styl, QSize rozmiar, uint32_t ziarno);

// 64 x 32 strip: the card button's picture enabled (left) and greyed (right).
QImage ikona(StylTalii styl, int runa, uint32_t ziarno);
