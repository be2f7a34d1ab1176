// Any bytes as a descriptor, imported as a deck (all 97 pictures beside it)
// and as backgrounds (the pictures of backgrounds 1 to 8 beside it) into a
// card store: the slow road through files, SQL and the store that the
// descriptor targets leave out. Its seeds are the descriptor targets' corpora.
//
// The deck import succeeds and stores the names the descriptor reader gives;
// the background import stores one background per line up to the eighth, and
// a ninth line stops it with everything before it stored.
#include "opis.h"
#include "settings/dodatki.h"
#include "settings/import.h"

namespace {
OpisFuzz::Srodowisko *s = nullptr;
constexpr int Tla = 8;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    QStringList pliki{QLatin1String(Dodatki::PlikKoszulki)};
    for (int k = 1; k <= 24; ++k)
        pliki << Dodatki::PlikiKarty(k);
    for (int k = 1; k <= Tla; ++k)
        pliki << Dodatki::PlikTla(k) << Dodatki::PlikMalegoTla(k);
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
            jest = OpisFuzz::TaSamaNazwa(t.NazwaTalii, opis.NazwaTalii, Dodatki::DlugoscNazwyKarty);
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
        if (!OpisFuzz::TaSamaNazwa(i.NazwaKarty, opis.NazwyKart[i.NrKarty - 1], Dodatki::DlugoscNazwyKarty)
            || i.ObrazekMaly.isEmpty()) {
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
        if (tla[k].ID != k + 1 || !OpisFuzz::TaSamaNazwa(tla[k].Nazwa, nazwy[k], Dodatki::DlugoscNazwyTla)
            || m.ObrazTla(tla[k].ID, true).isEmpty())
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
