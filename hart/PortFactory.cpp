#include "PortFactory.h"

#include <typeinfo>

#include "HartIpPort.h"

namespace {

bool IsSystemSerialPort(const SerialPort& port) {
  // The system port's class is private to its backend; its type is learnt from one made.
  static const std::type_info& systemType = []() -> const std::type_info& {
    const std::unique_ptr<SerialPort> sample = MakeSystemSerialPort();
    return typeid(*sample);
  }();
  return typeid(port) == systemType;
}

}  // namespace

std::unique_ptr<SerialPort> MakePortForName(const std::string& name) {
  if (IsHartIpName(name)) return std::make_unique<HartIpPort>();
  return MakeSystemSerialPort();
}

bool PortNeedsReplacing(const SerialPort& port, const std::string& name) {
  const bool isHartIp = typeid(port) == typeid(HartIpPort);
  if (!isHartIp && !IsSystemSerialPort(port)) return false;
  return isHartIp != IsHartIpName(name);
}
