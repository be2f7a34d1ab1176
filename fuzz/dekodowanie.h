#pragma once
// Shared by the descriptor targets: what any reading of descriptor bytes must
// give, whatever the bytes.
#include "settings/import.h"

#include <QStringDecoder>
#include <cstdio>
#include <cstdlib>

namespace OpisFuzz {

[[noreturn]] inline void Blad(const char *co, const QString &tekst = QString())
{
    std::fprintf(stderr, "%s [%s]\n", co, tekst.left(80).toUtf8().toHex(' ').constData());
    std::abort();
}

// A name as the store gets it: within its field, no character cut in two,
// no line end, no U+FFFE (which SQLite would take for a byte order mark).
inline void SprawdzNazwe(const QString &n, int dlugosc)
{
    if (n.size() > dlugosc)
        Blad("name too long", n);
    if (!n.isEmpty() && n.back().isHighSurrogate())
        Blad("name ends in half a character", n);
    if (n.contains(QLatin1Char('\n')) || n.contains(QChar(0xFFFE)))
        Blad("line end or U+FFFE in a name", n);
}

// The text of descriptor bytes: a byte order mark means UTF-8; broken UTF-8
// means Windows-1250; plain ASCII stays as it is; valid UTF-8 reads as one
// of the two, and as UTF-8 gives the bytes back.
inline QString SprawdzTekst(const QByteArray &b)
{
    const QString tekst = DekodujOpis(b);
    if (DekodujOpis(b) != tekst)
        Blad("not deterministic", tekst);
    bool ascii = true;
    for (char c : b)
        ascii = ascii && uchar(c) < 0x80;
    if (ascii && tekst != QString::fromLatin1(b))
        Blad("ASCII changed", tekst);
    QStringDecoder cp1250("windows-1250");
    const QString jakoCp1250 = cp1250.decode(b);
    if (b.startsWith("\xEF\xBB\xBF"))
        return tekst; // the rest may be broken; what is whole reads as UTF-8
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString jakoUtf8 = utf8.decode(b);
    if (utf8.hasError()) {
        if (tekst != jakoCp1250)
            Blad("broken UTF-8 not read as Windows-1250", tekst);
    } else if (tekst != jakoCp1250 && !(tekst == jakoUtf8 && tekst.toUtf8() == b)) {
        Blad("valid UTF-8 read as neither", tekst);
    }
    return tekst;
}

// Line k of the text, counted from 0, without its line end; empty past the end.
inline QString Wiersz(const QString &tekst, int k)
{
    qsizetype poczatek = 0;
    for (int i = 0; i < k; ++i) {
        poczatek = tekst.indexOf(QLatin1Char('\n'), poczatek);
        if (poczatek < 0)
            return QString();
        ++poczatek;
    }
    const qsizetype koniec = tekst.indexOf(QLatin1Char('\n'), poczatek);
    QString w = tekst.mid(poczatek, koniec < 0 ? -1 : koniec - poczatek);
    if (w.endsWith(QLatin1Char('\r')))
        w.chop(1);
    return w;
}

// The name read from a line is the line cut to the field, one character
// shorter where the cut would split a pair of surrogates.
inline void SprawdzZWiersza(const QString &nazwa, QString wiersz, int dlugosc)
{
    wiersz.replace(QChar(0xFFFE), QChar(0xFFFD));
    const QString cala = wiersz.left(dlugosc);
    if (nazwa != cala && !(!cala.isEmpty() && cala.back().isHighSurrogate() && nazwa == cala.chopped(1)))
        Blad("name is not its line cut to the field", nazwa);
}

} // namespace OpisFuzz
