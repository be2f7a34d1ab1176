#include "spread/pogrubienie.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

int DpiPoziome(const QTextDocument &doc)
{
    if (const QPaintDevice *urzadzenie = doc.documentLayout()->paintDevice())
        return urzadzenie->logicalDpiX();
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *ekran = QGuiApplication::primaryScreen())
            return qRound(ekran->logicalDotsPerInchX());
    }
    return 96;
}

void UlozDokument(QTextDocument &doc)
{
    // documentSize() finishes the lazy layout, so every block has its lines.
    doc.documentLayout()->documentSize();
}

} // namespace

QFont CzcionkaWydruku()
{
    QFont czcionka(QStringLiteral("Times New Roman"));
    czcionka.setFamilies(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("serif")});
    czcionka.setStyleHint(QFont::Serif);
    czcionka.setPointSize(11);
    return czcionka;
}

void PogrubNaglowki(QTextDocument &doc, const QString &tekst)
{
    QString zwykly = tekst;
    zwykly.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    zwykly.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    doc.clear();
    doc.setDefaultFont(CzcionkaWydruku());
    doc.setTextWidth(SzerokoscTekstuCale * DpiPoziome(doc));
    doc.setPlainText(zwykly);

    QTextCursor kursor(&doc);
    kursor.select(QTextCursor::Document);
    QTextCharFormat zwykla;
    zwykla.setFont(CzcionkaWydruku());
    zwykla.setFontWeight(QFont::Normal);
    kursor.setCharFormat(zwykla);

    // The lines are taken once, as laid out before any bold widens the text.
    const QStringList wiersze = WierszeUlozone(doc);
    const QString caly = doc.toRawText();
    QTextCharFormat gruba;
    gruba.setFontWeight(QFont::Bold);
    for (const QString &wiersz : wiersze) {
        if (!wiersz.contains(QLatin1Char('[')) && !wiersz.contains(QStringLiteral("Sygnifikator")))
            continue;
        // The first occurrence in the whole text is made bold, even if it is an earlier line.
        const qsizetype poczatek = caly.indexOf(wiersz, 0, Qt::CaseSensitive);
        if (poczatek < 0)
            continue;
        kursor.setPosition(int(poczatek));
        kursor.setPosition(int(poczatek + wiersz.size()), QTextCursor::KeepAnchor);
        kursor.mergeCharFormat(gruba);
    }
}

QStringList WierszeUlozone(QTextDocument &doc)
{
    UlozDokument(doc);
    QStringList wiersze;
    for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
        const QString tekstBloku = blok.text();
        if (!blok.next().isValid() && tekstBloku.isEmpty())
            break;
        const QTextLayout *uklad = blok.layout();
        if (!uklad || uklad->lineCount() == 0) {
            wiersze << tekstBloku;
            continue;
        }
        for (int i = 0; i < uklad->lineCount(); ++i) {
            const QTextLine linia = uklad->lineAt(i);
            wiersze << tekstBloku.mid(linia.textStart(), linia.textLength());
        }
    }
    return wiersze;
}
