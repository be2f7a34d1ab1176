#include "app/foldery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// access() and not the permission bits: it also answers for read-only mounts
// and for the user the program really runs as.
bool Zapisywalny(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString Folder(QStandardPaths::StandardLocation gdzie, const QString &nazwa)
{
    QString baza = QStandardPaths::writableLocation(gdzie);
    if (baza.isEmpty())
        baza = QDir::homePath();
    return baza + QLatin1Char('/') + nazwa;
}

}

FolderyProgramu FolderyProgramu::Przenosne(const QString &katalogProgramu)
{
    FolderyProgramu f;
    f.m_tryb = Tryb::Przenosny;
    f.m_katalog = katalogProgramu;
    return f;
}

FolderyProgramu FolderyProgramu::Zainstalowane(const QString &katalogProgramu, const QString &folderWysylany,
                                               const QString &folderKonfiguracji, const QString &folderDanych,
                                               const QString &folderDokumentow)
{
    FolderyProgramu f;
    f.m_tryb = Tryb::Zainstalowany;
    f.m_katalog = katalogProgramu;
    f.m_wysylany = folderWysylany;
    f.m_konfiguracja = folderKonfiguracji;
    f.m_dane = folderDanych;
    f.m_dokumenty = folderDokumentow;
    return f;
}

FolderyProgramu FolderyProgramu::Wykryj(const QString &katalogProgramu)
{
    // An executable with its store beside it is a program folder of its own;
    // one in bin/ finds what was installed with it in ../share/lomi.
    const bool magazynObok = QFileInfo(katalogProgramu + QStringLiteral("/Data")).isDir();
    const QString udzial = QDir::cleanPath(katalogProgramu + QStringLiteral("/../share/lomi"));
    const bool zainstalowanyObok = !magazynObok && QFileInfo(udzial + QStringLiteral("/Data")).isDir();
    if (Zapisywalny(katalogProgramu) && !zainstalowanyObok
        && (!magazynObok || Zapisywalny(katalogProgramu + QStringLiteral("/Data"))))
        return Przenosne(katalogProgramu);
    return Zainstalowane(katalogProgramu, magazynObok ? katalogProgramu : udzial,
                         Folder(QStandardPaths::GenericConfigLocation, QStringLiteral("lomi")),
                         Folder(QStandardPaths::GenericDataLocation, QStringLiteral("lomi")),
                         Folder(QStandardPaths::DocumentsLocation, QStringLiteral("Lomi")));
}

QString FolderyProgramu::Wysylany(const QString &wzgledna) const
{
    return (Przenosny() ? m_katalog : m_wysylany) + QLatin1Char('/') + wzgledna;
}

QString FolderyProgramu::FolderPomocy() const
{
    return Wysylany(QStringLiteral("help/"));
}

QString FolderyProgramu::Dokument(DokumentPomocy dokument) const
{
    switch (dokument) {
    case DokumentPomocy::Samouczek:
        return FolderPomocy() + QStringLiteral("samouczek.html");
    case DokumentPomocy::Literatura:
        return FolderPomocy() + QStringLiteral("literatura.html");
    case DokumentPomocy::Dodatki:
        return FolderPomocy() + QStringLiteral("dodatki.html");
    case DokumentPomocy::Pomoc:
        break;
    }
    return FolderPomocy() + QStringLiteral("Lomihlp.html");
}

QString FolderyProgramu::Miniatura(int nrUkladu) const
{
    return Wysylany(QStringLiteral("miniatury/%1uklad.jpg").arg(nrUkladu));
}

QString FolderyProgramu::FolderDodatkow() const
{
    const QString dodatki = Wysylany(QStringLiteral("dodatki"));
    return QFileInfo(dodatki).isDir() ? dodatki : (Przenosny() ? m_katalog : m_wysylany);
}

QString FolderyProgramu::Ankieta() const
{
    // A portable copy looks in the current working folder, as it always did.
    return Przenosny() ? QStringLiteral("ankieta.rtf") : Wysylany(QStringLiteral("ankieta.rtf"));
}

QString FolderyProgramu::FolderMagazynuWysylanego() const
{
    return Wysylany(QStringLiteral("Data/"));
}

QString FolderyProgramu::TloWysylane() const
{
    return Wysylany(QStringLiteral("tmptlo.bmp"));
}

QString FolderyProgramu::PlikUstawien() const
{
    return (Przenosny() ? m_katalog : m_konfiguracja) + QStringLiteral("/Lomi.ini");
}

QString FolderyProgramu::FolderMagazynu() const
{
    return Przenosny() ? FolderMagazynuWysylanego() : m_dane + QStringLiteral("/Data/");
}

QString FolderyProgramu::PlikTla() const
{
    return (Przenosny() ? m_katalog : m_dane) + QStringLiteral("/tmptlo.bmp");
}

QString FolderyProgramu::PlikTlaDoOdczytu() const
{
    const QString wlasny = PlikTla();
    return Przenosny() || QFileInfo::exists(wlasny) ? wlasny : TloWysylane();
}

QString FolderyProgramu::FolderZapisu() const
{
    return (Przenosny() ? m_katalog + QStringLiteral("/Save") : m_dokumenty) + QLatin1Char('/');
}

QStringList FolderyProgramu::FolderyUzytkownika() const
{
    if (Przenosny())
        return {};
    return {m_konfiguracja, m_dane, m_dane + QStringLiteral("/Data"), m_dokumenty};
}

QString UtworzFolderyUzytkownika(const FolderyProgramu &f)
{
    QStringList zle;
    for (const QString &folder : f.FolderyUzytkownika())
        if (!QDir().mkpath(folder) || !Zapisywalny(folder))
            zle << QDir::toNativeSeparators(folder);
    if (zle.isEmpty())
        return {};
    return QStringLiteral("Nie można utworzyć folderu ani w nim zapisywać:\n%1\n\n"
                          "Rozkłady można stawiać i czytać, ale ustawienia, zapisane rozkłady, "
                          "zaimportowane talie i tła nie zostaną zachowane.")
        .arg(zle.join(QLatin1Char('\n')));
}
