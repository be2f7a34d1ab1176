#include "files/eksporttekstu.h"
#include "disk/zapisbezpieczny.h"
#include "spread/katalog.h"

#include <QStringEncoder>

namespace {

const QString KoniecLinii = QStringLiteral("\r\n");

} // namespace

QString TekstEksportu(int aktualnyUklad, const TablicaPozycji &pozycje,
                      const std::function<QString(qint32 nrKarty)> &nazwaKarty, const QString &interpretacja)
{
    QString t;
    t += KoniecLinii;
    t += QString(16, QLatin1Char(' ')) + QStringLiteral("Rozkład z programu Lomi") + KoniecLinii;
    t += KoniecLinii;

    // LiczbaKart is -1 with no spread on the table, so no position line then.
    const int n = qMin(LiczbaKart(aktualnyUklad), int(pozycje.size()) - 1);
    for (int p = 1; p <= n; ++p) {
        t += QStringLiteral("   Karta ") + QString::number(p) + QStringLiteral(" : ") + nazwaKarty(pozycje[p].NrKarty);
        if (pozycje[p].Odwrocona)
            t += QStringLiteral("  (Odwr.)");
        t += KoniecLinii;
    }

    t += QLatin1Char(' ') + KoniecLinii;
    if (!interpretacja.isEmpty())
        t += QString(17, QLatin1Char(' ')) + QStringLiteral("INTERPRETACJA") + KoniecLinii;
    QString tresc = interpretacja;
    tresc.replace(KoniecLinii, QStringLiteral("\n"));
    tresc.replace(QLatin1Char('\n'), KoniecLinii);
    t += tresc + KoniecLinii;
    return t;
}

QByteArray KodujCp1250(const QString &tekst)
{
    QStringEncoder koder("windows-1250");
    if (!koder.isValid()) {
        // Without the code page, ASCII is still safe to write as it is.
        QByteArray wynik;
        for (QChar c : tekst)
            wynik += c.unicode() < 0x80 ? char(c.unicode()) : '?';
        return wynik;
    }
    QByteArray calosc = koder.encode(tekst);
    if (!koder.hasError())
        return calosc;

    // The encoder marks a missing character with 0x1A (a control code that
    // editors hide), so encode character by character and put '?' instead.
    // A fresh encoder each time: its error flag outlives resetState().
    QByteArray wynik;
    wynik.reserve(tekst.size());
    for (qsizetype i = 0; i < tekst.size();) {
        const QChar c = tekst.at(i);
        if (c.unicode() < 0x80) { // the code page keeps ASCII as it is
            wynik += char(c.unicode());
            ++i;
            continue;
        }
        const qsizetype dl = (c.isHighSurrogate() && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate()) ? 2 : 1;
        QStringEncoder znakowy("windows-1250");
        const QByteArray b = znakowy.encode(QStringView(tekst).mid(i, dl));
        wynik += (znakowy.hasError() || b.size() != 1 || b.at(0) == '\x1A') ? QByteArray("?") : b;
        i += dl;
    }
    return wynik;
}

bool ZapiszEksportDo(QIODevice &dev, const QByteArray &bajty, QString *blad)
{
    return ZapiszCalosc(dev, bajty, blad);
}

bool ZapiszEksportDoPliku(const QString &sciezka, const QByteArray &bajty, QString *blad)
{
    return ZapiszBezpiecznie(sciezka, bajty, blad, TrybZapisu::PodmianaLubWMiejscu);
}
