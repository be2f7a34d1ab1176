#pragma once
// The versions the writer helper saves: every value of version k derives from
// k, so a file mixing two versions, or cut short, is told from a whole one.
#include "app/plikustawien.h"
#include "files/plikukladu.h"

namespace Pisarz {

inline StanUkladu Uklad(qint32 k)
{
    StanUkladu s;
    for (int p = 1; p <= 15; ++p)
        s.Pozycje[p] = {k * 100 + p, (k + p) % 2 == 1};
    s.AktualnaTalia = k;
    s.AktualnyUklad = k;
    return s;
}

inline ::Ustawienia Ustawienia(qint32 k)
{
    ::Ustawienia u;
    u.NastArkana = k & 1;
    u.Talia = k;
    u.NastUklad = k;
    u.Stolik = k;
    u.UlozenieLosowo = k & 2;
    u.Blokada = k & 4;
    u.MinimalizacjaDoTraya = k & 8;
    return u;
}

}
