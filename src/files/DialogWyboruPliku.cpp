#include "files/DialogWyboruPliku.h"

#include <QFileDialog>

namespace {

QString Wybrany(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// Qt's open dialog has no read-only check box, so nothing needs hiding.
QString Otworz(QWidget *rodzic, const QString &filtr, const QString &folderStartowy,
               const QString &proponowanaNazwa = {})
{
    QFileDialog dialog(rodzic);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!filtr.isEmpty())
        dialog.setNameFilter(filtr);
    dialog.setDirectory(folderStartowy);
    if (!proponowanaNazwa.isEmpty())
        dialog.selectFile(proponowanaNazwa);
    return Wybrany(dialog);
}

} // namespace

QString DialogWyboruPliku::PlikDoZapisu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                                        const QString &rozszerzenie, const QString &folderStartowy)
{
    QFileDialog dialog(rodzic);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filtr);
    dialog.setDefaultSuffix(rozszerzenie);
    dialog.setDirectory(folderStartowy);
    dialog.selectFile(proponowanaNazwa);
    // The overwrite question is on by default (no DontConfirmOverwrite).
    return Wybrany(dialog);
}

QString DialogWyboruPliku::PlikDoOdczytu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                                         const QString &folderStartowy)
{
    return Otworz(rodzic, filtr, folderStartowy, proponowanaNazwa);
}

QString DialogWyboruPliku::DowolnyPlik(QWidget *rodzic, const QString &folderStartowy)
{
    return Otworz(rodzic, QString(), folderStartowy);
}
