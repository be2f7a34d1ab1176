#pragma once
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>

// A failure of the card store that no caller expects; it reaches the general
// failure report with its own text.
class BladMagazynu : public std::runtime_error
{
public:
    explicit BladMagazynu(const QString &tekst) : std::runtime_error(tekst.toStdString()) {}
    QString tekst() const { return QString::fromStdString(what()); }
};

// One named statement of the card store. Parameters are looked up without
// regard to case and keep their values between runs: later callers rely on a
// value an earlier caller set (the deck of the card-name lookup). Qt's own
// named binding is case-sensitive and silently ignores a mismatch, so the
// statement is rewritten to positional markers once, when it is prepared.
class Zapytanie
{
public:
    Zapytanie() = default;
    Zapytanie(const QSqlDatabase &baza, const QStringList &wiersze);
    Zapytanie(Zapytanie &&) = default;
    Zapytanie &operator=(Zapytanie &&) = default;
    Zapytanie(const Zapytanie &) = delete;
    Zapytanie &operator=(const Zapytanie &) = delete;

    void UstawParametr(const QString &nazwa, const QVariant &wartosc);
    QVariant Parametr(const QString &nazwa) const;
    QStringList NazwyParametrow() const { return m_nazwy; }

    // Runs the statement with the parameters set so far; throws BladMagazynu
    // when the store rejects it.
    void Otworz();
    bool Nastepny();
    // The column of the current row; an invalid QVariant when there is none.
    QVariant Wartosc(const QString &kolumna) const;
    QVariant Wartosc(int kolumna) const;
    // Closes the result and keeps the statement prepared for the next run.
    void Zamknij();

    // Convenience for the one-row lookups: runs, reads the first row's
    // column, closes. No row gives an invalid QVariant.
    QVariant Pierwszy(const QString &kolumna);

    QString Tekst() const { return m_tekst; }

private:
    void Przygotuj();

    QSqlDatabase m_baza;
    QString m_tekst;                     // as written, lines joined by line breaks
    QString m_pozycyjny;                 // with '?' in place of each named marker
    QStringList m_nazwy;                 // lower-case marker names in statement order
    QHash<QString, QVariant> m_wartosci; // by lower-case name
    QSqlQuery m_q;
    bool m_przygotowane = false;
    bool m_otwarte = false;
};
