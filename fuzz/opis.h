#pragma once
// The whole-import target: an add-on folder with every picture in place and a
// card store beside it, both on a memory file system when there is one, so
// that each input is a whole import as the settings window runs it.
#include "store/magazyn.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace OpisFuzz {

struct Srodowisko
{
    std::unique_ptr<QTemporaryDir> katalog;
    std::unique_ptr<MagazynKart> magazyn;
    QString folder; // the add-on folder, with a trailing separator
};

inline QByteArray Bmp(int a)
{
    QImage obraz(3, 2, QImage::Format_RGB888);
    obraz.fill(QColor(a % 256, 40, 90));
    return TestSupport::Bmp(obraz);
}

inline void Zapisz(const QString &plik, const QByteArray &bajty)
{
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly) || f.write(bajty) != bajty.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(plik));
        std::abort();
    }
}

// pliki: the picture names the add-on folder gets.
inline Srodowisko &Przygotuj(int *argc, char ***argv, const QStringList &pliki)
{
    static QCoreApplication app(*argc, *argv);
    static Srodowisko &s = *new Srodowisko;
    const QString baza = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    s.katalog = std::make_unique<QTemporaryDir>(baza + QStringLiteral("/lomi-fuzz-XXXXXX"));
    const QString k = s.katalog->path();
    QDir().mkpath(k + QStringLiteral("/dodatek"));
    s.folder = k + QStringLiteral("/dodatek/");
    int i = 0;
    for (const QString &p : pliki)
        Zapisz(s.folder + p, Bmp(++i));
    QString blad;
    s.magazyn = TestSupport::UtworzMagazyn(k + QStringLiteral("/Data/"), &blad);
    if (!s.magazyn) {
        std::fprintf(stderr, "store: %s\n", qPrintable(blad));
        std::abort();
    }
    // Gone before Qt's own globals, which the store still needs on its way out.
    std::atexit([] {
        s.magazyn.reset();
        s.katalog.reset();
    });
    return s;
}

// Whether the store holds line wOpisie of a descriptor, cut to dlugosc, as
// the name. The cut must not split a character; SQLite drops a byte order
// mark at the very start of a text and turns the noncharacters U+FFFE and
// U+FFFF and any unpaired surrogate into U+FFFD: characters no name holds.
inline bool TaSamaNazwa(const QString &zapisana, const QString &wiersz, int dlugosc)
{
    QString w = wiersz.left(dlugosc);
    if (!w.isEmpty() && w.back().isHighSurrogate())
        w.chop(1);
    if (w.startsWith(QChar(0xFEFF)))
        w.remove(0, 1);
    for (qsizetype i = 0; i < w.size(); ++i) {
        const QChar c = w[i];
        if (c.isHighSurrogate() && i + 1 < w.size() && w[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate() || c.unicode() >= 0xFFFE)
            w[i] = QChar(0xFFFD);
    }
    return zapisana == w;
}

inline void Usun(MagazynKart &m, const char *tekst, int wartosc)
{
    QSqlQuery q(m.Baza());
    q.prepare(QLatin1String(tekst));
    q.addBindValue(wartosc);
    if (!q.exec())
        std::abort();
}

} // namespace OpisFuzz
