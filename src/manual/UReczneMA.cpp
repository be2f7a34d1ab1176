// Placeholder until the manual arrangement window is built.
#include "manual/UReczneMA.h"

TFReczneMA::TFReczneMA(TForm1 &glowna, TFUstawienia &ustawienia, MagazynKart &magazyn, QWidget *rodzic)
    : QDialog(rodzic), m_glowna(glowna), m_ustawienia(ustawienia), m_magazyn(magazyn) {}
void TFReczneMA::showEvent(QShowEvent *e) { QDialog::showEvent(e); }
void TFReczneMA::done(int wynik) { QDialog::done(wynik); }
