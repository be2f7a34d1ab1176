// Any bytes as a descriptor, imported as a deck (all 97 pictures beside it)
// and as backgrounds (the pictures of backgrounds 1 to 8 beside it) into a
// card store: the slow road through files, SQL and the store that the
// descriptor targets leave out. Its seeds are the descriptor targets' corpora.
//
// The deck import succeeds and stores the names the descriptor reader gives;
// the background import stores one background per line up to the eighth, and
// a ninth line stops it with everything before it stored.
#include "opis.h"
#include "settings/import.h"

namespace {
OpisFuzz::Srodowisko *s = nullptr;
constexpr int Tla = 8;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QStringList pliki{QStringLiteral("koszulka.bmp")};
    for (int k = 1; k <= 24; ++k) {
        const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        pliki << nn + QStringLiteral("_1 kopia.bmp") << nn + QStringLiteral("_2 kopia.bmp")
              << nn + QStringLiteral("_3 kopia.bmp") << nn + QStringLiteral(".bmp");
    }
    for (int k = 1; k <= Tla; ++k)
        pliki << QStringLiteral("tlo_%1.bmp").arg(k) << QStringLiteral("m_tlo_%1.bmp").arg(k);
    s = &OpisFuzz::Przygotuj(argc, argv, pliki);
    return 0;
}

namespace {

void Talia(const QString &plik, const QByteArray &bajty)
{
    MagazynKart &m = *s->magazyn;
    int numer = 0;
    QString szczegoly;
    if (!ImportujTalieZ(m, plik, &numer, &szczegoly)) {
        std::fprintf(stderr, "deck import failed: %s\n", qPrintable(szczegoly));
        std::abort();
    }
    const OpisTalii opis = CzytajOpisTalii(bajty);
    bool jest = false;
    for (const auto &t : m.Talie())
        if (t.NumerTalii == numer) {
            jest = OpisFuzz::TaSamaNazwa(t.NazwaTalii, opis.NazwaTalii, 50);
            if (!jest)
                std::fprintf(stderr, "deck stored as [%s], descriptor has [%s]\n",
                             t.NazwaTalii.toUtf8().toHex(' ').constData(),
                             opis.NazwaTalii.toUtf8().toHex(' ').constData());
        }
    if (!jest)
        std::abort();
    const auto ikonki = m.Ikonki(numer);
    if (ikonki.size() != 24)
        std::abort();
    for (const auto &i : ikonki)
        if (!OpisFuzz::TaSamaNazwa(i.NazwaKarty, opis.NazwyKart[i.NrKarty - 1], 50) || i.ObrazekMaly.isEmpty()) {
            std::fprintf(stderr, "card %d stored as [%s], descriptor has [%s]\n", i.NrKarty,
                         i.NazwaKarty.toUtf8().toHex(' ').constData(),
                         opis.NazwyKart[i.NrKarty - 1].toUtf8().toHex(' ').constData());
            std::abort();
        }
    if (m.Koszulka(numer).isEmpty())
        std::abort();
    // The store stays small: every input starts from the same empty store.
    OpisFuzz::Usun(m, "delete from kartygraf where NumerTalii = ?", numer);
    OpisFuzz::Usun(m, "delete from koszulki where NumerTalii = ?", numer);
}

void Stoliki(const QString &plik, const QByteArray &bajty)
{
    MagazynKart &m = *s->magazyn;
    int dodane = -1;
    QString szczegoly;
    const bool ok = ImportujTlaZ(m, plik, &dodane, &szczegoly);
    const QStringList nazwy = CzytajOpisTel(bajty);
    if (ok != (nazwy.size() <= Tla) || dodane != qMin(int(nazwy.size()), Tla)) {
        std::fprintf(stderr, "ok=%d dodane=%d lines=%d: %s\n", ok, dodane, int(nazwy.size()), qPrintable(szczegoly));
        std::abort();
    }
    const auto tla = m.Tla();
    if (tla.size() != dodane)
        std::abort();
    for (int k = 0; k < tla.size(); ++k)
        if (tla[k].ID != k + 1 || !OpisFuzz::TaSamaNazwa(tla[k].Nazwa, nazwy[k], 30) || m.ObrazTla(tla[k].ID, true).isEmpty())
            std::abort();
    OpisFuzz::Usun(m, "delete from tla where ID >= ?", 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bajty(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString opis = s->folder + QStringLiteral("opis.txt");
    OpisFuzz::Zapisz(opis, bajty);
    Talia(opis, bajty);
    Stoliki(opis, bajty);
    return 0;
}
