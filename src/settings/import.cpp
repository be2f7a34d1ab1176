#include "settings/import.h"
#include "store/magazyn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr int DlugoscNazwyKarty = 50; // NazwaTalii, NazwaKarty
constexpr int DlugoscNazwyTla = 30;   // Tla.Nazwa

QString Podpowiedz(const QString &pierwszy, const QString &stronaPomocy)
{
    const QString strona = QDir::toNativeSeparators(stronaPomocy);
    return pierwszy + QStringLiteral("\n\r")
           + QStringLiteral("Jeżeli nie posiadasz takiego pliku, możesz go znaleźć na stronie:") + QStringLiteral("\n\r")
           + QStringLiteral("w pliku pomocy: ") + strona;
}

// A name as it goes into the store, cut to the field's length. The cut never
// splits a character in two, and the noncharacter U+FFFE becomes U+FFFD: at
// the start of a name SQLite would take it for a reversed byte order mark and
// store the rest of the name byte-swapped.
QString Nazwa(const QString &wiersz, int dlugosc)
{
    QString n = wiersz.left(dlugosc);
    if (!n.isEmpty() && n.back().isHighSurrogate())
        n.chop(1);
    n.replace(QChar(0xFFFE), QChar(0xFFFD));
    return n;
}

// A failure of one import step; its text goes to the message's details.
struct Niepowodzenie
{
    QString szczegoly;
};

QString Sciezka(const QString &plik)
{
    return QDir::toNativeSeparators(plik);
}

// Add-on files are small: a descriptor is a few lines, a picture a few
// megabytes. Anything larger, or no regular file at all (a device such as
// /dev/zero never ends), is a wrong choice and must not exhaust the memory.
constexpr qint64 NajwiekszyPlik = 64 * 1024 * 1024;

QByteArray CzytajPlik(const QString &plik)
{
    QFile f(plik);
    if (!f.exists())
        throw Niepowodzenie{QStringLiteral("Brak pliku: %1").arg(Sciezka(plik))};
    if (!QFileInfo(plik).isFile())
        throw Niepowodzenie{QStringLiteral("To nie jest zwykły plik: %1").arg(Sciezka(plik))};
    if (!f.open(QIODevice::ReadOnly))
        throw Niepowodzenie{QStringLiteral("Nie można odczytać pliku: %1\n%2").arg(Sciezka(plik), f.errorString())};
    if (f.size() > NajwiekszyPlik)
        throw Niepowodzenie{QStringLiteral("Plik jest za duży (%1 bajtów): %2").arg(f.size()).arg(Sciezka(plik))};
    QByteArray bajty = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Niepowodzenie{QStringLiteral("Nie można odczytać pliku: %1\n%2").arg(Sciezka(plik), f.errorString())};
    return bajty;
}

QStringList CzytajOpis(const QString &plikOpisu)
{
    return WierszeOpisu(DekodujOpis(CzytajPlik(plikOpisu)));
}

QString BladMagazynuTekst(const BladMagazynu &e)
{
    return QStringLiteral("Magazyn kart odrzucił zapis:\n%1").arg(e.tekst());
}

} // namespace

QString PodpowiedzImportuTalii(const QString &stronaPomocy)
{
    return Podpowiedz(QStringLiteral("Wskaż plik \"talia.txt\" z informacją o nowej talii kart."), stronaPomocy);
}

QString PodpowiedzImportuTel(const QString &stronaPomocy)
{
    return Podpowiedz(QStringLiteral("Wskaż plik \"stoliki.txt\" z informacją o nowych stolikach."), stronaPomocy);
}

QString DekodujOpis(const QByteArray &bajty)
{
    // Stateless: a Windows-1250 letter as the very last byte must count as
    // broken UTF-8, not as a sequence waiting for more bytes. A leading byte
    // order mark is dropped.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString tekst = utf8.decode(bajty);
    if (!utf8.hasError())
        return tekst;
    QStringDecoder cp1250("windows-1250");
    if (cp1250.isValid())
        return cp1250.decode(bajty);
    return QString::fromLatin1(bajty); // no converter: at least the ASCII letters survive
}

QStringList WierszeOpisu(const QString &tekst)
{
    QStringList wiersze = tekst.split(QLatin1Char('\n'));
    for (QString &w : wiersze)
        if (w.endsWith(QLatin1Char('\r')))
            w.chop(1);
    if (wiersze.last().isEmpty()) // the text's own final line end, or an empty text
        wiersze.removeLast();
    return wiersze;
}

bool ImportujTalieZ(MagazynKart &magazyn, const QString &plikOpisu, int *numer, QString *szczegoly)
{
    const QString folder = QFileInfo(plikOpisu).absolutePath() + QLatin1Char('/');
    bool wTransakcji = false;
    try {
        const int n = magazyn.MaxNumerTalii() + 1;
        const QStringList wiersze = CzytajOpis(plikOpisu);
        auto wiersz = [&](int i) { return i < wiersze.size() ? Nazwa(wiersze[i], DlugoscNazwyKarty) : QString(); };
        const QString nazwaTalii = wiersz(0);

        // One transaction: a deck is 24 cards and a back, or nothing.
        magazyn.RozpocznijTransakcje();
        wTransakcji = true;
        for (int k = 1; k <= 24; ++k) {
            const QString nn = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
            const int id = 24 * n + k;
            magazyn.WstawKarte(id, k, n, nazwaTalii, wiersz(k));
            const QByteArray o800 = CzytajPlik(folder + nn + QStringLiteral("_1 kopia.bmp"));
            const QByteArray o1024 = CzytajPlik(folder + nn + QStringLiteral("_2 kopia.bmp"));
            const QByteArray big = CzytajPlik(folder + nn + QStringLiteral("_3 kopia.bmp"));
            const QByteArray maly = CzytajPlik(folder + nn + QStringLiteral(".bmp"));
            magazyn.ZapiszObrazyKarty(id, n, k, o800, o1024, big, maly);
        }
        magazyn.WstawKoszulke(n, CzytajPlik(folder + QStringLiteral("koszulka.bmp")));
        magazyn.ZatwierdzTransakcje();
        if (numer)
            *numer = n;
        return true;
    } catch (const Niepowodzenie &e) {
        if (szczegoly)
            *szczegoly = e.szczegoly;
    } catch (const BladMagazynu &e) {
        if (szczegoly)
            *szczegoly = BladMagazynuTekst(e);
    }
    if (wTransakcji)
        magazyn.WycofajTransakcje();
    return false;
}

bool ImportujTlaZ(MagazynKart &magazyn, const QString &plikOpisu, int *dodane, QString *szczegoly)
{
    const QString folder = QFileInfo(plikOpisu).absolutePath() + QLatin1Char('/');
    int ile = 0;
    if (dodane)
        *dodane = 0;
    int k = 0;
    bool wTransakcji = false;
    try {
        const int pierwszy = magazyn.MaxIdTla() + 1;
        const QStringList wiersze = CzytajOpis(plikOpisu);
        for (k = 1; k <= wiersze.size(); ++k) {
            const QString nazwa = Nazwa(wiersze[k - 1], DlugoscNazwyTla);
            const QByteArray tlo = CzytajPlik(folder + QStringLiteral("tlo_%1.bmp").arg(k));
            const QByteArray maleTlo = CzytajPlik(folder + QStringLiteral("m_tlo_%1.bmp").arg(k));
            // Each background whole or not at all; those before a failing
            // line stay.
            magazyn.RozpocznijTransakcje();
            wTransakcji = true;
            magazyn.WstawTlo(pierwszy + k - 1, nazwa, tlo, maleTlo);
            magazyn.ZatwierdzTransakcje();
            wTransakcji = false;
            ++ile;
            if (dodane)
                *dodane = ile;
        }
        return true;
    } catch (const Niepowodzenie &e) {
        if (szczegoly)
            *szczegoly = k > 0 ? QStringLiteral("Wiersz %1 pliku %2\n%3").arg(k).arg(Sciezka(plikOpisu), e.szczegoly)
                               : e.szczegoly;
    } catch (const BladMagazynu &e) {
        if (szczegoly)
            *szczegoly = k > 0 ? QStringLiteral("Wiersz %1 pliku %2\n%3").arg(k).arg(Sciezka(plikOpisu), BladMagazynuTekst(e))
                               : BladMagazynuTekst(e);
    }
    if (wTransakcji)
        magazyn.WycofajTransakcje();
    return false;
}
