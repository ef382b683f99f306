#include "Maintenance.h"

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

OperationResult EndThermal(DeviceState& ds, DeviceOperationHost& host, int high) {
  const HartResult result = HartCmd42(ds);
  if (result != HART_OK) return Fail(host, result);
  host.SetProgressPos(high);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  return OperationResult::Done;
}

std::string DeviceKey(DeviceState& ds) {
  std::lock_guard lock(ds.lock);
  return ThermalBackup::DeviceKey(ds.request);
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
  op.progressHigh = 2;
  op.Step(Bare(164));
  return op;
}

DeviceOperation CancelLinearCompensationOperation() {
  DeviceOperation op;
  op.busyCheck = true;
  op.confirmText = "Cancel The Factory Calibration?";
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
  const std::string device = DeviceKey(ds);
  ThermalBackup::Entries backup = ThermalBackup::Load(device);
  for (int k = 0; k < points; ++k) {
    const auto index = static_cast<uint8_t>(k);
    uint16_t tad = 0;
    HartResult result = HartCmd225(ds, index, tad);
    if (result != HART_OK) return Fail(host, result);
    // A point already cancelled keeps the value kept for it before.
    auto& entry = backup[static_cast<size_t>(k)];
    if (tad != 0xFFFF || !entry) entry = tad;
    // Kept on disk before the device loses it.
    if (!ThermalBackup::Save(device, backup))
      return Refuse(host, "Cannot write the thermal compensation backup (ThermalBackup.ini)");
    host.SetProgressPos(2 * k + 3);
    result = HartCmd226(ds, index, 0xFFFF);
    if (result != HART_OK) return Fail(host, result);
    host.SetProgressPos(2 * k + 4);
  }
  return EndThermal(ds, host, kHigh);
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
  for (int k = 0; k < points; ++k) {
    const HartResult result =
        HartCmd226(ds, static_cast<uint8_t>(k), *backup[static_cast<size_t>(k)]);
    if (result != HART_OK) return Fail(host, result);
    host.SetProgressPos(k + 3);
  }
  return EndThermal(ds, host, kHigh);
}
