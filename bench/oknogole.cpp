// The floor of the start-up figures: a bare Qt Widgets main window that
// reports its first paint exactly as the program does (LOMI_POMIAR_STARTU).
#include "app/pomiarstartu.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

// The same trigger as the program's: the first paint of the client area, the
// report queued behind it so that the whole paint is done.
class Okno : public QMainWindow
{
public:
    Okno()
    {
        setCentralWidget(new QWidget(this));
        centralWidget()->installEventFilter(this);
        resize(1024, 768);
        setWindowState(windowState() | Qt::WindowMaximized);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o == centralWidget() && !m_pomalowane) {
            m_pomalowane = true;
            QTimer::singleShot(0, this, [] { PomiarStartu::Zglos(); });
        }
        return QMainWindow::eventFilter(o, e);
    }

private:
    bool m_pomalowane = false;
};

} // namespace

int main(int argc, char *argv[])
{
    PomiarStartu::Zacznij();
    QApplication app(argc, argv);
    Okno okno;
    okno.show();
    return app.exec();
}
