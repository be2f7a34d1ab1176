#include "description/UPowieksz.h"

#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "app/ikony.h"
#include "spread/ekran.h"
#include "spread/wyswietlanie.h"
#include "store/magazyn.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

namespace {

QFrame *panel(QWidget *rodzic, const QRect &miejsce)
{
    auto *p = new QFrame(rodzic);
    p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->setLineWidth(1);
    p->setGeometry(miejsce);
    return p;
}

QToolButton *przycisk(QWidget *rodzic, int lewo, Glif g, const QString &nazwa)
{
    auto *b = new QToolButton(rodzic);
    b->setGeometry(lewo, 10, 40, 39);
    b->setIcon(IkonaGlifu(g, 24)); // the icon carries its own greyed look
    b->setIconSize(QSize(24, 24));
    b->setAccessibleName(nazwa);
    return b;
}

} // namespace

TFPowieksz::TFPowieksz(TForm1 &glowna, MagazynKart &magazyn, QWidget *rodzic)
    : QDialog(rodzic), m_glowna(glowna), m_magazyn(magazyn)
{
    setWindowTitle(QStringLiteral("Opis karty"));
    // A dialog frame with a caption only: no close box, no system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(10);
    setFont(f);

    // A 5-pixel border round a 360 x 358 client area.
    constexpr int Ramka = 5;
    setFixedSize(360 + 2 * Ramka, 358 + 2 * Ramka);
    auto *klient = new QWidget(this);
    klient->setGeometry(Ramka, Ramka, 360, 358);

    Panel1 = panel(klient, QRect(0, 0, 185, 301));
    Panel1->setFocusPolicy(Qt::StrongFocus);
    Panel1->setAccessibleName(QStringLiteral("Karta"));
    Panel4 = new QWidget(Panel1);
    Panel4->setGeometry(8, 16, 169, 273);
    Image1 = new TObrazKarty(ObrazekOpisu, Panel4);
    Image1->UstawRozciaganie(true);
    Image1->setGeometry(0, 0, 169, 273);
    // Only a picture here: no click, no focus, no popup menu of a table card.
    Image1->unsetCursor();
    Image1->setFocusPolicy(Qt::NoFocus);
    Image1->setContextMenuPolicy(Qt::NoContextMenu);
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Panel3 = panel(klient, QRect(360 - 169, 0, 169, 301));
    Memo1 = new QPlainTextEdit(Panel3);
    Memo1->setGeometry(7, 5, 153, 289);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setAccessibleName(QStringLiteral("Opis karty"));

    Panel2 = panel(klient, QRect(0, 301, 360, 57));
    SpeedButton1 = przycisk(Panel2, 135, Glif::Odwroc, QStringLiteral("Odwróć kartę"));
    SpeedButton1->setToolTip(QStringLiteral("Odwróć kartę"));
    SpeedButton2 = przycisk(Panel2, 191, Glif::Zamknij, QStringLiteral("Zamknij"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { m_glowna.Bezpiecznie([&] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, &TFPowieksz::SpeedButton2Click);

    // OdwrocObrazek(ObrazekOpisu) turns this window's picture.
    m_glowna.Obrazki[ObrazekOpisu] = Image1;
    Panel1->setFocus();
}

void TFPowieksz::FormActivate()
{
    const int p = m_glowna.WybranaPozycja;
    const TPozycja pozycja = (p >= 1 && p <= LiczbaPozycjiStolu) ? m_glowna.Pozycje[size_t(p)] : TPozycja{};
    OdwroconaWOpisie = pozycja.Odwrocona;

    // The open window always shows the large picture; a card shown on the
    // table meanwhile has switched the shared column to the table's size.
    m_glowna.KolumnaObrazka = KolumnaObrazkaOpisu();
    Image1->UstawObraz(QImage()); // a failing lookup leaves no earlier card behind
    Image1->UstawObraz(ObrazKarty(
        m_magazyn.ObrazekKarty(pozycja.NrKarty, m_glowna.AktualnaTalia, m_glowna.KolumnaObrazka), OdwroconaWOpisie));

    NazwaWOpisie = m_magazyn.NazwaKarty(pozycja.NrKarty);
    WypiszOpis();
}

void TFPowieksz::SpeedButton1Click()
{
    m_glowna.OdwrocObrazek(ObrazekOpisu);
    OdwroconaWOpisie = !OdwroconaWOpisie;
    WypiszOpis();
}

void TFPowieksz::SpeedButton2Click()
{
    close();
}

void TFPowieksz::WypiszOpis()
{
    const int p = m_glowna.WybranaPozycja;
    const int nrKarty = (p >= 1 && p <= LiczbaPozycjiStolu) ? m_glowna.Pozycje[size_t(p)].NrKarty : 0;
    QStringList linie;
    // Concatenated, not QString::arg: a "%1" in a card name stays as it is.
    linie << NazwaWOpisie + QStringLiteral(" (") + QString::number(p) + QLatin1Char(')') << QStringLiteral(" ")
          << (OdwroconaWOpisie ? QStringLiteral("Pozycja odwrócona: ") : QStringLiteral("Pozycja prosta: "));
    QString znaczenie = m_magazyn.ZnaczenieKarty(nrKarty, OdwroconaWOpisie);
    if (!znaczenie.isEmpty()) {
        znaczenie.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        znaczenie.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        linie << znaczenie;
    }
    Memo1->setPlainText(linie.join(QLatin1Char('\n')));
    Image1->setAccessibleName(linie.first());
}

void TFPowieksz::FormClose()
{
    // The table display reads the next card with the column for its screen.
    m_glowna.KolumnaObrazka = KolumnaObrazkaStolu(SzerokoscEkranu());
}

void TFPowieksz::setVisible(bool widoczne)
{
    if (widoczne && !isVisible())
        Wycentruj();
    QDialog::setVisible(widoczne);
}

void TFPowieksz::Wycentruj()
{
    const QWidget *glowna = &m_glowna;
    QRect obszar = glowna->isVisible() ? glowna->frameGeometry() : QRect();
    const QScreen *ekran = glowna->isVisible() ? glowna->screen() : QGuiApplication::primaryScreen();
    const QRect dostepny = ekran ? ekran->availableGeometry() : QRect();
    if (obszar.isEmpty())
        obszar = dostepny;
    if (obszar.isEmpty())
        return;
    create(); // the platform window knows the frame, where it can tell it before mapping
    QRect r(QPoint(0, 0), frameGeometry().size());
    r.moveCenter(obszar.center());
    // Never partly off the screen.
    if (!dostepny.isEmpty()) {
        r.moveLeft(qBound(dostepny.left(), r.left(), qMax(dostepny.left(), dostepny.right() - r.width() + 1)));
        r.moveTop(qBound(dostepny.top(), r.top(), qMax(dostepny.top(), dostepny.bottom() - r.height() + 1)));
    }
    move(r.topLeft());
}

bool TFPowieksz::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        m_glowna.Bezpiecznie([&] { FormActivate(); });
    return QDialog::event(e);
}

void TFPowieksz::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return; // restored from minimised: the activation rebuilds
    m_glowna.Bezpiecznie([&] { FormActivate(); });
    Panel1->setFocus();
}

void TFPowieksz::hideEvent(QHideEvent *e)
{
    QDialog::hideEvent(e);
    if (!e->spontaneous()) // minimising is no closing
        FormClose();
}
