#include "app/UAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The about picture: the rune Othala (heritage) cut in a dark stone.
QPixmap obrazek()
{
    QPixmap px(96, 140);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(64, 70, 82));
    p.setPen(QPen(QColor(30, 32, 38), 2));
    p.drawRoundedRect(QRectF(4, 4, 88, 132), 14, 14);
    p.setPen(QPen(QColor(236, 204, 128), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF g(48, 22), l(26, 62), r(70, 62), dl(22, 118), dr(74, 118);
    p.drawLine(g, l);
    p.drawLine(g, r);
    p.drawLine(l, dr);
    p.drawLine(r, dl);
    return px;
}
}

TFAbout::TFAbout(QWidget *rodzic) : QDialog(rodzic)
{
    setWindowTitle(QStringLiteral("O programie"));
    auto *obraz = new QLabel;
    obraz->setPixmap(obrazek());
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
    setFixedSize(sizeHint());
}
