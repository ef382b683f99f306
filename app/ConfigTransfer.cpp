#include "ConfigTransfer.h"

#include <QFile>

#include "BackgroundJob.h"
#include "Commands.h"
#include "DeviceOperation.h"
#include "Prompts.h"
#include "SafeFile.h"

namespace {

constexpr int kProgressHigh = 90;

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

// The start both transfers share: the port, the device, the bar. False when it ended there.
bool Begin(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds) {
  if (!OpenPortOrReport(ds, host) || !PrepareDeviceAddress(ds, host)) return false;
  if (!job.Running()) return false;
  host.SetProgressRange(kProgressHigh);
  host.SetProgressPos(1);
  return true;
}

}  // namespace

bool ReadConfigBlocks(DeviceOperationHost& host, DeviceState& ds, ConfigImage& image) {
  for (int k = 0; k < kConfigBlocks; ++k) {
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
  for (int k = 0; k < kConfigBlocks; ++k) {
    uint8_t data[1 + kConfigBlockSize] = {static_cast<uint8_t>(k)};
    std::copy_n(image.begin() + k * kConfigBlockSize, kConfigBlockSize, data + 1);
    HartResponse reply;
    const HartResult result = HartExchange(ds, 246, data, sizeof data, 0, reply);
    if (result != HART_OK) {
      ReportFailure(host, result);
      return false;
    }
    host.SetProgressPos(std::min(k + 2, kProgressHigh));
  }
  return true;
}

bool SaveConfigFile(const QString& path, const ConfigImage& image) {
  return WriteWholeFile(path, QByteArray(reinterpret_cast<const char*>(image.data()),
                                         static_cast<qsizetype>(image.size())));
}

std::optional<ConfigImage> LoadConfigFile(const QString& path, std::string& refusal) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    refusal = "Open Index File Error";
    return std::nullopt;
  }
  // One byte more than an image tells a longer file apart without reading all of it.
  const QByteArray bytes = file.read(kConfigImageSize + 1);
  const qint64 size = bytes.size() > kConfigImageSize ? file.size() : bytes.size();
  if (size != kConfigImageSize) {
    refusal = "Not a configuration file (" + std::to_string(size) + " bytes, " +
              std::to_string(kConfigImageSize) + " expected)";
    return std::nullopt;
  }
  ConfigImage image;
  std::copy_n(bytes.constData(), kConfigImageSize, image.begin());
  return image;
}

void UploadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                         const ShowConfigValues& show) {
  if (!Begin(job, host, ds)) return;
  ConfigImage image{};
  if (!ReadConfigBlocks(host, ds, image)) return;
  const ConfigValues values = DecodeConfigImage(image);
  const QString path = AskSaveFile(kDataFileFilter, ProposedName(values));
  if (path.isEmpty()) {
    host.SetProgressPos(0);
    return;
  }
  if (!SaveConfigFile(path, image)) {
    host.ShowMessage("Error");
    host.SetProgressPos(0);
    return;
  }
  host.OnUiThread([&] { show(values); });
  Finish(host, ds);
}

void DownloadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                           const ShowConfigValues& show) {
  if (!Begin(job, host, ds)) return;
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
  if (!WriteConfigBlocks(host, ds, *image)) return;
  const ConfigValues values = DecodeConfigImage(*image);
  host.OnUiThread([&] { show(values); });
  Finish(host, ds);
}
