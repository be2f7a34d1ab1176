#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Sizes of the pictures the program reads from the card store.
inline constexpr QSize Rozmiar800(80, 122);
inline constexpr QSize Rozmiar1024(114, 173);
inline constexpr QSize RozmiarBig(169, 273);
inline constexpr QSize RozmiarTla(1280, 1024);
inline constexpr QSize RozmiarMalegoTla(80, 64);

// Makes the card store, the spread miniatures, the sample add-ons and copies
// the help documents into the program folder. Returns the process exit code.
int generuj(const QString &katalogDanych, const QString &katalogProgramu);

// Contact sheets of everything generated, for looking the art over.
int arkusz(const QString &katalogProgramu, const QString &plikPng);

// 24-bit BMP file bytes; a picture that cannot be encoded stops the build.
QByteArray bajtyBmp(const QImage &obraz);

// Spread miniature for the settings window.
QImage miniaturaUkladu(int uklad);
