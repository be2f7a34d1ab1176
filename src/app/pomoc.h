#pragma once
#include <QString>
#include <QUrl>

// A link followed from a help page: a page of the help folder stays in the
// help window, anything else (web pages, mail, other files) goes to the desktop.
bool StronaPomocy(const QUrl &cel, const QString &folderPomocy);
