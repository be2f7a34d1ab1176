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

// Descriptor text, Windows-1250 as the add-ons are written or UTF-8 as
// today's editors save it (with or without a byte order mark).
QString DekodujOpis(const QByteArray &bajty);
// Lines split on CR LF or LF. A final line end does not start another line,
// but an empty line before the end of the file is a line of its own.
QStringList WierszeOpisu(const QString &tekst);

// What a deck descriptor says: line 1 the deck's name, lines 2 to 25 the
// names of cards 1 to 24 (a missing line an empty name, later lines
// ignored), each cut to the field's 50 characters.
struct OpisTalii
{
    QString NazwaTalii;
    QStringList NazwyKart; // always 24, card k at k - 1
};
OpisTalii CzytajOpisTalii(const QByteArray &bajty);
// What a background descriptor says: one name per line, cut to 30 characters.
QStringList CzytajOpisTel(const QByteArray &bajty);

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
