#include "FrameText.h"

#include <cstdio>

#include "Commands.h"

namespace {

bool IsDelimiter(uint8_t d) {
  return d == 0x02 || d == 0x82 || d == 0x06 || d == 0x86 || d == 0x01 || d == 0x81;
}

}  // namespace

int FindFrameStart(const std::vector<uint8_t>& bytes) {
  size_t preambles = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == 0xFF) {
      ++preambles;
      continue;
    }
    if ((preambles >= 2 || i == 0) && IsDelimiter(bytes[i])) return static_cast<int>(i);
    preambles = 0;
  }
  return -1;
}

std::string HexBytes(const std::vector<uint8_t>& bytes) {
  std::string s;
  char b[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
    s += b;
  }
  return s;
}

std::string DescribeFrame(const std::vector<uint8_t>& bytes) {
  const int start = FindFrameStart(bytes);
  if (start < 0) return "no frame";
  const size_t i = static_cast<size_t>(start);
  uint8_t d = bytes[i];
  bool isLong = (d & 0x80) != 0;
  size_t addrLen = isLong ? 5 : 1;
  const char* kind = (d & 0x07) == 2 ? "REQ" : (d & 0x07) == 6 ? "ACK" : "BURST";
  if (bytes.size() < i + 1 + addrLen + 2) return std::string(kind) + " (truncated)";
  const uint8_t* a = &bytes[i + 1];
  char buf[160];
  int n;
  if (isLong)
    n = std::snprintf(buf, sizeof buf, "%s long %s%02X:%02X:%02X%02X%02X", kind,
                      (a[0] & 0x80) ? "M1 " : "M0 ", a[0] & 0x3F, a[1], a[2], a[3], a[4]);
  else
    n = std::snprintf(buf, sizeof buf, "%s short %spoll %d", kind, (a[0] & 0x80) ? "M1 " : "M0 ",
                      a[0] & 0x0F);
  size_t c = i + 1 + addrLen;
  uint8_t cmd = bytes[c];
  uint8_t bc = bytes[c + 1];
  n += std::snprintf(buf + n, sizeof buf - size_t(n), " cmd %u bc %u", cmd, bc);
  if ((d & 0x07) != 2 && bytes.size() >= c + 4)
    std::snprintf(buf + n, sizeof buf - size_t(n), " rc %u st 0x%02X", bytes[c + 2], bytes[c + 3]);
  return buf;
}

const char* DeviceStatusBitName(int bit) {
  static const char* const kNames[8] = {"PV out of limits",       "Non-PV out of limits",
                                        "Loop current saturated", "Loop current fixed",
                                        "More status available",  "Cold start",
                                        "Configuration changed",  "Field device malfunction"};
  return bit >= 0 && bit < 8 ? kNames[bit] : "";
}

std::string DeviceStatusText(uint8_t deviceStatus) {
  std::string text;
  for (int bit = 7; bit >= 0; --bit) {
    if (!(deviceStatus & (1 << bit))) continue;
    if (!text.empty()) text += ", ";
    text += DeviceStatusBitName(bit);
  }
  return text.empty() ? "OK" : text;
}

std::string LongAddressText(uint8_t manufacturerId, uint8_t deviceType, const uint8_t* deviceId) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X-%02X-%02X%02X%02X", manufacturerId & 0x3F, deviceType,
                deviceId[0], deviceId[1], deviceId[2]);
  return buf;
}

std::string IdentityAddressText(const HartIdentity& identity) {
  const uint8_t id[3] = {static_cast<uint8_t>(identity.deviceId >> 16),
                         static_cast<uint8_t>(identity.deviceId >> 8),
                         static_cast<uint8_t>(identity.deviceId)};
  return LongAddressText(identity.manufacturerId, identity.deviceType, id);
}

std::string IdentityText(int pollAddress, const HartIdentity& id) {
  char text[200];
  std::snprintf(text, sizeof text,
                "Manufacturer 0x%02X; Device type 0x%02X; Device ID 0x%06X; Polling address %d; "
                "Revisions: universal %u, device %u, software %u, hardware %u",
                id.manufacturerId & 0x3F, id.deviceType, static_cast<unsigned>(id.deviceId),
                pollAddress, id.universalRevision, id.deviceRevision, id.softwareRevision,
                id.hardwareRevision);
  return text;
}
