#pragma once

// The width of the screen the program runs on: decides the picture column and
// the scaling of the table. Read in this one place so tests can set it
// (offscreen, Qt's screen is 800 pixels wide).
int SzerokoscEkranu();
// 0 goes back to the real screen.
void UstawSzerokoscEkranu(int szerokosc);
