#pragma once
#include "app/foldery.h"
#include "app/plikustawien.h"
#include "spread/geometria.h"
#include "spread/pozycje.h"
#include "spread/wyswietlanie.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QLabel;
class QPlainTextEdit;
class QSystemTrayIcon;
class QToolButton;
class MagazynKart;
class TObrazKarty;
class TRamka;
class TStol;
class TFUstawienia;
class TFReczneMA;
class TFPowieksz;
class TFWydruki;
class TFAbout;
class TFAdd;
class TFormAnkieta;
class TFPomoc;
class WyborPliku;

// The windows created after the main window, handed over once they exist.
struct OknaProgramu
{
    TFUstawienia *Ustawienia = nullptr;
    TFReczneMA *ReczneMA = nullptr;
    TFPowieksz *Powieksz = nullptr;
    TFWydruki *Wydruki = nullptr;
    TFAbout *About = nullptr;
    TFAdd *Add = nullptr;
    TFormAnkieta *Ankieta = nullptr;
};

// The main window: the hub that holds the settings (as its own fields), the
// spread on the table and the display state; the other windows read and
// write these fields directly.
class TForm1 : public QMainWindow, public Ustawienia
{
    Q_OBJECT
public:
    // katalogProgramu: the executable's folder, without a trailing separator.
    explicit TForm1(const QString &katalogProgramu, QWidget *rodzic = nullptr);
    ~TForm1() override;

    // Hands over the card store and the other windows (start-up, before show).
    void PolaczMagazyn(MagazynKart *magazyn);
    void PolaczOkna(const OknaProgramu &okna);
    // The file chooser of every file command: the program's dialog, or a
    // test's paths. Set before the window is used.
    void UstawWyborPliku(WyborPliku *wybor);
    WyborPliku &Wybor();
    MagazynKart &Magazyn() const { return *m_magazyn; }
    const OknaProgramu &Okna() const { return m_okna; }

    // --- state ---
    QString KatalogProgramu;
    // Every path the program uses; portable paths follow KatalogProgramu.
    FolderyProgramu Foldery() const
    {
        FolderyProgramu f = m_foldery;
        f.UstawKatalogProgramu(KatalogProgramu);
        return f;
    }
    TablicaPozycji Pozycje{};
    qint32 AktualnyUklad = 0;
    qint32 AktualnaTalia = 0;
    bool WymianaKarty = false;
    qint32 PozycjaWymiany = 0;
    int WybranaPozycja = 0;
    std::array<QString, LiczbaPozycjiStolu + 1> NazwyKart;
    // The picture column the next card lookup reads: "Obrazek800",
    // "Obrazek1024" or "obrazekBig". Shared on purpose: the description
    // window switches it while it is open.
    QString KolumnaObrazka;

    // --- elements of the table, indexed by position 1..15 ---
    std::array<TObrazKarty *, ObrazekOpisu + 1> Obrazki{}; // last: the description window's picture
    std::array<QLabel *, LiczbaPozycjiStolu + 1> Etykiety{};
    std::array<TRamka *, LiczbaPozycjiStolu + 1> Ramki{};
    TStol *Image16 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLabel *lbltalia = nullptr;
    QLabel *LabelNazwaRozkl = nullptr;
    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *Panel3 = nullptr;

    // --- commands (menu, toolbar) ---
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr, *SpeedButton8 = nullptr,
                *SpeedButton9 = nullptr, *SpeedButton10 = nullptr, *SpeedButton11 = nullptr, *SpeedButton12 = nullptr;
    QAction *Nowy1 = nullptr, *Wczytaj = nullptr, *Zapisz = nullptr, *ZapiszdoTxt1 = nullptr, *Podglad = nullptr,
            *Drukuj = nullptr, *Wyjcie1 = nullptr, *Help2 = nullptr, *About1 = nullptr, *Samouczek1 = nullptr,
            *Literatura1 = nullptr, *Ankieta1 = nullptr;

    void UstawPrzyciski(bool wlacz);
    void WypelnijUstawienia();
    void ZmienUstawienia();
    bool OpisZablokowany() const; // SpeedButton10 down

    // --- table geometry ---
    QSize RozmiarStolu() const;
    void UstawPozycje(int n);
    void UstawEtykiety();
    void PokazRamki();
    void PodswietlRamke(int k);
    void UkryjRamki();

    // --- dealing and display ---
    void LosujKarty();
    void PokazKarte(int p);
    bool PokazKarty(); // false: stopped by the end of the program or a newer showing
    void OdwrocObrazek(int i);
    void OdswiezNazwyKart();
    void UstawPodpowiedzi();
    void Image2Click(int p);

    // --- commands on the spread ---
    void NowyRozklad();
    void MenuItem1Click(int p);
    void Wymiekart1Click(int p);
    void Interpretacja();
    void PogrubNaglowki();

    // --- files and printing ---
    void ZapiszUklad();
    void OtworzUklad();
    void WczytajUklad(const QString &sciezka);
    void ZapiszDoTekstu();
    void PrzygotujWydruk();
    void DrukujClick();
    void PodgladClick();

    // Shows a failure that escaped a handler: caption "Lomi", the failure's
    // own text; the program goes on.
    void ZglosBlad(const QString &tekst);
    // Runs a handler under the general failure report.
    template <typename F> void Bezpiecznie(F &&f);

    // Shows a help document in the help window, made on first use.
    void PokazPomoc(DokumentPomocy dokument);
    TFPomoc *OknoPomocy() const { return m_pomoc; } // null until help was first asked for

    // The notification area: the window goes there on minimise (when the
    // settings window asks for it) and comes back on a left click on the icon.
    void SchowajDoTraya();
    void WrocZTraya();

    // True once the program is ending; a deal in progress stops showing cards.
    bool Konczy() const { return m_konczy; }

signals:
    void PierwszeMalowanie(); // first paint of the window (start-up measurements)

protected:
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    FolderyProgramu m_foldery;
    void ZbudujOkno();
    void ZbudujPolecenia();
    void ZbudujPasek();
    void ZbudujMenu();
    void PolaczPolecenia();
    void PodpiszKarte(int p); // hint and accessible name from NazwyKart[p]
    void RozmiescElementy();
    void Minimalizuj();
    void Wyjscie();

    MagazynKart *m_magazyn = nullptr;
    OknaProgramu m_okna;
    WyborPliku *m_wybor = nullptr;
    QSystemTrayIcon *m_tray = nullptr;
    TFPomoc *m_pomoc = nullptr;
    Qt::WindowStates m_stanPrzedMinimalizacja = Qt::WindowMaximized;
    std::array<QPoint, LiczbaPozycjiStolu + 1> m_miejsca{};        // top-left corners of the card images
    UlozenieNaStole m_ulozenie;                                    // the scale the spread is shown at
    std::array<QSize, LiczbaPozycjiStolu + 1> m_etykietyNaPelno{}; // number labels at full size
    int m_numerPokazu = 0;                                         // a newer showing stops an older one
    bool m_konczy = false;
    bool m_pomalowane = false;
};

void ZglosBladProgramu(QWidget *rodzic, const QString &tekst);

template <typename F> void TForm1::Bezpiecznie(F &&f)
{
    try {
        f();
    } catch (const std::exception &e) {
        ZglosBlad(QString::fromStdString(e.what()));
    }
}
