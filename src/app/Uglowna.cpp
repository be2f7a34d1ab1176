#include "app/Uglowna.h"

#include "app/Ankieta.h"
#include "app/UAbout.h"
#include "app/UElementyStolu.h"
#include "app/ikony.h"
#include "app/komunikaty.h"
#include "description/UPowieksz.h"
#include "files/DialogWyboruPliku.h"
#include "manual/UReczneMA.h"
#include "settings/UUstawienia.h"
#include "spread/czekaj.h"
#include "spread/ekran.h"
#include "spread/geometria.h"
#include "spread/katalog.h"
#include "spread/losowanie.h"
#include "spread/obraz.h"
#include "store/magazyn.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

void ZglosBladProgramu(QWidget *rodzic, const QString &tekst)
{
    Komunikat(rodzic, tekst);
}

namespace {

// The pictures of the toolbar and of the panel header: drawn, not loaded.
class TPanelObrazu : public QWidget
{
public:
    TPanelObrazu(QColor gora, QColor dol, QWidget *rodzic) : QWidget(rodzic), m_gora(gora), m_dol(dol) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, m_gora);
        g.setColorAt(1, m_dol);
        p.fillRect(rect(), g);
        // lowered inner bevel
        p.setPen(QColor(0, 0, 0, 90));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(QColor(255, 255, 255, 120));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }

private:
    QColor m_gora, m_dol;
};

QFont czcionkaEtykiety()
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    f.setPixelSize(19);
    f.setBold(true);
    return f;
}

} // namespace

TForm1::TForm1(const QString &katalogProgramu, QWidget *rodzic) : QMainWindow(rodzic)
{
    // 1. no replacement in progress
    WymianaKarty = false;
    setWindowTitle(QStringLiteral("Lomi"));
    setWindowIcon(IkonaProgramu());
    ZbudujOkno();
    ZbudujPolecenia();
    // 2. the window opens maximised; wide screens restore to 1024 x 768
    if (SzerokoscEkranu() > 1023)
        resize(1024, 768);
    else
        resize(1055, 858);
    setWindowState(windowState() | Qt::WindowMaximized);
    // 3. Qt widgets are double-buffered already.
    // 4. the program folder
    KatalogProgramu = katalogProgramu;
    // 5-6. defaults (the record's own), then the settings file
    static_cast<Ustawienia &>(*this) = Ustawienia();
    WczytajUstawienia(KatalogProgramu + QStringLiteral("/Lomi.ini"), *this);
    // 7. the background cache; any failure leaves the plain background colour
    const QImage tlo = ObrazZPliku(KatalogProgramu + QStringLiteral("/tmptlo.bmp"));
    if (!tlo.isNull())
        Image16->UstawObraz(tlo);
    // 8-10. help, store and dialog folders are taken from KatalogProgramu when used.
    // 11. card images disabled, labels hidden (ZbudujOkno)
    // 12. a tooltip stays for ten seconds (set on each element with a hint)
    // 13. no spread name yet
    LabelNazwaRozkl->clear();
    KolumnaObrazka = SzerokiEkran(SzerokoscEkranu()) ? QStringLiteral("Obrazek1024") : QStringLiteral("Obrazek800");
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    if (m_tray)
        m_tray->hide(); // the notification-area icon goes however the program ends
}

void TForm1::PolaczMagazyn(MagazynKart *magazyn)
{
    m_magazyn = magazyn;
}

void TForm1::PolaczOkna(const OknaProgramu &okna)
{
    m_okna = okna;
}

void TForm1::UstawWyborPliku(WyborPliku *wybor)
{
    m_wybor = wybor;
}

void TForm1::ZbudujOkno()
{
    auto *klient = new QWidget(this);
    setCentralWidget(klient);
    QPalette pal = klient->palette();
    pal.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    klient->setPalette(pal);
    klient->setAutoFillBackground(true);

    Image16 = new TStol(klient);
    for (int p = 1; p <= 15; ++p) {
        auto *ramka = new TRamka(klient);
        ramka->hide();
        Ramki[p] = ramka;
    }
    for (int p = 1; p <= 15; ++p) {
        auto *obraz = new TObrazKarty(p, klient);
        obraz->setEnabled(false);
        obraz->setAccessibleName(QStringLiteral("Pozycja %1").arg(p));
        obraz->setToolTipDuration(10000); // a card's name stays for ten seconds
        connect(obraz, &TObrazKarty::Kliknieto, this, [this](int poz) { Bezpiecznie([&] { Image2Click(poz); }); });
        connect(obraz, &TObrazKarty::Odwroc, this, [this](int poz) { Bezpiecznie([&] { MenuItem1Click(poz); }); });
        connect(obraz, &TObrazKarty::Wymien, this, [this](int poz) { Bezpiecznie([&] { Wymiekart1Click(poz); }); });
        Obrazki[p] = obraz;
    }
    for (int p = 1; p <= 15; ++p) {
        auto *etykieta = new QLabel(QString::number(p), klient);
        etykieta->setFont(czcionkaEtykiety());
        etykieta->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        etykieta->setAttribute(Qt::WA_TransparentForMouseEvents);
        etykieta->setFixedHeight(19);
        etykieta->adjustSize();
        etykieta->hide();
        Etykiety[p] = etykieta;
    }

    Panel1 = new TPanelObrazu(QColor(92, 70, 52), QColor(52, 38, 28), klient);
    Panel2 = new QWidget(klient);
    Panel3 = new TPanelObrazu(QColor(60, 52, 70), QColor(30, 26, 36), Panel2);
    auto naglowek = [this](int x, int y, int w) {
        auto *l = new QLabel(Panel3);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(13);
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(QStringLiteral("color: #c8c8c8; background: transparent;"));
        l->setGeometry(x, y, w, 18);
        return l;
    };
    auto *podpisTalii = naglowek(8, 13, 52);
    podpisTalii->setText(QStringLiteral("Talia:"));
    auto *podpisUkladu = naglowek(8, 34, 80);
    podpisUkladu->setText(QStringLiteral("Rozkład:"));
    lbltalia = naglowek(60, 13, 201);
    LabelNazwaRozkl = naglowek(88, 34, 375);
    LabelNazwaRozkl->setText(QStringLiteral("nazwa"));
    Memo1 = new QPlainTextEdit(Panel2);
    Memo1->setFrameShape(QFrame::NoFrame);
    QFont m;
    m.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("serif")});
    m.setPixelSize(15);
    Memo1->setFont(m);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #dddddd; color: black; }"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setAccessibleName(QStringLiteral("Interpretacja rozkładu"));
    // Tab leaves the text: keyboard users must be able to reach the cards.
    Memo1->setTabChangesFocus(true);
}

void TForm1::ZbudujPolecenia()
{
    auto przycisk = [this](int lewo, Glif g, const QString &podpowiedz) {
        auto *b = new QToolButton(Panel1);
        b->setGeometry(lewo, 4, 33, 33);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(podpowiedz);
        b->setToolTipDuration(10000);
        b->setAccessibleName(podpowiedz);
        b->setIcon(IkonaGlifu(g, 24));
        b->setIconSize(QSize(24, 24));
        b->setFocusPolicy(Qt::TabFocus);
        b->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid #f0c060; border-radius: 4px; }"));
        return b;
    };
    SpeedButton6 = przycisk(16, Glif::Nowy, QStringLiteral("Nowy rozkład"));
    SpeedButton2 = przycisk(60, Glif::Interpretacja, QStringLiteral("Interpretacja rozkładu"));
    SpeedButton1 = przycisk(140, Glif::Otworz, QStringLiteral("Wczytaj rozkład"));
    SpeedButton3 = przycisk(176, Glif::Zapisz, QStringLiteral("Zapisz rozkład"));
    SpeedButton7 = przycisk(216, Glif::ZapiszTxt, QStringLiteral("Zapisz rozkład do TXT"));
    SpeedButton5 = przycisk(305, Glif::Podglad, QStringLiteral("Podgląd wydruku"));
    SpeedButton4 = przycisk(344, Glif::Drukuj, QStringLiteral("Drukuj"));
    SpeedButton12 = przycisk(419, Glif::Ustawienia, QStringLiteral("Ustawienia"));
    SpeedButton9 = przycisk(564, Glif::Pomoc, QStringLiteral("Pomoc"));
    SpeedButton8 = przycisk(600, Glif::Informacje, QStringLiteral("O programie"));
    // The description lock: two toggles of one group, never visible or
    // enabled; only the settings file changes them.
    SpeedButton10 = new QToolButton(Panel1);
    SpeedButton11 = new QToolButton(Panel1);
    SpeedButton10->setGeometry(456, 4, 32, 32);
    SpeedButton11->setGeometry(488, 4, 32, 32);
    for (QToolButton *b : {SpeedButton10, SpeedButton11}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setEnabled(false);
        b->hide();
    }
    SpeedButton10->setToolTip(QStringLiteral("Zablokuj opis karty\n\rJeśli ten przycisk jest włączony, trzeba zamknąć "
                                             "okno z opisem karty, aby wyświetlić opis dla innej karty."));
    SpeedButton11->setToolTip(QStringLiteral("Odblokuj opis karty\n\rJeśli ten przycisk jest włączony, nie trzeba "
                                             "zamykać okna z opisem karty, aby wyświetlić opis dla innej karty - "
                                             "wystarczy kliknąć kolejną kartę w rozkładzie."));
    SpeedButton10->setChecked(true);

    QMenu *plik = menuBar()->addMenu(QStringLiteral("Plik"));
    Nowy1 = plik->addAction(QStringLiteral("Nowy"));
    Wczytaj = plik->addAction(QStringLiteral("Otwórz"));
    Zapisz = plik->addAction(QStringLiteral("Zapisz "));
    ZapiszdoTxt1 = plik->addAction(QStringLiteral("Zapisz do TXT"));
    plik->addSeparator();
    Podglad = plik->addAction(QStringLiteral("Podglad Wydruku"));
    Drukuj = plik->addAction(QStringLiteral("Drukuj"));
    plik->addSeparator();
    Wyjcie1 = plik->addAction(QStringLiteral("Wyjście"));
    QMenu *pomoc = menuBar()->addMenu(QStringLiteral("Pomoc"));
    Help2 = pomoc->addAction(QStringLiteral("Pomoc"));
    About1 = pomoc->addAction(QStringLiteral("O programie"));
    QMenu *runy = menuBar()->addMenu(QStringLiteral("O Runach"));
    Samouczek1 = runy->addAction(QStringLiteral("Samouczek"));
    Literatura1 = runy->addAction(QStringLiteral("Literatura"));
    Ankieta1 = menuBar()->addAction(QStringLiteral("Ankieta"));
    // The usual shortcuts, beside the menus.
    Nowy1->setShortcut(QKeySequence::New);
    Wczytaj->setShortcut(QKeySequence::Open);
    Zapisz->setShortcut(QKeySequence::Save);
    Drukuj->setShortcut(QKeySequence::Print);
    // QKeySequence::Quit is empty outside a desktop environment.
    Wyjcie1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The toolbar-only commands get shortcuts of their own.
    auto skrot = [this](QKeySequence klawisze, QToolButton *b) {
        auto *a = new QAction(this);
        a->setShortcut(klawisze);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, b, [b] {
            if (b->isEnabled())
                b->click();
        });
        addAction(a);
    };
    skrot(QKeySequence(Qt::CTRL | Qt::Key_I), SpeedButton2);
    skrot(QKeySequence(Qt::CTRL | Qt::Key_Comma), SpeedButton12);
    skrot(QKeySequence(Qt::CTRL | Qt::Key_T), SpeedButton7);
    skrot(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), SpeedButton5);

    auto polecenie = [this](auto *nadawca, auto sygnal, auto cel) {
        connect(nadawca, sygnal, this, [this, cel] { Bezpiecznie([&] { (this->*cel)(); }); });
    };
    polecenie(Nowy1, &QAction::triggered, &TForm1::NowyRozklad);
    polecenie(SpeedButton6, &QToolButton::clicked, &TForm1::NowyRozklad);
    polecenie(SpeedButton2, &QToolButton::clicked, &TForm1::Interpretacja);
    polecenie(Wczytaj, &QAction::triggered, &TForm1::OtworzUklad);
    polecenie(SpeedButton1, &QToolButton::clicked, &TForm1::OtworzUklad);
    polecenie(Zapisz, &QAction::triggered, &TForm1::ZapiszUklad);
    polecenie(SpeedButton3, &QToolButton::clicked, &TForm1::ZapiszUklad);
    polecenie(ZapiszdoTxt1, &QAction::triggered, &TForm1::ZapiszDoTekstu);
    polecenie(SpeedButton7, &QToolButton::clicked, &TForm1::ZapiszDoTekstu);
    polecenie(Podglad, &QAction::triggered, &TForm1::PodgladClick);
    polecenie(SpeedButton5, &QToolButton::clicked, &TForm1::PodgladClick);
    polecenie(Drukuj, &QAction::triggered, &TForm1::DrukujClick);
    polecenie(SpeedButton4, &QToolButton::clicked, &TForm1::DrukujClick);
    polecenie(SpeedButton12, &QToolButton::clicked, &TForm1::ZmienUstawienia);
    polecenie(Wyjcie1, &QAction::triggered, &TForm1::Wyjscie);
    auto pomocDok = [this] { OtworzDokument(QStringLiteral("/help/Lomihlp.html")); };
    connect(Help2, &QAction::triggered, this, pomocDok);
    connect(SpeedButton9, &QToolButton::clicked, this, pomocDok);
    connect(Samouczek1, &QAction::triggered, this, [this] { OtworzDokument(QStringLiteral("/help/samouczek.html")); });
    connect(Literatura1, &QAction::triggered, this, [this] { OtworzDokument(QStringLiteral("/help/literatura.html")); });
    auto oProgramie = [this] {
        if (m_okna.About)
            m_okna.About->exec();
    };
    connect(About1, &QAction::triggered, this, oProgramie);
    connect(SpeedButton8, &QToolButton::clicked, this, oProgramie);
    connect(Ankieta1, &QAction::triggered, this, [this] {
        if (m_okna.Ankieta)
            m_okna.Ankieta->exec();
    });

    // Start-up states: new spread is available, the commands that need a
    // spread are not; the save button stays enabled while the menu item is not.
    for (QToolButton *b : {SpeedButton2, SpeedButton5, SpeedButton4})
        b->setEnabled(false);
    for (QAction *a : {Zapisz, Podglad, Drukuj})
        a->setEnabled(false);
}

void TForm1::OtworzDokument(const QString &plik)
{
    // The desktop's answer is ignored: a missing document gives no message of ours.
    OtworzDokumentPulpitu(QUrl::fromLocalFile(KatalogProgramu + plik));
}

void TForm1::UstawPrzyciski(bool wlacz)
{
    for (QToolButton *b : {SpeedButton2, SpeedButton4, SpeedButton5, SpeedButton6})
        b->setEnabled(wlacz);
    for (QAction *a : {Podglad, Drukuj, Nowy1, Zapisz})
        a->setEnabled(wlacz);
}

bool TForm1::OpisZablokowany() const
{
    return SpeedButton10->isChecked();
}

void TForm1::WypelnijUstawienia()
{
    TFUstawienia *u = m_okna.Ustawienia;
    if (!u)
        return;
    u->UstawKluczTalii(Talia);
    u->UstawIndeksUkladu(NastUklad - 1);
    u->UstawKluczTla(Stolik);
    u->UstawIndeksUlozenia(UlozenieLosowo ? 0 : 1);
    (Blokada ? SpeedButton10 : SpeedButton11)->setChecked(true);
    u->UstawIndeksMinimalizacji(MinimalizacjaDoTraya ? 0 : 1);
}

void TForm1::ZmienUstawienia()
{
    TFUstawienia *u = m_okna.Ustawienia;
    if (!u || u->exec() != QDialog::Accepted)
        return;
    Talia = u->KluczTalii();
    // No selection keeps the spread: a stored number outside the catalogue
    // would otherwise become 0.
    if (u->IndeksUkladu() >= 0)
        NastUklad = u->IndeksUkladu() + 1;
    Stolik = u->KluczTla();
    MinimalizacjaDoTraya = u->IndeksMinimalizacji() == 0;
    UlozenieLosowo = u->IndeksUlozenia() == 0;
    (Blokada ? SpeedButton10 : SpeedButton11)->setChecked(true);
}

void TForm1::ZglosBlad(const QString &tekst)
{
    ZglosBladProgramu(this, tekst);
}

// ---------------------------------------------------------------- layout

QSize TForm1::RozmiarStolu() const
{
    return Image16->size();
}

void TForm1::RozmiescElementy()
{
    QWidget *k = centralWidget();
    const int w = k->width(), h = k->height();
    Panel1->setGeometry(0, 0, w, 41);
    Panel2->setGeometry(qMax(0, w - 264), 41, 264, qMax(0, h - 41));
    Panel3->setGeometry(0, 0, 264, 85);
    Memo1->setGeometry(0, 85, 264, qMax(0, Panel2->height() - 85));
    Image16->setGeometry(0, 41, qMax(0, w - 264), qMax(0, h - 41));
    Image16->lower();
    // Panels are above the cards, as a card clamped into a corner lies under them.
    Panel1->raise();
    Panel2->raise();
}

void TForm1::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    RozmiescElementy();
    // The spread on the table follows the new size; the frames disappear.
    UstawPozycje(AktualnyUklad);
    UstawEtykiety();
    // Only positions that hold a card get their number back: after a
    // cancelled arrangement the table is empty.
    for (int p = 1; p <= LiczbaKart(AktualnyUklad); ++p)
        Etykiety[p]->setVisible(Obrazki[p]->isEnabled());
    UkryjRamki();
}

void TForm1::UstawPozycje(int n)
{
    for (int p = 1; p <= 15; ++p)
        Obrazki[p]->show();
    UstawPozycjeObliczenia(n, AktualnyUklad, RozmiarStolu(), SzerokoscEkranu(), m_miejsca);
    for (int p = 1; p <= 15; ++p)
        Obrazki[p]->move(m_miejsca[p]);
}

void TForm1::UstawEtykiety()
{
    const QPoint d = PrzesuniecieEtykiety(SzerokoscEkranu());
    for (int p = 1; p <= 15; ++p) {
        Etykiety[p]->hide();
        Etykiety[p]->move(Obrazki[p]->pos() + d);
    }
}

void TForm1::PokazRamki()
{
    const QSize r = RozmiarRamki(SzerokoscEkranu());
    for (int p = 1; p <= 15; ++p) {
        Ramki[p]->resize(r);
        Ramki[p]->UstawKolor(QColor(0, 128, 128));
    }
    for (int p = 1; p <= LiczbaKart(AktualnyUklad); ++p) {
        Ramki[p]->move(Obrazki[p]->pos());
        Ramki[p]->show();
        Ramki[p]->raise();
        Obrazki[p]->raise(); // a card already there stays in front of its frame
        Etykiety[p]->raise();
    }
    Panel1->raise();
    Panel2->raise();
}

void TForm1::PodswietlRamke(int k)
{
    if (k > LiczbaKart(AktualnyUklad))
        return;
    for (int p = 1; p <= 15; ++p)
        Ramki[p]->UstawKolor(QColor(0, 128, 128));
    if (k >= 1 && k <= 15)
        Ramki[k]->UstawKolor(QColor(255, 255, 0));
}

void TForm1::UkryjRamki()
{
    for (int p = 1; p <= 15; ++p)
        Ramki[p]->hide();
}

// ---------------------------------------------------------------- window events

void TForm1::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    WypelnijUstawienia();
}

bool TForm1::eventFilter(QObject *o, QEvent *e)
{
    // F1 anywhere in the window, with or without modifiers; the key then
    // goes on to the focused control.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_F1) {
        // A key a child ignores travels up to its parents as the same event:
        // only its first receiver, the focused control, counts.
        const auto *k = static_cast<QKeyEvent *>(e);
        auto *w = qobject_cast<QWidget *>(o);
        QWidget *fokus = QApplication::focusWidget();
        if (w && w->window() == this && !k->isAutoRepeat() && (w == fokus || (!fokus && w == this))) {
            OtworzDokument(QStringLiteral("/help/Lomihlp.html"));
        }
    }
    // F10 opens the menu bar from the keyboard (the menus carry no mnemonics:
    // their captions are the program's own texts).
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_F10
        && static_cast<QKeyEvent *>(e)->modifiers() == Qt::NoModifier) {
        if (auto *w = qobject_cast<QWidget *>(o); w && w->window() == this && w == QApplication::focusWidget()) {
            menuBar()->setActiveAction(menuBar()->actions().constFirst());
            return true;
        }
    }
    if (e->type() == QEvent::Paint && o == centralWidget() && !m_pomalowane) {
        m_pomalowane = true;
        QTimer::singleShot(0, this, [this] { emit PierwszeMalowanie(); });
    }
    return QMainWindow::eventFilter(o, e);
}

void TForm1::keyPressEvent(QKeyEvent *e)
{
    QMainWindow::keyPressEvent(e);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    if (m_konczy) {
        e->accept();
        return;
    }
    QString blad;
    if (!ZapiszUstawienia(KatalogProgramu + QStringLiteral("/Lomi.ini"), *this, &blad)) {
        ZglosBlad(blad);
        e->ignore(); // the window stays open; "Wyjście" still ends the program
        return;
    }
    m_konczy = true;
    e->accept();
    if (m_tray)
        m_tray->hide();
    if (m_okna.Powieksz)
        m_okna.Powieksz->hide();
    qApp->quit();
}

void TForm1::Wyjscie()
{
    // Ends at once: the close handler does not run and the settings file
    // keeps what it held at start.
    m_konczy = true;
    if (m_tray)
        m_tray->hide();
    QCoreApplication::exit(0);
}

void TForm1::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        Minimalizuj();
}

void TForm1::Minimalizuj()
{
    // The choice is read from the settings window now, not from the setting.
    if (!m_okna.Ustawienia || m_okna.Ustawienia->IndeksMinimalizacji() != 0)
        return;
    // Without a notification area a hidden window could never come back: the
    // ordinary minimise stands then.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(windowIcon(), this);
        m_tray->setToolTip(QStringLiteral("Lomi"));
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (r == QSystemTrayIcon::Trigger) {
                showNormal();
                setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
                raise();
                activateWindow();
                m_tray->hide();
            } else if (r == QSystemTrayIcon::Context) {
                hide();
            }
        });
    }
    m_tray->show();
    QTimer::singleShot(0, this, [this] { hide(); });
}
