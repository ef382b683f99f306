// The device operations of the main window that belong to no page: reset, restore of the
// factory default configuration, cancelling the factory (linear) calibration, and
// cancelling and restoring the thermal compensation.
#pragma once

#include "DeviceOperation.h"

// Command 42 after "Reset?". From the menu the failure message has a blank after its colon.
DeviceOperation ResetDeviceOperation(bool fromMenu);
// Command 164 after "Restore Factory Default".
DeviceOperation RestoreFactoryDefaultOperation();
// Command 231 after the busy check and "Cancel The Factory Calibration?".
DeviceOperation CancelLinearCompensationOperation();

// The thermal compensation, with the device always identified first (the backup is kept per
// device; see ThermalBackup.h). Cancel reads every point's T-AD (225), keeps it, then
// overwrites it with 0xFFFF (226), and resets the device; Restore writes the kept values back
// and resets. A device reporting no or more than 8 temperature points is refused.
OperationResult CancelThermalCompensation(DeviceState& ds, DeviceOperationHost& host);
OperationResult RestoreThermalCompensation(DeviceState& ds, DeviceOperationHost& host);
