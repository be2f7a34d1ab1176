#pragma once

// Waits the given number of seconds while the application keeps handling its
// events (input, painting, timers), so the window stays usable during a deal.
void Czekaj(double sekundy);
