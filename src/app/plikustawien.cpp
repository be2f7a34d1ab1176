#include "app/plikustawien.h"

#include "disk/zapisbezpieczny.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Hand-written: QSettings percent-encodes the section "Ulozenie losowo" and
// matches names by case on this platform, and neither reads "$1F" as a number.

std::optional<qint32> LiczbaUstawienia(const QString &wartosc)
{
    QString t = wartosc.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || t.startsWith(QLatin1Char('$'))) {
        const QString cyfry = t.mid(t.startsWith(QLatin1Char('$')) ? 1 : 2);
        if (cyfry.isEmpty() || cyfry.startsWith(QLatin1Char('+')) || cyfry.startsWith(QLatin1Char('-')))
            return std::nullopt;
        const qulonglong v = cyfry.toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFull)
            return std::nullopt;
        return qint32(quint32(v)); // a hex value is the 32-bit pattern
    }
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return qint32(v);
}

namespace {

struct Pozycja
{
    const char *sekcja;
    qint32 Ustawienia::*liczba;
    bool Ustawienia::*flaga;
};

// The read order; the write order differs (see TekstUstawien).
const Pozycja pozycje[] = {
    {"NastArkana", nullptr, &Ustawienia::NastArkana},
    {"Talia", &Ustawienia::Talia, nullptr},
    {"NastUklad", &Ustawienia::NastUklad, nullptr},
    {"Stolik", &Ustawienia::Stolik, nullptr},
    {"Ulozenie losowo", nullptr, &Ustawienia::UlozenieLosowo},
    {"Blokada", nullptr, &Ustawienia::Blokada},
    {"Minimalizacja do traya", nullptr, &Ustawienia::MinimalizacjaDoTraya},
};

// The first key "01" of the first section with the given name, as INI
// readers of the profile API find them.
std::optional<QString> wartosc(const QStringList &wiersze, const QString &sekcja)
{
    bool wSekcji = false;
    bool bylaSekcja = false;
    for (const QString &surowy : wiersze) {
        const QString w = surowy.trimmed();
        if (w.startsWith(QLatin1Char('['))) {
            const qsizetype koniec = w.indexOf(QLatin1Char(']'));
            const QString nazwa = w.mid(1, koniec < 0 ? -1 : koniec - 1).trimmed();
            if (bylaSekcja && wSekcji)
                return std::nullopt;
            wSekcji = nazwa.compare(sekcja, Qt::CaseInsensitive) == 0;
            bylaSekcja = bylaSekcja || wSekcji;
            continue;
        }
        if (!wSekcji || w.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype rowna = w.indexOf(QLatin1Char('='));
        if (rowna < 0)
            continue;
        if (w.left(rowna).trimmed().compare(QLatin1String("01"), Qt::CaseInsensitive) == 0)
            return w.mid(rowna + 1).trimmed();
    }
    return std::nullopt;
}

} // namespace

void CzytajUstawienia(const QByteArray &tresc, Ustawienia &u)
{
    // Names and numbers are plain ASCII; Latin-1 never fails on stray bytes.
    const QStringList wiersze = QString::fromLatin1(tresc).split(QLatin1Char('\n'));
    for (const Pozycja &p : pozycje) {
        const auto w = wartosc(wiersze, QLatin1String(p.sekcja));
        if (!w)
            continue;
        const auto liczba = LiczbaUstawienia(*w);
        if (!liczba)
            continue;
        if (p.liczba)
            u.*p.liczba = *liczba;
        else
            u.*p.flaga = *liczba != 0;
    }
}

void WczytajUstawienia(const QString &sciezka, Ustawienia &u)
{
    // A pipe or a device in place of the file reads as no file: opening a
    // pipe would block the start-up until some writer appears.
    if (!QFileInfo(sciezka).isFile())
        return;
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return;
    // A settings file is a few hundred bytes; anything huge is not ours.
    CzytajUstawienia(f.read(1 << 20), u);
}

QByteArray TekstUstawien(const Ustawienia &u)
{
    QByteArray t;
    auto sekcja = [&t](const char *nazwa, qint32 w) {
        t += '[';
        t += nazwa;
        t += "]\r\n01=";
        t += QByteArray::number(w);
        t += "\r\n";
    };
    sekcja("NastArkana", u.NastArkana ? 1 : 0);
    sekcja("Talia", u.Talia);
    sekcja("NastUklad", u.NastUklad);
    sekcja("Ulozenie losowo", u.UlozenieLosowo ? 1 : 0);
    sekcja("Stolik", u.Stolik);
    sekcja("Blokada", u.Blokada ? 1 : 0);
    sekcja("Minimalizacja do traya", u.MinimalizacjaDoTraya ? 1 : 0);
    return t;
}

bool ZapiszUstawienia(const QString &sciezka, const Ustawienia &u, QString *blad)
{
    QString powod;
    if (ZapiszBezpiecznie(sciezka, TekstUstawien(u), &powod))
        return true;
    if (blad)
        *blad = QStringLiteral("Nie można zapisać pliku ustawień \"%1\".\n%2").arg(sciezka, powod);
    return false;
}
