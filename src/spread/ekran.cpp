#include "spread/ekran.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
int narzucona = 0;
}

int SzerokoscEkranu()
{
    if (narzucona > 0)
        return narzucona;
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 800;
}

void UstawSzerokoscEkranu(int szerokosc)
{
    narzucona = szerokosc;
}
