#include "SafeFile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  if (written && file.commit()) return true;
  if (error) *error = QString("Cannot write %1: %2").arg(path, file.errorString());
  file.cancelWriting();
  return false;
}
