#include "RecordJournal.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include "WholeFile.h"

namespace {

// Held while the journal is read or changed; a lock left by a program that died is taken
// over.
class JournalLock {
 public:
  explicit JournalLock(const QString& journal) : lock_(journal + QStringLiteral(".lock")) {}
  bool Take(QString* error) {
    if (lock_.tryLock(5000)) return true;
    if (error) {
      *error = lock_.error() == QLockFile::LockFailedError
                   ? QStringLiteral("%1 is held by another program").arg(lock_.fileName())
                   : QStringLiteral("cannot create %1").arg(lock_.fileName());
    }
    return false;
  }

 private:
  QLockFile lock_;
};

}  // namespace

QByteArray RecordJournal::Line(const DeviceRecord& r) {
  QJsonObject o{{QStringLiteral("uid"), r.uid},
                {QStringLiteral("time"), static_cast<double>(r.timeUtcMs)},
                {QStringLiteral("station"), r.station},
                {QStringLiteral("user"), r.user},
                {QStringLiteral("device"), r.device},
                {QStringLiteral("tag"), r.tag},
                {QStringLiteral("operation"), r.operation},
                {QStringLiteral("kind"), r.kind},
                {QStringLiteral("detail"), r.detail},
                {QStringLiteral("result"), r.result}};
  if (!r.image.isEmpty())
    o.insert(QStringLiteral("image"), QString::fromLatin1(r.image.toBase64()));
  return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

bool RecordJournal::FromLine(const QByteArray& line, DeviceRecord& r) {
  const QJsonDocument doc = QJsonDocument::fromJson(line);
  const QJsonObject o = doc.object();
  if (!doc.isObject() || !o.value(QStringLiteral("uid")).isString() ||
      !o.value(QStringLiteral("time")).isDouble())
    return false;
  auto text = [&](const char* key) { return o.value(QLatin1String(key)).toString(); };
  r.uid = text("uid");
  r.timeUtcMs = static_cast<qint64>(o.value(QStringLiteral("time")).toDouble());
  r.station = text("station");
  r.user = text("user");
  r.device = text("device");
  r.tag = text("tag");
  r.operation = text("operation");
  r.kind = text("kind");
  r.detail = text("detail");
  r.result = text("result");
  r.image = QByteArray::fromBase64(text("image").toLatin1());
  return !r.uid.isEmpty();
}

bool RecordJournal::ReadLines(std::vector<QByteArray>& lines, QString* error) const {
  QFile file(path_);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("%1: %2").arg(path_, file.errorString());
    return false;
  }
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.trimmed().isEmpty()) lines.push_back(line);
  }
  return true;
}

bool RecordJournal::Load(std::vector<DeviceRecord>& out, QString* error) const {
  JournalLock lock(path_);
  std::vector<QByteArray> lines;
  if (!lock.Take(error) || !ReadLines(lines, error)) return false;
  for (const QByteArray& line : lines) {
    DeviceRecord r;
    if (FromLine(line, r)) out.push_back(std::move(r));
  }
  return true;
}

bool RecordJournal::Update(const std::vector<DeviceRecord>& waiting, const QSet<QString>& stored,
                           QString* error) const {
  JournalLock lock(path_);
  std::vector<QByteArray> lines;
  if (!lock.Take(error) || !ReadLines(lines, error)) return false;
  QSet<QString> mine;
  for (const DeviceRecord& r : waiting)
    mine.insert(r.uid);
  QByteArray content;
  for (const QByteArray& line : lines) {
    DeviceRecord r;
    const bool isRecord = FromLine(line, r);
    if (isRecord && (stored.contains(r.uid) || mine.contains(r.uid))) continue;
    content += line + '\n';  // another program's record, or a line kept for a person to read
  }
  for (const DeviceRecord& r : waiting)
    content += Line(r);
  if (content.isEmpty()) {
    QFile file(path_);
    if (!file.exists() || file.remove()) return true;
    if (error) *error = QStringLiteral("%1: %2").arg(path_, file.errorString());
    return false;
  }
  std::string why;
  if (WriteFileWhole(path_.toUtf8().toStdString(), content.toStdString(), &why)) return true;
  if (error) *error = QString::fromStdString(SaveFailureText(path_.toUtf8().toStdString(), why));
  return false;
}
