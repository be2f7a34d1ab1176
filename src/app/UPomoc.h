#pragma once
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The help window: the program's HTML help pages in Qt's rich-text browser.
// Links between the pages are followed here; links that lead elsewhere go
// to the desktop. The main window owns it and closes it when it closes.
class TFPomoc : public QWidget
{
    Q_OBJECT
public:
    TFPomoc(const QString &folderPomocy, QWidget *rodzic);

    // Shows the page (a file of the help folder) and brings the window up.
    void Pokaz(const QString &sciezka);

    QTextBrowser *Przegladarka = nullptr;
    QToolButton *Wstecz = nullptr;
    QToolButton *Dalej = nullptr;
    QToolButton *SpisTresci = nullptr;

private:
    void LinkKlikniety(const QUrl &link);

    QString m_folder;
    QUrl m_poczatek; // the page the window was opened with
};
