// The serial port list of the Default Parameters dialog: the ports the system has, as Qt
// Serial Port describes them, then COM1..COM25.
//   ttyUSB0 - FT232R USB UART (0403:6001)
//   ttyS0
//   /dev/ttyUSB1 (not present)      the settings' Link= names a port the system lost
//   COM1 ... COM25
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "LinkChoice.h"

// One port as the system describes it; what the system does not give is left empty.
struct PortInfo {
  std::string portName;        // "ttyUSB0"
  std::string description;     // "FT232R USB UART"
  std::string systemLocation;  // "/dev/ttyUSB0": what the link opens
  std::optional<uint16_t> vendorId;
  std::optional<uint16_t> productId;
};

using PortSource = std::function<std::vector<PortInfo>()>;

// The ports the system has now (QSerialPortInfo::availablePorts), or what the source a test
// installed gives.
std::vector<PortInfo> AvailablePorts();
// Installs the source AvailablePorts asks; an empty one restores the system's.
void SetPortSource(PortSource source);

// "ttyUSB0 - FT232R USB UART (0403:6001)": the name, the description when there is one, the
// USB vendor and product ids in 4-digit lower-case hex when the system gives them.
std::string PortEntryText(const PortInfo& port);

struct PortEntry {
  std::string text;
  LinkChoice choice;  // SystemPort or ComPort
};

inline constexpr int kComPortCount = 25;

// The list's entries: the system's ports in the order given, then the port `link` names when
// it is a path the system does not list (so that the choice is still shown and kept), then
// COM1..COM25. A HART-IP link adds nothing.
std::vector<PortEntry> SerialPortEntries(const std::vector<PortInfo>& ports,
                                         const std::string& link);
