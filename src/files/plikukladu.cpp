#include "files/plikukladu.h"
#include "disk/zapisbezpieczny.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

void UstawBlad(QString *blad, const QString &tekst)
{
    if (blad)
        *blad = tekst;
}

} // namespace

bool ZapiszUkladDo(QIODevice &dev, const StanUkladu &s, QString *blad)
{
    QByteArray bajty(RozmiarPlikuUkladu, '\0');
    char *w = bajty.data();
    auto dopisz = [&w](qint32 wartosc) {
        qToLittleEndian(wartosc, w);
        w += 4;
    };
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p) {
        dopisz(s.Pozycje[p].NrKarty);
        dopisz(s.Pozycje[p].Odwrocona ? 1 : 0);
    }
    dopisz(s.AktualnaTalia);
    dopisz(s.AktualnyUklad);
    dopisz(0);

    return ZapiszCalosc(dev, bajty, blad);
}

bool WczytajUkladZ(QIODevice &dev, StanUkladu &s, QString *blad)
{
    // Only the first 128 bytes matter; reading no further also keeps an endless
    // device such as /dev/zero from hanging the load.
    QByteArray bajty(RozmiarCzytanyUkladu, '\0');
    qint64 przeczytane = 0;
    while (przeczytane < RozmiarCzytanyUkladu) {
        const qint64 r = dev.read(bajty.data() + przeczytane, RozmiarCzytanyUkladu - przeczytane);
        if (r <= 0)
            break;
        przeczytane += r;
    }
    if (przeczytane < RozmiarCzytanyUkladu) {
        UstawBlad(blad, QStringLiteral("Plik ma %1 bajtów, potrzeba %2").arg(przeczytane).arg(RozmiarCzytanyUkladu));
        return false;
    }

    const char *r = bajty.constData();
    auto wartosc = [&r]() {
        const qint32 v = qFromLittleEndian<qint32>(r);
        r += 4;
        return v;
    };
    StanUkladu nowy;
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p) {
        nowy.Pozycje[p].NrKarty = wartosc();
        nowy.Pozycje[p].Odwrocona = (wartosc() == 1);
    }
    nowy.AktualnaTalia = wartosc();
    nowy.AktualnyUklad = wartosc();
    s = nowy;
    return true;
}

bool ZapiszUkladDoPliku(const QString &sciezka, const StanUkladu &s, QString *blad)
{
    return ZapiszBezpiecznie(
        sciezka, [&s](QIODevice &dev, QString *b) { return ZapiszUkladDo(dev, s, b); }, blad,
        TrybZapisu::PodmianaLubWMiejscu);
}

bool WczytajUkladZPliku(const QString &sciezka, StanUkladu &s, QString *blad)
{
    // A pipe, a device or a folder is no spread file; a pipe is not even
    // opened, as that would wait for a writer for ever.
    const QFileInfo info(sciezka);
    if (info.exists() && !info.isFile()) {
        UstawBlad(blad, QStringLiteral("To nie jest zwykły plik: %1").arg(sciezka));
        return false;
    }
    // Reading needs no write access: a read-only spread file opens as well.
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    return WczytajUkladZ(plik, s, blad);
}

QString SciezkaZArgumentow(const QStringList &argumenty)
{
    if (argumenty.isEmpty())
        return {};
    QString sciezka = argumenty.at(0);
    if (argumenty.size() > 1)
        sciezka += QLatin1Char(' ') + argumenty.at(1);
    while (!sciezka.isEmpty() && sciezka.back() <= QLatin1Char(' '))
        sciezka.chop(1);
    return sciezka;
}
