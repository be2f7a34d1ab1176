// Placeholder until the settings window is built.
#include "settings/UUstawienia.h"
#include <QComboBox>

TFUstawienia::TFUstawienia(TForm1 &glowna, MagazynKart &magazyn, WyborPliku &wybor, QWidget *rodzic)
    : QDialog(rodzic), m_glowna(glowna), m_magazyn(magazyn), m_wybor(wybor) {}
int TFUstawienia::KluczTalii() const { return m_kluczTalii; }
QString TFUstawienia::TekstTalii() const { return {}; }
int TFUstawienia::KluczTla() const { return m_kluczTla; }
int TFUstawienia::IndeksUkladu() const { return 0; }
QString TFUstawienia::NazwaUkladu(int) const { return {}; }
QString TFUstawienia::TytulTalii(int) const { return {}; }
int TFUstawienia::IndeksUlozenia() const { return 0; }
int TFUstawienia::IndeksMinimalizacji() const { return 1; }
void TFUstawienia::UstawKluczTalii(int t) { m_kluczTalii = t; }
void TFUstawienia::UstawIndeksUkladu(int) {}
void TFUstawienia::UstawKluczTla(int id) { m_kluczTla = id; }
void TFUstawienia::UstawIndeksUlozenia(int) {}
void TFUstawienia::UstawIndeksMinimalizacji(int) {}
void TFUstawienia::ImportujTalie() {}
void TFUstawienia::ImportujTla() {}
void TFUstawienia::OdswiezTalie() {}
void TFUstawienia::OdswiezTla() {}
