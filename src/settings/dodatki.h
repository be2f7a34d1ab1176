#pragma once
// The add-on folders the settings import reads and the generator writes
// samples of: their file names and the lengths of the names they carry.
#include <QString>
#include <QStringList>

namespace Dodatki {

// Deck and card names fill the store's NazwaTalii and NazwaKarty fields,
// background names its Tla.Nazwa field; longer names are cut.
inline constexpr int DlugoscNazwyKarty = 50;
inline constexpr int DlugoscNazwyTla = 30;

// A deck add-on: its descriptor, four pictures of each card and the back.
inline constexpr const char *OpisTalii = "talia.txt";
inline constexpr const char *PlikKoszulki = "koszulka.bmp";

// The pictures of card k (1..24), as the card store's columns are filled:
// "NN_1 kopia.bmp" (Obrazek800), "NN_2 kopia.bmp" (Obrazek1024),
// "NN_3 kopia.bmp" (ObrazekBig) and "NN.bmp" (ObrazekMaly).
inline QStringList PlikiKarty(int k)
{
    const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
    return {nn + QStringLiteral("_1 kopia.bmp"), nn + QStringLiteral("_2 kopia.bmp"),
            nn + QStringLiteral("_3 kopia.bmp"), nn + QStringLiteral(".bmp")};
}

// A background add-on: its descriptor and, for its line k (from 1), the
// background and its miniature.
inline constexpr const char *OpisTel = "stoliki.txt";
inline QString PlikTla(int k)
{
    return QStringLiteral("tlo_%1.bmp").arg(k);
}
inline QString PlikMalegoTla(int k)
{
    return QStringLiteral("m_tlo_%1.bmp").arg(k);
}

}
