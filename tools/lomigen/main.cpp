#include "generator.h"

#include <QGuiApplication>

#include <cstdio>

// lomigen <data dir> <program dir>         generate everything the program ships
// lomigen --arkusz <program dir> <out.png>  contact sheets of what was generated
int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen; the build may run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == QLatin1String("--arkusz"))
        return arkusz(a[2], a[3]);
    if (a.size() == 3 && !a[1].startsWith(QLatin1String("--")))
        return generuj(a[1], a[2]);
    std::fprintf(stderr,
                 "usage: lomigen <data dir> <program dir>\n"
                 "       lomigen --arkusz <program dir> <out.png>\n");
    return 2;
}
