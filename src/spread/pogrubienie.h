#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

class QTextDocument;

// Width of the printed interpretation text, in inches.
constexpr double SzerokoscTekstuCale = 422.0 / 57.6;

// Times New Roman 11 pt, or the closest serif font the system has.
QFont CzcionkaWydruku();

// Puts the plain text (CR LF or LF breaks) into doc, laid out at the printed
// width for doc's paint device, and makes bold the first occurrence of every
// laid-out line that contains "[" or "Sygnifikator".
// Set the paint device (e.g. the printer) before calling: the width depends on it.
void PogrubNaglowki(QTextDocument &doc, const QString &tekst);

// The text of each laid-out line of doc; every paragraph starts a new line and
// an empty last paragraph is not counted.
QStringList WierszeUlozone(QTextDocument &doc);
