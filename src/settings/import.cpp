#include "settings/import.h"
#include "settings/dodatki.h"
#include "store/magazyn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

using Dodatki::DlugoscNazwyKarty;
using Dodatki::DlugoscNazwyTla;

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

namespace {

// Characters a Polish descriptor is written with: ASCII, the Polish letters
// and the punctuation Polish texts use.
bool ZnakPolski(char32_t c)
{
    if ((c >= 0x20 && c < 0x7F) || c == u'\t' || c == u'\r' || c == u'\n')
        return true;
    static constexpr char16_t polskie[] = u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ„”“’–—…«»°§\u00A0";
    for (char16_t p : polskie)
        if (p != 0 && c == p)
            return true;
    return false;
}

qsizetype ObceZnaki(const QString &tekst)
{
    qsizetype ile = 0;
    for (QChar z : tekst)
        if (!z.isLowSurrogate() && !ZnakPolski(z.unicode()))
            ++ile;
    return ile;
}

} // namespace

// A byte order mark means UTF-8, and bytes that are not UTF-8 are
// Windows-1250. Windows-1250 bytes can also be valid UTF-8 by chance: an
// upper-case Ó, Ń, Ć or Ę followed by Ł, Ż, Ś, Ą... is a two-byte sequence
// ("STÓŁ" would read "STӣ", Cyrillic). So valid UTF-8 without a mark is read
// both ways and the reading with fewer characters outside ASCII, the Polish
// letters and Polish punctuation wins, UTF-8 on a tie (plain ASCII reads the
// same either way). Real UTF-8 Polish never loses: each of its letters starts
// with byte C3, C4 or C5, which Windows-1250 reads as Ă, Ä or Ĺ.
QString DekodujOpis(const QByteArray &bajty)
{
    auto cp1250 = [&bajty] {
        QStringDecoder d("windows-1250");
        if (d.isValid())
            return QString(d.decode(bajty));
        return QString::fromLatin1(bajty); // no converter: at least the ASCII letters survive
    };
    // Stateless: a Windows-1250 letter as the very last byte must count as
    // broken UTF-8, not as a sequence waiting for more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const bool bom = bajty.startsWith("\xEF\xBB\xBF");
    const QString tekst = utf8.decode(bom ? bajty.mid(3) : bajty);
    if (bom)
        return tekst;
    if (utf8.hasError())
        return cp1250();
    const qsizetype obceUtf8 = ObceZnaki(tekst);
    if (obceUtf8 == 0)
        return tekst;
    QString inny = cp1250();
    return ObceZnaki(inny) < obceUtf8 ? inny : tekst;
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

OpisTalii CzytajOpisTalii(const QByteArray &bajty)
{
    const QStringList wiersze = WierszeOpisu(DekodujOpis(bajty));
    auto wiersz = [&](int i) { return i < wiersze.size() ? Nazwa(wiersze[i], DlugoscNazwyKarty) : QString(); };
    OpisTalii opis;
    opis.NazwaTalii = wiersz(0);
    for (int k = 1; k <= 24; ++k)
        opis.NazwyKart << wiersz(k);
    return opis;
}

QStringList CzytajOpisTel(const QByteArray &bajty)
{
    QStringList nazwy = WierszeOpisu(DekodujOpis(bajty));
    for (QString &n : nazwy)
        n = Nazwa(n, DlugoscNazwyTla);
    return nazwy;
}

bool ImportujTalieZ(MagazynKart &magazyn, const QString &plikOpisu, int *numer, QString *szczegoly)
{
    const QString folder = QFileInfo(plikOpisu).absolutePath() + QLatin1Char('/');
    bool wTransakcji = false;
    try {
        const int n = magazyn.MaxNumerTalii() + 1;
        const OpisTalii opis = CzytajOpisTalii(CzytajPlik(plikOpisu));

        // One transaction: a deck is 24 cards and a back, or nothing.
        magazyn.RozpocznijTransakcje();
        wTransakcji = true;
        for (int k = 1; k <= 24; ++k) {
            const QStringList pliki = Dodatki::PlikiKarty(k);
            const int id = 24 * n + k;
            magazyn.WstawKarte(id, k, n, opis.NazwaTalii, opis.NazwyKart[k - 1]);
            const QByteArray o800 = CzytajPlik(folder + pliki[0]);
            const QByteArray o1024 = CzytajPlik(folder + pliki[1]);
            const QByteArray big = CzytajPlik(folder + pliki[2]);
            const QByteArray maly = CzytajPlik(folder + pliki[3]);
            magazyn.ZapiszObrazyKarty(id, n, k, o800, o1024, big, maly);
        }
        magazyn.WstawKoszulke(n, CzytajPlik(folder + QLatin1String(Dodatki::PlikKoszulki)));
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
        const QStringList nazwy = CzytajOpisTel(CzytajPlik(plikOpisu));
        for (k = 1; k <= nazwy.size(); ++k) {
            const QString &nazwa = nazwy[k - 1];
            const QByteArray tlo = CzytajPlik(folder + Dodatki::PlikTla(k));
            const QByteArray maleTlo = CzytajPlik(folder + Dodatki::PlikMalegoTla(k));
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
            *szczegoly = k > 0
                ? QStringLiteral("Wiersz %1 pliku %2\n%3").arg(k).arg(Sciezka(plikOpisu), BladMagazynuTekst(e))
                : BladMagazynuTekst(e);
    }
    if (wTransakcji)
        magazyn.WycofajTransakcje();
    return false;
}
