#include "app/Program.h"
#include "app/pomiarstartu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    PomiarStartu::Zacznij();
    QApplication app(argc, argv);
    return UruchomLomi(app.arguments().mid(1));
}
