#pragma once
#include <QDialog>

class QFrame;
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

    QFrame *Panel1 = nullptr;  // left column; the keyboard focus starts here
    QWidget *Panel4 = nullptr; // the card's area inside Panel1
    QFrame *Panel3 = nullptr;  // right column with the text
    QFrame *Panel2 = nullptr;  // bottom strip with the buttons
    TObrazKarty *Image1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QToolButton *SpeedButton1 = nullptr; // turn
    QToolButton *SpeedButton2 = nullptr; // close

    void FormActivate();      // rebuilds picture and text for WybranaPozycja
    void SpeedButton1Click(); // turn
    void SpeedButton2Click(); // close

    void setVisible(bool widoczne) override;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    void WypiszOpis(); // Memo1 from NazwaWOpisie and the side shown
    void FormClose();
    void Wycentruj();

    TForm1 &m_glowna;
    MagazynKart &m_magazyn;
};
