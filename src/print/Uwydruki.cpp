#include "print/Uwydruki.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include <stdexcept>

TFWydruki::TFWydruki(QWidget *rodzic) : QWidget(rodzic)
{
    setWindowTitle(QStringLiteral("FWydruki"));
    QuickRep1.tekst = &tekst;
}

QPrinter &TFWydruki::Drukarka()
{
    if (!drukarka) {
        drukarka = std::make_unique<QPrinter>(QPrinter::HighResolution);
        UstawStrone(*drukarka);
        drukarka->setCopyCount(1);
    }
    return *drukarka;
}

void TFWydruki::UstawWydruk(int uklad, const std::array<QString, 16> &nazwyKart)
{
    QuickRep1.elementy = ::UstawWydruk(uklad, nazwyKart);
    QuickRep1.obrazy.fill(QImage());
}

void TFWydruki::Przygotuj(const DaneWydruku &dane)
{
    PrzygotujRaport(QuickRep1, dane, Drukarka());
}

void TFWydruki::ZacznijOdNowa(QPrinter &p)
{
    p.setCopyCount(1);
    p.setCollateCopies(true);
    p.setPrintRange(QPrinter::AllPages);
    p.setFromTo(0, 0);
}

bool TFWydruki::WybierzDrukarke(QWidget *rodzic, const QString &folderZapisu)
{
    // Every print starts as one copy of all pages: what was chosen for the
    // last one must not carry over unseen. A selection or "current page"
    // means nothing for this report, so they are not offered.
    ZacznijOdNowa(Drukarka());
    QPrintDialog dialog(&Drukarka(), rodzic);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    UstalPlikWyjsciowy(Drukarka(), folderZapisu);
    return true;
}

int TFWydruki::Drukuj(QPrinter &naDrukarce)
{
    if (naDrukarce.printRange() == QPrinter::PageRange && naDrukarce.fromPage() > 0) {
        const int wszystkie = PoliczStrony(naDrukarce, QuickRep1);
        if (naDrukarce.fromPage() > wszystkie)
            throw std::runtime_error(QStringLiteral("Wydruk ma stron: %1; nie ma strony %2.")
                                         .arg(wszystkie)
                                         .arg(naDrukarce.fromPage())
                                         .toStdString());
    }
    const int strony = DrukujRaport(naDrukarce, QuickRep1);
    // A printer that cannot start must not pass for a finished printout.
    if (strony == 0) {
        const QString cel =
            naDrukarce.outputFileName().isEmpty() ? naDrukarce.printerName() : naDrukarce.outputFileName();
        throw std::runtime_error(QStringLiteral("Nie można rozpocząć wydruku: %1").arg(cel).toStdString());
    }
    return strony;
}

void TFWydruki::Podglad(QWidget *rodzic, const QString &folderZapisu)
{
    ZacznijOdNowa(Drukarka()); // the preview shows every page
    QPrintPreviewDialog podglad(&Drukarka(), rodzic);
    connect(&podglad, &QPrintPreviewDialog::paintRequested, &podglad, [this, folderZapisu](QPrinter *p) {
        // The print dialog of the preview may leave a folder as the output file.
        if (!folderZapisu.isEmpty() && !p->outputFileName().isEmpty())
            UstalPlikWyjsciowy(*p, folderZapisu);
        DrukujRaport(*p, QuickRep1);
    });
    podglad.exec();
}
