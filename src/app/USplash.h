#pragma once
#include <QWidget>

class QLabel;

// The gauge: a horizontal bar 0..100 in navy on white with the whole
// percentage written on it; repaints at once when the percentage changes.
class TGauge : public QWidget
{
    Q_OBJECT
public:
    explicit TGauge(QWidget *rodzic);
    void UstawPostep(int wartosc);
    int Postep() const { return m_postep; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_postep = 0;
};

// The splash window shown while the program loads.
class TFSplash : public QWidget
{
    Q_OBJECT
public:
    TFSplash();
    TGauge *Gauge1 = nullptr;
    QLabel *Label1 = nullptr;
    // Sets the gauge to every whole value from a to b in turn.
    void Gauge(int a, int b);
    // Every value the gauge has shown, in order (start-up checks).
    QList<int> Przebieg;
};
