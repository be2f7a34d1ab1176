// The main window's printout: preparation, preview and print.
#include "app/Uglowna.h"

#include "print/Uwydruki.h"
#include "print/raport.h"
#include "settings/UUstawienia.h"
#include "spread/katalog.h"
#include "spread/wyswietlanie.h"
#include "store/magazyn.h"

#include <QPlainTextEdit>

void TForm1::PrzygotujWydruk()
{
    TFWydruki *w = m_okna.Wydruki;
    if (!w)
        return;
    DaneWydruku d;
    d.uklad = AktualnyUklad;
    d.nazwyKart = NazwyKart;
    // The pictures come from the column selected last: the table's by screen
    // width, or the big one while an unlocked description window is open.
    for (int p = 1; p <= LiczbaKart(AktualnyUklad); ++p)
        d.obrazy[p] = ObrazKarty(m_magazyn->ObrazekKarty(Pozycje[p].NrKarty, AktualnaTalia, KolumnaObrazka),
                                 Pozycje[p].Odwrocona);
    d.tytulTalii = m_okna.Ustawienia ? m_okna.Ustawienia->TytulTalii(AktualnaTalia) : QString();
    d.interpretacja = Memo1->toPlainText();
    // The hidden rich-text window keeps its bold copy of the interpretation;
    // the report does not print from it but bolds its own document from
    // d.interpretacja.
    PogrubNaglowki();
    w->Przygotuj(d);
}

void TForm1::DrukujClick()
{
    TFWydruki *w = m_okna.Wydruki;
    if (!w || !w->WybierzDrukarke(this, Foldery().FolderZapisu()))
        return;
    PrzygotujWydruk();
    w->Drukuj();
}

void TForm1::PodgladClick()
{
    TFWydruki *w = m_okna.Wydruki;
    if (!w)
        return;
    PrzygotujWydruk();
    w->Podglad(this, Foldery().FolderZapisu());
}
