#pragma once
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

// Every message box of the program goes through here: a plain box with an OK
// button and the caption "Lomi"; szczegoly, when given, is the box's detailed
// text. Tests put a recorder in place of the box.
void Komunikat(QWidget *rodzic, const QString &tekst, const QString &szczegoly = {});
using OdbiorcaKomunikatow = std::function<void(const QString &tekst, const QString &szczegoly)>;
void UstawOdbiorceKomunikatow(OdbiorcaKomunikatow odbiorca); // empty: real boxes again

// Asks the desktop to open a document (help pages, questionnaire); the
// answer is the desktop's. Tests record the request instead.
bool OtworzDokumentPulpitu(const QUrl &url);
using OtwieraczDokumentow = std::function<bool(const QUrl &)>;
void UstawOtwieraczDokumentow(OtwieraczDokumentow otwieracz);
