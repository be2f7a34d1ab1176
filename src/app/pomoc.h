#pragma once
#include <QString>
#include <QUrl>

// The help documents that come with the program, in its folder "help".
enum class DokumentPomocy { Pomoc, Samouczek, Literatura };

// Every help path is built here from the program folder.
QString FolderPomocy(const QString &katalogProgramu);
QString SciezkaDokumentu(const QString &katalogProgramu, DokumentPomocy dokument);

// A link followed from a help page: a page of the help folder stays in the
// help window, anything else (web pages, mail, other files) goes to the desktop.
bool StronaPomocy(const QUrl &cel, const QString &folderPomocy);
