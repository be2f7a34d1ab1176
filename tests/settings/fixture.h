#pragma once
// Small card stores and add-on folders for the import and settings tests.
#include "settings/dodatki.h"
#include "store/magazyn.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QtTest>

#include <memory>

namespace Fixture {

// A tiny BMP whose bytes differ for every (a, b).
inline QByteArray Bmp(int a, int b, int szerokosc = 4)
{
    QImage obraz(szerokosc, 3, QImage::Format_RGB32);
    obraz.fill(QColor(a % 256, b % 256, (a * 7 + b) % 256));
    return TestSupport::Bmp(obraz);
}

inline void Zapisz(const QString &plik, const QByteArray &bajty)
{
    QFile f(plik);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(plik));
    f.write(bajty);
}

inline QByteArray Czytaj(const QString &plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray Cp1250(const QString &tekst)
{
    QStringEncoder e("windows-1250");
    return e.encode(tekst);
}

using Dodatki::PlikiKarty;

// A deck add-on folder: "talia.txt" with the given bytes, the 96 card pictures
// and "koszulka.bmp", all distinct, except the files named in pominiete.
inline void ZrobTalie(const QString &folder, const QByteArray &opis, const QStringList &pominiete = {})
{
    QDir().mkpath(folder);
    Zapisz(folder + QLatin1Char('/') + QLatin1String(Dodatki::OpisTalii), opis);
    for (int k = 1; k <= 24; ++k) {
        const QStringList pliki = PlikiKarty(k);
        for (int i = 0; i < 4; ++i)
            if (!pominiete.contains(pliki[i]))
                Zapisz(folder + QLatin1Char('/') + pliki[i], Bmp(k, i + 1, 4 + i));
    }
    if (!pominiete.contains(QLatin1String(Dodatki::PlikKoszulki)))
        Zapisz(folder + QLatin1Char('/') + QLatin1String(Dodatki::PlikKoszulki), Bmp(200, 200, 5));
}

// A background add-on folder: "stoliki.txt", "tlo_k.bmp" for k in pelne,
// "m_tlo_k.bmp" for k in male.
inline void ZrobTla(const QString &folder, const QByteArray &opis, const QList<int> &pelne, const QList<int> &male)
{
    QDir().mkpath(folder);
    Zapisz(folder + QLatin1Char('/') + QLatin1String(Dodatki::OpisTel), opis);
    for (int k : pelne)
        Zapisz(folder + QLatin1Char('/') + Dodatki::PlikTla(k), Bmp(100 + k, 1, 8));
    for (int k : male)
        Zapisz(folder + QLatin1Char('/') + Dodatki::PlikMalegoTla(k), Bmp(100 + k, 2, 3));
}

// A store in folder + "/Data/" holding decks 1..talie (24 named cards and a
// back each) and backgrounds 1..tla with pictures.
inline std::unique_ptr<MagazynKart> Magazyn(const QString &folder, int talie, int tla)
{
    QString blad;
    auto m = TestSupport::UtworzMagazyn(folder + QStringLiteral("/Data/"), &blad);
    if (!m)
        qFatal("%s", qPrintable(blad));
    m->RozpocznijTransakcje(); // one sync to disk instead of hundreds
    for (int n = 1; n <= talie; ++n) {
        for (int k = 1; k <= 24; ++k) {
            m->WstawKarte(24 * n + k, k, n, QStringLiteral("Talia %1").arg(n), QStringLiteral("Karta %1").arg(k));
            m->ZapiszObrazyKarty(24 * n + k, n, k, Bmp(n, k), Bmp(n, k), Bmp(n, k), Bmp(n, k));
        }
        m->WstawKoszulke(n, Bmp(50 + n, 50, 6));
    }
    for (int id = 1; id <= tla; ++id)
        m->WstawTlo(id, QStringLiteral("Stół %1").arg(id), Bmp(id, 90, 10), Bmp(id, 91, 4));
    m->ZatwierdzTransakcje();
    return m;
}

inline int Liczba(MagazynKart &m, const QString &zapytanie)
{
    QSqlQuery q(m.Baza());
    return q.exec(zapytanie) && q.next() ? q.value(0).toInt() : -1;
}

} // namespace Fixture
