// The simulated transmitter's command table.
//
// What the device does where the request and reply layouts leave it open:
// - Every configuration field is read from and written to the configuration image
//   (SimImage.h); identity, write protection, polling address and the live process are not
//   part of it, so a block download never re-addresses the device.
// - Error replies carry no data; warnings (e.g. 14 "span too small") do. Too few request
//   data bytes: 5. Unknown command: 64. Writes while write-protected: 7 (command 40 and the
//   reset 42 are not writes). Any write sets the configuration-changed status bit, which
//   command 38 clears.
// - The range values, limits and trims are held in the PV unit. Command 35 with a new unit
//   converts them; units other than pressure units are refused with 2.
// - Command 35 checks against the PV limits: both values outside 13; LRV above/below 9/10;
//   URV above/below 11/12; URV not above LRV 29; a span under 1 % of the limits is accepted
//   with warning 14.
// - Damping 0..100 s (3 above, 4 below). Fixed current 3.6..22 mA (3/4), 0 leaves fixed
//   mode, refused with 11 in multidrop. Loop trims need fixed current mode (9) and a reading
//   within 1 mA (zero) or 2 mA (gain) of the fixed level (3/4).
// - Command 42 answers first, then resets: fixed current mode ends and cold start is set.
// - Command 43 takes the present PV as the zero trim when it is within 10 % of the PV
//   limits' span of zero (9 too high, 10 too low).
#include <cmath>

#include "SimTransmitter.h"
#include "SimUnits.h"

using simbytes::F32BE;
using simbytes::PutF32BE;
using Result = SimTransmitter::Result;

namespace {

Result Error(uint8_t code) {
  return Result{code, {}};
}

void AppendF32(std::vector<uint8_t>& out, float v) {
  uint8_t b[4];
  PutF32BE(b, v);
  out.insert(out.end(), b, b + 4);
}

struct CommandInfo {
  uint8_t command;
  uint8_t minData;
  bool write;
};

// Request data each command needs, and whether it changes the device's memory.
constexpr CommandInfo kCommands[] = {
    {0, 0, false},  {1, 0, false},  {2, 0, false},  {6, 1, true},   {12, 0, false},
    {13, 0, false}, {15, 0, false}, {16, 0, false}, {17, 24, true}, {18, 21, true},
    {19, 3, true},  {34, 4, true},  {35, 9, true},  {38, 0, false}, {40, 4, false},
    {42, 0, false}, {43, 0, true},  {45, 4, true},  {46, 4, true},  {47, 1, true},
};

const CommandInfo* FindCommand(uint8_t command) {
  for (const CommandInfo& c : kCommands)
    if (c.command == command) return &c;
  return nullptr;
}

}  // namespace

Result SimTransmitter::Execute(uint8_t command, const std::vector<uint8_t>& d) {
  const CommandInfo* info = FindCommand(command);
  if (!info) return Error(64);
  if (d.size() < info->minData) return Error(5);
  if (info->write && writeProtected_) return Error(7);
  switch (command) {
    case 0:
      return Cmd0();
    case 1:
      return Cmd1();
    case 2:
      return Cmd2();
    case 6:
      return Cmd6(d);
    case 12:
      return Cmd12();
    case 13:
      return Cmd13();
    case 15:
      return Cmd15();
    case 16:
      return Cmd16();
    case 17:
      return Cmd17(d);
    case 18:
      return Cmd18(d);
    case 19:
      return Cmd19(d);
    case 34:
      return Cmd34(d);
    case 35:
      return Cmd35(d);
    case 38:
      return Cmd38();
    case 40:
      return Cmd40(d);
    case 42:
      return Cmd42();
    case 43:
      return Cmd43();
    case 45:
      return Cmd45(d);
    case 46:
      return Cmd46(d);
    case 47:
      return Cmd47(d);
    default:
      return Error(64);
  }
}

// ---- Universal commands ----

Result SimTransmitter::Cmd0() {
  const SimIdentity& id = identity_;
  std::vector<uint8_t> r = {254,
                            id.manufacturerId,
                            id.deviceType,
                            id.minPreambles,
                            id.universalRevision,
                            id.deviceRevision,
                            id.softwareRevision,
                            uint8_t((id.hardwareRevision << 3) | (id.physicalSignaling & 7)),
                            id.flags,
                            0,
                            0,
                            0};
  simbytes::PutU24BE(&r[9], id.deviceId);
  return {0, r};
}

Result SimTransmitter::Cmd1() {
  Result r;
  auto unit = UnitByDeviceCode(image_.U8(image::kUnit));
  r.data.push_back(unit ? unit->hartCode : kHartUnitUnknown);
  AppendF32(r.data, ComputePv());
  return r;
}

Result SimTransmitter::Cmd2() {
  Output o = ComputeOutput();
  Result r;
  AppendF32(r.data, o.current);
  AppendF32(r.data, o.percent);
  return r;
}

Result SimTransmitter::Cmd6(const std::vector<uint8_t>& d) {
  if (d[0] > 15) return Error(2);
  pollingAddress_ = d[0];
  if (pollingAddress_ != 0) fixedCurrent_.reset();  // multidrop parks the loop at 4 mA
  MarkConfigChanged();
  return {0, {d[0]}};
}

Result SimTransmitter::Cmd12() {
  const uint8_t* p = image_.Data() + image::kMessage;
  return {0, std::vector<uint8_t>(p, p + 24)};
}

Result SimTransmitter::Cmd13() {
  const uint8_t* m = image_.Data();
  Result r;
  r.data.insert(r.data.end(), m + image::kTag, m + image::kTag + 6);
  r.data.insert(r.data.end(), m + image::kDescriptor, m + image::kDescriptor + 12);
  r.data.push_back(m[image::kDay]);
  r.data.push_back(m[image::kMonth]);
  r.data.push_back(m[image::kYear]);
  return r;
}

Result SimTransmitter::Cmd15() {
  using namespace image;
  // Alarm selection: 0 high, 1 low, 251 none (the output only saturates).
  static const uint8_t kAlarmCodes[] = {0, 1, 251};
  uint8_t alarm = image_.U8(kAlarmType);
  auto unit = UnitByDeviceCode(image_.U8(kUnit));
  Result r;
  r.data.push_back(alarm < 3 ? kAlarmCodes[alarm] : 250);
  r.data.push_back(image_.U8(kTransfer));
  r.data.push_back(unit ? unit->hartCode : kHartUnitUnknown);
  AppendF32(r.data, image_.F32(kUpperRange));
  AppendF32(r.data, image_.F32(kLowerRange));
  AppendF32(r.data, image_.F32(kDamping));
  r.data.push_back(writeProtected_ ? 1 : 0);
  r.data.push_back(identity_.distributor);
  return r;
}

Result SimTransmitter::Cmd16() {
  Result r{0, std::vector<uint8_t>(3)};
  simbytes::PutU24BE(r.data.data(), image_.U32(image::kAssembly) & 0xFFFFFF);
  return r;
}

Result SimTransmitter::Cmd17(const std::vector<uint8_t>& d) {
  std::copy(d.begin(), d.begin() + 24, image_.Data() + image::kMessage);
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 24)};
}

Result SimTransmitter::Cmd18(const std::vector<uint8_t>& d) {
  uint8_t* m = image_.Data();
  std::copy(d.begin(), d.begin() + 6, m + image::kTag);
  std::copy(d.begin() + 6, d.begin() + 18, m + image::kDescriptor);
  m[image::kDay] = d[18];
  m[image::kMonth] = d[19];
  m[image::kYear] = d[20];
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 21)};
}

Result SimTransmitter::Cmd19(const std::vector<uint8_t>& d) {
  image_.SetU32(image::kAssembly, simbytes::U24BE(d.data()));
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 3)};
}

// ---- Common-practice commands ----

Result SimTransmitter::Cmd34(const std::vector<uint8_t>& d) {
  float damping = F32BE(d.data());
  if (std::isnan(damping)) return Error(2);
  if (damping > 100.0f) return Error(3);
  if (damping < 0.0f) return Error(4);
  image_.SetF32(image::kDamping, damping);
  MarkConfigChanged();
  Result r;
  AppendF32(r.data, damping);
  return r;
}

Result SimTransmitter::Cmd35(const std::vector<uint8_t>& d) {
  using namespace image;
  auto unit = UnitByHartCode(d[0]);
  if (!unit) return Error(2);
  const float urv = F32BE(&d[1]);
  const float lrv = F32BE(&d[5]);
  if (std::isnan(urv) || std::isnan(lrv)) return Error(2);
  auto old = UnitByDeviceCode(image_.U8(kUnit));
  const double factor = (old ? old->kPaPerUnit : 1.0) / unit->kPaPerUnit;
  const float lo = float(image_.F32(kPvLowerLimit) * factor);
  const float hi = float(image_.F32(kPvUpperLimit) * factor);
  const bool lrvOut = lrv < lo || lrv > hi;
  const bool urvOut = urv < lo || urv > hi;
  if (lrvOut && urvOut) return Error(13);
  if (lrv > hi) return Error(9);
  if (lrv < lo) return Error(10);
  if (urv > hi) return Error(11);
  if (urv < lo) return Error(12);
  if (urv <= lrv) return Error(29);
  if (factor != 1.0) ConvertUnitFields(factor);
  image_.SetU8(kUnit, unit->deviceCode);
  image_.SetF32(kUpperRange, urv);
  image_.SetF32(kLowerRange, lrv);
  MarkConfigChanged();
  const uint8_t code = (urv - lrv) < 0.01f * (hi - lo) ? 14 : 0;
  return {code, std::vector<uint8_t>(d.begin(), d.begin() + 9)};
}

Result SimTransmitter::Cmd38() {
  configChanged_ = false;
  return {};
}

Result SimTransmitter::Cmd40(const std::vector<uint8_t>& d) {
  float current = F32BE(d.data());
  if (std::isnan(current)) return Error(2);
  if (pollingAddress_ != 0) return Error(11);
  if (current == 0.0f) {
    fixedCurrent_.reset();
  } else {
    if (current > 22.0f) return Error(3);
    if (current < 3.6f) return Error(4);
    fixedCurrent_ = current;
  }
  Result r;
  AppendF32(r.data, current);
  return r;
}

Result SimTransmitter::Cmd42() {
  // The reply goes out before the reset takes effect, so it still shows the old state;
  // the flags below are what the next request sees.
  fixedCurrent_.reset();
  coldStart_ = true;
  return {};
}

Result SimTransmitter::Cmd43() {
  using namespace image;
  const float raw = SensorTrimmed(CalibratedPressure());
  const float window = 0.1f * (image_.F32(kPvUpperLimit) - image_.F32(kPvLowerLimit));
  if (raw > window) return Error(9);
  if (raw < -window) return Error(10);
  image_.SetF32(kZeroTrim, raw);
  MarkConfigChanged();
  return {};
}

// Loop current trims. The device corrects its DAC setting: trimmed = gain * setting + offset.
Result SimTransmitter::Cmd45(const std::vector<uint8_t>& d) {
  using namespace image;
  float measured = F32BE(d.data());
  if (!fixedCurrent_ || pollingAddress_ != 0) return Error(9);
  if (std::isnan(measured)) return Error(2);
  const float level = *fixedCurrent_;
  if (measured > level + 1.0f) return Error(3);
  if (measured < level - 1.0f) return Error(4);
  image_.SetF32(kLoopTrimOffset, image_.F32(kLoopTrimOffset) + (level - measured));
  MarkConfigChanged();
  Result r;
  AppendF32(r.data, measured);
  return r;
}

Result SimTransmitter::Cmd46(const std::vector<uint8_t>& d) {
  using namespace image;
  float measured = F32BE(d.data());
  if (!fixedCurrent_ || pollingAddress_ != 0) return Error(9);
  if (std::isnan(measured)) return Error(2);
  const double level = *fixedCurrent_;
  if (measured > level + 2.0) return Error(3);
  if (measured < level - 2.0) return Error(4);
  // Keep the 4 mA point where the zero trim put it and turn the slope so that `level`
  // comes out right.
  const double gain = image_.F32(kLoopTrimGain);
  const double offset = image_.F32(kLoopTrimOffset);
  const double at4 = gain * 4.0 + offset;
  if (level <= 4.0 || measured <= 4.0) return Error(4);
  const double newGain = gain * (level - 4.0) / (measured - 4.0);
  image_.SetF32(kLoopTrimGain, float(newGain));
  image_.SetF32(kLoopTrimOffset, float(at4 - newGain * 4.0));
  MarkConfigChanged();
  Result r;
  AppendF32(r.data, measured);
  return r;
}

Result SimTransmitter::Cmd47(const std::vector<uint8_t>& d) {
  if (d[0] > 1) return Error(2);
  image_.SetU8(image::kTransfer, d[0]);
  MarkConfigChanged();
  return {0, {d[0]}};
}
