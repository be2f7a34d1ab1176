#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// What a save may do when no temporary file can be made beside the target
// (a writable file in a read-only folder).
enum class TrybZapisu
{
    // Fail and leave the old file as it is: the program's own files.
    TylkoPodmiana,
    // Write over the old file in place: a file the user chose to save over.
    PodmianaLubWMiejscu,
};

// Writes a file so that a failed save never damages the file it replaces:
// the bytes go to a temporary file that replaces the old one only when every
// write succeeded. A target that exists but is no regular file (a device, a
// pipe) cannot be replaced by a rename and is written directly. Written in
// place (TrybZapisu::PodmianaLubWMiejscu), every byte is still checked, but a
// failure part-way leaves the file cut short.
bool ZapiszBezpiecznie(const QString &sciezka, const std::function<bool(QIODevice &, QString *)> &pisz,
                       QString *blad = nullptr, TrybZapisu tryb = TrybZapisu::TylkoPodmiana);
bool ZapiszBezpiecznie(const QString &sciezka, const QByteArray &bajty, QString *blad = nullptr,
                       TrybZapisu tryb = TrybZapisu::TylkoPodmiana);

// Writes all of the bytes to the device; a short write is a failure, named by
// the device's own reason where it has one.
bool ZapiszCalosc(QIODevice &dev, const QByteArray &bajty, QString *blad = nullptr);
