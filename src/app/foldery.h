#pragma once
#include <QString>
#include <QStringList>

// Where the program reads and writes its files. Every path the program uses
// comes from here.
//
// Portable: the executable's folder holds the card store and the user may
// write to it (the build folder, an unpacked copy). Everything lies in that
// folder, as it always has.
//
// Installed: the executable's folder is not the user's (a system-wide or
// packaged install). What ships with the program (help, miniatures, add-ons,
// the questionnaire, the shipped card store, the default background) is read
// where it was installed; what the program writes belongs to the user who
// runs it, in the XDG folders, so that users of one computer do not share
// settings and nobody needs to write under /usr.
// The help documents that come with the program, in its folder "help".
enum class DokumentPomocy
{
    Pomoc,
    Samouczek,
    Literatura,
    Dodatki
};

class FolderyProgramu
{
public:
    enum class Tryb
    {
        Przenosny,
        Zainstalowany
    };

    // Decides the mode from the executable's folder (without a trailing
    // separator). The user's folders follow $XDG_CONFIG_HOME,
    // $XDG_DATA_HOME and the documents folder.
    static FolderyProgramu Wykryj(const QString &katalogProgramu);
    static FolderyProgramu Przenosne(const QString &katalogProgramu);
    // folderWysylany: where the shipped files lie (help/, Data/, ...).
    static FolderyProgramu Zainstalowane(const QString &katalogProgramu, const QString &folderWysylany,
                                         const QString &folderKonfiguracji, const QString &folderDanych,
                                         const QString &folderDokumentow);

    Tryb TrybPracy() const { return m_tryb; }
    bool Przenosny() const { return m_tryb == Tryb::Przenosny; }
    QString KatalogProgramu() const { return m_katalog; }
    // Portable paths follow the program folder; the main window's tests move it.
    void UstawKatalogProgramu(const QString &katalog) { m_katalog = katalog; }

    // --- shipped, read only ---
    QString FolderPomocy() const; // with a trailing separator
    QString Dokument(DokumentPomocy dokument) const;
    QString Miniatura(int nrUkladu) const; // 1..16
    QString FolderDodatkow() const;
    QString Ankieta() const;
    QString FolderMagazynuWysylanego() const; // with a trailing separator
    QString TloWysylane() const;

    // --- the user's ---
    QString PlikUstawien() const;
    QString FolderMagazynu() const;   // the store the program opens, trailing separator
    QString PlikTla() const;          // the background cache the settings window writes
    QString PlikTlaDoOdczytu() const; // the user's cache, else the shipped default
    QString FolderZapisu() const;     // start of the spread and text dialogs, trailing separator

    // The user's folders that must exist before anything is written there
    // (none in portable mode: the build makes them).
    QStringList FolderyUzytkownika() const;

private:
    QString Wysylany(const QString &wzgledna) const;

    Tryb m_tryb = Tryb::Przenosny;
    QString m_katalog;
    QString m_wysylany;
    QString m_konfiguracja;
    QString m_dane;
    QString m_dokumenty;
};

// Makes the user's folders. Returns the text of one message naming every
// folder that could not be made or written, or an empty text.
QString UtworzFolderyUzytkownika(const FolderyProgramu &f);
