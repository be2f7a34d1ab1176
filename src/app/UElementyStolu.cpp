#include "app/UElementyStolu.h"

#include "spread/geometria.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TStol::TStol(QWidget *rodzic) : QWidget(rodzic)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TStol::UstawObraz(const QImage &obraz)
{
    m_obraz = obraz;
    m_skalowany = QImage();
    update();
}

void TStol::paintEvent(QPaintEvent *)
{
    if (m_obraz.isNull())
        return; // the window's own background colour shows
    if (m_skalowany.size() != size())
        m_skalowany = m_obraz.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(this);
    p.drawImage(0, 0, m_skalowany);
}

namespace {

// Screen readers announce a card as a button that opens its description.
class DostepnoscKarty : public QAccessibleWidget
{
public:
    explicit DostepnoscKarty(TObrazKarty *karta) : QAccessibleWidget(karta, QAccessible::Button) {}
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction() << showMenuAction();
    }
    void doAction(const QString &akcja) override
    {
        auto *karta = static_cast<TObrazKarty *>(widget());
        if (!karta->isEnabled() || karta->Obraz().isNull())
            return;
        if (akcja == pressAction())
            emit karta->Kliknieto(karta->Pozycja());
        else if (akcja == showMenuAction())
            karta->PopupMenu()->popup(karta->mapToGlobal(karta->rect().center()));
        else
            QAccessibleWidget::doAction(akcja);
    }
};

QAccessibleInterface *fabrykaDostepnosci(const QString &klasa, QObject *o)
{
    if (klasa == QLatin1String("TObrazKarty") && o && o->isWidgetType())
        return new DostepnoscKarty(static_cast<TObrazKarty *>(o));
    return nullptr;
}

}

TObrazKarty::TObrazKarty(int pozycja, QWidget *rodzic) : QWidget(rodzic), m_pozycja(pozycja)
{
    static const bool zarejestrowana = [] {
        QAccessible::installFactory(fabrykaDostepnosci);
        return true;
    }();
    Q_UNUSED(zarejestrowana);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus); // until it shows a card
    m_menu = new QMenu(this);
    m_odwroc = m_menu->addAction(QStringLiteral("Odwróć"));
    m_wymien = m_menu->addAction(QStringLiteral("Wymień kartę"));
    m_odwroc->setData(pozycja);
    m_wymien->setData(pozycja);
    connect(m_odwroc, &QAction::triggered, this, [this] { emit Odwroc(m_pozycja); });
    connect(m_wymien, &QAction::triggered, this, [this] { emit Wymien(m_pozycja); });
    resize(0, 0);
}

void TObrazKarty::UstawObraz(const QImage &obraz)
{
    m_obraz = obraz;
    m_pomniejszony = QImage();
    // Only a card that is shown can be reached from the keyboard: a position
    // still waiting for its card during a deal must not be opened or turned.
    if (!m_rozciagniety) {
        setFocusPolicy(obraz.isNull() ? Qt::NoFocus : Qt::StrongFocus);
        if (obraz.isNull() && hasFocus())
            focusNextChild();
    }
    if (!m_rozciagniety)
        resize(obraz.isNull() ? QSize(0, 0) : WSkali(obraz.size(), m_skala));
    update();
}

void TObrazKarty::UstawSkale(double skala)
{
    skala = std::clamp(skala, 0.0, 1.0);
    if (skala == m_skala)
        return;
    m_skala = skala;
    m_pomniejszony = QImage();
    if (!m_rozciagniety)
        resize(m_obraz.isNull() ? QSize(0, 0) : WSkali(m_obraz.size(), m_skala));
    update();
}

void TObrazKarty::UstawRozciaganie(bool tak)
{
    m_rozciagniety = tak;
    update();
}

void TObrazKarty::paintEvent(QPaintEvent *)
{
    if (m_obraz.isNull())
        return;
    QPainter p(this);
    if (m_rozciagniety) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), m_obraz);
    } else if (size() == m_obraz.size()) {
        p.drawImage(0, 0, m_obraz);
    } else {
        // Shrunk once per size: the table repaints its cards often.
        if (m_pomniejszony.size() != size())
            m_pomniejszony = m_obraz.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(0, 0, m_pomniejszony);
    }
    if (hasFocus() && m_fokusZKlawiatury) {
        p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void TObrazKarty::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit Kliknieto(m_pozycja);
}

void TObrazKarty::contextMenuEvent(QContextMenuEvent *e)
{
    if (!isEnabled() || m_obraz.isNull())
        return;
    m_menu->popup(e->reason() == QContextMenuEvent::Mouse ? e->globalPos() : mapToGlobal(rect().center()));
}

void TObrazKarty::focusInEvent(QFocusEvent *e)
{
    // The focus frame is for keyboard users; a card that gets the focus
    // because it was the first one enabled shows none.
    m_fokusZKlawiatury = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(e);
    update();
}

void TObrazKarty::focusOutEvent(QFocusEvent *e)
{
    m_fokusZKlawiatury = false;
    QWidget::focusOutEvent(e);
    update();
}

void TObrazKarty::keyPressEvent(QKeyEvent *e)
{
    if (m_obraz.isNull()) {
        QWidget::keyPressEvent(e);
        return;
    }
    // Keyboard users open the card with Enter or Space and its menu with
    // Shift+F10 (the menu key reaches contextMenuEvent by itself).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        emit Kliknieto(m_pozycja);
        return;
    }
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        if (isEnabled())
            m_menu->popup(mapToGlobal(rect().center()));
        return;
    }
    QWidget::keyPressEvent(e);
}

TRamka::TRamka(QWidget *rodzic) : QWidget(rodzic), m_kolor(0, 128, 128)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TRamka::UstawKolor(const QColor &kolor)
{
    m_kolor = kolor;
    update();
}

void TRamka::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_kolor, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}
