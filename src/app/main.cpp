#include "app/Program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return UruchomLomi(app.arguments().mid(1));
}
