// Writing a whole file so that it is either complete or untouched: the bytes go into a
// temporary file beside the target, which replaces the target only once all is written.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// False when the file could not be written; `error` (when given) then says why. An older
// file of that name is kept as it was.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The same for a file written piece by piece: `write` fills the temporary file and returns
// false when a write failed.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     QString* error = nullptr);
