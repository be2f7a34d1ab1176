// Any bytes as a background descriptor ("stoliki.txt"), read as the background
// import reads it: one name per line, an empty line before the end counting
// as a line, each name the start of its line and fit for the store.
#include "dekodowanie.h"
#include "settings/dodatki.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString tekst = OpisFuzz::SprawdzTekst(bajty);
    const QStringList nazwy = CzytajOpisTel(bajty);
    // A CR as the very last character is a CR LF cut short: a line end.
    const QString bezCr = tekst.endsWith(QLatin1Char('\r')) ? tekst.chopped(1) : tekst;
    const qsizetype wierszy =
        bezCr.count(QLatin1Char('\n')) + (bezCr.isEmpty() || bezCr.endsWith(QLatin1Char('\n')) ? 0 : 1);
    if (nazwy.size() != wierszy)
        OpisFuzz::Blad("wrong number of lines", tekst);
    // Checking every line of a 10,000-line input is slow and adds nothing.
    for (int k = 0; k < nazwy.size() && k < 64; ++k) {
        OpisFuzz::SprawdzNazwe(nazwy[k], Dodatki::DlugoscNazwyTla);
        OpisFuzz::SprawdzZWiersza(nazwy[k], OpisFuzz::Wiersz(tekst, k), Dodatki::DlugoscNazwyTla);
    }
    return 0;
}
