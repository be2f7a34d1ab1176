#pragma once
#include <QDialog>

// "O programie": a picture, the product name, the version line, the maker's
// contact lines and "Zamknij".
class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget *rodzic = nullptr);

protected:
    // The box takes its fixed size when first shown: measuring the rich
    // text is a noticeable part of start-up, and the box may never be opened.
    void showEvent(QShowEvent *e) override;
};
