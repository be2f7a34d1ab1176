#include "app/UAbout.h"
#include "app/ikony.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFAbout::TFAbout(QWidget *rodzic) : QDialog(rodzic)
{
    setWindowTitle(QStringLiteral("O programie"));
    auto *obraz = new QLabel;
    // The program's own sign, the rune Othala, large.
    obraz->setPixmap(QPixmap::fromImage(ObrazIkonyProgramu(128)));
    auto *nazwa = new QLabel(QStringLiteral("<b style='font-size:16pt'>Lomi</b><br>"
                                            "Program do stawiania i odczytywania run"));
    auto *wersja = new QLabel(QStringLiteral("wersja 1.0 "));
    auto *kontakt = new QLabel(QStringLiteral("Autorzy: zespół programu Lomi<br>"
                                              "Uwagi i pytania: lomi@example.org<br>"
                                              "Pomoc: menu Pomoc lub klawisz F1"));
    kontakt->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *zamknij = new QPushButton(QStringLiteral("Zamknij"));
    connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);

    auto *tekst = new QVBoxLayout;
    tekst->addWidget(nazwa);
    tekst->addWidget(wersja);
    tekst->addSpacing(8);
    tekst->addWidget(kontakt);
    tekst->addStretch();
    auto *gora = new QHBoxLayout;
    gora->addWidget(obraz);
    gora->addSpacing(12);
    gora->addLayout(tekst);
    auto *dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(zamknij);
    auto *calosc = new QVBoxLayout(this);
    calosc->addLayout(gora);
    calosc->addLayout(dol);
}

void TFAbout::showEvent(QShowEvent *e)
{
    if (minimumSize() != maximumSize()) // not fixed yet: the first showing
        setFixedSize(sizeHint());
    QDialog::showEvent(e);
}
