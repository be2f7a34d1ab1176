#pragma once
#include "store/zapytanie.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

// The card store: decks with their pictures, card backs, table backgrounds,
// position headings and card meanings, in one SQLite file in the data folder.
// Every statement the program runs on it lives here under the name of the
// query that runs it.
class MagazynKart
{
public:
    // Opens KatalogProgramu + "/Data/" + the store file and prepares every
    // statement. A missing, unreadable or foreign file gives nullptr and a
    // message naming the file.
    static std::unique_ptr<MagazynKart> Otworz(const QString &folderDanych, QString *blad);
    // Creates an empty store with the program's tables (tests, generator).
    static bool UtworzPusty(const QString &plik, QString *blad);
    ~MagazynKart();
    MagazynKart(const MagazynKart &) = delete;
    MagazynKart &operator=(const MagazynKart &) = delete;

    QString Plik() const { return m_plik; }
    QSqlDatabase Baza() const { return m_baza; }

    // Main window's lookups.
    Zapytanie Query1;         // pictures of one card: Nrkarty, Talia
    Zapytanie Query2;         // meaning: Pierwsza, Czy1Odwr, Druga, Czy2Odwr
    Zapytanie Query3;         // card name: karta, talia
    Zapytanie QueryOpisKarty; // position heading: NrUkladu, NrKarty
    // Settings window.
    Zapytanie qryTalia; // distinct NazwaTalii, numertalii
    Zapytanie FQuery;   // Max(NumerTalii)
    Zapytanie hQuery;   // Max(ID) of backgrounds
    // Manual arrangement window.
    Zapytanie qryIkonki; // obrazekmaly, nrkarty, nazwakarty of deck par_nr

    // --- lookups the windows use (each runs the query above) ---
    QByteArray ObrazekKarty(int nrKarty, int talia, const QString &kolumna);
    QString ZnaczenieKarty(int nrKarty, bool odwrocona);
    QString NazwaKarty(int nrKarty);                                // deck = the one set last
    QString NazwaKarty(int nrKarty, int talia);                     // sets the deck for later lookups
    std::optional<QString> NaglowekPozycji(int uklad, int pozycja); // position counted from 1

    struct Talia
    {
        int NumerTalii;
        QString NazwaTalii;
    };
    QVector<Talia> Talie();
    struct Ikonka
    {
        QByteArray ObrazekMaly;
        int NrKarty;
        QString NazwaKarty;
    };
    QVector<Ikonka> Ikonki(int talia);

    // --- table access (tblkoszulki, tbltla, tblGraf) ---
    QByteArray Koszulka(int talia);
    struct Tlo
    {
        int ID;
        QString Nazwa;
    };
    QVector<Tlo> Tla();
    QByteArray ObrazTla(int id, bool maly);

    // --- writes of the imports ---
    int MaxNumerTalii(); // 0 for an empty table
    int MaxIdTla();      // 0 for an empty table
    void WstawKarte(int id, int nrKarty, int talia, const QString &nazwaTalii, const QString &nazwaKarty);
    // A card with its pictures in one row (generator, tests).
    void WstawKarte(int id, int nrKarty, int talia, const QString &nazwaTalii, const QString &nazwaKarty,
                    const QByteArray &o800, const QByteArray &o1024, const QByteArray &big, const QByteArray &maly);
    void ZapiszObrazyKarty(int id, int talia, int nrKarty, const QByteArray &o800, const QByteArray &o1024,
                           const QByteArray &big, const QByteArray &maly);
    void WstawKoszulke(int talia, const QByteArray &obraz);
    void WstawTlo(int id, const QString &nazwa, const QByteArray &tlo, const QByteArray &maleTlo);

    // --- writes of the store's own texts (generator, tests) ---
    // NrDrugiej of a single card's meaning: the program reads no pairs.
    static constexpr int BezDrugiejKarty = 99999;
    // A meaning of a pair of cards; ZnaczenieKarty reads those with BezDrugiejKarty.
    void WstawPare(int pierwsza, bool pierwszaOdwrocona, int druga, bool drugaOdwrocona, const QString &opis);
    void WstawZnaczenie(int nrKarty, bool odwrocona, const QString &opis);
    // Position counted from 1, as NaglowekPozycji reads it; nullopt stores NULL.
    void WstawNaglowek(int uklad, int pozycja, const std::optional<QString> &opis);
    void RozpocznijTransakcje();
    void ZatwierdzTransakcje();
    void WycofajTransakcje();

private:
    MagazynKart() = default;
    void Wykonaj(const QString &tekst, const QVariantList &wartosci);

    QString m_polaczenie;
    QString m_plik;
    QSqlDatabase m_baza;
};
