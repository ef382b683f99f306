#include <string>

#include "SerialPort.h"

std::string PortNameForIndex(int portIndex) {
  const std::string number = std::to_string(portIndex + 1);
  // COM10 and above exist only in the device namespace: \\.\COM10.
  if (portIndex < 9) return "COM" + number;
  return "\\\\.\\COM" + number;
}

std::string PortFailureText(const std::string& name, const std::string& path,
                            const std::string& reason) {
  if (path.empty() || path == name) return name + ": " + reason;
  return name + " (" + path + "): " + reason;
}
