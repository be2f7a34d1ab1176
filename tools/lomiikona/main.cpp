#include "app/ikony.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

// lomiikona <size> <file.png>   the program's icon at one size, for the
// desktop's icon theme
int main(int argc, char *argv[])
{
    // Drawing needs no screen; the build may run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    bool ok = false;
    const int rozmiar = a.size() == 3 ? a[1].toInt(&ok) : 0;
    if (!ok || rozmiar < 8 || rozmiar > 1024) {
        std::fprintf(stderr, "usage: lomiikona <size 8..1024> <file.png>\n");
        return 2;
    }
    QDir().mkpath(QFileInfo(a[2]).absolutePath());
    if (!ObrazIkonyProgramu(rozmiar).save(a[2], "PNG")) {
        std::fprintf(stderr, "lomiikona: cannot write %s\n", qPrintable(a[2]));
        return 1;
    }
    return 0;
}
