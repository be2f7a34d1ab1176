#pragma once
// The whole program on a small program folder, for the main window's tests
// (tst_okno_*: they link the program).
#include "app/Program.h"
#include "app/UElementyStolu.h"
#include "app/komunikaty.h"
#include "files/wyborpliku.h"
#include "settings/UUstawienia.h"
#include "spread/czekaj.h"
#include "spread/katalog.h"
#include "spread/obraz.h"
#include "store/magazyn.h"
#include "testsupport.h"

#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

// A file chooser that hands out queued paths ("" is a cancelled dialog) and
// remembers what the last call asked for.
class WyborSkryptowy : public WyborPliku
{
public:
    QStringList odpowiedzi;
    QString filtr, proponowanaNazwa, rozszerzenie, folderStartowy;

    QString PlikDoZapisu(QWidget *, const QString &f, const QString &nazwa, const QString &roz,
                         const QString &folder) override
    {
        filtr = f;
        proponowanaNazwa = nazwa;
        rozszerzenie = roz;
        folderStartowy = folder;
        return odpowiedzi.isEmpty() ? QString() : odpowiedzi.takeFirst();
    }
    QString PlikDoOdczytu(QWidget *, const QString &f, const QString &nazwa, const QString &folder) override
    {
        filtr = f;
        proponowanaNazwa = nazwa;
        folderStartowy = folder;
        return odpowiedzi.isEmpty() ? QString() : odpowiedzi.takeFirst();
    }
    QString DowolnyPlik(QWidget *, const QString &folder) override
    {
        folderStartowy = folder;
        return odpowiedzi.isEmpty() ? QString() : odpowiedzi.takeFirst();
    }
};

// Started program: message boxes recorded, documents not opened, the file
// chooser scripted. The program goes before the chooser it points to.
// A deal shows its cards without the half-second pause between them; a test
// of commands that meet a deal still running calls PrawdziwaPauza().
struct ProgramTestowy
{
    ProgramTestowy() { UstawPauzeOdslony(0); }
    void PrawdziwaPauza() { UstawPauzeOdslony(-1); }

    QTemporaryDir dir;
    QString folder;
    WyborSkryptowy wybor;
    QStringList komunikaty;
    std::unique_ptr<TProgram> program;

    bool Uruchom()
    {
        UstawOdbiorceKomunikatow([this](const QString &t, const QString &) { komunikaty << t; });
        UstawOtwieraczDokumentow([](const QUrl &) { return true; });
        folder = UtworzFolderProgramu(dir.path());
        if (folder.isEmpty())
            return false;
        program = std::make_unique<TProgram>();
        if (!program->Uruchom(folder, nullptr))
            return false;
        program->Form1()->UstawWyborPliku(&wybor);
        return true;
    }
    ~ProgramTestowy()
    {
        program.reset();
        UstawOdbiorceKomunikatow({});
        UstawOtwieraczDokumentow({});
        UstawPauzeOdslony(-1);
    }
    TForm1 *f() const { return program->Form1(); }
    TFUstawienia *ustawienia() const { return program->Form1()->Okna().Ustawienia; }
};

// A random deal of spread n from deck talia, which the settings window's deck
// list shows too; returns when the last card is shown.
inline void Rozdaj(TForm1 *f, int n, int talia = 1)
{
    f->NastUklad = n;
    f->Talia = talia;
    f->UlozenieLosowo = true;
    f->Okna().Ustawienia->UstawKluczTalii(talia);
    f->NowyRozklad();
}

// The upright picture the table shows for a card, straight from the store.
inline QImage ObrazZMagazynu(TForm1 *f, int nrKarty, int talia, const QString &kolumna)
{
    return ObrazZBajtow(f->Magazyn().ObrazekKarty(nrKarty, talia, kolumna));
}

// Number of positions whose card image holds a picture.
inline int Pokazane(TForm1 *f)
{
    int n = 0;
    for (int p = 1; p <= 15; ++p)
        n += f->Obrazki[p]->Obraz().isNull() ? 0 : 1;
    return n;
}

// The picture of a card lying reversed is the upright one turned by 180
// degrees: each corner holds the opposite corner's pixel.
inline bool Odwrocony(const QImage &obraz, const QImage &prosty)
{
    if (obraz.isNull() || obraz.size() != prosty.size())
        return false;
    const int w = obraz.width() - 1, h = obraz.height() - 1;
    return obraz.pixel(0, 0) == prosty.pixel(w, h) && obraz.pixel(w, h) == prosty.pixel(0, 0)
        && obraz.pixel(w, 0) == prosty.pixel(0, h);
}

}
