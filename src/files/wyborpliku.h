#pragma once
#include <QString>

class QWidget;

// Filters, proposed names and extensions of the spread file and the text export.
inline const QString FiltrUkladow = QStringLiteral("Pliki układów programu Kivel (*.rzk)");
inline const QString FiltrTekstow = QStringLiteral("Pliki tekstowe (*.txt)");
inline const QString NazwaPlikuUkladu = QStringLiteral("uklad.rzk");
inline const QString NazwaPlikuTekstu = QStringLiteral("uklad.txt");
inline const QString RozszerzenieUkladu = QStringLiteral("rzk");
inline const QString RozszerzenieTekstu = QStringLiteral("txt");

// Asks the user for a file. Every call returns the chosen path, or an empty
// string when the user cancelled. Tests put a scripted chooser in its place.
class WyborPliku
{
public:
    virtual ~WyborPliku() = default;
    // Save: appends rozszerzenie to a name typed without one, asks before an
    // existing file is replaced.
    virtual QString PlikDoZapisu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                                 const QString &rozszerzenie, const QString &folderStartowy) = 0;
    // Open: only a file that exists is accepted; proponowanaNazwa stands in
    // the name field.
    virtual QString PlikDoOdczytu(QWidget *rodzic, const QString &filtr, const QString &proponowanaNazwa,
                                  const QString &folderStartowy) = 0;
    // Any existing file, without a filter.
    virtual QString DowolnyPlik(QWidget *rodzic, const QString &folderStartowy) = 0;
};
