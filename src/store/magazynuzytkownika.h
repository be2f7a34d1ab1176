#pragma once
#include <QString>

// The card store of one user of an installed program: a copy of the shipped
// store in the user's data folder, which takes the decks and backgrounds the
// user imports.
//
// First start: the shipped store is copied whole (a start killed half way
// leaves no store, and the next start copies again).
//
// A newer shipped store (an update of the program): the user's store is kept
// and the shipped content is brought into it in one transaction: headings
// and meanings are replaced, the shipped decks and backgrounds the store
// came with are refreshed in place under their numbers, new ones are added.
// Decks and backgrounds the user imported are never touched, and neither are
// the numbers the settings and saved spreads refer to.
//
// Both steps run under a lock file, so two copies of the program started at
// once do not copy or update the store twice.

// Makes folderUzytkownika + "karty.db" ready (folders end with a separator).
// False with *blad when it cannot be made or brought up to date; a store
// that exists is never replaced.
bool PrzygotujMagazynUzytkownika(const QString &folderWysylany, const QString &folderUzytkownika, QString *blad);
