#include "app/USplash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
// The splash picture: drawn here, a row of runes over a dusk sky.
QImage obrazPowitalny(QSize rozmiar)
{
    QImage img(rozmiar, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient niebo(0, 0, 0, rozmiar.height());
    niebo.setColorAt(0, QColor(18, 24, 54));
    niebo.setColorAt(0.7, QColor(70, 52, 88));
    niebo.setColorAt(1, QColor(160, 100, 70));
    p.fillRect(img.rect(), niebo);
    p.setPen(QPen(QColor(235, 200, 120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Fehu, Uruz, Ansuz, Raidho, Kenaz, Gebo: a few strokes each, 30 px tall
    const int y0 = 90, h = 46;
    int x = 34;
    auto linia = [&](double x1, double y1, double x2, double y2) {
        p.drawLine(QPointF(x + x1, y0 + y1), QPointF(x + x2, y0 + y2));
    };
    // Fehu
    linia(0, 0, 0, h);
    linia(0, 8, 16, 0);
    linia(0, 20, 16, 12);
    x += 44;
    // Uruz
    linia(0, 0, 0, h);
    linia(0, 0, 18, 14);
    linia(18, 14, 18, h);
    x += 44;
    // Ansuz
    linia(0, 0, 0, h);
    linia(0, 0, 16, 10);
    linia(0, 12, 16, 22);
    x += 44;
    // Raidho
    linia(0, 0, 0, h);
    linia(0, 0, 14, 8);
    linia(14, 8, 0, 20);
    linia(0, 20, 16, h);
    x += 44;
    // Kenaz
    linia(12, 0, 0, h / 2.0);
    linia(0, h / 2.0, 12, h);
    x += 40;
    // Gebo
    linia(0, 0, 22, h);
    linia(22, 0, 0, h);
    x += 44;
    p.setPen(QColor(250, 240, 220));
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 10, rozmiar.width(), 60), Qt::AlignCenter, QStringLiteral("Lomi"));
    return img;
}
}

TGauge::TGauge(QWidget *rodzic) : QWidget(rodzic)
{
}

void TGauge::UstawPostep(int wartosc)
{
    wartosc = qBound(0, wartosc, 100);
    if (wartosc == m_postep)
        return;
    m_postep = wartosc;
    repaint(); // the message loop does not run during start-up
}

void TGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int w = width() * m_postep / 100;
    p.fillRect(QRect(0, 0, w, height()), QColor(0, 0, 128));
    const QString t = QStringLiteral("%1%").arg(m_postep);
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    // The percentage reads white over the bar and navy over the white rest.
    p.setClipRect(QRect(0, 0, w, height()));
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, t);
    p.setClipRect(QRect(w, 0, width() - w, height()));
    p.setPen(QColor(0, 0, 128));
    p.drawText(rect(), Qt::AlignCenter, t);
    p.setClipping(false);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TFSplash::TFSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(329, 240);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    auto *obraz = new QLabel(this);
    obraz->setGeometry(5, 5, 319, 196);
    obraz->setPixmap(QPixmap::fromImage(obrazPowitalny(QSize(319, 196))));
    obraz->setScaledContents(true);
    Label1 = new QLabel(QStringLiteral("Ładowanie aplikacji..."), this);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    f.setBold(true);
    Label1->setFont(f);
    Label1->move(35, 200);
    Label1->adjustSize();
    Gauge1 = new TGauge(this);
    Gauge1->setGeometry(36, 219, 260, 13);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TFSplash::Gauge(int a, int b)
{
    for (int v = a; v <= b; ++v) {
        Gauge1->UstawPostep(v);
        Przebieg << v;
    }
}
