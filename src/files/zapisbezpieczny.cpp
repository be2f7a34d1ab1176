#include "files/zapisbezpieczny.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void UstawBlad(QString* blad, const QString& tekst)
{
    if (blad)
        *blad = tekst;
}

// A rename over a device node would replace the node itself, so such a
// target gets the bytes written into it instead.
bool ZapiszWprost(const QString& sciezka, const std::function<bool(QIODevice&, QString*)>& pisz,
                  QString* blad)
{
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    if (!pisz(plik, blad))
        return false;
    if (!plik.flush()) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    plik.close();
    if (plik.error() != QFileDevice::NoError) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    return true;
}

} // namespace

bool ZapiszBezpiecznie(const QString& sciezka,
                       const std::function<bool(QIODevice&, QString*)>& pisz, QString* blad)
{
    const QFileInfo cel(sciezka);
    if (cel.exists() && !cel.isDir() && !cel.isFile())
        return ZapiszWprost(sciezka, pisz, blad);

    // Unbuffered, so that every write reports what really reached the disk:
    // with Qt's write buffer a write cut short by a full disk or a file size
    // limit goes unnoticed and commit() even replaces the old file with the
    // truncated one.
    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    if (!pisz(plik, blad)) {
        plik.cancelWriting();
        return false;
    }
    if (!plik.commit()) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    return true;
}
