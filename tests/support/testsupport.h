#pragma once
#include "store/magazyn.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

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

// An empty card store made and opened in folderDanych (made if missing;
// with a trailing separator, as MagazynKart::Otworz takes it). nullptr and
// the reason in blad when it cannot be made. Every test store starts here.
std::unique_ptr<MagazynKart> UtworzMagazyn(const QString &folderDanych, QString *blad);

// BMP file bytes of a picture, written as the program's own add-ons and
// store keep them (24 bits per pixel).
QByteArray Bmp(const QImage &obraz);
// A small BMP of one colour with a mark in its top-left corner.
QByteArray Bmp(int szerokosc, int wysokosc, unsigned rgb);

}
