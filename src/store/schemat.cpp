#include "store/schemat.h"

QStringList Schemat::instrukcjeTworzenia()
{
    // SQLite matches table and column names without regard to case, which the
    // program's statements rely on ("KartyGraf", "numertalii", ...).
    return {
        "CREATE TABLE kartygraf (ID INTEGER NOT NULL, NrKarty INTEGER NOT NULL, "
        "NumerTalii INTEGER NOT NULL, NazwaTalii VARCHAR(50), NazwaKarty VARCHAR(50), "
        "Obrazek800 BLOB, Obrazek1024 BLOB, ObrazekBig BLOB, ObrazekMaly BLOB)",
        "CREATE INDEX kartygraf_talia ON kartygraf (NumerTalii, NrKarty)",
        "CREATE TABLE Koszulki (NumerTalii INTEGER PRIMARY KEY, Koszulka BLOB)",
        "CREATE TABLE Tla (ID INTEGER PRIMARY KEY, Nazwa VARCHAR(30), Tlo BLOB, MaleTlo BLOB)",
        "CREATE TABLE Karty (NrUkladu INTEGER NOT NULL, NrKarty INTEGER NOT NULL, Opis TEXT, "
        "PRIMARY KEY (NrUkladu, NrKarty))",
        "CREATE TABLE pary (NrPierwszej INTEGER NOT NULL, Czy1wszaOdwrocona BOOLEAN NOT NULL, "
        "NrDrugiej INTEGER NOT NULL, Czy2gaOdwrocona BOOLEAN NOT NULL, opis TEXT)",
        "CREATE INDEX pary_karta ON pary (NrPierwszej, Czy1wszaOdwrocona, NrDrugiej, Czy2gaOdwrocona)",
    };
}
