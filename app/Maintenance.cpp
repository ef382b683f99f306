#include "Maintenance.h"

#include "Encoding.h"
#include "FrameText.h"
#include "Texts.h"
#include "ThermalBackup.h"

namespace {

// Command 13's reply opens with the tag: 8 characters in 6 bytes of packed ASCII.
constexpr int kTagChars = 8;
constexpr int kTagPackedBytes = 6;

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

// The start both thermal operations share: the port, the device identified, the bar, and
// the point count. Done when it may go on.
OperationResult BeginThermal(DeviceState& ds, DeviceOperationHost& host, int high, int& points) {
  if (!OpenPortOrReport(ds, host)) return OperationResult::NoPort;
  if (!ConnectDevice(ds, host)) return OperationResult::NoDevice;
  host.SetProgressRange(high);
  host.SetProgressPos(1);
  uint8_t t = 0, n = 0;
  const HartResult result = HartCmd221(ds, t, n);
  if (result != HART_OK) return Fail(host, result);
  if (t < 1 || t > ThermalBackup::kPoints)
    return Refuse(host, "Device reports " + std::to_string(t) +
                            " temperature points (1 to 8 can be compensated)");
  points = t;
  host.SetProgressPos(2);
  return OperationResult::Done;
}

// The reset that makes the device take its new compensation, the bar, and what was done.
OperationResult EndThermal(DeviceState& ds, DeviceOperationHost& host, int high,
                           const std::string& done) {
  const HartResult result = HartCmd42(ds);
  if (result != HART_OK) return Fail(host, result);
  host.SetProgressPos(high);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  host.ShowMessage(done);
  return OperationResult::Done;
}

std::string DeviceKey(DeviceState& ds) {
  std::lock_guard lock(ds.lock);
  return ThermalBackup::DeviceKey(ds.request);
}

// The device as the questions name it: its tag (command 13) and long address,
// "PT-101 (26-05-0A0001)". An empty tag leaves the address alone.
HartResult DeviceName(DeviceState& ds, std::string& name) {
  HartResponse detail;
  const HartResult result = HartExchange(ds, 13, nullptr, 0, kTagPackedBytes, detail);
  if (result != HART_OK) return result;
  char tag[kTagChars + 1] = {};
  UnpackAscii(detail.data, tag, kTagPackedBytes);
  std::string text(tag);
  text.erase(text.find_last_not_of(' ') + 1);
  std::lock_guard lock(ds.lock);
  const HartRequest& r = ds.request;
  const std::string address = LongAddressText(r.manufacturerId, r.deviceType, r.deviceId);
  name = text.empty() ? address : text + " (" + address + ")";
  return HART_OK;
}

// Asks before the device's thermal compensation is overwritten, naming the device in place
// of the question's %s. Done when the user agreed; `name` is the device's.
OperationResult AskThermal(DeviceState& ds, DeviceOperationHost& host, const std::string& question,
                           std::string& name) {
  if (const HartResult result = DeviceName(ds, name); result != HART_OK) return Fail(host, result);
  std::string text = question;
  text.replace(text.find("%s"), 2, name);
  if (host.Confirm(text)) return OperationResult::Done;
  host.SetProgressPos(0);
  return OperationResult::Cancelled;
}

}  // namespace

DeviceOperation ResetDeviceOperation(bool fromMenu) {
  DeviceOperation op;
  op.confirmText = "Reset?";
  op.spacedFailure = fromMenu;
  op.progressHigh = 2;
  op.Step([](DeviceState& ds) { return HartCmd42(ds); });
  return op;
}

DeviceOperation RestoreFactoryDefaultOperation() {
  DeviceOperation op;
  op.confirmText = "Restore Factory Default";
  op.doneText = "The device's factory default configuration is restored.";
  op.progressHigh = 2;
  op.Step(Bare(164));
  return op;
}

DeviceOperation CancelLinearCompensationOperation() {
  DeviceOperation op;
  op.busyCheck = true;
  op.confirmText = "Cancel The Factory Calibration?";
  op.doneText = "The device's factory calibration is cancelled.";
  op.spacedFailure = true;
  op.progressHigh = 2;
  op.Step(Bare(231));
  return op;
}

OperationResult CancelThermalCompensation(DeviceState& ds, DeviceOperationHost& host) {
  constexpr int kHigh = 18;
  int points = 0;
  if (const OperationResult begun = BeginThermal(ds, host, kHigh, points);
      begun != OperationResult::Done)
    return begun;
  const std::string question =
      "Cancel the thermal compensation of %s?\n\nThe device's factory thermal compensation (" +
      std::to_string(points) +
      " temperature points) will be overwritten. Its present values are kept in " +
      ThermalBackup::FileName() +
      " first, so that \"Restore Thermal Compensation\" can put "
      "them back.";
  std::string name;
  if (const OperationResult asked = AskThermal(ds, host, question, name);
      asked != OperationResult::Done)
    return asked;

  // Every point is read and the backup is safe on disk before the device is touched.
  const std::string device = DeviceKey(ds);
  ThermalBackup::Entries backup = ThermalBackup::Load(device);
  for (int k = 0; k < points; ++k) {
    uint16_t tad = 0;
    const HartResult result = HartCmd225(ds, static_cast<uint8_t>(k), tad);
    if (result != HART_OK) return Fail(host, result);
    // A point already cancelled keeps the value kept for it before.
    auto& entry = backup[static_cast<size_t>(k)];
    if (tad != 0xFFFF || !entry) entry = tad;
    host.SetProgressPos(k + 3);
  }
  std::string error;
  if (!ThermalBackup::Save(device, backup, &error))
    return Refuse(host,
                  "The thermal compensation backup could not be kept, so nothing was "
                  "sent to the device.\n" +
                      error);
  for (int k = 0; k < points; ++k) {
    const HartResult result = HartCmd226(ds, static_cast<uint8_t>(k), 0xFFFF);
    if (result != HART_OK) return Fail(host, result);
    host.SetProgressPos(points + k + 3);
  }
  return EndThermal(ds, host, kHigh,
                    "Thermal compensation cancelled on " + name + ". Its values are kept in " +
                        ThermalBackup::FileName() + ".");
}

OperationResult RestoreThermalCompensation(DeviceState& ds, DeviceOperationHost& host) {
  constexpr int kHigh = 10;
  int points = 0;
  if (const OperationResult begun = BeginThermal(ds, host, kHigh, points);
      begun != OperationResult::Done)
    return begun;
  const ThermalBackup::Entries backup = ThermalBackup::Load(DeviceKey(ds));
  for (int k = 0; k < points; ++k)
    if (!backup[static_cast<size_t>(k)])
      return Refuse(host, "No thermal compensation backup for this device");
  const std::string question = "Restore the thermal compensation of %s from " +
                               ThermalBackup::FileName() + "?\n\nThe device's present " +
                               "thermal compensation (" + std::to_string(points) +
                               " temperature points) will be overwritten.";
  std::string name;
  if (const OperationResult asked = AskThermal(ds, host, question, name);
      asked != OperationResult::Done)
    return asked;
  for (int k = 0; k < points; ++k) {
    const HartResult result =
        HartCmd226(ds, static_cast<uint8_t>(k), *backup[static_cast<size_t>(k)]);
    if (result != HART_OK) return Fail(host, result);
    host.SetProgressPos(k + 3);
  }
  return EndThermal(ds, host, kHigh, "Thermal compensation restored on " + name + ".");
}
