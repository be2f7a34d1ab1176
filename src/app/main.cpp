#include "app/Program.h"
#include "app/pomiarstartu.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    PomiarStartu::Zacznij(); // start-up measurement only; see pomiarstartu.h
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("lomi"));
    // Qt's own dialogs (files, printing, message details) speak Polish too.
    QTranslator qtPl;
    if (qtPl.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtPl);
    return UruchomLomi(app.arguments().mid(1));
}
