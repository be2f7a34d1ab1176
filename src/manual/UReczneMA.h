#pragma once
#include "spread/pozycje.h"

#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QToolButton;
class QPushButton;
class QMenu;
class MagazynKart;
class TForm1;
class TFUstawienia;

// "Ręczne ułkadanie kart": lays the cards of a spread by hand, or chooses one
// replacement card (WymianaKarty), writing straight into the main window's
// positions and showing each card as it is laid.
class TFReczneMA : public QDialog
{
    Q_OBJECT
public:
    TFReczneMA(TForm1 &glowna, TFUstawienia &ustawienia, MagazynKart &magazyn, QWidget *rodzic = nullptr);

    int NrPozycji = 1;
    std::array<int, LiczbaPozycjiStolu + 1> WybraneKarty{};
    std::array<QToolButton *, LiczbaKartTalii + 1> PrzyciskiKart{}; // 1..24

    QLabel *Naglowek = nullptr;
    QToolButton *Prosta = nullptr;
    QToolButton *Odwrocona = nullptr;
    QPushButton *Cofnij = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *Anuluj = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *Prosta1 = nullptr;    // "&Prosta" of PopupMenu1
    QAction *Odwrocona1 = nullptr; // "&Odwrócona" of PopupMenu1

    // The handlers, public so the main window's flow can be followed in tests.
    void FormActivate();
    void PrzyciskKartyClick(int k);
    void CofnijClick();
    void AnulujClick();
    void UstawOrientacje(bool odwrocona);

    // True while the window chooses one replacement card (decided when shown).
    bool Wymiana() const { return m_wymiana; }

public slots:
    void reject() override; // Escape and the window's close act as "Anuluj"

protected:
    void showEvent(QShowEvent *e) override;
    void done(int wynik) override;

private:
    void WczytajTalie();
    void UstawNaglowek(int pozycja, int liczba);
    void WylaczKartyNaStole();
    void OdswiezMenu();
    int LiczbaPozycji() const;

    TForm1 &m_glowna;
    TFUstawienia &m_ustawienia;
    MagazynKart &m_magazyn;
    bool m_wymiana = false;
};
