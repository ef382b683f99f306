// The frame every user operation on the device runs in: busy check, confirmation, open the
// port, address the device, then its exchanges with the shared progress bar, the success
// pause, and one failure message that names the result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Commands.h"

// What the frame needs of the window it runs in, beyond the addressing step's needs.
class DeviceOperationHost : public HartOperationHost {
 public:
  virtual bool JobIdle() = 0;                         // no background job runs
  virtual bool Confirm(const std::string& text) = 0;  // OK and Cancel: true for OK
};

// One exchange (or a group of them): returns a result code, HART_OK for success.
using DeviceStep = std::function<int()>;

enum class OperationResult { Done, Busy, Cancelled, NoPort, NoDevice, Failed };

struct DeviceOperation {
  bool busyCheck = false;      // refuse while a background job runs
  bool spacedBusy = false;     // "Busy! Try later." instead of "Busy!Try later."
  bool spacedFailure = false;  // "Communication Failure: %s" instead of "...Failure:%s"
  std::string confirmText;     // asked first (OK and Cancel) when not empty
  int progressHigh = 0;        // N of the range 0..N; 0: one more than the steps
  std::vector<DeviceStep> steps;

  OperationResult Run(DeviceOperationHost& host) const;
  OperationResult Run(DeviceOperationHost& host, DeviceState& ds) const;
};
