// The main window's spread files and text export.
#include "app/Uglowna.h"

#include "app/UElementyStolu.h"
#include "app/komunikaty.h"
#include "files/eksporttekstu.h"
#include "files/plikukladu.h"
#include "files/wyborpliku.h"
#include "settings/UUstawienia.h"
#include "spread/katalog.h"
#include "store/magazyn.h"

#include <QLabel>
#include <QPlainTextEdit>

WyborPliku &TForm1::Wybor()
{
    Q_ASSERT(m_wybor); // the program hands its dialog over at start-up
    return *m_wybor;
}

void TForm1::ZapiszUklad()
{
    const QString sciezka =
        Wybor().PlikDoZapisu(this, FiltrUkladow, NazwaPlikuUkladu, RozszerzenieUkladu, Foldery().FolderZapisu());
    if (sciezka.isEmpty())
        return;
    StanUkladu s;
    s.Pozycje = Pozycje;
    s.AktualnaTalia = AktualnaTalia;
    s.AktualnyUklad = AktualnyUklad;
    QString blad;
    if (!ZapiszUkladDoPliku(sciezka, s, &blad))
        Komunikat(this, KomunikatZapisUkladu, blad);
}

void TForm1::OtworzUklad()
{
    const QString sciezka = Wybor().PlikDoOdczytu(this, FiltrUkladow, NazwaPlikuUkladu, Foldery().FolderZapisu());
    if (sciezka.isEmpty())
        return;
    WczytajUklad(sciezka);
}

void TForm1::WczytajUklad(const QString &sciezka)
{
    StanUkladu s;
    QString blad;
    // The whole file is read and checked before anything on the table changes:
    // a bad file leaves the spread as it was.
    if (!WczytajUkladZPliku(sciezka, s, &blad)) {
        Komunikat(this, KomunikatZlyFormat, blad);
        return;
    }
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Pozycje = s.Pozycje;
    AktualnaTalia = s.AktualnaTalia;
    AktualnyUklad = s.AktualnyUklad;
    ++m_numerPokazu; // a deal still showing its cards stops
    UkryjRamki();    // the frames of an arrangement do not belong to this spread
    WyczyscStol(Obrazki, Etykiety);
    Memo1->clear();
    // The captions name what now lies on the table.
    LabelNazwaRozkl->setText(NazwaUkladu(AktualnyUklad));
    QString nazwaTalii;
    for (const auto &t : m_magazyn->Talie())
        if (t.NumerTalii == AktualnaTalia)
            nazwaTalii = t.NazwaTalii;
    lbltalia->setText(nazwaTalii);
    UstawPozycje(AktualnyUklad);
    UstawEtykiety();
    OdswiezNazwyKart();
    UstawPrzyciski(true);
    UstawPodpowiedzi();
    PokazKarty();
}

void TForm1::ZapiszDoTekstu()
{
    const QString sciezka =
        Wybor().PlikDoZapisu(this, FiltrTekstow, NazwaPlikuTekstu, RozszerzenieTekstu, Foldery().FolderZapisu());
    if (sciezka.isEmpty())
        return;
    QString blad;
    try {
        const QString tekst = TekstEksportu(
            AktualnyUklad, Pozycje, [this](qint32 nr) { return m_magazyn->NazwaKarty(nr); }, Memo1->toPlainText());
        if (ZapiszEksportDoPliku(sciezka, KodujCp1250(tekst), &blad))
            return;
    } catch (const BladMagazynu &e) {
        blad = e.tekst();
    }
    Komunikat(this, KomunikatZapisTekstu, blad);
}
