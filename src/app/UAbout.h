#pragma once
#include <QDialog>

// "O programie": a picture, the product name, the version line, the maker's
// contact lines and "Zamknij".
class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget *rodzic = nullptr);
};
