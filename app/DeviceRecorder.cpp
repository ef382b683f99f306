#include "DeviceRecorder.h"

#include <QDir>
#include <cstdio>
#include <vector>

#include "FrameText.h"
#include "Language.h"
#include "PageRecord.h"
#include "RecordWriter.h"

namespace {

std::string Join(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : "; ") + part;
  return text;
}

// "Damping Time 2.5000 s -> 3.3000 s (device: 3.3000 s)"; without a value read before,
// "Damping Time -> 3.3000 s ...".
std::string WriteText(const RecordedValue& v, const std::string* before) {
  std::string text = v.name + (before ? " " + *before : std::string()) + " -> " + v.value;
  if (!v.echo.empty()) text += " (device: " + v.echo + ")";
  return text;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

DeviceRecord MakeRecord(const std::string& device, const std::string& tag,
                        const std::string& operation, const std::string& kind,
                        const std::string& detail, const std::string& result) {
  DeviceRecord r = NewDeviceRecord();
  r.device = Q(device);
  r.tag = Q(tag);
  r.operation = Q(operation);
  r.kind = Q(kind);
  r.detail = Q(detail);
  r.result = Q(result);
  return r;
}

}  // namespace

DeviceRecorder::DeviceRecorder(const QString& recordsSetting, const QString& journalPath) {
  RecordsLocation where;
  QString error;
  if (!ParseRecordsLocation(recordsSetting, where, &error)) {
    fixed_.off = true;
    // The key names the value; the reason need not repeat it.
    const QString echoed = recordsSetting.trimmed() + ": ";
    fixed_.reason = "Records=" + recordsSetting.trimmed() + " in Morvane.ini: " +
                    (error.startsWith(echoed) ? error.mid(echoed.size()) : error);
    return;
  }
  if (where.kind == RecordsLocation::Kind::None) {
    fixed_.off = true;  // the user's choice: nothing to tell but that
    return;
  }
  storeName_ = where.kind == RecordsLocation::Kind::SQLite
                   ? where.file
                   : "Records=" + where.text + " in Morvane.ini";
  writer_ = std::make_unique<RecordWriter>(where, journalPath);
  writer_->SetStatusListener([this](const RecordWriter::Status&) { Notify(); });
}

DeviceRecorder::DeviceRecorder(std::function<void(DeviceRecord)> sink) : sink_(std::move(sink)) {}

DeviceRecorder::~DeviceRecorder() {
  Close();
}

void DeviceRecorder::Close(int timeoutMs) {
  if (writer_) writer_->Close(timeoutMs);
}

bool DeviceRecorder::Flush(int timeoutMs) {
  return !writer_ || writer_->Flush(timeoutMs);
}

DeviceRecorder::Status DeviceRecorder::CurrentStatus() const {
  return writer_ ? FromWriter() : fixed_;
}

DeviceRecorder::Status DeviceRecorder::FromWriter() const {
  const RecordWriter::Status s = writer_->CurrentStatus();
  Status status;
  status.pending = s.pending;
  status.off = s.disabled;
  status.reason = s.reason;
  // A store that cannot be used is named, unless its reason names it already.
  if (s.disabled && !s.reason.contains(storeName_)) status.reason = storeName_ + ": " + s.reason;
  return status;
}

void DeviceRecorder::SetStatusListener(std::function<void(const Status&)> listener) {
  std::lock_guard hold(listenerMu_);
  listener_ = std::move(listener);
}

void DeviceRecorder::Notify() {
  const Status status = CurrentStatus();
  std::lock_guard hold(listenerMu_);
  if (listener_) listener_(status);
}

void DeviceRecorder::SetAnsweringDevice(std::function<std::string()> lastAnswering) {
  std::lock_guard hold(mu_);
  answering_ = std::move(lastAnswering);
}

std::string DeviceRecorder::DeviceOf(const std::string& identified) {
  if (!identified.empty() || !answering_) return identified;
  return answering_();
}

DeviceRecorder::Values* DeviceRecorder::Kept(const std::string& device) {
  return device.empty() ? nullptr : &values_[device];
}

std::string DeviceRecorder::TagOf(const std::string& device) {
  const Values* kept = Kept(device);
  if (!kept) return {};
  const auto tag = kept->find(value_name::kTag);
  return tag == kept->end() ? std::string() : tag->second;
}

void DeviceRecorder::Hand(DeviceRecord record) {
  if (writer_)
    writer_->Add(std::move(record));
  else if (sink_)
    sink_(std::move(record));
}

void DeviceRecorder::OperationEnded(DeviceState&, const OperationRecord& op) {
  const bool wrote = !op.writes.empty() || !op.failedWrites.empty();
  const bool recorded = !op.name.empty() && (wrote || op.kind != record_kind::kWrite ||
                                             (op.recordReads && !op.reads.empty()));
  std::string device, detail, tag;
  {
    std::lock_guard hold(mu_);
    device = DeviceOf(op.device);
    Values* kept = Kept(device);
    Values none;
    Values& values = kept ? *kept : none;
    if (op.forgetValues) values.clear();
    // The "before" of a write is what earlier operations read or wrote.
    std::vector<std::string> parts;
    if (!op.detail.empty()) parts.push_back(op.detail);
    for (const auto* list : {&op.writes, &op.failedWrites}) {
      for (const RecordedValue& v : *list) {
        const auto before = values.find(v.name);
        parts.push_back(WriteText(v, before == values.end() ? nullptr : &before->second));
      }
    }
    if (op.recordReads)
      for (const RecordedValue& v : op.reads)
        parts.push_back(v.name + " " + v.value);
    detail = Join(parts);
    for (const RecordedValue& v : op.reads)
      values[v.name] = v.value;
    for (const RecordedValue& v : op.writes)
      values[v.name] = v.echo.empty() ? v.value : v.echo;
    // The device may or may not have taken a write that failed: nothing is known of it.
    for (const RecordedValue& v : op.failedWrites)
      values.erase(v.name);
    tag = TagOf(device);
  }
  if (!recorded) return;
  const std::string kind = op.kind == record_kind::kWrite && !wrote ? record_kind::kRead : op.kind;
  Hand(MakeRecord(device, tag, op.name, kind, detail, op.result));
}

void DeviceRecorder::DeviceIdentified(const std::string& operation, int pollAddress,
                                      const HartIdentity& identity) {
  const std::string device = IdentityAddressText(identity);
  const Identity now{pollAddress,
                     {identity.universalRevision, identity.deviceRevision,
                      identity.softwareRevision, identity.hardwareRevision}};
  std::string tag;
  {
    std::lock_guard hold(mu_);
    const auto known = identities_.find(device);
    if (known != identities_.end() && known->second == now) return;
    identities_[device] = now;
    tag = TagOf(device);
  }
  Hand(MakeRecord(device, tag, operation.empty() ? "Identification" : operation,
                  record_kind::kIdentify, IdentityText(pollAddress, identity), kRecordOk));
}

void DeviceRecorder::WorkEnded(const WorkRecord& work) {
  std::string device, tag;
  {
    std::lock_guard hold(mu_);
    device = DeviceOf(work.device);
    if (Values* kept = Kept(device)) {
      if (work.forgetValues) kept->clear();
      for (const RecordedValue& v : work.values)
        (*kept)[v.name] = v.echo.empty() ? v.value : v.echo;
    }
    tag = TagOf(device);
  }
  DeviceRecord r = MakeRecord(device, tag, work.name, work.kind, work.detail, work.result);
  r.image = QByteArray(reinterpret_cast<const char*>(work.image.data()),
                       static_cast<qsizetype>(work.image.size()));
  Hand(std::move(r));
}

QString RecordsPaneText(const DeviceRecorder::Status& status) {
  if (status.off)
    return status.reason.isEmpty() ? Tr("Records: off")
                                   : Tr("Records: off (%1)").arg(status.reason);
  if (status.pending > 0 && !status.reason.isEmpty())
    return Tr("Records: %1 not yet saved (%2)").arg(status.pending).arg(status.reason);
  return N_("Ready");  // the status pane shows it in the language in force
}

QString RecordsOffMessage(const DeviceRecorder::Status& status) {
  if (!status.off || status.reason.isEmpty()) return {};
  return Tr("Records are off: %1").arg(status.reason);
}

QString RecordsJournalPath() {
  // The working folder holds the settings file too.
  return QDir::current().absoluteFilePath("Records.journal");
}
