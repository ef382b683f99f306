// Qt's side of the whole-file writer (hart/WholeFile.h): every file the program saves goes
// through here, so it is either complete or untouched, and a failure carries the reason.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// False when the file could not be written; `error` (when given) then holds the system's
// reason ("No space left on device"). An older file of that name is kept as it was.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The same for a file written piece by piece: `write` fills the file and returns false
// when it gave up. Every write it makes is checked.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     QString* error = nullptr);

// "Could not save PT-101.Hart: No space left on device", with the path as the user knows it.
QString SaveFailureMessage(const QString& path, const QString& reason);
