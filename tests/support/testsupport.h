#pragma once
#include <QString>

namespace TestSupport {

// The program folder the build produced (executable, Data/, help/ ...).
QString programDir();
// The source tree, for committed fixtures.
QString sourceDir();

}

namespace TestSupport {

// Makes a program folder in dir: Data/ with a small card store (deck 1 with
// 24 cards and every picture, deck 2 with cards 1-3, meanings of cards 1-24,
// a heading for each position of spread 2, two backgrounds), Save/, help/.
// Returns the folder's path (no trailing separator), empty on failure.
QString UtworzFolderProgramu(const QString &dir);

// A small 24-bit BMP file of one colour with a mark in its top-left corner.
QByteArray Bmp(int szerokosc, int wysokosc, unsigned rgb);

}
