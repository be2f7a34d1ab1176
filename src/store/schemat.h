#pragma once
#include <QStringList>

// The card store's tables. The store file is made by tools/lomigen at build
// time and opened by the program; both use this one definition.
namespace Schemat {

// File name of the SQLite card store inside KatalogProgramu + "/Data/".
inline constexpr const char *PlikMagazynu = "karty.db";

QStringList instrukcjeTworzenia();

}
