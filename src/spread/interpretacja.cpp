#include "spread/interpretacja.h"

#include "spread/katalog.h"

namespace {

const QString KoniecWiersza = QStringLiteral("\r\n");
constexpr int UkladJednejKarty = 15;
constexpr int UkladLosu = 16;

} // namespace

QString Interpretacja(int n, const std::array<QString, LiczbaPozycjiStolu + 1> &nazwyKart, const ZrodlaInterpretacji &z,
                      const std::function<void(const QString &kawalek)> &dopisz)
{
    QString tekst;
    auto dodaj = [&](const QString &kawalek) {
        if (kawalek.isEmpty())
            return;
        tekst += kawalek;
        if (dopisz)
            dopisz(kawalek);
    };

    const QString opis = OpisUkladu(n);
    if (!opis.isEmpty())
        dodaj(opis + KoniecWiersza + QStringLiteral(" ") + KoniecWiersza);

    const int liczba = LiczbaKart(n);
    for (int k = 1; k <= liczba && k < int(nazwyKart.size()); ++k) {
        const QString &nazwa = nazwyKart[k];
        const QString numer = QStringLiteral("[%1] ").arg(k);

        if (k == 1 && n != UkladJednejKarty) {
            // The first position has a fixed title and no heading of its own.
            const QString tytul =
                n == UkladLosu ? QStringLiteral("[1] Przeszłość: ") : QStringLiteral("[1] Sygnifikator: ");
            dodaj(tytul + nazwa + KoniecWiersza);
        } else {
            const std::optional<QString> naglowek = z.naglowek ? z.naglowek(n, k) : std::nullopt;
            if (naglowek) {
                dodaj(numer + *naglowek + KoniecWiersza);
                dodaj(nazwa + KoniecWiersza);
            } else if (n != UkladLosu) {
                dodaj(numer + nazwa + KoniecWiersza);
            } else if (k == 2) {
                dodaj(numer + QStringLiteral("Teraźniejszość ") + nazwa + KoniecWiersza);
            } else {
                dodaj(numer + QStringLiteral("Przyszłość ") + nazwa + KoniecWiersza);
            }
        }

        dodaj(z.znaczenie ? z.znaczenie(k) : QString());
        dodaj(KoniecWiersza + KoniecWiersza);
    }
    return tekst;
}
