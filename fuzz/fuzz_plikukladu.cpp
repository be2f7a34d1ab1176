// Any bytes as a spread file: no crash, a load only from 128 bytes on, and a
// loaded spread saves and loads back unchanged.
#include "files/plikukladu.h"

#include <QBuffer>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer plik(&bajty);
    plik.open(QIODevice::ReadOnly);

    StanUkladu s;
    s.AktualnaTalia = 77; // a failed load must leave the state as it was
    const bool ok = WczytajUkladZ(plik, s);
    if (ok != (size >= RozmiarCzytanyUkladu))
        abort();
    if (!ok) {
        if (s.AktualnaTalia != 77)
            abort();
        return 0;
    }

    QByteArray zapis;
    QBuffer wyjscie(&zapis);
    wyjscie.open(QIODevice::WriteOnly);
    if (!ZapiszUkladDo(wyjscie, s) || zapis.size() != RozmiarPlikuUkladu)
        abort();
    // Card numbers, deck and spread are written as read; flags become 0 or 1.
    for (int i = 0; i < 32; ++i) {
        if (i % 2 == 1 && i < 30)
            continue;
        if (std::memcmp(zapis.constData() + 4 * i, data + 4 * i, 4) != 0)
            abort();
    }
    wyjscie.close();
    wyjscie.open(QIODevice::ReadOnly);
    StanUkladu znow;
    if (!WczytajUkladZ(wyjscie, znow))
        abort();
    for (int p = 1; p <= 15; ++p)
        if (znow.Pozycje[p].NrKarty != s.Pozycje[p].NrKarty || znow.Pozycje[p].Odwrocona != s.Pozycje[p].Odwrocona)
            abort();
    if (znow.AktualnaTalia != s.AktualnaTalia || znow.AktualnyUklad != s.AktualnyUklad)
        abort();
    return 0;
}
