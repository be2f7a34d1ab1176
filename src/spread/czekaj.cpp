#include "spread/czekaj.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {
constexpr double PauzaDomyslna = 0.5;
double pauza = PauzaDomyslna;
}

void Czekaj(double sekundy)
{
    QElapsedTimer zegar;
    zegar.start();
    const double limitMs = sekundy * 1000.0;
    // Monotonic nanoseconds: no tick-counter wrap to worry about.
    while (static_cast<double>(zegar.nsecsElapsed()) / 1e6 <= limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // A short nap between checks keeps the wait from spinning a core.
        const double zostaloMs = limitMs - static_cast<double>(zegar.nsecsElapsed()) / 1e6;
        if (zostaloMs > 0)
            QThread::usleep(static_cast<unsigned long>(std::min(zostaloMs, 4.0) * 1000.0) + 1);
    }
}

double PauzaOdslony()
{
    return pauza;
}

void UstawPauzeOdslony(double sekundy)
{
    pauza = sekundy >= 0 ? sekundy : PauzaDomyslna;
}
