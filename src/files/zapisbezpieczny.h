#pragma once
#include <QIODevice>
#include <QString>
#include <functional>

// Writes a file so that a failed save never damages the file it replaces:
// the bytes go to a temporary file that replaces the old one only when every
// write succeeded. A target that exists but is no regular file (a device, a
// pipe) cannot be replaced by a rename and is written directly.
bool ZapiszBezpiecznie(const QString& sciezka,
                       const std::function<bool(QIODevice&, QString*)>& pisz,
                       QString* blad = nullptr);
