#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class MagazynKart;

// Adding decks and table backgrounds to the card store from the add-on files
// a user received: a descriptor text file naming the deck and its cards (or
// the backgrounds) and the BMP pictures lying beside it under fixed names.

// The one message every failed import shows; the details name the file or
// line that failed.
inline const QString BladImportu = QStringLiteral("Nieprawidlowy format danych");

// The hint shown before the file choice (three lines joined by "\n\r");
// stronaPomocy is the help page on add-ons.
QString PodpowiedzImportuTalii(const QString &stronaPomocy);
QString PodpowiedzImportuTel(const QString &stronaPomocy);

// Descriptor text: Windows-1250 as the add-ons are written, unless the bytes
// carry a UTF-8 byte order mark or are valid UTF-8 (descriptors saved by
// today's editors).
QString DekodujOpis(const QByteArray &bajty);
// Lines split on CR LF or LF. A final line end does not start another line,
// but an empty line before the end of the file is a line of its own.
QStringList WierszeOpisu(const QString &tekst);

// Deck import: deck n = highest deck number + 1, card k gets ID 24n + k; the
// four pictures of card NN ("NN_1 kopia.bmp", "NN_2 kopia.bmp",
// "NN_3 kopia.bmp", "NN.bmp") and "koszulka.bmp" are stored byte for byte.
// All or nothing: a failure leaves the store as it was. On success *numer is
// the new deck's number; on failure *szczegoly names what failed.
bool ImportujTalieZ(MagazynKart &magazyn, const QString &plikOpisu, int *numer, QString *szczegoly);

// Background import: line k of the descriptor names the background whose
// pictures are "tlo_k.bmp" and "m_tlo_k.bmp"; identifiers continue after the
// highest one. Stops at the first line that fails; every background before it
// is stored complete. *dodane counts the backgrounds stored.
bool ImportujTlaZ(MagazynKart &magazyn, const QString &plikOpisu, int *dodane, QString *szczegoly);
