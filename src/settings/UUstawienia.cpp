#include "settings/UUstawienia.h"

#include "app/UElementyStolu.h"
#include "app/Uglowna.h"
#include "app/ikony.h"
#include "app/komunikaty.h"
#include "disk/zapisbezpieczny.h"
#include "files/wyborpliku.h"
#include "settings/import.h"
#include "spread/katalog.h"
#include "spread/obraz.h"
#include "store/magazyn.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

QGroupBox *Grupa(const QString &tytul, const QRect &miejsce, QWidget *rodzic)
{
    auto *g = new QGroupBox(tytul, rodzic);
    g->setGeometry(miejsce);
    return g;
}

// A radio group of two items, ids 0 and 1 as the item indexes.
QButtonGroup *GrupaRadiowa(QGroupBox *ramka, const QString &pierwszy, const QString &drugi)
{
    auto *grupa = new QButtonGroup(ramka);
    auto *uklad = new QVBoxLayout(ramka);
    uklad->setContentsMargins(10, 2, 6, 4);
    uklad->setSpacing(0);
    int id = 0;
    for (const QString &tekst : {pierwszy, drugi}) {
        auto *r = new QRadioButton(tekst, ramka);
        grupa->addButton(r, id++);
        uklad->addWidget(r);
    }
    return grupa;
}

void UstawIndeksGrupy(QButtonGroup *grupa, int indeks)
{
    if (QAbstractButton *b = grupa->button(indeks)) {
        b->setChecked(true);
        return;
    }
    // No such item: nothing checked, as an item index of -1 shows.
    grupa->setExclusive(false);
    for (QAbstractButton *b : grupa->buttons())
        b->setChecked(false);
    grupa->setExclusive(true);
}

void PokazObraz(QLabel *podglad, const QByteArray &bajty)
{
    const QImage obraz = ObrazZBajtow(bajty);
    if (obraz.isNull())
        podglad->clear();
    else
        podglad->setPixmap(QPixmap::fromImage(obraz));
}

} // namespace

TFUstawienia::TFUstawienia(TForm1 &glowna, MagazynKart &magazyn, WyborPliku &wybor, QWidget *rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_glowna(glowna), m_magazyn(magazyn),
      m_wybor(wybor)
{
    ZbudujOkno();
    OdswiezTalie();
    OdswiezTla();
    // The main window has read the settings file by now.
    UstawKluczTalii(glowna.Talia);
    UstawKluczTla(glowna.Stolik);
}

void TFUstawienia::ZbudujOkno()
{
    setWindowTitle(QStringLiteral("Ustawienia"));
    setFixedSize(451, 201);

    // " Szczegóły ": three labelled lists on the left, three previews on the right.
    QGroupBox *szczegoly = Grupa(QStringLiteral(" Szczegóły "), QRect(5, 0, 441, 89), this);
    const int wiersze[3] = {18, 41, 64};
    const QString etykiety[3] = {QStringLiteral("Talia:"), QStringLiteral("Rozkład:"), QStringLiteral("Stolik:")};
    QComboBox *listy[3];
    for (int i = 0; i < 3; ++i) {
        auto *etykieta = new QLabel(etykiety[i], szczegoly);
        etykieta->setGeometry(10, wiersze[i], 56, 21);
        listy[i] = new QComboBox(szczegoly);
        listy[i]->setGeometry(68, wiersze[i], 140, 21);
        etykieta->setBuddy(listy[i]);
    }
    DBLookupComboBox1 = listy[0];
    ComboBox2 = listy[1];
    DBLookupComboBox2 = listy[2];
    DBLookupComboBox1->setMaxVisibleItems(10);
    DBLookupComboBox2->setMaxVisibleItems(10);
    ComboBox2->addItems(NazwyUkladow());

    DBImage1 = new QLabel(szczegoly);
    DBImage1->setGeometry(222, 17, 49, 65);
    DBImage1->setScaledContents(true);
    ImgUklad = new QLabel(szczegoly);
    ImgUklad->setGeometry(280, 18, 64, 64);
    ImgUklad->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DBImage2 = new QLabel(szczegoly);
    DBImage2->setGeometry(353, 18, 80, 64);
    DBImage2->setScaledContents(true);

    // " Ułożenie " and " Minimalizacja" side by side.
    RGUlozenie = GrupaRadiowa(Grupa(QStringLiteral(" Ułożenie "), QRect(5, 89, 230, 61), this),
                              QStringLiteral("Ułóż karty losowo"), QStringLiteral("Ręczne ułożenie kart"));
    RGmini = GrupaRadiowa(Grupa(QStringLiteral(" Minimalizacja"), QRect(239, 89, 207, 61), this),
                          QStringLiteral("do ikony na pasku zadań"), QStringLiteral("na pasek zadań"));
    UstawIndeksGrupy(RGUlozenie, 0);
    UstawIndeksGrupy(RGmini, 1);

    // The titles of the four shipped decks; read by the printout, never shown.
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems({QStringLiteral("Kamienne runy"), QStringLiteral("Drewniane runy"),
                         QStringLiteral("Runy z kości"), QStringLiteral("Złote runy nocy")});
    ComboBox1->setVisible(false);

    // The bottom strip, 51 high: four buttons aligned right.
    auto przycisk = [this](int x, const QString &tekst, Glif glif, const QString &podpowiedz) {
        auto *b = new QPushButton(IkonaGlifu(glif), tekst, this);
        b->setGeometry(x, 150 + 7, 79, 38);
        b->setAutoDefault(false);
        if (!podpowiedz.isEmpty())
            b->setToolTip(podpowiedz);
        return b;
    };
    BitBtn3 = przycisk(118, QStringLiteral("Stoliki"), Glif::Stoliki, QStringLiteral("Załaduj nowy stolik"));
    BitBtnload = przycisk(201, QStringLiteral("Karty"), Glif::Karty, QStringLiteral("Załaduj nową talię"));
    BitBtn1 = przycisk(284, QStringLiteral("OK"), Glif::OK, {});
    BitBtn2 = przycisk(367, QStringLiteral("Anuluj"), Glif::Anuluj, {});
    BitBtn1->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this, &TFUstawienia::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtnload, &QPushButton::clicked, this, &TFUstawienia::ImportujTalie);
    connect(BitBtn3, &QPushButton::clicked, this, &TFUstawienia::ImportujTla);
    connect(DBLookupComboBox1, &QComboBox::currentIndexChanged, this, &TFUstawienia::DBLookupComboBox1Change);
    connect(DBLookupComboBox2, &QComboBox::currentIndexChanged, this, &TFUstawienia::DBLookupComboBox2Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TFUstawienia::WczytajMiniature);
}

// ---------------------------------------------------------------- live reads

int TFUstawienia::KluczTalii() const
{
    return m_kluczTalii;
}

QString TFUstawienia::TekstTalii() const
{
    return DBLookupComboBox1->currentIndex() < 0 ? QString() : DBLookupComboBox1->currentText();
}

int TFUstawienia::KluczTla() const
{
    return m_kluczTla;
}

int TFUstawienia::IndeksUkladu() const
{
    return ComboBox2->currentIndex();
}

QString TFUstawienia::NazwaUkladu(int n) const
{
    return n >= 1 && n <= ComboBox2->count() ? ComboBox2->itemText(n - 1) : QString();
}

QString TFUstawienia::TytulTalii(int talia) const
{
    return talia >= 1 && talia <= ComboBox1->count() ? ComboBox1->itemText(talia - 1) : QString();
}

int TFUstawienia::IndeksUlozenia() const
{
    return RGUlozenie->checkedId();
}

int TFUstawienia::IndeksMinimalizacji() const
{
    return RGmini->checkedId();
}

// ---------------------------------------------------------------- filling

// A key that is not listed leaves the list without an entry and is handed
// back unchanged, so a deck or background missing from the store does not
// turn into another one.
void TFUstawienia::UstawKluczTalii(int talia)
{
    m_kluczTalii = talia;
    {
        const QSignalBlocker blokada(DBLookupComboBox1);
        DBLookupComboBox1->setCurrentIndex(DBLookupComboBox1->findData(talia));
    }
    m_glowna.Bezpiecznie([this] { PokazKoszulke(); });
}

void TFUstawienia::UstawIndeksUkladu(int indeks)
{
    ComboBox2->setCurrentIndex(indeks >= 0 && indeks < ComboBox2->count() ? indeks : -1);
}

void TFUstawienia::UstawKluczTla(int id)
{
    m_kluczTla = id;
    {
        const QSignalBlocker blokada(DBLookupComboBox2);
        DBLookupComboBox2->setCurrentIndex(DBLookupComboBox2->findData(id));
    }
    m_glowna.Bezpiecznie([this] { PokazMaleTlo(); });
}

void TFUstawienia::UstawIndeksUlozenia(int indeks)
{
    UstawIndeksGrupy(RGUlozenie, indeks);
}

void TFUstawienia::UstawIndeksMinimalizacji(int indeks)
{
    UstawIndeksGrupy(RGmini, indeks);
}

// ---------------------------------------------------------------- lists and previews

void TFUstawienia::OdswiezTalie()
{
    QVector<MagazynKart::Talia> talie = m_magazyn.Talie();
    // The store lists decks in no set order; by number the new one comes last.
    std::stable_sort(talie.begin(), talie.end(),
                     [](const auto &a, const auto &b) { return a.NumerTalii < b.NumerTalii; });
    {
        const QSignalBlocker blokada(DBLookupComboBox1);
        DBLookupComboBox1->clear();
        for (const auto &t : talie)
            DBLookupComboBox1->addItem(t.NazwaTalii, t.NumerTalii);
        DBLookupComboBox1->setCurrentIndex(DBLookupComboBox1->findData(m_kluczTalii));
    }
    PokazKoszulke();
}

void TFUstawienia::OdswiezTla()
{
    const QVector<MagazynKart::Tlo> tla = m_magazyn.Tla();
    {
        const QSignalBlocker blokada(DBLookupComboBox2);
        DBLookupComboBox2->clear();
        for (const auto &t : tla)
            DBLookupComboBox2->addItem(t.Nazwa, t.ID);
        DBLookupComboBox2->setCurrentIndex(DBLookupComboBox2->findData(m_kluczTla));
    }
    PokazMaleTlo();
}

void TFUstawienia::DBLookupComboBox1Change(int indeks)
{
    if (indeks >= 0)
        m_kluczTalii = DBLookupComboBox1->itemData(indeks).toInt();
    m_glowna.Bezpiecznie([this] { PokazKoszulke(); });
}

void TFUstawienia::DBLookupComboBox2Change(int indeks)
{
    if (indeks >= 0)
        m_kluczTla = DBLookupComboBox2->itemData(indeks).toInt();
    m_glowna.Bezpiecznie([this] { PokazMaleTlo(); });
}

// The previews are fetched again only when their key changes: creation and
// every show of the main window set the same keys again, and a stored
// picture never changes under its key.
void TFUstawienia::PokazKoszulke()
{
    const int klucz = DBLookupComboBox1->currentIndex() < 0 ? -1 : m_kluczTalii;
    if (klucz == m_pokazanaKoszulka)
        return;
    if (klucz < 0)
        DBImage1->clear();
    else
        PokazObraz(DBImage1, m_magazyn.Koszulka(klucz));
    m_pokazanaKoszulka = klucz;
}

void TFUstawienia::PokazMaleTlo()
{
    const int klucz = DBLookupComboBox2->currentIndex() < 0 ? -1 : m_kluczTla;
    if (klucz == m_pokazaneTlo)
        return;
    if (klucz < 0)
        DBImage2->clear();
    else
        PokazObraz(DBImage2, m_magazyn.ObrazTla(klucz, true));
    m_pokazaneTlo = klucz;
}

void TFUstawienia::WczytajMiniature()
{
    // A missing or broken miniature keeps the picture shown before.
    const int indeks = ComboBox2->currentIndex();
    if (indeks < 0)
        return;
    const QImage obraz = ObrazZPliku(m_glowna.Foldery().Miniatura(indeks + 1));
    if (!obraz.isNull())
        ImgUklad->setPixmap(QPixmap::fromImage(obraz));
}

void TFUstawienia::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    WczytajMiniature();
}

void TFUstawienia::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        WczytajMiniature();
}

// ---------------------------------------------------------------- OK and the imports

void TFUstawienia::BitBtn1Click()
{
    m_glowna.UkryjRamki();
    m_glowna.Bezpiecznie([this] {
        const QByteArray tlo = m_magazyn.ObrazTla(m_kluczTla, false);
        const QImage obraz = ObrazZBajtow(tlo);
        // A background without a usable picture (not in the store, empty)
        // must not replace the cache and the table with nothing.
        if (obraz.isNull())
            return;
        const QString plik = m_glowna.Foldery().PlikTla();
        QString powod;
        if (!ZapiszBezpiecznie(plik, tlo, &powod))
            throw std::runtime_error(QStringLiteral("Nie można zapisać pliku \"%1\".\n%2")
                                         .arg(QDir::toNativeSeparators(plik), powod)
                                         .toStdString());
        m_glowna.Image16->UstawObraz(obraz);
    });
    accept();
}

QString TFUstawienia::FolderDodatkow() const
{
    return m_glowna.Foldery().FolderDodatkow();
}

void TFUstawienia::ImportujTalie()
{
    Komunikat(this, PodpowiedzImportuTalii(m_glowna.Foldery().Dokument(DokumentPomocy::Dodatki)));
    const QString plik = m_wybor.DowolnyPlik(this, FolderDodatkow());
    if (plik.isEmpty())
        return;
    int numer = 0;
    QString szczegoly;
    if (!ImportujTalieZ(m_magazyn, plik, &numer, &szczegoly)) {
        Komunikat(this, BladImportu, szczegoly);
        return;
    }
    m_glowna.Bezpiecznie([this] { OdswiezTalie(); });
}

void TFUstawienia::ImportujTla()
{
    Komunikat(this, PodpowiedzImportuTel(m_glowna.Foldery().Dokument(DokumentPomocy::Dodatki)));
    const QString plik = m_wybor.DowolnyPlik(this, FolderDodatkow());
    if (plik.isEmpty())
        return;
    int dodane = 0;
    QString szczegoly;
    const bool ok = ImportujTlaZ(m_magazyn, plik, &dodane, &szczegoly);
    // Backgrounds stored before a failing line are listed either way.
    m_glowna.Bezpiecznie([this] { OdswiezTla(); });
    if (!ok)
        Komunikat(this, BladImportu, szczegoly);
}
