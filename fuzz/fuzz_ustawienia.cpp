// Any bytes as "Lomi.ini": no crash, and the settings read from it survive the
// write on close and the next start unchanged.
#include "app/plikustawien.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray tresc(reinterpret_cast<const char *>(data), qsizetype(size));
    Ustawienia u;
    CzytajUstawienia(tresc, u);

    // Whatever was read is written back and read again as the same values,
    // also over settings that were not the defaults.
    Ustawienia znow;
    znow.Talia = -5;
    znow.NastUklad = 99;
    znow.Stolik = 0;
    znow.NastArkana = !u.NastArkana;
    znow.UlozenieLosowo = !u.UlozenieLosowo;
    znow.Blokada = !u.Blokada;
    znow.MinimalizacjaDoTraya = !u.MinimalizacjaDoTraya;
    CzytajUstawienia(TekstUstawien(u), znow);
    if (!(znow == u))
        abort();
    return 0;
}
