#include "app/pomiarstartu.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

double monotonicznyMs(clockid_t zegar)
{
    timespec t{};
    clock_gettime(zegar, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double poczatekMain = 0;

// Process start from /proc/self/stat (field 22, clock ticks since boot).
double startProcesuMs()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return poczatekMain;
    const QByteArray s = f.readAll();
    // The command name in parentheses may hold blanks: count from its end.
    const QList<QByteArray> pola = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (pola.size() < 20)
        return poczatekMain;
    const double ticki = pola.at(19).toDouble(); // field 22 counted from field 3
    return ticki * 1e3 / double(sysconf(_SC_CLK_TCK)) - monotonicznyMs(CLOCK_BOOTTIME)
        + monotonicznyMs(CLOCK_MONOTONIC);
}

long szczytRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // Files in /proc report size 0: read to the end, not up to atEnd().
    for (const QByteArray &w : f.readAll().split('\n'))
        if (w.startsWith("VmHWM:"))
            return w.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

namespace PomiarStartu {

void Zacznij()
{
    poczatekMain = monotonicznyMs(CLOCK_MONOTONIC);
}

bool Wlaczony()
{
    return qEnvironmentVariableIsSet("LOMI_POMIAR_STARTU");
}

void Zglos()
{
    const double teraz = monotonicznyMs(CLOCK_MONOTONIC);
    const double odLaunchera = qEnvironmentVariable("LOMI_POMIAR_STARTU").toDouble() / 1e6;
    const double start = odLaunchera > 1 ? odLaunchera : startProcesuMs();
    const double odMain = poczatekMain > 0 ? teraz - poczatekMain : -1; // -1: Zacznij() was not called
    std::printf("POMIAR_STARTU ms=%.3f main_ms=%.3f hwm_kb=%ld\n", teraz - start, odMain, szczytRssKb());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

}
