// Wrappers of the universal and common-practice commands (numbers below 128).
#include "Commands.h"
#include "Encoding.h"

HartResult HartCmd1(DeviceState& ds, HartPvReading& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 1, nullptr, 0, 5, r);
  if (result == HART_OK) {
    out.unitCode = r.data[0];
    out.pv = GetFloatBE(r.data + 1);
  }
  return result;
}

HartResult HartCmd2(DeviceState& ds, HartLoopReading& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 2, nullptr, 0, 8, r);
  if (result == HART_OK) {
    out.current = GetFloatBE(r.data);
    out.percent = GetFloatBE(r.data + 4);
  }
  return result;
}

HartResult HartCmd12(DeviceState& ds, char message[32]) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 12, nullptr, 0, 24, r);
  if (result == HART_OK) UnpackAscii(r.data, message, 24);
  return result;
}

HartResult HartReadTag(DeviceState& ds, std::string& tag, int attempts) {
  constexpr int kTagChars = 8;
  constexpr int kTagPackedBytes = kTagChars / 4 * 3;
  HartResponse r;
  const HartResult result = HartExchange(ds, 13, nullptr, 0, kTagPackedBytes, r, attempts);
  if (result != HART_OK) return result;
  char text[kTagChars + 1] = {};
  UnpackAscii(r.data, text, kTagPackedBytes);
  tag = text;
  tag.erase(tag.find_last_not_of(' ') + 1);
  return HART_OK;
}

HartResult HartCmd15(DeviceState& ds, HartOutputInfo& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 15, nullptr, 0, 17, r);
  if (result == HART_OK) {
    out.alarmCode = r.data[0];
    out.transferFunction = r.data[1];
    out.rangeUnits = r.data[2];
    out.upperRange = GetFloatBE(r.data + 3);
    out.lowerRange = GetFloatBE(r.data + 7);
    out.damping = GetFloatBE(r.data + 11);
    out.writeProtect = r.data[15];
    out.distributor = r.data[16];
  }
  return result;
}

HartResult HartCmd16(DeviceState& ds, uint32_t& finalAssembly) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 16, nullptr, 0, 3, r);
  if (result == HART_OK) finalAssembly = GetU24BE(r.data);
  return result;
}

HartResult HartCmd17(DeviceState& ds, char message[32]) {
  uint8_t data[24];
  PackAscii(message, data, 32);
  HartResponse r;
  const HartResult result = HartExchange(ds, 17, data, 24, 24, r);
  if (result == HART_OK) UnpackAscii(r.data, message, 24);
  return result;
}

HartResult HartCmd19(DeviceState& ds, uint32_t& finalAssembly) {
  uint8_t data[3];
  PutU24BE(data, finalAssembly);
  HartResponse r;
  const HartResult result = HartExchange(ds, 19, data, 3, 3, r);
  if (result == HART_OK) finalAssembly = GetU24BE(r.data);
  return result;
}

namespace {
// Commands that write one float and echo the value the device applied.
HartResult FloatEcho(DeviceState& ds, uint8_t command, HartFloatEcho& value) {
  uint8_t data[4];
  PutFloatBE(data, value.requested);
  HartResponse r;
  const HartResult result = HartExchange(ds, command, data, 4, 4, r);
  if (result == HART_OK) value.actual = GetFloatBE(r.data);
  return result;
}
}  // namespace

HartResult HartCmd34(DeviceState& ds, HartFloatEcho& damping) {
  return FloatEcho(ds, 34, damping);
}

HartResult HartCmd35(DeviceState& ds, HartRangeValues& range) {
  uint8_t data[9];
  data[0] = range.unitCode;
  PutFloatBE(data + 1, range.upperRange);
  PutFloatBE(data + 5, range.lowerRange);
  HartResponse r;
  const HartResult result = HartExchange(ds, 35, data, 9, 9, r);
  if (result == HART_OK) {
    range.unitCode = r.data[0];
    range.upperRange = GetFloatBE(r.data + 1);
    range.lowerRange = GetFloatBE(r.data + 5);
  }
  return result;
}

HartResult HartCmd40(DeviceState& ds, HartFloatEcho& current) {
  return FloatEcho(ds, 40, current);
}

HartResult HartCmd42(DeviceState& ds) {
  HartResponse r;
  return HartExchange(ds, 42, nullptr, 0, 0, r);
}

HartResult HartCmd47(DeviceState& ds, uint8_t& transferFunction) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 47, &transferFunction, 1, 1, r);
  if (result == HART_OK) transferFunction = r.data[0];
  return result;
}
