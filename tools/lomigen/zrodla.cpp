#include "zrodla.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {

[[noreturn]] void blad(const QString &tekst)
{
    throw BladDanych(tekst.toStdString());
}

// Lines of a UTF-8 text file, without line ends and without a byte order mark.
QStringList linie(const QString &sciezka)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        blad(QStringLiteral("cannot read %1: %2").arg(sciezka, plik.errorString()));
    QString tekst = QString::fromUtf8(plik.readAll());
    if (tekst.startsWith(QChar(0xFEFF)))
        tekst.remove(0, 1);
    tekst.remove(QLatin1Char('\r'));
    QStringList wynik = tekst.split(QLatin1Char('\n'));
    if (!wynik.isEmpty() && wynik.last().isEmpty())
        wynik.removeLast();
    return wynik;
}

struct Wiersz
{
    int nrLinii;
    QStringList pola;
};

// Rows of a tab-separated file with at least `pol` fields. Comment lines ('#')
// and blank lines are skipped; a first row whose leading field is not a
// number is a column header. Extra tabs belong to the last field.
QList<Wiersz> wierszeTsv(const QString &sciezka, int pol)
{
    QList<Wiersz> wynik;
    const QStringList l = linie(sciezka);
    bool pierwszy = true;
    for (int i = 0; i < l.size(); ++i) {
        const QString &tekst = l[i];
        if (tekst.trimmed().isEmpty() || tekst.trimmed().startsWith(QLatin1Char('#')))
            continue;
        QStringList pola = tekst.split(QLatin1Char('\t'));
        bool liczba = false;
        pola[0].trimmed().toInt(&liczba);
        if (!liczba && pierwszy) {
            pierwszy = false;
            continue;
        }
        pierwszy = false;
        if (!liczba || pola.size() < pol)
            blad(QStringLiteral("%1:%2: expected %3 tab-separated fields starting with a number")
                     .arg(sciezka)
                     .arg(i + 1)
                     .arg(pol));
        while (pola.size() > pol)
            pola[pol - 1] += QLatin1Char('\t') + pola.takeAt(pol);
        for (QString &p : pola)
            p = p.trimmed();
        wynik.append({i + 1, pola});
    }
    return wynik;
}

int liczba(const Wiersz &w, int pole, const QString &sciezka)
{
    bool ok = false;
    const int n = w.pola[pole].toInt(&ok);
    if (!ok)
        blad(QStringLiteral("%1:%2: field %3 is not a number").arg(sciezka).arg(w.nrLinii).arg(pole + 1));
    return n;
}

void wczytajRuny(const QString &katalog, Zrodla &z)
{
    const QString sciezka = katalog + QStringLiteral("/runy.tsv");
    for (const Wiersz &w : wierszeTsv(sciezka, 3)) {
        RunaKarty r{liczba(w, 0, sciezka), w.pola[1], w.pola[2]};
        if (r.nrKarty != z.runy.size() + 1)
            blad(QStringLiteral("%1:%2: card %3 out of order").arg(sciezka).arg(w.nrLinii).arg(r.nrKarty));
        if (r.runa.isEmpty() || r.nazwaKarty.isEmpty())
            blad(QStringLiteral("%1:%2: empty rune or card name").arg(sciezka).arg(w.nrLinii));
        z.runy.append(r);
    }
    if (z.runy.size() != 24)
        blad(QStringLiteral("%1: %2 cards, a deck has 24").arg(sciezka).arg(z.runy.size()));
}

void wczytajZnaczenia(const QString &katalog, Zrodla &z)
{
    const QString sciezka = katalog + QStringLiteral("/znaczenia.txt");
    static const QRegularExpression naglowek(QStringLiteral("^==\\s*(\\d+)\\s+(prosta|odwr[oó]cona)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QStringList l = linie(sciezka);
    QMap<int, QString> *cel = nullptr;
    int karta = 0;
    QStringList tresc;
    auto zamknij = [&]() {
        if (cel)
            (*cel)[karta] = tresc.join(QStringLiteral("\r\n")).trimmed();
        tresc.clear();
    };
    for (int i = 0; i < l.size(); ++i) {
        const QString &tekst = l[i];
        if (tekst.startsWith(QStringLiteral("=="))) {
            const auto m = naglowek.match(tekst.trimmed());
            if (!m.hasMatch())
                blad(QStringLiteral("%1:%2: expected \"== <nr> prosta\" or \"== <nr> odwrócona\"")
                         .arg(sciezka)
                         .arg(i + 1));
            zamknij();
            karta = m.captured(1).toInt();
            if (karta < 1 || karta > 24)
                blad(QStringLiteral("%1:%2: card %3 outside 1..24").arg(sciezka).arg(i + 1).arg(karta));
            cel = m.captured(2).startsWith(QLatin1String("p"), Qt::CaseInsensitive) ? &z.prosta : &z.odwrocona;
            if (cel->contains(karta))
                blad(QStringLiteral("%1:%2: second meaning for card %3").arg(sciezka).arg(i + 1).arg(karta));
            continue;
        }
        if (cel)
            tresc.append(tekst.trimmed());
    }
    zamknij();
    for (int k = 1; k <= 24; ++k) {
        if (z.prosta.value(k).isEmpty())
            z.ostrzezenia << QStringLiteral("card %1 has no upright meaning").arg(k);
        if (z.odwrocona.value(k).isEmpty())
            z.ostrzezenia << QStringLiteral("card %1 has no reversed meaning").arg(k);
    }
}

void wczytajNaglowki(const QString &katalog, Zrodla &z)
{
    const QString sciezka = katalog + QStringLiteral("/naglowki.tsv");
    QSet<QPair<int, int>> byly;
    for (const Wiersz &w : wierszeTsv(sciezka, 3)) {
        Naglowek n{liczba(w, 0, sciezka), liczba(w, 1, sciezka), w.pola[2]};
        if (n.uklad < 1 || n.uklad > 16 || n.pozycja < 1 || n.pozycja > 15)
            blad(QStringLiteral("%1:%2: spread or position out of range").arg(sciezka).arg(w.nrLinii));
        // The table allows one heading per position; a repeat is a slip in the source.
        if (byly.contains({n.uklad, n.pozycja}))
            blad(QStringLiteral("%1:%2: second heading for spread %3 position %4")
                     .arg(sciezka)
                     .arg(w.nrLinii)
                     .arg(n.uklad)
                     .arg(n.pozycja));
        byly.insert({n.uklad, n.pozycja});
        z.naglowki.append(n);
    }
}

void wczytajTalie(const QString &katalog, Zrodla &z)
{
    const QString sciezka = katalog + QStringLiteral("/talie.tsv");
    for (const Wiersz &w : wierszeTsv(sciezka, 4)) {
        TaliaZrodlo t{liczba(w, 0, sciezka), w.pola[1], w.pola[2], w.pola[3].toLower()};
        if (t.numer < 1 || t.nazwa.isEmpty())
            blad(QStringLiteral("%1:%2: bad deck number or empty name").arg(sciezka).arg(w.nrLinii));
        for (const TaliaZrodlo &inna : std::as_const(z.talie))
            if (inna.numer == t.numer)
                blad(QStringLiteral("%1:%2: deck %3 given twice").arg(sciezka).arg(w.nrLinii).arg(t.numer));
        z.talie.append(t);
    }
    if (z.talie.isEmpty())
        blad(QStringLiteral("%1: no deck").arg(sciezka));
}

void wczytajTla(const QString &katalog, Zrodla &z)
{
    const QString sciezka = katalog + QStringLiteral("/tla.tsv");
    for (const Wiersz &w : wierszeTsv(sciezka, 3)) {
        TloZrodlo t{liczba(w, 0, sciezka), w.pola[1], w.pola[2].toLower()};
        if (t.id < 1)
            blad(QStringLiteral("%1:%2: bad background ID").arg(sciezka).arg(w.nrLinii));
        for (const TloZrodlo &inne : std::as_const(z.tla))
            if (inne.id == t.id)
                blad(QStringLiteral("%1:%2: background %3 given twice").arg(sciezka).arg(w.nrLinii).arg(t.id));
        z.tla.append(t);
    }
    if (z.tla.isEmpty())
        blad(QStringLiteral("%1: no background").arg(sciezka));
}

void wczytajPrzyklady(const QString &katalog, Zrodla &z)
{
    const QString talia = katalog + QStringLiteral("/przyklad/talia.txt");
    z.taliaPrzyklad = linie(talia);
    while (!z.taliaPrzyklad.isEmpty() && z.taliaPrzyklad.last().trimmed().isEmpty())
        z.taliaPrzyklad.removeLast();
    if (z.taliaPrzyklad.size() != 25)
        blad(QStringLiteral("%1: %2 lines, expected the deck name and 24 card names")
                 .arg(talia)
                 .arg(z.taliaPrzyklad.size()));

    const QString stoliki = katalog + QStringLiteral("/przyklad/stoliki.txt");
    z.stolikiPrzyklad = linie(stoliki);
    // An empty line would make the import look for one picture more.
    while (!z.stolikiPrzyklad.isEmpty() && z.stolikiPrzyklad.last().trimmed().isEmpty())
        z.stolikiPrzyklad.removeLast();
    if (z.stolikiPrzyklad.isEmpty())
        blad(QStringLiteral("%1: no background name").arg(stoliki));
}

} // namespace

Zrodla wczytajZrodla(const QString &katalogDanych)
{
    Zrodla z;
    wczytajRuny(katalogDanych, z);
    wczytajZnaczenia(katalogDanych, z);
    wczytajNaglowki(katalogDanych, z);
    wczytajTalie(katalogDanych, z);
    wczytajTla(katalogDanych, z);
    wczytajPrzyklady(katalogDanych, z);
    return z;
}
