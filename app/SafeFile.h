// Writing a whole file so that it is either complete or untouched: the bytes go into a
// temporary file beside the target, which replaces the target only once all is written.
#pragma once

#include <QByteArray>
#include <QString>

// False when the file could not be written; `error` (when given) then says why, naming the
// file. An older file of that name is kept as it was.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
