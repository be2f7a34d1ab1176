#pragma once

// Start-up measurement, for the benchmark only: with the environment variable
// LOMI_POMIAR_STARTU set, the program prints one line on the first paint of
// its main window and ends at once:
//   POMIAR_STARTU ms=<from process start> main_ms=<from main> hwm_kb=<peak RSS>
// The variable holds either "1" (process start read from /proc, to 10 ms) or
// the launcher's CLOCK_MONOTONIC time in nanoseconds taken just before it
// started the process (exact).
namespace PomiarStartu {

// The first line of main().
void Zacznij();
bool Wlaczony();
// Prints the line and ends the event loop.
void Zglos();

}
