#include "disk/zapisbezpieczny.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

void UstawBlad(QString *blad, const QString &tekst)
{
    if (blad)
        *blad = tekst;
}

// A rename over a device node would replace the node itself, so such a
// target gets the bytes written into it instead.
bool ZapiszWprost(const QString &sciezka, const std::function<bool(QIODevice &, QString *)> &pisz, QString *blad)
{
    // Opened without waiting: a named pipe nobody reads would otherwise hang
    // the program in open(); it fails at once instead.
    const int fd = ::open(QFile::encodeName(sciezka).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        UstawBlad(blad, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile plik;
    if (!plik.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
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

bool ZapiszCalosc(QIODevice &dev, const QByteArray &bajty, QString *blad)
{
    if (dev.write(bajty) != bajty.size()) {
        // A file cut short without an error of its own (a full disk may just
        // take fewer bytes) would otherwise read "Unknown error".
        const auto *plik = qobject_cast<const QFileDevice *>(&dev);
        const bool powod = plik ? plik->error() != QFileDevice::NoError : !dev.errorString().isEmpty();
        UstawBlad(blad, powod ? dev.errorString() : QStringLiteral("Zapis niepełny"));
        return false;
    }
    return true;
}

bool ZapiszBezpiecznie(const QString &sciezka, const std::function<bool(QIODevice &, QString *)> &pisz, QString *blad,
                       TrybZapisu tryb)
{
    const QFileInfo cel(sciezka);
    if (cel.exists() && !cel.isDir() && !cel.isFile())
        return ZapiszWprost(sciezka, pisz, blad);

    // Unbuffered, so that every write reports what really reached the disk:
    // with Qt's write buffer a write cut short by a full disk or a file size
    // limit goes unnoticed and commit() even replaces the old file with the
    // truncated one.
    QSaveFile plik(sciezka);
    plik.setDirectWriteFallback(tryb == TrybZapisu::PodmianaLubWMiejscu);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    if (!pisz(plik, blad)) {
        // Discards the temporary file; written in place, it only closes.
        plik.cancelWriting();
        plik.commit();
        return false;
    }
    if (!plik.commit()) {
        UstawBlad(blad, plik.errorString());
        return false;
    }
    return true;
}

bool ZapiszBezpiecznie(const QString &sciezka, const QByteArray &bajty, QString *blad, TrybZapisu tryb)
{
    return ZapiszBezpiecznie(
        sciezka, [&bajty](QIODevice &dev, QString *b) { return ZapiszCalosc(dev, bajty, b); }, blad, tryb);
}
