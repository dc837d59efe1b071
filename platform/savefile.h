#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Replaces the file at path with bytes, or leaves it as it was: a failed
// write, a full disk included, never leaves half a file. False on failure,
// with the reason, such as "Permission denied", in error when given.
bool saveFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// Finishes a file written piece by piece the same way: committed whole, or
// discarded with the reason.
bool commitSaveFile(QSaveFile &file, QString *error = nullptr);
