#pragma once
#include <QDialog>

class QPushButton;

// "Ankieta": offers to open the questionnaire document "ankieta.rtf" from the
// current working folder.
class TFormAnkieta : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAnkieta(QWidget *rodzic = nullptr);
    QPushButton *Otworz = nullptr;
    QPushButton *Anuluj = nullptr;
    // Asks the desktop to open the document; false (and a report) when it cannot.
    bool OtworzAnkiete();
};
