// Placeholder until the card description window is built.
#include "description/UPowieksz.h"
#include <QEvent>

TFPowieksz::TFPowieksz(TForm1 &glowna, MagazynKart &magazyn, QWidget *rodzic)
    : QDialog(rodzic), m_glowna(glowna), m_magazyn(magazyn) {}
void TFPowieksz::FormActivate() {}
void TFPowieksz::SpeedButton1Click() {}
bool TFPowieksz::event(QEvent *e) { return QDialog::event(e); }
void TFPowieksz::closeEvent(QCloseEvent *e) { QDialog::closeEvent(e); }
void TFPowieksz::hideEvent(QHideEvent *e) { QDialog::hideEvent(e); }
