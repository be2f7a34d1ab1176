#pragma once
#include "app/foldery.h"

#include <QDialog>
#include <QString>

class QPushButton;

// "Ankieta": offers to open the questionnaire document "ankieta.rtf".
class TFormAnkieta : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAnkieta(QWidget *rodzic = nullptr);
    QPushButton *Otworz = nullptr;
    QPushButton *Anuluj = nullptr;
    // The document; a bare name is looked for in the current working folder.
    QString Dokument = FolderyProgramu::Przenosne(QString()).Ankieta();
    // Asks the desktop to open the document; false (and a report) when it cannot.
    bool OtworzAnkiete();
};
