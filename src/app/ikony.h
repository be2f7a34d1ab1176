#pragma once
#include <QIcon>

// Toolbar and button glyphs, drawn here: each with its normal look and a
// greyed look for the disabled state.
enum class Glif
{
    Nowy,
    Interpretacja,
    Otworz,
    Zapisz,
    ZapiszTxt,
    Podglad,
    Drukuj,
    Ustawienia,
    Pomoc,
    Informacje,
    Odwroc,
    Zamknij,
    Prosta,
    Odwrocona,
    Cofnij,
    OK,
    Anuluj,
    Karty,
    Stoliki
};
QIcon IkonaGlifu(Glif g, int rozmiar = 24);
// The program's icon (window, notification area, desktop entry).
QIcon IkonaProgramu();
QImage ObrazIkonyProgramu(int rozmiar);
