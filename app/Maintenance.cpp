#include "Maintenance.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <optional>

#include "DeviceRecord.h"
#include "FrameText.h"
#include "PageRecord.h"
#include "Texts.h"
#include "ThermalBackup.h"

namespace {

// One command without data whose reply data nobody uses.
DeviceExchange Bare(uint8_t command) {
  return [command](DeviceState& ds) {
    HartResponse reply;
    return HartExchange(ds, command, nullptr, 0, 0, reply);
  };
}

OperationResult Fail(DeviceOperationHost& host, const HartResult& result) {
  ReportFailure(host, result);
  return OperationResult::Failed;
}

OperationResult Refuse(DeviceOperationHost& host, const std::string& text) {
  host.ShowMessage(text);
  host.SetProgressPos(0);
  return OperationResult::Refused;
}

constexpr char kCancelThermal[] = "Settings > Cancel Thermal Compensation";
constexpr char kRestoreThermal[] = "Settings > Restore Thermal Compensation";

// What a thermal operation did to the device, point by point, for the device records:
// "Temperature points 5; Point 1: read 4120, kept 4120, written 65535; ...; Device reset".
// It ends the operation: each way out reports it with the result the user saw.
class ThermalLog {
 public:
  using Values = std::array<std::optional<uint16_t>, ThermalBackup::kPoints>;

  ThermalLog(DeviceOperationHost& host, const char* operation, const std::string& device,
             const std::string& tag, int points)
      : host_(host), points_(points) {
    work_.device = device;
    work_.name = operation;
    work_.kind = record_kind::kMaintenance;
    work_.values = {{value_name::kTag, tag}};
  }

  Values read, kept, written;
  bool reset = false;

  OperationResult Done() { return End(OperationResult::Done, kRecordOk); }
  OperationResult Failed(const HartResult& result) {
    ReportFailure(host_, result);
    return End(OperationResult::Failed, Texts::CommunicationFailure(result));
  }
  OperationResult Refused(const std::string& text) {
    host_.ShowMessage(text);
    host_.SetProgressPos(0);
    return End(OperationResult::Refused, text);
  }

 private:
  OperationResult End(OperationResult outcome, const std::string& result) {
    if (OperationRecorder* recorder = host_.Recorder()) {
      work_.detail = Detail();
      work_.result = result;
      recorder->WorkEnded(work_);
    }
    return outcome;
  }
  std::string Detail() const {
    std::string text = "Temperature points " + std::to_string(points_);
    for (int k = 0; k < points_; ++k) {
      std::string point;
      for (const auto& [label, values] :
           {std::pair{"read ", &read}, std::pair{"kept ", &kept}, std::pair{"written ", &written}})
        if (const auto& v = (*values)[static_cast<size_t>(k)])
          point += (point.empty() ? "" : ", ") + std::string(label) + std::to_string(*v);
      if (!point.empty()) text += "; Point " + std::to_string(k + 1) + ": " + point;
    }
    return reset ? text + "; Device reset" : text;
  }

  DeviceOperationHost& host_;
  int points_;
  WorkRecord work_;
};

// The start both thermal operations share: the port, the device identified (its long
// address into `device`), the bar, and the point count. Done when it may go on.
OperationResult BeginThermal(DeviceState& ds, DeviceOperationHost& host, const char* operation,
                             int high, int& points, std::string& device) {
  if (!OpenPortOrReport(ds, host)) return OperationResult::NoPort;
  if (!ConnectDevice(ds, host, operation, &device)) return OperationResult::NoDevice;
  host.SetProgressRange(high);
  host.SetProgressPos(1);
  uint8_t t = 0, n = 0;
  const HartResult result = HartCmd221(ds, t, n);
  if (result != HART_OK) return Fail(host, result);
  if (t < 1 || t > ThermalBackup::kPoints)
    return Refuse(host,
                  TrFormat("Device reports %d temperature points (1 to 8 can be compensated)", t)
                      .toStdString());
  points = t;
  host.SetProgressPos(2);
  return OperationResult::Done;
}

// The reset that makes the device take its new compensation, the bar, and what was done.
OperationResult EndThermal(DeviceState& ds, DeviceOperationHost& host, int high,
                           const std::string& done, ThermalLog& log) {
  const HartResult result = HartCmd42(ds);
  if (result != HART_OK) return log.Failed(result);
  log.reset = true;
  host.SetProgressPos(high);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  host.ShowMessage(done);
  return log.Done();
}

std::string DeviceKey(DeviceState& ds) {
  std::lock_guard lock(ds.lock);
  return ThermalBackup::DeviceKey(ds.request);
}

// The device as the questions name it: its tag (command 13) and long address,
// "PT-101 (26-05-0A0001)". An empty tag leaves the address alone.
HartResult DeviceName(DeviceState& ds, std::string& name, std::string& tag) {
  std::string text;
  const HartResult result = HartReadTag(ds, text);
  if (result != HART_OK) return result;
  std::lock_guard lock(ds.lock);
  const HartRequest& r = ds.request;
  const std::string address = LongAddressText(r.manufacturerId, r.deviceType, r.deviceId);
  name = text.empty() ? address : text + " (" + address + ")";
  tag = text;
  return HART_OK;
}

// Asks before the device's thermal compensation is overwritten, the question naming the
// device. Done when the user agreed; `name` and `tag` are the device's.
OperationResult AskThermal(DeviceState& ds, DeviceOperationHost& host,
                           const std::function<QString(const QByteArray& name)>& question,
                           std::string& name, std::string& tag) {
  if (const HartResult result = DeviceName(ds, name, tag); result != HART_OK)
    return Fail(host, result);
  if (host.Confirm(question(QByteArray::fromStdString(name)).toStdString()))
    return OperationResult::Done;
  host.SetProgressPos(0);
  return OperationResult::Cancelled;
}

}  // namespace

DeviceOperation ResetDeviceOperation(bool fromMenu) {
  DeviceOperation op;
  op.confirmText = N_("Reset?");
  op.spacedFailure = fromMenu;
  op.progressHigh = 2;
  op.recordName = fromMenu ? "Monitor > Reset Device" : "Device Reset";
  op.recordKind = record_kind::kMaintenance;
  op.recordDetail = "Device reset (command 42)";
  op.Step([](DeviceState& ds) { return HartCmd42(ds); });
  return op;
}

DeviceOperation RestoreFactoryDefaultOperation() {
  DeviceOperation op;
  op.confirmText = N_("Restore Factory Default");
  op.doneText = N_("The device's factory default configuration is restored.");
  op.progressHigh = 2;
  op.recordName = "Tools > Restore";
  op.recordKind = record_kind::kMaintenance;
  op.recordDetail = "Factory default configuration restored (command 164)";
  op.recordForgetsValues = true;
  op.Step(Bare(164));
  return op;
}

DeviceOperation CancelLinearCompensationOperation() {
  DeviceOperation op;
  op.busyCheck = true;
  op.confirmText = N_("Cancel The Factory Calibration?");
  op.doneText = N_("The device's factory calibration is cancelled.");
  op.spacedFailure = true;
  op.progressHigh = 2;
  op.recordName = "Settings > Cancel Linear Compensation";
  op.recordKind = record_kind::kMaintenance;
  op.recordDetail = "Factory (linear) calibration cancelled (command 231)";
  op.Step(Bare(231));
  return op;
}

OperationResult CancelThermalCompensation(DeviceState& ds, DeviceOperationHost& host) {
  constexpr int kHigh = 18;
  int points = 0;
  std::string device;
  if (const OperationResult begun = BeginThermal(ds, host, kCancelThermal, kHigh, points, device);
      begun != OperationResult::Done)
    return begun;
  const std::string file = ThermalBackup::FileName();
  const auto question = [points, &file](const QByteArray& name) {
    const QByteArray menu = ('"' + Tr("Restore Thermal Compensation") + '"').toUtf8();
    return TrFormat("Cancel the thermal compensation of %s?", name.constData()) + "\n\n" +
           TrFormat(
               "The device's factory thermal compensation (%d temperature points) will be "
               "overwritten. Its present values are kept in %s first, so that %s can put "
               "them back.",
               points, file.c_str(), menu.constData());
  };
  std::string name, tag;
  if (const OperationResult asked = AskThermal(ds, host, question, name, tag);
      asked != OperationResult::Done)
    return asked;

  // From here on the work is recorded, however it ends.
  ThermalLog log(host, kCancelThermal, device, tag, points);
  // Every point is read and the backup is safe on disk before the device is touched.
  const std::string key = DeviceKey(ds);
  ThermalBackup::Entries backup = ThermalBackup::Load(key);
  for (int k = 0; k < points; ++k) {
    const size_t i = static_cast<size_t>(k);
    uint16_t tad = 0;
    const HartResult result = HartCmd225(ds, static_cast<uint8_t>(k), tad);
    if (result != HART_OK) return log.Failed(result);
    log.read[i] = tad;
    // A point already cancelled keeps the value kept for it before.
    auto& entry = backup[i];
    if (tad != 0xFFFF || !entry) entry = tad;
    host.SetProgressPos(k + 3);
  }
  std::string error;
  if (!ThermalBackup::Save(key, backup, &error))
    return log.Refused(
        Tr("The thermal compensation backup could not be kept, so nothing was sent to the "
           "device.")
            .toStdString() +
        "\n" + error);
  log.kept = backup;
  for (int k = 0; k < points; ++k) {
    const HartResult result = HartCmd226(ds, static_cast<uint8_t>(k), 0xFFFF);
    if (result != HART_OK) return log.Failed(result);
    log.written[static_cast<size_t>(k)] = 0xFFFF;
    host.SetProgressPos(points + k + 3);
  }
  return EndThermal(ds, host, kHigh,
                    TrFormat("Thermal compensation cancelled on %s. Its values are kept in %s.",
                             name.c_str(), file.c_str())
                        .toStdString(),
                    log);
}

OperationResult RestoreThermalCompensation(DeviceState& ds, DeviceOperationHost& host) {
  constexpr int kHigh = 10;
  int points = 0;
  std::string device;
  if (const OperationResult begun = BeginThermal(ds, host, kRestoreThermal, kHigh, points, device);
      begun != OperationResult::Done)
    return begun;
  const ThermalBackup::Entries backup = ThermalBackup::Load(DeviceKey(ds));
  for (int k = 0; k < points; ++k)
    if (!backup[static_cast<size_t>(k)])
      return Refuse(host, N_("No thermal compensation backup for this device"));
  const auto question = [points](const QByteArray& name) {
    return TrFormat("Restore the thermal compensation of %s from %s?", name.constData(),
                    ThermalBackup::FileName().c_str()) +
           "\n\n" +
           TrFormat(
               "The device's present thermal compensation (%d temperature points) will be "
               "overwritten.",
               points);
  };
  std::string name, tag;
  if (const OperationResult asked = AskThermal(ds, host, question, name, tag);
      asked != OperationResult::Done)
    return asked;
  ThermalLog log(host, kRestoreThermal, device, tag, points);
  for (int k = 0; k < points; ++k) {
    const size_t i = static_cast<size_t>(k);
    const HartResult result = HartCmd226(ds, static_cast<uint8_t>(k), *backup[i]);
    if (result != HART_OK) return log.Failed(result);
    log.written[i] = *backup[i];
    host.SetProgressPos(k + 3);
  }
  return EndThermal(ds, host, kHigh,
                    TrFormat("Thermal compensation restored on %s.", name.c_str()).toStdString(),
                    log);
}
