#include "app/komunikaty.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace {
OdbiorcaKomunikatow &odbiorca()
{
    static OdbiorcaKomunikatow o;
    return o;
}
OtwieraczDokumentow &otwieracz()
{
    static OtwieraczDokumentow o;
    return o;
}
}

void Komunikat(QWidget *rodzic, const QString &tekst, const QString &szczegoly)
{
    if (odbiorca()) {
        odbiorca()(tekst, szczegoly);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lomi"), tekst, QMessageBox::Ok, rodzic);
    if (!szczegoly.isEmpty())
        box.setDetailedText(szczegoly);
    box.exec();
}

void UstawOdbiorceKomunikatow(OdbiorcaKomunikatow o)
{
    odbiorca() = std::move(o);
}

bool OtworzDokumentPulpitu(const QUrl &url)
{
    if (otwieracz())
        return otwieracz()(url);
    return QDesktopServices::openUrl(url);
}

void UstawOtwieraczDokumentow(OtwieraczDokumentow o)
{
    otwieracz() = std::move(o);
}
