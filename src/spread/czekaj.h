#pragma once

// Waits the given number of seconds while the application keeps handling its
// events (input, painting, timers), so the window stays usable during a deal.
void Czekaj(double sekundy);

// The pause between two revealed cards of a deal: half a second. Read in this
// one place so tests can shorten it.
double PauzaOdslony();
// A negative value goes back to half a second.
void UstawPauzeOdslony(double sekundy);
