#include "manual/UReczneMA.h"

#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "app/ikony.h"
#include "settings/UUstawienia.h"
#include "spread/katalog.h"
#include "spread/obraz.h"
#include "store/magazyn.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <algorithm>

namespace {

// Captions of the card buttons until a deck is loaded.
const char *const NazwyRun[LiczbaKartTalii] = {"&Fehu",   "&Uruz",    "&Thurisaz", "&Ansus",   "&Raidho", "&Kenaz",
                                               "&Gebo",   "&Wunijo",  "&Hagalaz",  "&Nauthiz", "&Isa",    "&Jera",
                                               "&Eihwaz", "&Perthro", "Elha&z",    "&Sowilo",  "Tiwa&z",  "&Berkano",
                                               "E&hwaz",  "&Mannaz",  "&Laguz",    "In&gwaz",  "&Dagaz",  "&Othala"};

// A card icon is a strip of two squares: the left one for an enabled button,
// the right one for a card already on the table. A strip too narrow to split
// is used whole; bytes that are no picture give no icon.
QIcon IkonaKarty(const QImage &pasek)
{
    if (pasek.isNull())
        return {};
    const int pol = pasek.width() / 2;
    if (pol < 1)
        return QIcon(QPixmap::fromImage(pasek));
    QIcon ikona;
    ikona.addPixmap(QPixmap::fromImage(pasek.copy(0, 0, pol, pasek.height())), QIcon::Normal);
    ikona.addPixmap(QPixmap::fromImage(pasek.copy(pol, 0, pol, pasek.height())), QIcon::Disabled);
    return ikona;
}

// A card button whose caption, when too long for its 56 pixels, keeps its
// beginning (the rune's name) rather than losing its middle.
class TPrzyciskKarty : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionToolButton opcja;
        initStyleOption(&opcja);
        opcja.text = fontMetrics().elidedText(opcja.text, Qt::ElideRight, width() - 6, Qt::TextShowMnemonic);
        p.drawComplexControl(QStyle::CC_ToolButton, opcja);
    }
};

QFrame *Pasek(QWidget *rodzic, const QRect &miejsce, QFrame::Shadow cien)
{
    auto *f = new QFrame(rodzic);
    f->setFrameStyle(QFrame::Panel | cien);
    f->setGeometry(miejsce);
    return f;
}

} // namespace

TFReczneMA::TFReczneMA(TForm1 &glowna, TFUstawienia &ustawienia, MagazynKart &magazyn, QWidget *rodzic)
    : QDialog(rodzic), m_glowna(glowna), m_ustawienia(ustawienia), m_magazyn(magazyn)
{
    setWindowTitle(QStringLiteral("Ręczne ułkadanie kart"));
    // A fixed dialog frame without title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(527, 292);
    const int ramka = 5;
    const int szer = width() - 2 * ramka;

    QFrame *gora = Pasek(this, QRect(ramka, ramka, szer, 25), QFrame::Raised);
    Naglowek = new QLabel(gora);
    Naglowek->setTextFormat(Qt::RichText);
    Naglowek->setGeometry(8, 0, szer - 16, 25);
    Naglowek->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    const int dolY = height() - ramka - 53;
    QFrame *pole = Pasek(this, QRect(ramka, ramka + 25, szer, dolY - ramka - 25), QFrame::Sunken);
    QFont czcionka = font();
    czcionka.setPixelSize(10);
    for (int i = 1; i <= LiczbaKartTalii; ++i) {
        auto *b = new TPrzyciskKarty(pole);
        b->setGeometry(32 + 56 * ((i - 1) % 8), 16 + 56 * ((i - 1) / 8), 56, 56);
        b->setAutoRaise(true);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(32, 32));
        b->setFont(czcionka);
        b->setText(QString::fromUtf8(NazwyRun[i - 1]));
        b->setCursor(Qt::PointingHandCursor);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QToolButton::clicked, this, [this, i] { m_glowna.Bezpiecznie([&] { PrzyciskKartyClick(i); }); });
        connect(b, &QWidget::customContextMenuRequested, this,
                [this, b](const QPoint &p) { PopupMenu1->popup(b->mapToGlobal(p)); });
        PrzyciskiKart[i] = b;
    }

    PopupMenu1 = new QMenu(this);
    Prosta1 = PopupMenu1->addAction(QStringLiteral("&Prosta"));
    Odwrocona1 = PopupMenu1->addAction(QStringLiteral("&Odwrócona"));
    connect(Prosta1, &QAction::triggered, this, [this] { UstawOrientacje(false); });
    connect(Odwrocona1, &QAction::triggered, this, [this] { UstawOrientacje(true); });

    QFrame *dol = Pasek(this, QRect(ramka, dolY, szer, 53), QFrame::Raised);
    auto przelacznik = [dol](int x, int w, Glif g, const QString &tekst) {
        auto *b = new QToolButton(dol);
        b->setGeometry(x, 7, w, 38);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        // "Odwrócona" fits its 97 pixels only beside a small glyph.
        b->setIcon(IkonaGlifu(g, 16));
        b->setIconSize(QSize(16, 16));
        b->setText(tekst);
        return b;
    };
    Prosta = przelacznik(8, 105, Glif::Prosta, QStringLiteral("Prosta"));
    Odwrocona = przelacznik(113, 97, Glif::Odwrocona, QStringLiteral("Odwrócona"));
    Prosta->setChecked(true);
    connect(Prosta, &QToolButton::toggled, this, [this] { OdswiezMenu(); });
    OdswiezMenu();

    auto przycisk = [dol](int x, Glif g, const QString &tekst) {
        auto *b = new QPushButton(IkonaGlifu(g, 24), tekst, dol);
        b->setGeometry(x, 7, 76, 38);
        b->setIconSize(QSize(24, 24));
        b->setAutoDefault(false);
        return b;
    };
    Anuluj = przycisk(szer - 8 - 76, Glif::Anuluj, QStringLiteral("Anuluj"));
    OK = przycisk(Anuluj->x() - 8 - 76, Glif::OK, QStringLiteral("OK"));
    Cofnij = przycisk(OK->x() - 8 - 76, Glif::Cofnij, QStringLiteral("Cofnij"));
    OK->setDefault(true); // Enter confirms only once OK is enabled
    connect(Cofnij, &QPushButton::clicked, this, [this] { m_glowna.Bezpiecznie([&] { CofnijClick(); }); });
    connect(OK, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(Anuluj, &QPushButton::clicked, this, [this] { m_glowna.Bezpiecznie([&] { AnulujClick(); }); });

    NrPozycji = 1;
}

int TFReczneMA::LiczbaPozycji() const
{
    return LiczbaKart(m_glowna.AktualnyUklad);
}

void TFReczneMA::UstawNaglowek(int pozycja, int liczba)
{
    Naglowek->setText(QStringLiteral("Wybierz kartę <b>%1</b> z <b>%2</b>").arg(pozycja).arg(liczba));
}

void TFReczneMA::OdswiezMenu()
{
    // The popup offers only the orientation not selected now.
    const bool odwr = Odwrocona->isChecked();
    Prosta1->setVisible(odwr);
    Odwrocona1->setVisible(!odwr);
}

void TFReczneMA::UstawOrientacje(bool odwrocona)
{
    (odwrocona ? Odwrocona : Prosta)->setChecked(true);
    OdswiezMenu();
}

void TFReczneMA::WczytajTalie()
{
    // The icon bytes are decoded in memory rather than through "tmp.bmp".
    const QVector<MagazynKart::Ikonka> ikonki = m_magazyn.Ikonki(m_ustawienia.KluczTalii());
    const int ile = std::min<int>(LiczbaKartTalii, ikonki.size());
    for (int i = 1; i <= ile; ++i) {
        const MagazynKart::Ikonka &w = ikonki[i - 1];
        PrzyciskiKart[i]->setIcon(IkonaKarty(ObrazZBajtow(w.ObrazekMaly)));
        // A '&' in a card name is a letter, not an accelerator.
        QString podpis = w.NazwaKarty;
        PrzyciskiKart[i]->setText(podpis.replace(QLatin1Char('&'), QStringLiteral("&&")));
        // Long names do not fit the 56-pixel button.
        PrzyciskiKart[i]->setToolTip(w.NazwaKarty);
    }
}

void TFReczneMA::WylaczKartyNaStole()
{
    // A card number outside 1..24 (a spread file is taken unchecked) has no button.
    for (int j = 1; j <= LiczbaPozycji(); ++j) {
        const int k = m_glowna.Pozycje[j].NrKarty;
        if (k >= 1 && k <= LiczbaKartTalii)
            PrzyciskiKart[k]->setEnabled(false);
    }
}

void TFReczneMA::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Restoring the window from the window system is not a new use of it.
    if (!e->spontaneous())
        FormActivate();
}

void TFReczneMA::FormActivate()
{
    m_wymiana = m_glowna.WymianaKarty;
    const int n = LiczbaPozycji();
    // A failed deck lookup is reported and leaves the buttons as they were.
    m_glowna.Bezpiecznie([&] { WczytajTalie(); });
    for (int k = 1; k <= LiczbaKartTalii; ++k)
        PrzyciskiKart[k]->setEnabled(true);
    if (m_wymiana) {
        NrPozycji = m_glowna.PozycjaWymiany;
        WylaczKartyNaStole();
        UstawNaglowek(NrPozycji, n);
        // OK waits for the replacement card; before it, Anuluj is the way out.
        OK->setEnabled(false);
    } else {
        NrPozycji = 1;
    }
    UstawOrientacje(false);
    if (!m_wymiana) {
        UstawNaglowek(1, n);
        OK->setEnabled(false);
        m_glowna.PokazRamki();
        // No spread on the table: there is no position to lay a card on.
        if (n < 1)
            for (int k = 1; k <= LiczbaKartTalii; ++k)
                PrzyciskiKart[k]->setEnabled(false);
    }
    m_glowna.PodswietlRamke(NrPozycji);
    Cofnij->setEnabled(false);
}

void TFReczneMA::PrzyciskKartyClick(int k)
{
    const int p = NrPozycji;
    if (k < 1 || k > LiczbaKartTalii || p < 1 || p > LiczbaPozycjiStolu)
        return;
    Cofnij->setEnabled(true);
    WybraneKarty[p] = k;
    PrzyciskiKart[k]->setEnabled(false);
    m_glowna.Pozycje[p].NrKarty = k;
    m_glowna.Pozycje[p].Odwrocona = Odwrocona->isChecked();
    m_glowna.PokazKarte(p);
    m_glowna.Etykiety[p]->show();
    ++NrPozycji;
    const int n = LiczbaPozycji();
    if (!m_wymiana && NrPozycji <= n) {
        UstawNaglowek(NrPozycji, n);
    } else {
        OK->setEnabled(true);
        for (int i = 1; i <= LiczbaKartTalii; ++i)
            PrzyciskiKart[i]->setEnabled(false);
    }
    m_glowna.PodswietlRamke(NrPozycji);
}

void TFReczneMA::CofnijClick()
{
    const int n = LiczbaPozycji();
    if (m_wymiana) {
        if (NrPozycji <= m_glowna.PozycjaWymiany)
            return; // no card chosen yet
        for (int k = 1; k <= LiczbaKartTalii; ++k)
            PrzyciskiKart[k]->setEnabled(true);
        Cofnij->setEnabled(false);
        --NrPozycji;
        // The card just chosen stays on the table and so stays disabled.
        WylaczKartyNaStole();
        m_glowna.PodswietlRamke(NrPozycji);
        return;
    }
    if (NrPozycji <= 1)
        return; // nothing laid yet
    if (NrPozycji > n) {
        for (int k = 1; k <= LiczbaKartTalii; ++k) {
            const auto koniec = WybraneKarty.begin() + 1 + std::min(n, LiczbaPozycjiStolu);
            PrzyciskiKart[k]->setEnabled(std::find(WybraneKarty.begin() + 1, koniec, k) == koniec);
        }
    }
    const int p = NrPozycji - 1;
    UstawNaglowek(p, n);
    const int k = m_glowna.Pozycje[p].NrKarty;
    if (k >= 1 && k <= LiczbaKartTalii)
        PrzyciskiKart[k]->setEnabled(true);
    m_glowna.Obrazki[p]->UstawObraz(QImage());
    m_glowna.Etykiety[p]->hide();
    OK->setEnabled(false);
    if (p == 1)
        Cofnij->setEnabled(false);
    NrPozycji = p;
    m_glowna.PodswietlRamke(p);
}

void TFReczneMA::AnulujClick()
{
    if (!m_wymiana) {
        // A spread laid only in part is taken off the table; only a new
        // spread can be started.
        m_glowna.UkryjRamki();
        m_glowna.UstawPrzyciski(false);
        m_glowna.SpeedButton6->setEnabled(true);
        m_glowna.Nowy1->setEnabled(true);
        WyczyscStol(m_glowna.Obrazki, m_glowna.Etykiety);
        for (int i = 1; i <= LiczbaPozycjiStolu; ++i)
            m_glowna.Pozycje[i] = TPozycja{-1, false};
    }
    // While replacing, the caller puts the previous card back.
    done(QDialog::Rejected);
}

void TFReczneMA::reject()
{
    m_glowna.Bezpiecznie([&] { AnulujClick(); });
}

void TFReczneMA::done(int wynik)
{
    m_glowna.WymianaKarty = false;
    QDialog::done(wynik);
}
