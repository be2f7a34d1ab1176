#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

// Table-top backgrounds: "sukno", "drewno", "lupek", "pergamin", "niebo",
// "len", and for the sample add-on "bursztyn", "kamien", "marmur" and "skora".
QStringList stylyTla();
bool znanyStylTla(const QString &styl);

QImage rysujTlo(const QString &styl, QSize rozmiar, uint32_t ziarno);

// Style for a sample background: the one its name speaks of, else the k-th
// (from 0) of the sample styles in turn.
QString stylStolika(const QString &nazwa, int k);
