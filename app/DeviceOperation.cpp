#include "DeviceOperation.h"

OperationResult DeviceOperation::Run(DeviceOperationHost& host) const {
  return Run(host, TheDeviceState());
}

OperationResult DeviceOperation::Run(DeviceOperationHost& host, DeviceState& ds) const {
  if (busyCheck && !host.JobIdle()) {
    host.ShowMessage(spacedBusy ? "Busy! Try later." : "Busy!Try later.");
    return OperationResult::Busy;
  }
  if (!confirmText.empty() && !host.Confirm(confirmText)) return OperationResult::Cancelled;
  if (!HartOpenPort(ds)) {
    host.ShowMessage("Communication Port Error");
    return OperationResult::NoPort;
  }
  // The addressing step has shown its own message when it fails.
  if (!PrepareDeviceAddress(ds, host)) return OperationResult::NoDevice;

  const int high = progressHigh > 0 ? progressHigh : static_cast<int>(steps.size()) + 1;
  int pos = 1;
  host.SetProgressRange(high);
  host.SetProgressPos(pos);
  for (const DeviceStep& step : steps) {
    int result = step();
    if (result != HART_OK) {
      host.ShowMessage(HartFailureMessage(result, spacedFailure));
      host.SetProgressPos(0);
      return OperationResult::Failed;
    }
    host.SetProgressPos(++pos);
  }
  if (pos != high) host.SetProgressPos(high);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  return OperationResult::Done;
}
