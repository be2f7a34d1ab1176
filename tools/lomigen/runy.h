#pragma once
#include <QPainterPath>
#include <QString>

// Elder Futhark glyphs as stroke centre lines, 1 unit high, y growing
// downwards, so that one path serves every picture size.

// Index 0..23 in futhark order for a Latin rune name (common spellings
// accepted), or -1.
int indeksRuny(const QString &nazwa);

// Centre lines of rune `indeks`, about 0.6 units wide and 1 unit high.
QPainterPath liniaRuny(int indeks);

// The rune as a filled outline of height `wysokosc`, strokes `grubosc`
// thick, centred on `srodek`.
QPainterPath obrysRuny(int indeks, QPointF srodek, qreal wysokosc, qreal grubosc);
