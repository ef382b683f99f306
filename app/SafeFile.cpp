#include "SafeFile.h"

#include <QDir>

#include "Language.h"
#include "WholeFile.h"

namespace {

// A write-only device over the whole-file writer, for code that writes to a QIODevice.
class WholeFileDevice : public QIODevice {
 public:
  explicit WholeFileDevice(WholeFileWriter& file) : file_(file) { open(QIODevice::WriteOnly); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    return file_.Write(data, static_cast<size_t>(size)) ? size : -1;
  }

 private:
  WholeFileWriter& file_;
};

}  // namespace

bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write,
                     QString* error) {
  WholeFileWriter file;
  bool written = file.Open(path.toStdString());
  if (written) {
    WholeFileDevice device(file);
    written = write(device) && !file.Failed();
  }
  if (written && file.Commit()) return true;
  if (error)
    *error = file.Failed() ? QString::fromStdString(file.Error()) : QStringLiteral("not written");
  file.Discard();
  return false;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
  return WriteFileSafely(
      path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); }, error);
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
  // SaveFailureText's words, in the language in force; the system's reason stays as it came.
  return Tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason);
}
