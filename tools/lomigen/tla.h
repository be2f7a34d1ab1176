#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

// Table-top backgrounds: "sukno", "drewno", "lupek", "pergamin", "niebo",
// "len", and for the sample add-on "marmur" and "skora".
QStringList stylyTla();
bool znanyStylTla(const QString &styl);

QImage rysujTlo(const QString &styl, QSize rozmiar, uint32_t ziarno);
