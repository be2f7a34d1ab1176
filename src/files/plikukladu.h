#pragma once
#include "spread/pozycje.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

// The spread file: 33 little-endian 32-bit values, 132 bytes. For positions
// 1..15 the card number and then 1 (reversed) or 0, then the deck, the spread
// number and a reserved 0 that is never read.

struct StanUkladu
{
    TablicaPozycji Pozycje{};
    qint32 AktualnaTalia = 0;
    qint32 AktualnyUklad = 0;
};

inline const QString KomunikatZlyFormat = QStringLiteral(" Zły format pliku !!!");
inline const QString KomunikatZapisUkladu = QStringLiteral("Błąd - plik zabezpieczony przed zapisem!");
inline const QString KomunikatZapisTekstu = QStringLiteral("Błąd - prawdopodobnie plik zabezpieczony przed zapisem !");

inline constexpr int RozmiarPlikuUkladu = 132;
// The reserved last value is never read, so a file this long is complete.
inline constexpr int RozmiarCzytanyUkladu = 128;

// The error texts give the technical detail; the user is shown the fixed messages above.
bool ZapiszUkladDo(QIODevice &dev, const StanUkladu &s, QString *blad = nullptr);
// Leaves s untouched unless all 32 values could be read.
bool WczytajUkladZ(QIODevice &dev, StanUkladu &s, QString *blad = nullptr);
bool ZapiszUkladDoPliku(const QString &sciezka, const StanUkladu &s, QString *blad = nullptr);
bool WczytajUkladZPliku(const QString &sciezka, StanUkladu &s, QString *blad = nullptr);

// The spread file named on the command line (arguments without the program
// name): the first argument, joined by one blank with the second when there is
// one, so that an unquoted path with one blank, split by the shell, opens too.
// Trailing blanks are dropped; empty when there is no argument.
QString SciezkaZArgumentow(const QStringList &argumenty);
