#pragma once
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class MagazynKart;
class TForm1;
class WyborPliku;

// The settings dialog "Ustawienia". Besides a dialog it is the live source of
// values other windows read from its controls at any time: the selected deck
// (key and name), the spread names, the titles of the four shipped decks and
// the minimise choice.
class TFUstawienia : public QDialog
{
    Q_OBJECT
public:
    TFUstawienia(TForm1 &glowna, MagazynKart &magazyn, WyborPliku &wybor, QWidget *rodzic = nullptr);

    // --- live reads ---
    int KluczTalii() const;              // deck number of the deck list (the number handed in when not listed)
    QString TekstTalii() const;          // deck name shown by the deck list; empty when none
    int KluczTla() const;                // background ID of the background list
    int IndeksUkladu() const;            // ComboBox2 item index; -1 when none
    QString NazwaUkladu(int n) const;    // item n - 1 of ComboBox2; empty outside 1..16
    QString TytulTalii(int talia) const; // item talia - 1 of ComboBox1; empty outside 1..4
    int IndeksUlozenia() const;          // RGUlozenie: 0 random, 1 by hand
    int IndeksMinimalizacji() const;     // RGmini: 0 notification area, 1 taskbar

    // --- filling from the main window's settings ---
    void UstawKluczTalii(int talia);
    void UstawIndeksUkladu(int indeks);
    void UstawKluczTla(int id);
    void UstawIndeksUlozenia(int indeks);
    void UstawIndeksMinimalizacji(int indeks);

    // The imports behind "Karty" and "Stoliki".
    void ImportujTalie();
    void ImportujTla();
    // Re-reads the deck and background lists (after an import).
    void OdswiezTalie();
    void OdswiezTla();

    QComboBox *DBLookupComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QComboBox *DBLookupComboBox2 = nullptr;
    QComboBox *ComboBox1 = nullptr; // never shown
    QButtonGroup *RGUlozenie = nullptr;
    QButtonGroup *RGmini = nullptr;
    QLabel *DBImage1 = nullptr;
    QLabel *ImgUklad = nullptr;
    QLabel *DBImage2 = nullptr;
    QPushButton *BitBtn3 = nullptr;    // "Stoliki"
    QPushButton *BitBtnload = nullptr; // "Karty"
    QPushButton *BitBtn1 = nullptr;    // "OK"
    QPushButton *BitBtn2 = nullptr;    // "Anuluj"

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void ZbudujOkno();
    void BitBtn1Click(); // OK
    void DBLookupComboBox1Change(int indeks);
    void DBLookupComboBox2Change(int indeks);
    void WczytajMiniature(); // ImgUklad from the selected spread
    void PokazKoszulke();
    void PokazMaleTlo();
    QString FolderDodatkow() const;

    TForm1 &m_glowna;
    MagazynKart &m_magazyn;
    WyborPliku &m_wybor;
    int m_kluczTalii = 0;
    int m_kluczTla = 0;
    int m_pokazanaKoszulka = -2; // key of the back now shown; -1 none, -2 not yet drawn
    int m_pokazaneTlo = -2;
};
