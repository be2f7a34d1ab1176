// The main window's work on the spread: dealing, showing the cards, turning
// and replacing them, and the interpretation.
#include "app/Uglowna.h"

#include "app/UElementyStolu.h"
#include "description/UPowieksz.h"
#include "manual/UReczneMA.h"
#include "settings/UUstawienia.h"
#include "spread/UAdd.h"
#include "spread/czekaj.h"
#include "spread/ekran.h"
#include "spread/interpretacja.h"
#include "spread/katalog.h"
#include "spread/losowanie.h"
#include "spread/obraz.h"
#include "spread/pogrubienie.h"
#include "spread/wyswietlanie.h"
#include "store/magazyn.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>

void TForm1::LosujKarty()
{
    ::LosujKarty(Pozycje);
}

void TForm1::PokazKarte(int p)
{
    if (p < 1 || p > LiczbaPozycjiStolu)
        return;
    KolumnaObrazka = KolumnaObrazkaStolu(SzerokoscEkranu());
    // A card number the deck lacks, or bytes that are no picture, show nothing.
    Obrazki[p]->UstawObraz(
        ObrazKarty(m_magazyn->ObrazekKarty(Pozycje[p].NrKarty, AktualnaTalia, KolumnaObrazka), Pozycje[p].Odwrocona));
    Obrazki[p]->setEnabled(true);
    Obrazki[p]->raise();
    Etykiety[p]->raise();
    Panel1->raise();
    Panel2->raise();
}

bool TForm1::PokazKarty()
{
    const int numer = ++m_numerPokazu;
    for (int p = 1; p <= LiczbaPozycjiStolu; ++p)
        Obrazki[p]->setEnabled(false);
    const int n = LiczbaKart(AktualnyUklad);
    for (int p = 1; p <= n; ++p)
        Obrazki[p]->setEnabled(true);
    for (int p = 1; p <= n; ++p) {
        PokazKarte(p);
        Etykiety[p]->show();
        Czekaj(PauzaOdslony());
        // The pause runs the event loop: the program may be ending, or a newer
        // showing (a file opened meanwhile) owns the table now.
        if (m_konczy || numer != m_numerPokazu)
            return false;
    }
    return true;
}

void TForm1::OdwrocObrazek(int i)
{
    if (i < 1 || i > ObrazekOpisu || !Obrazki[i])
        return;
    Obrazki[i]->UstawObraz(OdwrocObraz(Obrazki[i]->Obraz()));
}

void TForm1::OdswiezNazwyKart()
{
    // The names come from the deck selected in the settings window, which also
    // stays the deck of later single-card lookups.
    const int talia = m_okna.Ustawienia ? m_okna.Ustawienia->KluczTalii() : Talia;
    for (int p = 1; p <= LiczbaKart(AktualnyUklad); ++p)
        NazwyKart[p] = NazwaWyswietlana(m_magazyn->NazwaKarty(Pozycje[p].NrKarty, talia), Pozycje[p].Odwrocona);
}

void TForm1::UstawPodpowiedzi()
{
    for (int p = 1; p <= LiczbaKart(AktualnyUklad); ++p)
        PodpiszKarte(p);
}

void TForm1::PodpiszKarte(int p)
{
    Obrazki[p]->setToolTip(NazwyKart[p]);
    Obrazki[p]->setAccessibleName(NazwaDostepnaKarty(p, NazwyKart[p]));
}

void TForm1::Image2Click(int p)
{
    WybranaPozycja = p;
    KolumnaObrazka = KolumnaObrazkaOpisu();
    TFPowieksz *opis = m_okna.Powieksz;
    if (!opis)
        return;
    if (OpisZablokowany()) {
        if (opis->isVisible())
            opis->hide();
        opis->setWindowModality(Qt::ApplicationModal);
        opis->exec();
    } else {
        opis->setWindowModality(Qt::NonModal);
        if (opis->isVisible()) {
            opis->FormActivate(); // the open window takes up the new card
            opis->raise();
            opis->activateWindow();
        } else {
            opis->show();
        }
    }
}

void TForm1::NowyRozklad()
{
    // 1. the old interpretation goes
    Memo1->clear();
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // 2. deck and spread from the settings; a spread number outside the
    // catalogue falls back to the first spread
    AktualnaTalia = Talia;
    AktualnyUklad = (NastUklad >= 1 && NastUklad <= 16) ? NastUklad : 1;
    // 3.
    UstawPrzyciski(false);
    try {
        // 4. header captions
        if (m_okna.Ustawienia) {
            lbltalia->setText(m_okna.Ustawienia->TekstTalii());
            LabelNazwaRozkl->setText(m_okna.Ustawienia->NazwaUkladu(AktualnyUklad));
        } else {
            LabelNazwaRozkl->setText(NazwaUkladu(AktualnyUklad));
        }
        // 5. the table is cleared, frames of an earlier arrangement too
        ++m_numerPokazu; // stops a showing still in progress
        UkryjRamki();
        WyczyscStol(Obrazki, Etykiety);
        UstawPozycje(AktualnyUklad);
        UstawEtykiety();
        if (UlozenieLosowo) {
            LosujKarty();
            // A deal that a newer spread or file replaced while it showed its
            // cards leaves the commands to the one that owns the table now.
            if (!PokazKarty())
                return;
            UstawPrzyciski(true);
        } else {
            UstawPrzyciski(true);
            if (m_okna.ReczneMA)
                m_okna.ReczneMA->exec();
        }
        OdswiezNazwyKart();
        UstawPodpowiedzi();
    } catch (...) {
        // The caller reports a failing card store; the commands must not stay
        // disabled, or no new spread could be dealt for the rest of the run.
        UstawPrzyciski(true);
        throw;
    }
}

void TForm1::MenuItem1Click(int p)
{
    if (p < 1 || p > LiczbaPozycjiStolu)
        return;
    Pozycje[p].Odwrocona = !Pozycje[p].Odwrocona;
    PokazKarte(p);
    // The deck given last stays.
    NazwyKart[p] = NazwaWyswietlana(m_magazyn->NazwaKarty(Pozycje[p].NrKarty), Pozycje[p].Odwrocona);
    PodpiszKarte(p);
}

void TForm1::Wymiekart1Click(int p)
{
    if (p < 1 || p > LiczbaPozycjiStolu)
        return;
    const TPozycja poprzednia = Pozycje[p];
    WymianaKarty = true;
    PozycjaWymiany = p;
    UstawPrzyciski(true);
    const int wynik = m_okna.ReczneMA ? m_okna.ReczneMA->exec() : QDialog::Rejected;
    WymianaKarty = false;
    if (wynik != QDialog::Accepted) {
        Pozycje[p] = poprzednia;
        Etykiety[p]->show();
        Obrazki[p]->setEnabled(true);
        PokazKarte(p);
    }
    OdswiezNazwyKart();
    UstawPodpowiedzi();
}

void TForm1::Interpretacja()
{
    const int n = AktualnyUklad;
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->clear();
    ZrodlaInterpretacji z;
    z.naglowek = [this](int uklad, int k) { return m_magazyn->NaglowekPozycji(uklad, k); };
    z.znaczenie = [this](int k) { return m_magazyn->ZnaczenieKarty(Pozycje[k].NrKarty, Pozycje[k].Odwrocona); };
    // The pieces go in as they are composed, in one edit block: the text is
    // laid out once at its end instead of after every piece.
    QTextCursor c(Memo1->document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    ::Interpretacja(n, NazwyKart, z, [&c](const QString &kawalek) {
        QString t = kawalek;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        c.insertText(t);
    });
    c.endEditBlock();
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TForm1::PogrubNaglowki()
{
    if (!m_okna.Add)
        return;
    ::PogrubNaglowki(*m_okna.Add->RichEdit1->document(), Memo1->toPlainText());
}
