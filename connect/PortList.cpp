#include "PortList.h"

#include <QSerialPortInfo>
#include <cstdio>
#include <mutex>

#include "Language.h"

namespace {

std::mutex sourceLock;
PortSource& Source() {
  static PortSource source;
  return source;
}

std::vector<PortInfo> SystemPorts() {
  std::vector<PortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    PortInfo port;
    port.portName = info.portName().toStdString();
    port.description = info.description().toStdString();
    port.systemLocation = info.systemLocation().toStdString();
    if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
    ports.push_back(std::move(port));
  }
  return ports;
}

std::string Hex4(uint16_t value) {
  char text[5];
  std::snprintf(text, sizeof text, "%04x", value);
  return text;
}

}  // namespace

std::vector<PortInfo> AvailablePorts() {
  PortSource source;
  {
    std::lock_guard<std::mutex> hold(sourceLock);
    source = Source();
  }
  return source ? source() : SystemPorts();
}

void SetPortSource(PortSource source) {
  std::lock_guard<std::mutex> hold(sourceLock);
  Source() = std::move(source);
}

std::string PortEntryText(const PortInfo& port) {
  std::string text = port.portName.empty() ? port.systemLocation : port.portName;
  if (!port.description.empty()) text += " - " + port.description;
  std::string ids;
  if (port.vendorId) ids = Hex4(*port.vendorId);
  if (port.productId) ids += (ids.empty() ? "" : ":") + Hex4(*port.productId);
  if (!ids.empty()) text += " (" + ids + ")";
  return text;
}

std::vector<PortEntry> SerialPortEntries(const std::vector<PortInfo>& ports,
                                         const std::string& link) {
  std::vector<PortEntry> entries;
  bool linkListed = false;
  for (const PortInfo& port : ports) {
    PortEntry entry;
    entry.text = PortEntryText(port);
    entry.choice.kind = LinkChoice::Kind::SystemPort;
    entry.choice.path = port.systemLocation;
    linkListed = linkListed || port.systemLocation == link;
    entries.push_back(std::move(entry));
  }
  const LinkChoice saved = ReadLinkChoice(link, 0);
  if (saved.kind == LinkChoice::Kind::SystemPort && !linkListed)
    entries.push_back({TrFormat("%s (not present)", saved.path.c_str()).toStdString(), saved});
  for (int i = 0; i < kComPortCount; ++i) {
    PortEntry entry;
    entry.text = "COM" + std::to_string(i + 1);
    entry.choice.portIndex = i;
    entries.push_back(std::move(entry));
  }
  return entries;
}
