#include "spread/wyswietlanie.h"

#include "spread/geometria.h"
#include "spread/obraz.h"

QString KolumnaObrazkaStolu(int szerokoscEkranu)
{
    return SzerokiEkran(szerokoscEkranu) ? QStringLiteral("Obrazek1024") : QStringLiteral("Obrazek800");
}

QString KolumnaObrazkaOpisu()
{
    return QStringLiteral("obrazekBig");
}

QString NazwaWyswietlana(const QString &nazwaKarty, bool odwrocona)
{
    return odwrocona ? nazwaKarty + QStringLiteral(" (Odw.)") : nazwaKarty;
}

QString NazwaDostepnaKarty(int pozycja, const QString &nazwaWyswietlana)
{
    // The name goes in last: a "%1" in it stays as it is.
    return QStringLiteral("Pozycja %1: %2").arg(pozycja).arg(nazwaWyswietlana);
}

QImage ObrazKarty(const QByteArray &bajty, bool odwrocona)
{
    const QImage obraz = ObrazZBajtow(bajty);
    return odwrocona ? OdwrocObraz(obraz) : obraz;
}
