#include "store/magazynuzytkownika.h"

#include "store/schemat.h"

#include "disk/zapisbezpieczny.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <unistd.h>

namespace {

QAtomicInt licznik;

// Which shipped store the user's store was last brought up to date with, and
// under which numbers its shipped decks and backgrounds live there.
struct Pochodzenie
{
    QString znak;
    QMap<int, int> talie; // shipped deck number -> the user's
    QMap<int, int> tla;   // shipped background ID -> the user's
};

QString PlikPochodzenia(const QString &folder)
{
    return folder + QLatin1String(Schemat::PlikMagazynu) + QStringLiteral(".pochodzenie");
}

Pochodzenie CzytajPochodzenie(const QString &plik)
{
    Pochodzenie p;
    QFile f(plik);
    if (!QFileInfo(plik).isFile() || !f.open(QIODevice::ReadOnly))
        return p;
    const QList<QByteArray> wiersze = f.read(64 * 1024).split('\n');
    for (const QByteArray &w : wiersze) {
        const QList<QByteArray> pola = w.trimmed().split(' ');
        if (pola.size() == 3 && pola[0] == "wysylany") {
            p.znak = QString::fromLatin1(pola[1] + ' ' + pola[2]);
        } else if (pola.size() == 3 && (pola[0] == "talia" || pola[0] == "tlo")) {
            bool ok1 = false, ok2 = false;
            const int z = pola[1].toInt(&ok1), na = pola[2].toInt(&ok2);
            if (ok1 && ok2)
                (pola[0] == "talia" ? p.talie : p.tla).insert(z, na);
        }
    }
    return p;
}

bool ZapiszPochodzenie(const QString &plik, const Pochodzenie &p, QString *blad)
{
    QByteArray t = "wysylany " + p.znak.toLatin1() + '\n';
    for (auto i = p.talie.cbegin(); i != p.talie.cend(); ++i)
        t += "talia " + QByteArray::number(i.key()) + ' ' + QByteArray::number(i.value()) + '\n';
    for (auto i = p.tla.cbegin(); i != p.tla.cend(); ++i)
        t += "tlo " + QByteArray::number(i.key()) + ' ' + QByteArray::number(i.value()) + '\n';
    QString powod;
    if (ZapiszBezpiecznie(plik, t, &powod))
        return true;
    if (blad)
        *blad = QStringLiteral("Nie można zapisać pliku \"%1\".\n%2").arg(QDir::toNativeSeparators(plik), powod);
    return false;
}

QString ZnakPliku(const QFileInfo &i)
{
    return QStringLiteral("%1 %2").arg(i.size()).arg(i.lastModified().toMSecsSinceEpoch());
}

// A copy that is either whole under its final name or not there at all.
bool KopiujCaly(const QString &z, const QString &do_, QString *blad)
{
    const QString tymczasowy = do_ + QStringLiteral(".kopia-%1").arg(QCoreApplication::applicationPid());
    QFile::remove(tymczasowy);
    bool ok = QFile::copy(z, tymczasowy);
    QString powod = ok ? QString() : QStringLiteral("Kopiowanie nie powiodło się.");
    if (ok) {
        QFile f(tymczasowy);
        ok = f.open(QIODevice::ReadWrite) && ::fsync(f.handle()) == 0;
        if (!ok)
            powod = f.errorString();
    }
    if (ok && std::rename(QFile::encodeName(tymczasowy).constData(), QFile::encodeName(do_).constData()) != 0) {
        ok = false;
        powod = QString::fromLocal8Bit(strerror(errno));
    }
    if (!ok) {
        QFile::remove(tymczasowy);
        if (blad)
            *blad = QStringLiteral("Nie można skopiować magazynu kart \"%1\" do \"%2\".\n%3")
                        .arg(QDir::toNativeSeparators(z), QDir::toNativeSeparators(do_), powod);
    }
    return ok;
}

// The numbers the shipped decks and backgrounds have in a fresh copy.
bool ZawartoscWysylana(const QString &plik, Pochodzenie &p, QString *blad)
{
    const QString nazwa = QStringLiteral("lomi-wysylany-%1").arg(licznik.fetchAndAddRelaxed(1));
    bool ok = true;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        b.setDatabaseName(plik);
        b.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(b);
        ok = b.open() && q.exec(QStringLiteral("select distinct NumerTalii from kartygraf"));
        while (ok && q.next())
            p.talie.insert(q.value(0).toInt(), q.value(0).toInt());
        ok = ok && q.exec(QStringLiteral("select ID from Tla"));
        while (ok && q.next())
            p.tla.insert(q.value(0).toInt(), q.value(0).toInt());
        if (!ok && blad)
            *blad = QStringLiteral("Nie można odczytać magazynu kart \"%1\".\n%2")
                        .arg(QDir::toNativeSeparators(plik), q.lastError().text());
        b.close();
    }
    QSqlDatabase::removeDatabase(nazwa);
    return ok;
}

class Aktualizacja
{
public:
    explicit Aktualizacja(QSqlDatabase b) : m_b(b) {}

    QSqlQuery Wykonaj(const QString &tekst, const QVariantList &wartosci = {})
    {
        QSqlQuery q(m_b);
        if (!q.prepare(tekst))
            throw q.lastError().text();
        for (const QVariant &v : wartosci)
            q.addBindValue(v);
        if (!q.exec())
            throw q.lastError().text();
        return q;
    }
    bool Jest(const QString &tekst, const QVariantList &wartosci)
    {
        QSqlQuery q = Wykonaj(tekst, wartosci);
        return q.next();
    }
    int Nastepny(const QString &tekst)
    {
        QSqlQuery q = Wykonaj(tekst);
        return q.next() ? q.value(0).toInt() + 1 : 1;
    }

    void Przenies(Pochodzenie &p)
    {
        // Headings and meanings are shipped content alone: imports add none.
        Wykonaj(QStringLiteral("delete from main.Karty"));
        Wykonaj(QStringLiteral("insert into main.Karty (NrUkladu, NrKarty, Opis) "
                               "select NrUkladu, NrKarty, Opis from w.Karty"));
        Wykonaj(QStringLiteral("delete from main.pary"));
        Wykonaj(QStringLiteral("insert into main.pary (NrPierwszej, Czy1wszaOdwrocona, NrDrugiej, "
                               "Czy2gaOdwrocona, opis) select NrPierwszej, Czy1wszaOdwrocona, NrDrugiej, "
                               "Czy2gaOdwrocona, opis from w.pary"));

        QMap<int, int> talie;
        QSqlQuery wt = Wykonaj(QStringLiteral("select NumerTalii, min(NazwaTalii) from w.kartygraf "
                                              "group by NumerTalii order by NumerTalii"));
        while (wt.next()) {
            const int n = wt.value(0).toInt();
            // Without a record of where it went, a shipped deck is the one
            // under its own number and name.
            int u = p.talie.value(n, -1);
            if (u < 0
                && Jest(QStringLiteral("select 1 from main.kartygraf where NumerTalii = ? and NazwaTalii = ?"),
                        {n, wt.value(1)}))
                u = n;
            if (u >= 0 && Jest(QStringLiteral("select 1 from main.kartygraf where NumerTalii = ?"), {u})) {
                Wykonaj(QStringLiteral("delete from main.kartygraf where NumerTalii = ?"), {u});
                Wykonaj(QStringLiteral("delete from main.Koszulki where NumerTalii = ?"), {u});
            } else if (Jest(QStringLiteral("select 1 from main.kartygraf where NumerTalii = ?"), {n})
                       || Jest(QStringLiteral("select 1 from main.Koszulki where NumerTalii = ?"), {n})) {
                u = Nastepny(QStringLiteral("select max(NumerTalii) from (select NumerTalii from main.kartygraf "
                                            "union select NumerTalii from main.Koszulki)"));
            } else {
                u = n;
            }
            // Card k of deck n has ID 24n + k, as an import would give it.
            Wykonaj(QStringLiteral("insert into main.kartygraf (ID, NrKarty, NumerTalii, NazwaTalii, NazwaKarty, "
                                   "Obrazek800, Obrazek1024, ObrazekBig, ObrazekMaly) "
                                   "select case when NumerTalii = ? then ID else 24 * ? + NrKarty end, NrKarty, ?, "
                                   "NazwaTalii, NazwaKarty, Obrazek800, Obrazek1024, ObrazekBig, ObrazekMaly "
                                   "from w.kartygraf where NumerTalii = ?"),
                    {u, u, u, n});
            Wykonaj(QStringLiteral("delete from main.Koszulki where NumerTalii = ?"), {u});
            Wykonaj(QStringLiteral("insert into main.Koszulki (NumerTalii, Koszulka) "
                                   "select ?, Koszulka from w.Koszulki where NumerTalii = ?"),
                    {u, n});
            talie.insert(n, u);
        }

        QMap<int, int> tla;
        QSqlQuery wb = Wykonaj(QStringLiteral("select ID, Nazwa from w.Tla order by ID"));
        while (wb.next()) {
            const int n = wb.value(0).toInt();
            int u = p.tla.value(n, -1);
            if (u < 0 && Jest(QStringLiteral("select 1 from main.Tla where ID = ? and Nazwa = ?"), {n, wb.value(1)}))
                u = n;
            if (u >= 0 && Jest(QStringLiteral("select 1 from main.Tla where ID = ?"), {u}))
                Wykonaj(QStringLiteral("delete from main.Tla where ID = ?"), {u});
            else if (Jest(QStringLiteral("select 1 from main.Tla where ID = ?"), {n}))
                u = Nastepny(QStringLiteral("select max(ID) from main.Tla"));
            else
                u = n;
            Wykonaj(QStringLiteral("insert into main.Tla (ID, Nazwa, Tlo, MaleTlo) "
                                   "select ?, Nazwa, Tlo, MaleTlo from w.Tla where ID = ?"),
                    {u, n});
            tla.insert(n, u);
        }
        p.talie = talie;
        p.tla = tla;
    }

private:
    QSqlDatabase m_b;
};

bool Aktualizuj(const QString &uzytkownika, const QString &wysylany, Pochodzenie &p, QString *blad)
{
    const QString nazwa = QStringLiteral("lomi-aktualizacja-%1").arg(licznik.fetchAndAddRelaxed(1));
    QString powod;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        b.setDatabaseName(uzytkownika);
        b.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!b.open()) {
            powod = b.lastError().text();
        } else {
            Aktualizacja a(b);
            bool wTransakcji = false;
            try {
                a.Wykonaj(QStringLiteral("attach database ? as w"), {wysylany});
                a.Wykonaj(QStringLiteral("begin immediate"));
                wTransakcji = true;
                Pochodzenie nowe = p;
                a.Przenies(nowe);
                a.Wykonaj(QStringLiteral("commit"));
                wTransakcji = false;
                p = nowe;
            } catch (const QString &e) {
                powod = e.isEmpty() ? QStringLiteral("Błąd magazynu kart.") : e;
                if (wTransakcji)
                    QSqlQuery(b).exec(QStringLiteral("rollback"));
            }
            QSqlQuery(b).exec(QStringLiteral("detach database w"));
            b.close();
        }
    }
    QSqlDatabase::removeDatabase(nazwa);
    if (!powod.isEmpty() && blad)
        *blad = QStringLiteral("Nie można uzupełnić magazynu kart \"%1\" treścią nowej wersji programu.\n%2")
                    .arg(QDir::toNativeSeparators(uzytkownika), powod);
    return powod.isEmpty();
}

}

bool PrzygotujMagazynUzytkownika(const QString &folderWysylany, const QString &folderUzytkownika, QString *blad)
{
    const QString nazwa = QLatin1String(Schemat::PlikMagazynu);
    const QString wysylany = folderWysylany + nazwa;
    const QString wlasny = folderUzytkownika + nazwa;
    const QFileInfo info(wysylany);
    if (!info.isFile()) {
        if (blad)
            *blad = QStringLiteral("Nie można otworzyć magazynu kart \"%1\".\nPlik nie istnieje.")
                        .arg(QDir::toNativeSeparators(wysylany));
        return false;
    }
    if (!QDir().mkpath(folderUzytkownika)) {
        if (blad)
            *blad =
                QStringLiteral("Nie można utworzyć folderu \"%1\".").arg(QDir::toNativeSeparators(folderUzytkownika));
        return false;
    }
    QLockFile blokada(folderUzytkownika + nazwa + QStringLiteral(".blokada"));
    if (!blokada.tryLock(60000)) {
        if (blad)
            *blad = QStringLiteral("Magazyn kart \"%1\" jest zajęty przez inną kopię programu.")
                        .arg(QDir::toNativeSeparators(wlasny));
        return false;
    }
    const QString znak = ZnakPliku(info);
    const QString plikPochodzenia = PlikPochodzenia(folderUzytkownika);
    if (!QFileInfo::exists(wlasny)) {
        // Copies left by a start that was killed half way.
        for (const QString &stara :
             QDir(folderUzytkownika).entryList({nazwa + QStringLiteral(".kopia-*")}, QDir::Files))
            QFile::remove(folderUzytkownika + stara);
        Pochodzenie p;
        p.znak = znak;
        if (!ZawartoscWysylana(wysylany, p, blad) || !KopiujCaly(wysylany, wlasny, blad))
            return false;
        // Without this record the next start finds the same content by number and name.
        ZapiszPochodzenie(plikPochodzenia, p, nullptr);
        return true;
    }
    Pochodzenie p = CzytajPochodzenie(plikPochodzenia);
    if (p.znak == znak)
        return true;
    if (!Aktualizuj(wlasny, wysylany, p, blad))
        return false;
    p.znak = znak;
    return ZapiszPochodzenie(plikPochodzenia, p, blad);
}
