#pragma once
#include "spread/pozycje.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// The text export of the spread on the table: a heading, one line per position
// of spread aktualnyUklad with the card's name (nazwaKarty gives it, empty when
// the deck lacks the card) and "  (Odwr.)" for a reversed card, then the
// interpretation as the user sees it. Every line ends with CR LF.
QString TekstEksportu(int aktualnyUklad, const TablicaPozycji &pozycje,
                      const std::function<QString(qint32 nrKarty)> &nazwaKarty, const QString &interpretacja);

// Windows-1250 bytes of tekst; a character the code page lacks becomes '?'.
QByteArray KodujCp1250(const QString &tekst);

bool ZapiszEksportDo(QIODevice &dev, const QByteArray &bajty, QString *blad = nullptr);
// A failed export leaves an existing file of that name as it was.
bool ZapiszEksportDoPliku(const QString &sciezka, const QByteArray &bajty, QString *blad = nullptr);
