#pragma once
#include "files/wyborpliku.h"

// The file chooser of the program: Qt's file dialogs.
class DialogWyboruPliku : public WyborPliku
{
public:
    QString PlikDoZapisu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                         const QString &rozszerzenie, const QString &folderStartowy) override;
    QString PlikDoOdczytu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                          const QString &folderStartowy) override;
    QString DowolnyPlik(QWidget *rodzic, const QString &folderStartowy) override;
};
