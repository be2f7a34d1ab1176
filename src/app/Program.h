#pragma once
#include "app/Uglowna.h"

#include <QStringList>
#include <memory>

class MagazynKart;
class TFSplash;
class DialogWyboruPliku;

// The whole program: every window created once, in the start-up order, and
// owned here until the program ends.
class TProgram
{
public:
    TProgram();
    ~TProgram();

    // Start-up up to and including showing the main window: splash and
    // gauge, the windows, the warm-up of the card store. On failure the
    // splash is gone and blad holds the text to report; nothing is shown.
    bool Uruchom(const QString &katalogProgramu, QString *blad);
    // After the main window is shown: the spread file named by the command
    // line (arguments without the program name), if any.
    void OtworzZArgumentow(const QStringList &argumenty);

    TForm1 *Form1() const { return m_form1.get(); }
    MagazynKart *Magazyn() const { return m_magazyn.get(); }
    // The values the splash gauge went through (start-up checks).
    QList<int> PrzebiegWskaznika;
    bool SplashZamknietyPrzedPokazaniem = false;

private:
    std::unique_ptr<MagazynKart> m_magazyn;
    std::unique_ptr<DialogWyboruPliku> m_wybor;
    std::unique_ptr<TForm1> m_form1;
    OknaProgramu m_okna;
    QString m_ostrzezenie; // the user's folders could not be made
};

// The program's entry after QApplication exists: returns the exit code.
int UruchomLomi(const QStringList &argumenty);
