// Helper of tst_okno_awarie: saves version 1, 2, 3 ... of a spread file or of
// the settings file, one after another, until the test kills it. Prints
// "gotowy" once the first version is written.
//
//   lomipisarz uklad|ustawienia <path>
#include "pisarz.h"
#include "app/plikustawien.h"
#include "files/plikukladu.h"

#include <QString>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "uklad") != 0 && std::strcmp(argv[1], "ustawienia") != 0)) {
        std::fprintf(stderr, "usage: %s uklad|ustawienia <path>\n", argv[0]);
        return 2;
    }
    const bool uklad = std::strcmp(argv[1], "uklad") == 0;
    const QString sciezka = QString::fromLocal8Bit(argv[2]);
    for (qint32 k = 1;; ++k) {
        QString blad;
        const bool ok = uklad ? ZapiszUkladDoPliku(sciezka, Pisarz::Uklad(k), &blad)
                              : ZapiszUstawienia(sciezka, Pisarz::Ustawienia(k), &blad);
        if (!ok) {
            std::fprintf(stderr, "%s\n", qPrintable(blad));
            return 1;
        }
        if (k == 1) {
            std::puts("gotowy");
            std::fflush(stdout);
        }
    }
}
