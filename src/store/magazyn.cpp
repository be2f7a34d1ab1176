#include "store/magazyn.h"
#include "store/schemat.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt licznikPolaczen;

QString nowePolaczenie()
{
    return QStringLiteral("lomi-magazyn-%1").arg(licznikPolaczen.fetchAndAddRelaxed(1));
}
}

std::unique_ptr<MagazynKart> MagazynKart::Otworz(const QString &folderDanych, QString *blad)
{
    const QString plik = folderDanych + QLatin1String(Schemat::PlikMagazynu);
    auto zglos = [&](const QString &powod) {
        if (blad)
            *blad = QStringLiteral("Nie można otworzyć magazynu kart \"%1\".\n%2").arg(plik, powod);
        return nullptr;
    };
    const QFileInfo info(plik);
    if (!info.exists())
        return zglos(QStringLiteral("Plik nie istnieje."));
    if (!info.isFile() || !info.isReadable())
        return zglos(QStringLiteral("Plik nie daje się odczytać."));

    std::unique_ptr<MagazynKart> m(new MagazynKart);
    m->m_plik = plik;
    m->m_polaczenie = nowePolaczenie();
    m->m_baza = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m->m_polaczenie);
    if (!m->m_baza.isValid())
        return zglos(QStringLiteral("Brak sterownika SQLite (QSQLITE)."));
    m->m_baza.setDatabaseName(plik);
    if (!m->m_baza.open())
        return zglos(m->m_baza.lastError().text());

    const QSqlDatabase &b = m->m_baza;
    m->Query1 = Zapytanie(
        b,
        {"Select obrazek800,obrazek1024, obrazekBig from kartygraf where NrKarty=:Nrkarty", "And Numertalii=:Talia"});
    m->Query2 = Zapytanie(b,
                          {"SELECT opis FROM pary WHERE", "NrPierwszej=:Pierwsza AND ",
                           "Czy1wszaOdwrocona=:Czy1Odwr AND ", "NrDrugiej=:Druga AND", " Czy2gaOdwrocona=:Czy2Odwr"});
    m->Query3 = Zapytanie(b, {"SELECT NazwaKarty FROM KartyGraf WHERE ", "NrKarty=:karta and", "NumerTalii=:talia"});
    m->QueryOpisKarty =
        Zapytanie(b, {"select Opis from Karty where", "(Karty.NrUkladu=:NrUkladu) and (Karty.NrKarty=:NrKarty)"});
    m->qryTalia = Zapytanie(b, {"select distinct NazwaTalii, numertalii from kartygraf"});
    m->FQuery = Zapytanie(b, {"Select Max(NumerTalii) from kartygraf"});
    m->hQuery = Zapytanie(b, {"Select Max(ID) from tla"});
    m->qryIkonki = Zapytanie(
        b, {"select obrazekmaly, nrkarty, nazwakarty from kartygraf where numertalii=:par_nr", "order by nrkarty"});
    // Preparing every statement now proves the file is a store of ours: a
    // truncated or foreign file fails here, at start-up, with its name.
    try {
        for (Zapytanie *z : {&m->Query1, &m->Query2, &m->Query3, &m->QueryOpisKarty, &m->qryTalia, &m->FQuery,
                             &m->hQuery, &m->qryIkonki}) {
            z->Otworz();
            z->Zamknij();
        }
        QSqlQuery spr(b);
        for (const char *t : {"Koszulki", "Tla"})
            if (!spr.exec(QStringLiteral("select count(*) from %1").arg(QLatin1String(t))))
                throw BladMagazynu(spr.lastError().text());
    } catch (const BladMagazynu &e) {
        return zglos(e.tekst());
    }
    return m;
}

bool MagazynKart::UtworzPusty(const QString &plik, QString *blad)
{
    const QString nazwa = nowePolaczenie();
    bool ok = true;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        b.setDatabaseName(plik);
        if (!b.open()) {
            ok = false;
            if (blad)
                *blad = b.lastError().text();
        } else {
            QSqlQuery q(b);
            for (const QString &s : Schemat::instrukcjeTworzenia()) {
                if (!q.exec(s)) {
                    ok = false;
                    if (blad)
                        *blad = q.lastError().text();
                    break;
                }
            }
            b.close();
        }
    }
    QSqlDatabase::removeDatabase(nazwa);
    return ok;
}

MagazynKart::~MagazynKart()
{
    for (Zapytanie *z : {&Query1, &Query2, &Query3, &QueryOpisKarty, &qryTalia, &FQuery, &hQuery, &qryIkonki})
        *z = Zapytanie(); // queries must go before their connection
    m_baza.close();
    m_baza = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_polaczenie);
}

QByteArray MagazynKart::ObrazekKarty(int nrKarty, int talia, const QString &kolumna)
{
    Query1.UstawParametr(QStringLiteral("Nrkarty"), nrKarty);
    Query1.UstawParametr(QStringLiteral("Talia"), talia);
    return Query1.Pierwszy(kolumna).toByteArray();
}

QString MagazynKart::ZnaczenieKarty(int nrKarty, bool odwrocona)
{
    Query2.UstawParametr(QStringLiteral("Pierwsza"), nrKarty);
    Query2.UstawParametr(QStringLiteral("Czy1Odwr"), odwrocona);
    Query2.UstawParametr(QStringLiteral("Druga"), BezDrugiejKarty);
    Query2.UstawParametr(QStringLiteral("Czy2Odwr"), false);
    return Query2.Pierwszy(QStringLiteral("opis")).toString();
}

QString MagazynKart::NazwaKarty(int nrKarty)
{
    Query3.UstawParametr(QStringLiteral("karta"), nrKarty);
    return Query3.Pierwszy(QStringLiteral("NazwaKarty")).toString();
}

QString MagazynKart::NazwaKarty(int nrKarty, int talia)
{
    Query3.UstawParametr(QStringLiteral("talia"), talia);
    return NazwaKarty(nrKarty);
}

std::optional<QString> MagazynKart::NaglowekPozycji(int uklad, int pozycja)
{
    QueryOpisKarty.UstawParametr(QStringLiteral("NrUkladu"), uklad);
    QueryOpisKarty.UstawParametr(QStringLiteral("NrKarty"), pozycja - 1);
    const QVariant w = QueryOpisKarty.Pierwszy(QStringLiteral("Opis"));
    if (!w.isValid() || w.isNull())
        return std::nullopt;
    return w.toString();
}

QVector<MagazynKart::Talia> MagazynKart::Talie()
{
    QVector<Talia> wynik;
    qryTalia.Otworz();
    while (qryTalia.Nastepny())
        wynik.push_back({qryTalia.Wartosc(1).toInt(), qryTalia.Wartosc(0).toString()});
    qryTalia.Zamknij();
    return wynik;
}

QVector<MagazynKart::Ikonka> MagazynKart::Ikonki(int talia)
{
    QVector<Ikonka> wynik;
    qryIkonki.UstawParametr(QStringLiteral("par_nr"), talia);
    qryIkonki.Otworz();
    while (qryIkonki.Nastepny())
        wynik.push_back(
            {qryIkonki.Wartosc(0).toByteArray(), qryIkonki.Wartosc(1).toInt(), qryIkonki.Wartosc(2).toString()});
    qryIkonki.Zamknij();
    return wynik;
}

QByteArray MagazynKart::Koszulka(int talia)
{
    QSqlQuery q(m_baza);
    q.prepare(QStringLiteral("select Koszulka from Koszulki where NumerTalii = ?"));
    q.addBindValue(talia);
    if (!q.exec())
        throw BladMagazynu(q.lastError().text());
    return q.next() ? q.value(0).toByteArray() : QByteArray();
}

QVector<MagazynKart::Tlo> MagazynKart::Tla()
{
    QVector<Tlo> wynik;
    QSqlQuery q(m_baza);
    if (!q.exec(QStringLiteral("select ID, Nazwa from tla order by ID")))
        throw BladMagazynu(q.lastError().text());
    while (q.next())
        wynik.push_back({q.value(0).toInt(), q.value(1).toString()});
    return wynik;
}

QByteArray MagazynKart::ObrazTla(int id, bool maly)
{
    QSqlQuery q(m_baza);
    q.prepare(maly ? QStringLiteral("select MaleTlo from tla where ID = ?")
                   : QStringLiteral("select Tlo from tla where ID = ?"));
    q.addBindValue(id);
    if (!q.exec())
        throw BladMagazynu(q.lastError().text());
    return q.next() ? q.value(0).toByteArray() : QByteArray();
}

int MagazynKart::MaxNumerTalii()
{
    return FQuery.Pierwszy(QStringLiteral("Max(NumerTalii)")).toInt(); // NULL of an empty table reads as 0
}

int MagazynKart::MaxIdTla()
{
    return hQuery.Pierwszy(QStringLiteral("Max(ID)")).toInt();
}

void MagazynKart::Wykonaj(const QString &tekst, const QVariantList &wartosci)
{
    // Values are bound, never pasted into the statement: a name with a quote
    // must import as written and must not run as SQL.
    QSqlQuery q(m_baza);
    if (!q.prepare(tekst))
        throw BladMagazynu(q.lastError().text());
    for (const QVariant &w : wartosci)
        q.addBindValue(w);
    if (!q.exec())
        throw BladMagazynu(q.lastError().text());
}

void MagazynKart::WstawKarte(int id, int nrKarty, int talia, const QString &nazwaTalii, const QString &nazwaKarty)
{
    Wykonaj(
        QStringLiteral("insert into kartygraf (ID, NrKarty, NumerTalii, NazwaTalii, NazwaKarty) values(?, ?, ?, ?, ?)"),
        {id, nrKarty, talia, nazwaTalii, nazwaKarty});
}

void MagazynKart::WstawKarte(int id, int nrKarty, int talia, const QString &nazwaTalii, const QString &nazwaKarty,
                             const QByteArray &o800, const QByteArray &o1024, const QByteArray &big,
                             const QByteArray &maly)
{
    Wykonaj(QStringLiteral("insert into kartygraf (ID, NrKarty, NumerTalii, NazwaTalii, NazwaKarty, "
                           "Obrazek800, Obrazek1024, ObrazekBig, ObrazekMaly) values(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {id, nrKarty, talia, nazwaTalii, nazwaKarty, o800, o1024, big, maly});
}

void MagazynKart::ZapiszObrazyKarty(int id, int talia, int nrKarty, const QByteArray &o800, const QByteArray &o1024,
                                    const QByteArray &big, const QByteArray &maly)
{
    Wykonaj(QStringLiteral("update kartygraf set Obrazek800 = ?, Obrazek1024 = ?, ObrazekBig = ?, ObrazekMaly = ? "
                           "where ID = ? and NumerTalii = ? and NrKarty = ?"),
            {o800, o1024, big, maly, id, talia, nrKarty});
}

void MagazynKart::WstawKoszulke(int talia, const QByteArray &obraz)
{
    Wykonaj(QStringLiteral("insert into koszulki (NumerTalii, Koszulka) values(?, ?)"), {talia, obraz});
}

void MagazynKart::WstawTlo(int id, const QString &nazwa, const QByteArray &tlo, const QByteArray &maleTlo)
{
    Wykonaj(QStringLiteral("insert into tla (ID, Nazwa, Tlo, MaleTlo) values(?, ?, ?, ?)"), {id, nazwa, tlo, maleTlo});
}

void MagazynKart::WstawPare(int pierwsza, bool pierwszaOdwrocona, int druga, bool drugaOdwrocona, const QString &opis)
{
    Wykonaj(QStringLiteral("insert into pary (NrPierwszej, Czy1wszaOdwrocona, NrDrugiej, Czy2gaOdwrocona, opis) "
                           "values(?, ?, ?, ?, ?)"),
            {pierwsza, pierwszaOdwrocona, druga, drugaOdwrocona, opis});
}

void MagazynKart::WstawZnaczenie(int nrKarty, bool odwrocona, const QString &opis)
{
    WstawPare(nrKarty, odwrocona, BezDrugiejKarty, false, opis);
}

void MagazynKart::WstawNaglowek(int uklad, int pozycja, const std::optional<QString> &opis)
{
    Wykonaj(QStringLiteral("insert into Karty (NrUkladu, NrKarty, Opis) values(?, ?, ?)"),
            {uklad, pozycja - 1, opis ? QVariant(*opis) : QVariant()});
}

void MagazynKart::RozpocznijTransakcje()
{
    if (!m_baza.transaction())
        throw BladMagazynu(m_baza.lastError().text());
}

void MagazynKart::ZatwierdzTransakcje()
{
    if (!m_baza.commit())
        throw BladMagazynu(m_baza.lastError().text());
}

void MagazynKart::WycofajTransakcje()
{
    m_baza.rollback();
}
