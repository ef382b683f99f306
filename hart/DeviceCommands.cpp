// Wrappers of the transmitter's own commands (128 and up). Every float and 32-bit value
// travels high byte first; the 16-bit values of 201, 225 and 226 low byte first.
#include "Commands.h"
#include "Encoding.h"

namespace {

constexpr uint8_t kSensorTypeCodes[6] = {0xFF, 0xF0, 0xF7, 0xF9, 0xFB, 0xFD};

void DecodeComp(const HartResponse& r, HartCompRecord& out) {
  out.code = r.data[0];
  for (int i = 0; i < 7; ++i)
    out.value[i] = GetFloatBE(r.data + 1 + 4 * i);
}

// Bytes 0..7 of a 147 or 187 reply: the value, three setting bytes and excitation x 3.
void DecodeSensorCommon(const HartResponse& r, HartSensorRecord& rec) {
  rec.value = GetFloatBE(r.data);
  rec.alarmType = r.data[4];
  rec.displayMode = r.data[5];
  rec.numberFormat = r.data[6];
  rec.excitation = static_cast<uint8_t>(r.data[7] / 3);
}

// A command with one index byte that answers with the index and a value after it.
HartResult IndexedRead(DeviceState& ds, uint8_t command, uint8_t index, int valueBytes,
                       HartResponse& r) {
  return HartExchange(ds, command, &index, 1, 1 + valueBytes, r);
}

}  // namespace

int HartSensorTypeCode(int typeIndex) {
  return typeIndex >= 0 && typeIndex < 6 ? kSensorTypeCodes[typeIndex] : -1;
}

int HartSensorTypeIndex(uint8_t wireCode) {
  for (int i = 0; i < 6; ++i)
    if (kSensorTypeCodes[i] == wireCode) return i;
  return -1;
}

HartResult HartCmd145(DeviceState& ds, HartCompRecord& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 145, nullptr, 0, 29, r);
  if (result == HART_OK) DecodeComp(r, out);
  return result;
}

HartResult HartCmd146(DeviceState& ds, HartCompRecord& rec) {
  // Six values go out; the device answers with all seven.
  uint8_t data[25];
  data[0] = rec.code;
  for (int i = 0; i < 6; ++i)
    PutFloatBE(data + 1 + 4 * i, rec.value[i]);
  HartResponse r;
  const HartResult result = HartExchange(ds, 146, data, 25, 29, r);
  if (result == HART_OK) DecodeComp(r, rec);
  return result;
}

HartResult HartCmd147(DeviceState& ds, HartSensorRecord& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 147, nullptr, 0, 9, r);
  if (result != HART_OK) return result;
  DecodeSensorCommon(r, out);
  out.typeCode = r.data[8];
  const int typeIndex = HartSensorTypeIndex(r.data[8]);
  if (typeIndex >= 0) out.typeIndex = static_cast<uint8_t>(typeIndex);
  if (r.byteCount - 2 >= 11) {
    out.extra1 = r.data[9];
    out.extra2 = r.data[10];
  }
  return result;
}

HartResult HartCmd149(DeviceState& ds, HartRangePair& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 149, nullptr, 0, 9, r);
  if (result == HART_OK) {
    out.lower = GetFloatBE(r.data);
    out.upper = GetFloatBE(r.data + 4);
    out.code = r.data[8];
  }
  return result;
}

HartResult HartCmd150(DeviceState& ds, float& out) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 150, nullptr, 0, 4, r);
  if (result == HART_OK) out = GetFloatBE(r.data);
  return result;
}

HartResult HartCmd187(DeviceState& ds, HartSensorRecord& rec) {
  uint8_t data[11];
  PutFloatBE(data, rec.value);
  data[4] = rec.alarmType;
  data[5] = rec.displayMode;
  data[6] = rec.numberFormat;
  data[7] = static_cast<uint8_t>(rec.excitation * 3);
  // Without a type of its own the page sends back what the device last reported.
  const int code = HartSensorTypeCode(rec.typeIndex);
  data[8] = code >= 0 ? static_cast<uint8_t>(code) : rec.typeCode;
  data[9] = rec.extra1;
  data[10] = rec.extra2;
  HartResponse r;
  const HartResult result = HartExchange(ds, 187, data, 11, 8, r);
  if (result == HART_OK) DecodeSensorCommon(r, rec);
  return result;
}

HartResult HartCmd190(DeviceState& ds, float& value) {
  uint8_t data[4];
  PutFloatBE(data, value);
  HartResponse r;
  const HartResult result = HartExchange(ds, 190, data, 4, 4, r);
  if (result == HART_OK) value = GetFloatBE(r.data);
  return result;
}

HartResult HartCmd201(DeviceState& ds, int32_t& value32, uint16_t& value16) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 201, nullptr, 0, 6, r);
  if (result == HART_OK) {
    value32 = GetI32BE(r.data);
    value16 = GetU16LE(r.data + 4);
  }
  return result;
}

HartResult HartCmd215(DeviceState& ds, uint8_t& value) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 215, &value, 1, 1, r);
  if (result == HART_OK) value = r.data[0];
  return result;
}

HartResult HartCmd221(DeviceState& ds, uint8_t& tempPoints, uint8_t& pressurePoints) {
  HartResponse r;
  const HartResult result = HartExchange(ds, 221, nullptr, 0, 2, r);
  if (result == HART_OK) {
    tempPoints = r.data[0];
    pressurePoints = r.data[1];
  }
  return result;
}

HartResult HartCmd223(DeviceState& ds, uint8_t index, float& out) {
  HartResponse r;
  const HartResult result = IndexedRead(ds, 223, index, 4, r);
  if (result == HART_OK) out = GetFloatBE(r.data + 1);
  return result;
}

HartResult HartCmd225(DeviceState& ds, uint8_t index, uint16_t& out) {
  HartResponse r;
  const HartResult result = IndexedRead(ds, 225, index, 2, r);
  if (result == HART_OK) out = GetU16LE(r.data + 1);
  return result;
}

HartResult HartCmd226(DeviceState& ds, uint8_t index, uint16_t value) {
  uint8_t data[3];
  data[0] = index;
  PutU16LE(data + 1, value);
  HartResponse r;
  return HartExchange(ds, 226, data, 3, 0, r);
}

HartResult HartCmd227(DeviceState& ds, uint8_t index, int32_t& out) {
  HartResponse r;
  const HartResult result = IndexedRead(ds, 227, index, 4, r);
  if (result == HART_OK) out = GetI32BE(r.data + 1);
  return result;
}

HartResult HartCmd228(DeviceState& ds, uint8_t index, int32_t value) {
  uint8_t data[5];
  data[0] = index;
  PutI32BE(data + 1, value);
  HartResponse r;
  return HartExchange(ds, 228, data, 5, 0, r);
}
