#pragma once
// How the table shows its cards, in one place for the main window, the card
// description window and the printout.
#include "spread/pozycje.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Entry of the card images that is the description window's picture, after
// the table's positions.
inline constexpr int ObrazekOpisu = LiczbaPozycjiStolu + 1;

// The picture column the table reads on a screen this wide: the small
// pictures up to the threshold of the layout, the larger ones beyond.
QString KolumnaObrazkaStolu(int szerokoscEkranu);
// The picture column of the card description window.
QString KolumnaObrazkaOpisu();

// A card's display name: the store's name, marked when the card lies reversed.
QString NazwaWyswietlana(const QString &nazwaKarty, bool odwrocona);
// What a screen reader says for the card at position p.
QString NazwaDostepnaKarty(int pozycja, const QString &nazwaWyswietlana);

// A card picture from the store's bytes, turned by 180 degrees when the card
// lies reversed. Bytes that are no picture give an empty picture.
QImage ObrazKarty(const QByteArray &bajty, bool odwrocona);

// Takes every card off the table: no picture, disabled, no hint, no number.
// The description window's picture (ObrazekOpisu) is not the table's and stays.
template <typename Obrazki, typename Etykiety> void WyczyscStol(const Obrazki &obrazki, const Etykiety &etykiety)
{
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p) {
        obrazki[p]->UstawObraz(QImage());
        obrazki[p]->setEnabled(false);
        obrazki[p]->setToolTip(QString());
        etykiety[p]->hide();
    }
}
