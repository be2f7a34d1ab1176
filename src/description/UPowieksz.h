#pragma once
#include <QDialog>

class QPlainTextEdit;
class QToolButton;
class MagazynKart;
class TForm1;
class TObrazKarty;

// "Opis karty": one card large with its meaning for the side shown; the turn
// button turns only what this window shows.
class TFPowieksz : public QDialog
{
    Q_OBJECT
public:
    TFPowieksz(TForm1 &glowna, MagazynKart &magazyn, QWidget *rodzic = nullptr);

    bool OdwroconaWOpisie = false;
    QString NazwaWOpisie;

    TObrazKarty *Image1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QToolButton *SpeedButton1 = nullptr; // turn
    QToolButton *SpeedButton2 = nullptr; // close

    void FormActivate();       // rebuilds picture and text for WybranaPozycja
    void SpeedButton1Click();  // turn

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    TForm1 &m_glowna;
    MagazynKart &m_magazyn;
};
