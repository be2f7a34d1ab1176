// Any bytes as a deck descriptor ("talia.txt"), read as the deck import reads
// it: a deck name and 24 card names, each the start of its line and fit for
// the store.
#include "dekodowanie.h"
#include "settings/dodatki.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString tekst = OpisFuzz::SprawdzTekst(bajty);
    const OpisTalii opis = CzytajOpisTalii(bajty);
    if (opis.NazwyKart.size() != 24)
        OpisFuzz::Blad("not 24 cards");
    OpisFuzz::SprawdzNazwe(opis.NazwaTalii, Dodatki::DlugoscNazwyKarty);
    OpisFuzz::SprawdzZWiersza(opis.NazwaTalii, OpisFuzz::Wiersz(tekst, 0), Dodatki::DlugoscNazwyKarty);
    for (int k = 1; k <= 24; ++k) {
        OpisFuzz::SprawdzNazwe(opis.NazwyKart[k - 1], Dodatki::DlugoscNazwyKarty);
        OpisFuzz::SprawdzZWiersza(opis.NazwyKart[k - 1], OpisFuzz::Wiersz(tekst, k), Dodatki::DlugoscNazwyKarty);
    }
    return 0;
}
