#include "store/zapytanie.h"

#include <QSqlError>
#include <QSqlRecord>

Zapytanie::Zapytanie(const QSqlDatabase &baza, const QStringList &wiersze)
    : m_baza(baza), m_tekst(wiersze.join(QLatin1Char('\n')))
{
    // Rewrite ":Name" markers (outside quoted literals) to '?'.
    QChar cudzyslow;
    for (qsizetype i = 0; i < m_tekst.size(); ++i) {
        const QChar c = m_tekst.at(i);
        if (!cudzyslow.isNull()) {
            m_pozycyjny += c;
            if (c == cudzyslow)
                cudzyslow = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            cudzyslow = c;
            m_pozycyjny += c;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < m_tekst.size()
            && (m_tekst.at(i + 1).isLetter() || m_tekst.at(i + 1) == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < m_tekst.size() && (m_tekst.at(j).isLetterOrNumber() || m_tekst.at(j) == QLatin1Char('_')))
                ++j;
            m_nazwy << m_tekst.mid(i + 1, j - i - 1).toLower();
            m_pozycyjny += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        m_pozycyjny += c;
    }
}

void Zapytanie::UstawParametr(const QString &nazwa, const QVariant &wartosc)
{
    m_wartosci.insert(nazwa.toLower(), wartosc);
}

QVariant Zapytanie::Parametr(const QString &nazwa) const
{
    return m_wartosci.value(nazwa.toLower());
}

void Zapytanie::Przygotuj()
{
    if (m_przygotowane)
        return;
    m_q = QSqlQuery(m_baza);
    m_q.setForwardOnly(true);
    if (!m_q.prepare(m_pozycyjny))
        throw BladMagazynu(QStringLiteral("Błąd magazynu kart: %1\n%2").arg(m_q.lastError().text(), m_tekst));
    m_przygotowane = true;
}

void Zapytanie::Otworz()
{
    Przygotuj();
    if (m_otwarte)
        Zamknij();
    for (qsizetype i = 0; i < m_nazwy.size(); ++i)
        m_q.bindValue(int(i), m_wartosci.value(m_nazwy.at(i)));
    if (!m_q.exec())
        throw BladMagazynu(QStringLiteral("Błąd magazynu kart: %1\n%2").arg(m_q.lastError().text(), m_tekst));
    m_otwarte = true;
}

bool Zapytanie::Nastepny()
{
    return m_otwarte && m_q.isActive() && m_q.next();
}

QVariant Zapytanie::Wartosc(const QString &kolumna) const
{
    if (!m_otwarte || !m_q.isValid())
        return {};
    const int i = m_q.record().indexOf(kolumna); // field names match without regard to case
    return i < 0 ? QVariant() : m_q.value(i);
}

QVariant Zapytanie::Wartosc(int kolumna) const
{
    if (!m_otwarte || !m_q.isValid())
        return {};
    return m_q.value(kolumna);
}

void Zapytanie::Zamknij()
{
    if (m_otwarte)
        m_q.finish();
    m_otwarte = false;
}

QVariant Zapytanie::Pierwszy(const QString &kolumna)
{
    Otworz();
    QVariant w;
    if (Nastepny())
        w = Wartosc(kolumna);
    Zamknij();
    return w;
}
