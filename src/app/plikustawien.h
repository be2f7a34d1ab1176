#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The seven settings kept between runs in "Lomi.ini". The main window holds
// them as its own fields (it derives from this record).
struct Ustawienia
{
    bool NastArkana = false;
    qint32 Talia = 3;
    qint32 NastUklad = 1;
    qint32 Stolik = 1;
    bool UlozenieLosowo = true;
    bool Blokada = true;
    bool MinimalizacjaDoTraya = false;

    bool operator==(const Ustawienia &) const = default;
};

// Reads the settings from INI text. Each setting takes the value of key "01"
// of its section; a missing section or key, or a value that is not a 32-bit
// whole number (decimal, or hexadecimal after "0x", "0X" or "$"), leaves the
// value the record already holds.
void CzytajUstawienia(const QByteArray &tresc, Ustawienia &u);
// Reads the file; a missing or unreadable file leaves every value as it is.
void WczytajUstawienia(const QString &sciezka, Ustawienia &u);

// The file as written on close: the seven sections in their write order.
QByteArray TekstUstawien(const Ustawienia &u);
// A failed write leaves the old file whole.
bool ZapiszUstawienia(const QString &sciezka, const Ustawienia &u, QString *blad = nullptr);

// One INI value as a whole number, or nothing (exposed for tests).
std::optional<qint32> LiczbaUstawienia(const QString &wartosc);
