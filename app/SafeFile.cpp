#include "SafeFile.h"

#include <QSaveFile>

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     QString* error) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return true;
  if (error) *error = file.errorString();
  file.cancelWriting();
  return false;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  return WriteFileSafely(
      path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }, error);
}
