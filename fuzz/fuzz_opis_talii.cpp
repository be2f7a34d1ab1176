// Any bytes as a deck descriptor ("talia.txt") with all 97 pictures beside it:
// the import succeeds and stores the deck and card names the descriptor holds.
#include "opis.h"
#include "settings/import.h"

namespace {
OpisFuzz::Srodowisko *s = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QStringList pliki{QStringLiteral("koszulka.bmp")};
    for (int k = 1; k <= 24; ++k) {
        const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        pliki << nn + QStringLiteral("_1 kopia.bmp") << nn + QStringLiteral("_2 kopia.bmp")
              << nn + QStringLiteral("_3 kopia.bmp") << nn + QStringLiteral(".bmp");
    }
    s = &OpisFuzz::Przygotuj(argc, argv, pliki);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString opis = s->folder + QStringLiteral("talia.txt");
    OpisFuzz::Zapisz(opis, bajty);

    MagazynKart &m = *s->magazyn;
    int numer = 0;
    QString szczegoly;
    if (!ImportujTalieZ(m, opis, &numer, &szczegoly)) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(szczegoly));
        std::abort();
    }
    const QStringList wiersze = WierszeOpisu(DekodujOpis(bajty));
    auto wiersz = [&](int i) { return i < wiersze.size() ? wiersze[i] : QString(); };
    bool jest = false;
    for (const auto &t : m.Talie())
        if (t.NumerTalii == numer)
            jest = OpisFuzz::TaSamaNazwa(t.NazwaTalii, wiersz(0), 50);
    if (!jest) {
        for (const auto &t : m.Talie())
            if (t.NumerTalii == numer)
                std::fprintf(stderr, "deck stored as [%s], descriptor has [%s]\n",
                             t.NazwaTalii.toUtf8().toHex(' ').constData(),
                             wiersz(0).left(50).toUtf8().toHex(' ').constData());
        std::abort();
    }
    const auto ikonki = m.Ikonki(numer);
    if (ikonki.size() != 24)
        std::abort();
    for (const auto &i : ikonki)
        if (!OpisFuzz::TaSamaNazwa(i.NazwaKarty, wiersz(i.NrKarty), 50) || i.ObrazekMaly.isEmpty()) {
            std::fprintf(stderr, "card %d stored as [%s], descriptor has [%s]\n", i.NrKarty,
                         i.NazwaKarty.toUtf8().toHex(' ').constData(),
                         wiersz(i.NrKarty).left(50).toUtf8().toHex(' ').constData());
            std::abort();
        }
    if (m.Koszulka(numer).isEmpty())
        std::abort();

    // The store stays small: every input starts from the same empty store.
    OpisFuzz::Usun(m, "delete from kartygraf where NumerTalii = ?", numer);
    OpisFuzz::Usun(m, "delete from koszulki where NumerTalii = ?", numer);
    return 0;
}
