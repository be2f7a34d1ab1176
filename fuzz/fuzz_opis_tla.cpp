// Any bytes as a background descriptor ("stoliki.txt") with the pictures of
// backgrounds 1 to 8 beside it: one background per line up to the eighth,
// each with its name; a ninth line stops the import with everything before it
// stored.
#include "opis.h"
#include "settings/import.h"

namespace {
OpisFuzz::Srodowisko *s = nullptr;
constexpr int Obrazy = 8;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QStringList pliki;
    for (int k = 1; k <= Obrazy; ++k)
        pliki << QStringLiteral("tlo_%1.bmp").arg(k) << QStringLiteral("m_tlo_%1.bmp").arg(k);
    s = &OpisFuzz::Przygotuj(argc, argv, pliki);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString opis = s->folder + QStringLiteral("stoliki.txt");
    OpisFuzz::Zapisz(opis, bajty);

    MagazynKart &m = *s->magazyn;
    int dodane = -1;
    QString szczegoly;
    const bool ok = ImportujTlaZ(m, opis, &dodane, &szczegoly);
    const QStringList wiersze = WierszeOpisu(DekodujOpis(bajty));
    if (ok != (wiersze.size() <= Obrazy) || dodane != qMin(int(wiersze.size()), Obrazy)) {
        std::fprintf(stderr, "ok=%d dodane=%d lines=%d: %s\n", ok, dodane, int(wiersze.size()), qPrintable(szczegoly));
        std::abort();
    }
    const auto tla = m.Tla();
    if (tla.size() != dodane)
        std::abort();
    for (int k = 0; k < tla.size(); ++k)
        if (tla[k].ID != k + 1 || !OpisFuzz::TaSamaNazwa(tla[k].Nazwa, wiersze[k], 30) || m.ObrazTla(tla[k].ID, true).isEmpty())
            std::abort();

    OpisFuzz::Usun(m, "delete from tla where ID >= ?", 1);
    return 0;
}
