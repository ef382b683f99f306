#include "ConfigTransfer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "BackgroundJob.h"
#include "Commands.h"
#include "DeviceOperation.h"
#include "DeviceRecord.h"
#include "PageRecord.h"
#include "Prompts.h"
#include "SafeFile.h"
#include "Texts.h"

namespace {

constexpr int kProgressHigh = 90;
constexpr char kUploadName[] = "File > Update to computer";
constexpr char kDownloadName[] = "File > Downloads to Device";

// The name proposed for a saved file: the device's tag, or "device".
QString ProposedName(const ConfigValues& values) {
  QString tag = QString::fromLatin1(values.tag.c_str()).trimmed();
  tag.replace('/', '_');
  return (tag.isEmpty() ? QStringLiteral("device") : tag) + ".Hart";
}

// The bar's full position, the success pause, then 0.
void Finish(DeviceOperationHost& host, DeviceState& ds) {
  host.SetProgressPos(kProgressHigh);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
}

// The start both transfers share: the port, the device (its long address into `device`
// when it was identified), the bar. False when it ended there.
bool Begin(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds, const char* operation,
           std::string& device) {
  if (!OpenPortOrReport(ds, host) || !PrepareDeviceAddress(ds, host, operation, &device))
    return false;
  if (!job.Running()) return false;
  host.SetProgressRange(kProgressHigh);
  host.SetProgressPos(1);
  return true;
}

std::string TrimmedTag(const ConfigValues& values) {
  std::string tag = values.tag;
  tag.erase(tag.find_last_not_of(' ') + 1);
  return tag;
}

// The device a file configures, by its tag (or "the device" without one).
std::string DeviceLabel(const ConfigValues& values) {
  const std::string tag = TrimmedTag(values);
  return tag.empty() ? Tr("the device").toStdString() : tag;
}

std::string DownloadQuestion(const std::string& fileName, const ConfigValues& v) {
  const QByteArray range = TrFormat("%.4f to %.4f %s", static_cast<double>(v.lowerRange),
                                    static_cast<double>(v.upperRange), DeviceUnitName(v.unitCode))
                               .toUtf8();
  // Each line its own text: a catalogue's id keeps no line break.
  return (TrFormat("Write %s into the device?", fileName.c_str()) + "\n\n" +
          TrFormat("Tag: %s", DeviceLabel(v).c_str()) + "\n" +
          TrFormat("PV range: %s", range.constData()) + "\n\n" +
          Tr("The device's whole configuration will be overwritten with the file's."))
      .toStdString();
}

// Writes the blocks, counting those the device took; the failure is shown and returned.
HartResult WriteBlocks(DeviceOperationHost& host, DeviceState& ds, const ConfigImage& image,
                       int& written) {
  for (written = 0; written < kConfigBlocks; ++written) {
    const int k = written;
    uint8_t data[1 + kConfigBlockSize] = {static_cast<uint8_t>(k)};
    std::copy_n(image.begin() + k * kConfigBlockSize, kConfigBlockSize, data + 1);
    HartResponse reply;
    const HartResult result = HartExchange(ds, 246, data, sizeof data, 0, reply);
    if (result != HART_OK) {
      ReportFailure(host, result);
      return result;
    }
    host.SetProgressPos(std::min(k + 2, kProgressHigh));
  }
  return HART_OK;
}

// "SHA-256 9f86d0..." of an image.
std::string Sha256Text(const ConfigImage& image) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(image.data()),
                                                   static_cast<qsizetype>(image.size()));
  return "SHA-256 " +
         QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

// The record of a transfer, with the image. When the device holds `image` whole (it was read
// from it, or written into it completely) its tag is kept as the device's; a download drops
// what was kept of the device before.
void RecordTransfer(DeviceOperationHost& host, const std::string& device, const char* operation,
                    const char* kind, const ConfigImage& image, const std::string& detail,
                    const std::string& result, bool deviceHoldsImage) {
  OperationRecorder* recorder = host.Recorder();
  if (!recorder) return;
  WorkRecord work;
  work.device = device;
  work.name = operation;
  work.kind = kind;
  work.image.assign(image.begin(), image.end());
  work.detail = detail;
  work.result = result;
  work.forgetValues = work.kind == record_kind::kDownload;
  if (deviceHoldsImage) work.values = {{value_name::kTag, TrimmedTag(DecodeConfigImage(image))}};
  recorder->WorkEnded(work);
}

std::string PathText(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

bool ReadConfigBlocks(DeviceOperationHost& host, DeviceState& ds, ConfigImage& image,
                      const std::function<bool()>& running) {
  for (int k = 0; k < kConfigBlocks; ++k) {
    // Stopped between blocks: the bar goes back and nothing is kept.
    if (running && !running()) {
      host.SetProgressPos(0);
      return false;
    }
    const uint8_t index = static_cast<uint8_t>(k);
    HartResponse reply;
    const HartResult result = HartExchange(ds, 245, &index, 1, 1 + kConfigBlockSize, reply);
    if (result != HART_OK) {
      ReportFailure(host, result);
      return false;
    }
    std::copy_n(reply.data + 1, kConfigBlockSize, image.begin() + k * kConfigBlockSize);
    host.SetProgressPos(std::min(k + 2, kProgressHigh));
  }
  return true;
}

bool WriteConfigBlocks(DeviceOperationHost& host, DeviceState& ds, const ConfigImage& image) {
  int written = 0;
  return WriteBlocks(host, ds, image, written) == HART_OK;
}

bool SaveConfigFile(const QString& path, const ConfigImage& image, QString* error) {
  return WriteWholeFile(
      path,
      QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size())),
      error);
}

std::optional<ConfigImage> LoadConfigFile(const QString& path, std::string& refusal) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    refusal = N_("Open Index File Error");
    return std::nullopt;
  }
  // One byte more than an image tells a longer file apart without reading all of it.
  const QByteArray bytes = file.read(kConfigImageSize + 1);
  const qint64 size = bytes.size() > kConfigImageSize ? file.size() : bytes.size();
  if (size != kConfigImageSize) {
    refusal = TrFormat("Not a configuration file (%lld bytes, %d expected)",
                       static_cast<long long>(size), kConfigImageSize)
                  .toStdString();
    return std::nullopt;
  }
  ConfigImage image;
  std::copy_n(bytes.constData(), kConfigImageSize, image.begin());
  return image;
}

void UploadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                         const ShowConfigValues& show) {
  std::string device;
  if (!Begin(job, host, ds, kUploadName, device)) return;
  ConfigImage image{};
  if (!ReadConfigBlocks(host, ds, image, [&job] { return job.Running(); })) return;
  // The image read is recorded whether or not it is saved: it is what the device held.
  auto record = [&](const std::string& saved, const std::string& result) {
    RecordTransfer(host, device, kUploadName, record_kind::kUpload, image,
                   Sha256Text(image) + "; " + saved, result, true);
  };
  const ConfigValues values = DecodeConfigImage(image);
  const QString path = AskSaveFile(kDataFileFilter, ProposedName(values));
  if (path.isEmpty()) {
    record("not saved (the save was cancelled)", kRecordOk);
    host.SetProgressPos(0);
    return;
  }
  QString error;
  if (!SaveConfigFile(path, image, &error)) {
    const std::string message = SaveFailureMessage(path, error).toStdString();
    record("not saved", message);
    host.ShowMessage(message);
    host.SetProgressPos(0);
    return;
  }
  record("saved as " + PathText(path), kRecordOk);
  host.OnUiThread([&] { show(values); });
  Finish(host, ds);
}

void DownloadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                           const ShowConfigValues& show) {
  std::string device;
  if (!Begin(job, host, ds, kDownloadName, device)) return;
  const QString path = AskOpenFile(kDataFileFilter, QString());
  if (path.isEmpty()) {
    host.SetProgressPos(0);
    return;
  }
  std::string refusal;
  const std::optional<ConfigImage> image = LoadConfigFile(path, refusal);
  if (!image) {
    host.ShowMessage(refusal);
    host.SetProgressPos(0);
    return;
  }
  // Nothing goes out before the file has been checked and the user has seen what it holds.
  const ConfigValues values = DecodeConfigImage(*image);
  const QString fileName = QFileInfo(path).fileName();
  if (const std::string problem = ConfigImageProblem(values); !problem.empty()) {
    host.ShowMessage((TrFormat("%s cannot be written into a device: %s.",
                               fileName.toUtf8().constData(), problem.c_str()) +
                      "\n" + Tr("Nothing was sent."))
                         .toStdString());
    host.SetProgressPos(0);
    return;
  }
  const std::string label = DeviceLabel(values);
  if (!host.Confirm(DownloadQuestion(fileName.toStdString(), values))) {
    host.SetProgressPos(0);
    return;
  }
  // Once begun, a download runs to its last block: half a configuration is worse than either.
  int written = 0;
  const HartResult result = WriteBlocks(host, ds, *image, written);
  // Recorded also when it failed part-way: the device then holds part of the file.
  RecordTransfer(host, device, kDownloadName, record_kind::kDownload, *image,
                 "File " + PathText(path) + ", " + Sha256Text(*image) + "; written " +
                     std::to_string(written) + " of " + std::to_string(kConfigBlocks) + " blocks",
                 result == HART_OK ? std::string(kRecordOk) : Texts::CommunicationFailure(result),
                 result == HART_OK);
  if (result != HART_OK) return;
  host.OnUiThread([&] { show(values); });
  Finish(host, ds);
  const QString done =
      TrFormat("Download complete: %d blocks written to %s", kConfigBlocks, label.c_str());
  host.ShowMessage(done.toStdString());
}
