#include "app/obszarpowiadomien.h"

#include <QSystemTrayIcon>

namespace {
int narzucony = -1;
}

bool JestObszarPowiadomien()
{
    if (narzucony >= 0)
        return narzucony == 1;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void UstawObszarPowiadomien(int jest)
{
    narzucony = jest;
}
