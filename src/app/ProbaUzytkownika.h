#pragma once
class TProgram;

// The round an ordinary user makes, run by the program itself on its real
// windows and dialogs, so that an installed copy (a package unpacked
// anywhere, run by any user) can be checked from outside: with
// LOMI_PROBA_UZYTKOWNIKA=<report file> set, once the command line's spread is
// on the table it saves the spread and exports it through the save dialogs
// as proposed, picks the next background in the settings window and presses
// OK, and closes the main window as its close box does. Every step and every
// message box that appears goes to the report, one line each. Without a
// spread on the table it reports the settings it started with and closes.
namespace ProbaUzytkownika {
bool Wlaczona();
void Zacznij(TProgram &program);
}
