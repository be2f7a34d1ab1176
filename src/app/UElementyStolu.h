#pragma once
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QWidget>

// The table-top picture (Image16): the background drawn stretched to its size.
class TStol : public QWidget
{
    Q_OBJECT
public:
    explicit TStol(QWidget *rodzic = nullptr);
    void UstawObraz(const QImage &obraz);
    QImage Obraz() const { return m_obraz; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_obraz;
    QImage m_skalowany; // cached at the current size: the table repaints on every card
};

// A card image of the table (Image1..Image15): takes the size of its picture,
// shows nothing without one, reacts to clicks and offers its popup menu only
// while enabled.
class TObrazKarty : public QWidget
{
    Q_OBJECT
public:
    TObrazKarty(int pozycja, QWidget *rodzic);
    int Pozycja() const { return m_pozycja; }
    void UstawObraz(const QImage &obraz); // null clears
    // Stretched: keeps its own size and draws the picture scaled into it (the
    // card description window's picture).
    void UstawRozciaganie(bool tak);
    // On a table too small for the spread the picture is shown shrunk by
    // skala (at most 1); Obraz() stays the picture itself.
    void UstawSkale(double skala);
    QImage Obraz() const { return m_obraz; }
    QMenu *PopupMenu() const { return m_menu; }
    QAction *MenuOdwroc() const { return m_odwroc; }
    QAction *MenuWymien() const { return m_wymien; }

signals:
    void Kliknieto(int pozycja);
    void Odwroc(int pozycja);
    void Wymien(int pozycja);

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void contextMenuEvent(QContextMenuEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void focusInEvent(QFocusEvent *) override;
    void focusOutEvent(QFocusEvent *) override;

private:
    int m_pozycja;
    bool m_fokusZKlawiatury = false;
    QImage m_obraz;
    QImage m_pomniejszony; // cached at the current size
    double m_skala = 1.0;
    bool m_rozciagniety = false;
    QMenu *m_menu;
    QAction *m_odwroc;
    QAction *m_wymien;
};

// A position frame (Shape1..Shape15): a rounded rectangle, 2-pixel pen, no fill.
class TRamka : public QWidget
{
    Q_OBJECT
public:
    explicit TRamka(QWidget *rodzic);
    void UstawKolor(const QColor &kolor);
    QColor Kolor() const { return m_kolor; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QColor m_kolor;
};
