#include "app/pomoc.h"

#include <QDir>
#include <QFileInfo>

bool StronaPomocy(const QUrl &cel, const QString &folderPomocy)
{
    if (!cel.isLocalFile())
        return false;
    const QFileInfo plik(cel.toLocalFile());
    const QString rozszerzenie = plik.suffix().toLower();
    if (rozszerzenie != QLatin1String("html") && rozszerzenie != QLatin1String("htm"))
        return false;
    // Compared as absolute, cleaned paths: "../" cannot lead out of the folder.
    return QDir::cleanPath(plik.absolutePath()) == QDir::cleanPath(QFileInfo(folderPomocy).absoluteFilePath());
}
