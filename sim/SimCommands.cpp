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
// - Command 15 reports the alarm type as alarm selection 0 (high), 1 (low) or 251 (none:
//   the output only saturates), write protection as 0/1, the manufacturer as distributor.
// - The assembly number lives at 184 as a 32-bit number (its low byte first).
// - 148 reports the sensor limits (112/120), 149 the PV limits (240/248) that ranging and
//   the calibration tables use; both in the PV unit.
// - 130/131 (high/low sensor trim) take a reference value within the PV limits (9/10) in
//   any pressure unit: one point shifts the reading, both set a two-point line.
// - 147/187: byte 7 (three times the filter value) is kept as the raw byte; byte 8 is the
//   excitation code; bytes 9 and 10 of 187 are reserved and ignored. Selections out of range
//   (alarm > 2, display > 2, format > 3, unknown excitation code) are refused with 2, as
//   are compensation code > 2 (146), SV display > 3 (167) and pressure mode > 1 (215).
//   Duty cycle 10..90 % (3/4); inhibition ratio 0..100 % (3/4).
// - 162 sends byte 3 as 0. 164 restores the user configuration (range, unit, damping,
//   transfer function, alarm, display, format, zero and sensor trims, filter, SV, density
//   compensation, pressure mode) and keeps identification, limits, calibration and loop trim.
// - Calibration: temperature indices must be below T (223, 225, 226), table indices below
//   T * N and the 128 entries the image holds (227, 228); 230 writes point p of the room
//   table T / 2. A T-AD of 0xFFFF takes a point out of the thermal compensation; 231 marks
//   every table entry 0xFFFFFFFF and the device falls back to its sensor's nominal line.
// - 245/246: blocks 0..249 (2 beyond); a written block takes effect at once.
// - The universal reads a generic master sends first: 3 gives the loop current, the PV and
//   the SV (die temperature, degC) and ends there; 8 classes them as pressure (65) and
//   temperature (64), 250 for the TV and QV it does not have. 7: polling address and loop
//   current mode (on at address 0, off in multidrop). 11 answers as 0 (only the device whose
//   tag it carries hears it, SimLoop.h). 14: the device id as transducer serial number, the
//   sensor limits (112/120) in the PV unit, as minimum span the 1 % of the PV limits below
//   which 35 warns. 48: 14 bytes, request data ignored; byte 0 bit 0 PV outside its limits,
//   bit 1 die temperature outside -40..85 degC, bit 2 temperature diode open or shorted
//   (T-AD 0 or 0xFFFF); byte 10 bit 0 the loop output saturated, byte 13 bit 0 fixed.
#include <algorithm>
#include <cmath>

#include "SimTransmitter.h"
#include "SimUnits.h"

using simbytes::F32BE;
using simbytes::PutF32BE;
using Result = SimTransmitter::Result;

namespace {

// A range span below this share of the PV limits is accepted with a warning.
constexpr float kMinimumSpanShare = 0.01f;

constexpr uint8_t kHartDegC = 32;
constexpr uint8_t kClassTemperature = 64;
constexpr uint8_t kClassPressure = 65;
constexpr uint8_t kNotUsed = 250;

Result Error(uint8_t code) {
  return Result{code, {}};
}

void AppendF32(std::vector<uint8_t>& out, float v) {
  uint8_t b[4];
  PutF32BE(b, v);
  out.insert(out.end(), b, b + 4);
}

}  // namespace

Result SimTransmitter::Execute(uint8_t command, const Bytes& d) {
  struct Entry {
    uint8_t command;
    uint8_t minData;  // request data bytes the command needs
    bool write;       // changes the device's memory
    Result (SimTransmitter::*handler)(const Bytes&);
  };
  using T = SimTransmitter;
  static const Entry kTable[] = {
      {0, 0, false, &T::Cmd0},     {1, 0, false, &T::Cmd1},     {2, 0, false, &T::Cmd2},
      {3, 0, false, &T::Cmd3},     {6, 1, true, &T::Cmd6},      {7, 0, false, &T::Cmd7},
      {8, 0, false, &T::Cmd8},     {11, 6, false, &T::Cmd11},   {12, 0, false, &T::Cmd12},
      {13, 0, false, &T::Cmd13},   {14, 0, false, &T::Cmd14},   {15, 0, false, &T::Cmd15},
      {16, 0, false, &T::Cmd16},   {17, 24, true, &T::Cmd17},   {18, 21, true, &T::Cmd18},
      {19, 3, true, &T::Cmd19},    {34, 4, true, &T::Cmd34},    {35, 9, true, &T::Cmd35},
      {38, 0, false, &T::Cmd38},   {40, 4, false, &T::Cmd40},   {42, 0, false, &T::Cmd42},
      {43, 0, true, &T::Cmd43},    {45, 4, true, &T::Cmd45},    {46, 4, true, &T::Cmd46},
      {47, 1, true, &T::Cmd47},    {48, 0, false, &T::Cmd48},   {130, 5, true, &T::Cmd130},
      {131, 5, true, &T::Cmd131},  {145, 0, false, &T::Cmd145}, {146, 25, true, &T::Cmd146},
      {147, 0, false, &T::Cmd147}, {148, 0, false, &T::Cmd148}, {149, 0, false, &T::Cmd149},
      {150, 0, false, &T::Cmd150}, {162, 0, false, &T::Cmd162}, {164, 0, true, &T::Cmd164},
      {166, 0, false, &T::Cmd166}, {167, 2, true, &T::Cmd167},  {187, 11, true, &T::Cmd187},
      {190, 4, true, &T::Cmd190},  {201, 0, false, &T::Cmd201}, {212, 0, false, &T::Cmd212},
      {215, 1, true, &T::Cmd215},  {216, 0, false, &T::Cmd216}, {221, 0, false, &T::Cmd221},
      {223, 1, false, &T::Cmd223}, {225, 1, false, &T::Cmd225}, {226, 3, true, &T::Cmd226},
      {227, 1, false, &T::Cmd227}, {228, 5, true, &T::Cmd228},  {230, 5, true, &T::Cmd230},
      {231, 0, true, &T::Cmd231},  {245, 1, false, &T::Cmd245}, {246, 9, true, &T::Cmd246},
  };
  for (const Entry& e : kTable) {
    if (e.command != command) continue;
    if (d.size() < e.minData) return Error(5);
    if (e.write && writeProtected_) return Error(7);
    return (this->*e.handler)(d);
  }
  return Error(64);
}

// ---- Universal commands ----

Result SimTransmitter::Cmd0(const Bytes&) {
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

Result SimTransmitter::Cmd1(const Bytes&) {
  Result r;
  r.data.push_back(PvHartUnitLocked());
  AppendF32(r.data, ComputePv());
  return r;
}

Result SimTransmitter::Cmd2(const Bytes&) {
  Output o = ComputeOutput();
  Result r;
  AppendF32(r.data, o.current);
  AppendF32(r.data, o.percent);
  return r;
}

Result SimTransmitter::Cmd3(const Bytes&) {
  Output o = ComputeOutput();
  Result r;
  AppendF32(r.data, o.current);
  r.data.push_back(PvHartUnitLocked());
  AppendF32(r.data, o.pv);
  r.data.push_back(kHartDegC);
  AppendF32(r.data, float(dieTempC_));
  return r;
}

Result SimTransmitter::Cmd6(const Bytes& d) {
  if (d[0] > 15) return Error(2);
  pollingAddress_ = d[0];
  if (pollingAddress_ != 0) fixedCurrent_.reset();  // multidrop parks the loop at 4 mA
  MarkConfigChanged();
  return {0, {d[0]}};
}

Result SimTransmitter::Cmd7(const Bytes&) {
  return {0, {pollingAddress_, uint8_t(pollingAddress_ == 0 ? 1 : 0)}};
}

Result SimTransmitter::Cmd8(const Bytes&) {
  return {0, {kClassPressure, kClassTemperature, kNotUsed, kNotUsed}};
}

Result SimTransmitter::Cmd11(const Bytes& d) {
  return Cmd0(d);
}

Result SimTransmitter::Cmd12(const Bytes&) {
  const uint8_t* p = image_.Data() + image::kMessage;
  return {0, std::vector<uint8_t>(p, p + 24)};
}

Result SimTransmitter::Cmd13(const Bytes&) {
  const uint8_t* m = image_.Data();
  Result r;
  r.data.insert(r.data.end(), m + image::kTag, m + image::kTag + 6);
  r.data.insert(r.data.end(), m + image::kDescriptor, m + image::kDescriptor + 12);
  r.data.push_back(m[image::kDay]);
  r.data.push_back(m[image::kMonth]);
  r.data.push_back(m[image::kYear]);
  return r;
}

Result SimTransmitter::Cmd14(const Bytes&) {
  using namespace image;
  Result r{0, Bytes(3)};
  simbytes::PutU24BE(r.data.data(), identity_.deviceId);
  r.data.push_back(PvHartUnitLocked());
  AppendF32(r.data, image_.F32(kSensorUpper));
  AppendF32(r.data, image_.F32(kSensorLower));
  AppendF32(r.data, kMinimumSpanShare * (image_.F32(kPvUpperLimit) - image_.F32(kPvLowerLimit)));
  return r;
}

Result SimTransmitter::Cmd15(const Bytes&) {
  using namespace image;
  // Alarm selection: 0 high, 1 low, 251 none (the output only saturates).
  static const uint8_t kAlarmCodes[] = {0, 1, 251};
  uint8_t alarm = image_.U8(kAlarmType);
  Result r;
  r.data.push_back(alarm < 3 ? kAlarmCodes[alarm] : 250);
  r.data.push_back(image_.U8(kTransfer));
  r.data.push_back(PvHartUnitLocked());
  AppendF32(r.data, image_.F32(kUpperRange));
  AppendF32(r.data, image_.F32(kLowerRange));
  AppendF32(r.data, image_.F32(kDamping));
  r.data.push_back(writeProtected_ ? 1 : 0);
  r.data.push_back(identity_.distributor);
  return r;
}

Result SimTransmitter::Cmd16(const Bytes&) {
  Result r{0, std::vector<uint8_t>(3)};
  simbytes::PutU24BE(r.data.data(), image_.U32(image::kAssembly) & 0xFFFFFF);
  return r;
}

Result SimTransmitter::Cmd17(const Bytes& d) {
  std::copy(d.begin(), d.begin() + 24, image_.Data() + image::kMessage);
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 24)};
}

Result SimTransmitter::Cmd18(const Bytes& d) {
  uint8_t* m = image_.Data();
  std::copy(d.begin(), d.begin() + 6, m + image::kTag);
  std::copy(d.begin() + 6, d.begin() + 18, m + image::kDescriptor);
  m[image::kDay] = d[18];
  m[image::kMonth] = d[19];
  m[image::kYear] = d[20];
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 21)};
}

Result SimTransmitter::Cmd19(const Bytes& d) {
  image_.SetU32(image::kAssembly, simbytes::U24BE(d.data()));
  MarkConfigChanged();
  return {0, std::vector<uint8_t>(d.begin(), d.begin() + 3)};
}

// ---- Common-practice commands ----

Result SimTransmitter::Cmd34(const Bytes& d) {
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

Result SimTransmitter::Cmd35(const Bytes& d) {
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
  const uint8_t code = (urv - lrv) < kMinimumSpanShare * (hi - lo) ? 14 : 0;
  return {code, std::vector<uint8_t>(d.begin(), d.begin() + 9)};
}

Result SimTransmitter::Cmd38(const Bytes&) {
  configChanged_ = false;
  return {};
}

Result SimTransmitter::Cmd40(const Bytes& d) {
  float current = F32BE(d.data());
  if (std::isnan(current)) return Error(2);
  if (pollingAddress_ != 0) return Error(11);
  if (current == 0.0f) {
    fixedCurrent_.reset();
  } else {
    if (current > 22.0f) return Error(3);
    if (current < 3.6f) return Error(4);
    fixedCurrent_ = current;
    const double dac =
        image_.F32(image::kLoopTrimGain) * double(current) + image_.F32(image::kLoopTrimOffset);
    if (current == 4.0f) dacAt4_ = dac;
    if (current == 20.0f) dacAt20_ = dac;
  }
  Result r;
  AppendF32(r.data, current);
  return r;
}

Result SimTransmitter::Cmd42(const Bytes&) {
  resetPending_ = true;  // done once the reply has gone out
  return {};
}

Result SimTransmitter::Cmd43(const Bytes&) {
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
Result SimTransmitter::Cmd45(const Bytes& d) {
  using namespace image;
  float measured = F32BE(d.data());
  if (!fixedCurrent_ || pollingAddress_ != 0) return Error(9);
  if (std::isnan(measured)) return Error(2);
  // The meter reading taken while the output was fixed at 4 mA; the master may have moved
  // the output on to 20 mA meanwhile to take the gain reading too.
  if (measured > 4.0f + 1.0f) return Error(3);
  if (measured < 4.0f - 1.0f) return Error(4);
  const double gain = image_.F32(kLoopTrimGain);
  const double offset = image_.F32(kLoopTrimOffset);
  const double dac = dacAt4_.value_or(gain * 4.0 + offset);
  zeroReading_ = {dac, measured};
  image_.SetF32(kLoopTrimOffset, float(offset + (4.0 - measured)));
  MarkConfigChanged();
  Result r;
  AppendF32(r.data, measured);
  return r;
}

Result SimTransmitter::Cmd46(const Bytes& d) {
  using namespace image;
  float measured = F32BE(d.data());
  if (!fixedCurrent_ || pollingAddress_ != 0) return Error(9);
  if (std::isnan(measured)) return Error(2);
  // The meter reading taken while the output was fixed at 20 mA.
  if (measured > 20.0 + 2.0) return Error(3);
  if (measured < 20.0 - 2.0) return Error(4);
  const double gain = image_.F32(kLoopTrimGain);
  const double offset = image_.F32(kLoopTrimOffset);
  const double dac20 = dacAt20_.value_or(gain * 20.0 + offset);
  // The meter's line through the zero reading and this one: a = mA per DAC unit. Without
  // a zero reading the 4 mA point stays where it is and the slope turns.
  const auto [dac4, m4] = zeroReading_.value_or(std::pair{gain * 4.0 + offset, 4.0});
  if (dac20 <= dac4 || measured <= m4) return Error(4);
  const double a = (measured - m4) / (dac20 - dac4);
  const double b = m4 - a * dac4;
  const double newGain = 1.0 / a;
  const double newOffset = (4.0 - b) / a - newGain * 4.0;
  image_.SetF32(kLoopTrimGain, float(newGain));
  image_.SetF32(kLoopTrimOffset, float(newOffset));
  zeroReading_.reset();
  MarkConfigChanged();
  Result r;
  AppendF32(r.data, measured);
  return r;
}

Result SimTransmitter::Cmd47(const Bytes& d) {
  if (d[0] > 1) return Error(2);
  image_.SetU8(image::kTransfer, d[0]);
  MarkConfigChanged();
  return {0, {d[0]}};
}

Result SimTransmitter::Cmd48(const Bytes&) {
  const uint8_t status = StatusLocked();
  const uint16_t tad = TemperatureAdLocked();
  Result r{0, Bytes(14)};
  r.data[0] = uint8_t((status & kStatusPvOutOfLimits ? 0x01 : 0) |
                      (status & kStatusNonPvOutOfLimits ? 0x02 : 0) |
                      (tad == 0 || tad == 0xFFFF ? 0x04 : 0));
  r.data[10] = status & kStatusCurrentSaturated ? 1 : 0;
  r.data[13] = status & kStatusCurrentFixed ? 1 : 0;
  return r;
}

// ---- Device-specific commands ----

Result SimTransmitter::Cmd130(const Bytes& d) {
  return SensorTrim(d, true);
}
Result SimTransmitter::Cmd131(const Bytes& d) {
  return SensorTrim(d, false);
}

// Sensor trim at the applied pressure: the reference value (in the given unit) becomes what
// the device reads there. One point shifts the reading; low and high together set a line.
Result SimTransmitter::SensorTrim(const Bytes& d, bool high) {
  using namespace image;
  auto unit = UnitByHartCode(d[0]);
  if (!unit) return Error(2);
  const float given = F32BE(&d[1]);
  if (std::isnan(given)) return Error(2);
  const float actual = float(given * unit->kPaPerUnit / KPaPerPvUnit());
  if (actual > image_.F32(kPvUpperLimit)) return Error(9);
  if (actual < image_.F32(kPvLowerLimit)) return Error(10);
  const float measured = CalibratedPressure();
  image_.SetF32(high ? kTrimHighMeasured : kTrimLowMeasured, measured);
  image_.SetF32(high ? kTrimHighActual : kTrimLowActual, actual);
  image_.SetU8(kTrimFlags, uint8_t(image_.U8(kTrimFlags) | (high ? 2 : 1)));
  MarkConfigChanged();
  return {0, Bytes(d.begin(), d.begin() + 5)};
}

// Compensation record: density compensation code, thermal effect, thermal loop trim, area,
// density, height, Pitot coefficient, and the die temperature (read only).
Result SimTransmitter::Cmd145(const Bytes&) {
  using namespace image;
  Result r;
  r.data.push_back(image_.U8(kCompCode));
  for (size_t k = 0; k < 6; ++k)
    AppendF32(r.data, image_.F32(kCompValues + 4 * k));
  AppendF32(r.data, float(dieTempC_));
  return r;
}

Result SimTransmitter::Cmd146(const Bytes& d) {
  using namespace image;
  if (d[0] > 2) return Error(2);
  image_.SetU8(kCompCode, d[0]);
  for (size_t k = 0; k < 6; ++k)
    image_.SetF32(kCompValues + 4 * k, F32BE(&d[1 + 4 * k]));
  MarkConfigChanged();
  return Cmd145(d);
}

// Sensor record: zero trim, alarm type, display mode, number format, the filter setting
// (held as the raw byte: three times the value), the excitation code.
Result SimTransmitter::Cmd147(const Bytes&) {
  using namespace image;
  Result r;
  AppendF32(r.data, image_.F32(kZeroTrim));
  r.data.push_back(image_.U8(kAlarmType));
  r.data.push_back(image_.U8(kDisplayMode));
  r.data.push_back(image_.U8(kNumberFormat));
  r.data.push_back(image_.U8(kFilterConfig));
  r.data.push_back(image_.U8(kExcitation));
  return r;
}

Result SimTransmitter::Cmd187(const Bytes& d) {
  using namespace image;
  static const uint8_t kExcitationCodes[] = {0xFF, 0xF0, 0xF7, 0xF9, 0xFB, 0xFD};
  const float zeroTrim = F32BE(d.data());
  bool knownExcitation = false;
  for (uint8_t c : kExcitationCodes)
    knownExcitation |= c == d[8];
  if (std::isnan(zeroTrim) || d[4] > 2 || d[5] > 2 || d[6] > 3 || !knownExcitation) return Error(2);
  image_.SetF32(kZeroTrim, zeroTrim);
  image_.SetU8(kAlarmType, d[4]);
  image_.SetU8(kDisplayMode, d[5]);
  image_.SetU8(kNumberFormat, d[6]);
  image_.SetU8(kFilterConfig, d[7]);
  image_.SetU8(kExcitation, d[8]);
  // Bytes 9 and 10 are reserved: accepted and ignored.
  MarkConfigChanged();
  return Cmd147(d);
}

Result SimTransmitter::Cmd148(const Bytes&) {
  using namespace image;
  Result r;
  r.data.push_back(image_.U8(kSensorType));
  r.data.push_back(PvHartUnitLocked());
  AppendF32(r.data, image_.F32(kSensorLower));
  AppendF32(r.data, image_.F32(kSensorUpper));
  return r;
}

Result SimTransmitter::Cmd149(const Bytes&) {
  using namespace image;
  Result r;
  AppendF32(r.data, image_.F32(kPvLowerLimit));
  AppendF32(r.data, image_.F32(kPvUpperLimit));
  r.data.push_back(PvHartUnitLocked());
  return r;
}

Result SimTransmitter::Cmd150(const Bytes&) {
  Result r;
  AppendF32(r.data, image_.F32(image::kInhibition));
  return r;
}

Result SimTransmitter::Cmd190(const Bytes& d) {
  const float ratio = F32BE(d.data());
  if (std::isnan(ratio)) return Error(2);
  if (ratio > 100.0f) return Error(3);
  if (ratio < 0.0f) return Error(4);
  image_.SetF32(image::kInhibition, ratio);
  MarkConfigChanged();
  return Cmd150(d);
}

Result SimTransmitter::Cmd162(const Bytes&) {
  const SimIdentity& id = identity_;
  return {0,
          {id.softwareVersion[0], id.softwareVersion[1], id.softwareVersion[2], 0,
           id.hardwareVersion[0], id.hardwareVersion[1], id.hardwareVersion[2]}};
}

Result SimTransmitter::Cmd164(const Bytes&) {
  LoadFactoryConfiguration(false);
  MarkConfigChanged();
  return {};
}

// Secondary variable (die temperature) display: mode, duty cycle in %, temperature in degC.
Result SimTransmitter::Cmd166(const Bytes&) {
  Result r;
  r.data.push_back(image_.U8(image::kSvDisplay));
  r.data.push_back(image_.U8(image::kSvDutyCycle));
  AppendF32(r.data, float(dieTempC_));
  return r;
}

Result SimTransmitter::Cmd167(const Bytes& d) {
  if (d[0] > 3) return Error(2);
  if (d[1] > 90) return Error(3);
  if (d[1] < 10) return Error(4);
  image_.SetU8(image::kSvDisplay, d[0]);
  image_.SetU8(image::kSvDutyCycle, d[1]);
  MarkConfigChanged();
  return {0, {d[0], d[1]}};
}

Result SimTransmitter::Cmd201(const Bytes&) {
  Result r{0, Bytes(6)};
  simbytes::PutU32BE(&r.data[0], PressureAdLocked());
  simbytes::PutU16LE(&r.data[4], TemperatureAdLocked());
  return r;
}

Result SimTransmitter::Cmd212(const Bytes&) {
  std::string lot = identity_.lotId;
  lot.resize(8, ' ');
  return {0, Bytes(lot.begin(), lot.end())};
}

Result SimTransmitter::Cmd215(const Bytes& d) {
  if (d[0] > 1) return Error(2);
  image_.SetU8(image::kPressureMode, d[0]);
  MarkConfigChanged();
  return {0, {d[0]}};
}

Result SimTransmitter::Cmd216(const Bytes&) {
  return {0, {image_.U8(image::kPressureMode)}};
}

// ---- Calibration tables ----
// T temperature points (temperature, T-AD) and T tables of N AD counts; table index
// t * N + p, only as far as the image holds them (128 entries). The room point is T / 2.
// A T-AD of 0xFFFF takes a point out of the thermal compensation; an AD count of
// 0xFFFFFFFF marks a table as cancelled. Indices beyond the counts: 2.

namespace {
bool TemperatureIndexOk(uint8_t index, uint8_t t) {
  return index < t && index < image::kMaxTemperaturePoints;
}
bool TableIndexOk(size_t index, uint8_t t, uint8_t n) {
  return index < size_t(t) * n && index < image::kTableEntries;
}
}  // namespace

Result SimTransmitter::Cmd221(const Bytes&) {
  return {0, {image_.U8(image::kTemperaturePoints), image_.U8(image::kPressurePoints)}};
}

Result SimTransmitter::Cmd223(const Bytes& d) {
  if (!TemperatureIndexOk(d[0], TemperaturePoints())) return Error(2);
  Result r{0, {d[0]}};
  AppendF32(r.data, image_.F32(image::kTemperature0 + 8 * d[0]));
  return r;
}

Result SimTransmitter::Cmd225(const Bytes& d) {
  if (!TemperatureIndexOk(d[0], TemperaturePoints())) return Error(2);
  Result r{0, {d[0], 0, 0}};
  simbytes::PutU16LE(&r.data[1], image_.U16(image::kTemperatureAd0 + 8 * d[0]));
  return r;
}

Result SimTransmitter::Cmd226(const Bytes& d) {
  if (!TemperatureIndexOk(d[0], TemperaturePoints())) return Error(2);
  image_.SetU16(image::kTemperatureAd0 + 8 * d[0], simbytes::U16LE(&d[1]));
  MarkConfigChanged();
  return {0, Bytes(d.begin(), d.begin() + 3)};
}

Result SimTransmitter::Cmd227(const Bytes& d) {
  if (!TableIndexOk(d[0], TemperaturePoints(), PressurePoints())) return Error(2);
  Result r{0, {d[0], 0, 0, 0, 0}};
  simbytes::PutU32BE(&r.data[1], image_.U32(image::kTable0 + 8 * d[0]));
  return r;
}

Result SimTransmitter::Cmd228(const Bytes& d) {
  if (!TableIndexOk(d[0], TemperaturePoints(), PressurePoints())) return Error(2);
  return WriteTable(d[0], simbytes::U32BE(&d[1]));
}

// The room-temperature table, by point index alone.
Result SimTransmitter::Cmd230(const Bytes& d) {
  const uint8_t n = PressurePoints();
  const uint8_t t = TemperaturePoints();
  const size_t index = size_t(t / 2) * n + d[0];
  if (t == 0 || d[0] >= n || index >= image::kTableEntries) return Error(2);
  WriteTable(index, simbytes::U32BE(&d[1]));
  return {0, Bytes(d.begin(), d.begin() + 5)};
}

Result SimTransmitter::WriteTable(size_t index, uint32_t ad) {
  image_.SetU32(image::kTable0 + 8 * index, ad);
  MarkConfigChanged();
  Result r{0, {uint8_t(index), 0, 0, 0, 0}};
  simbytes::PutU32BE(&r.data[1], ad);
  return r;
}

// Cancels the factory calibration: every table entry is marked empty and the device falls
// back to its sensor's nominal characteristic.
Result SimTransmitter::Cmd231(const Bytes&) {
  const size_t entries =
      std::min(size_t(TemperaturePoints()) * PressurePoints(), image::kTableEntries);
  for (size_t i = 0; i < entries; ++i)
    image_.SetU32(image::kTable0 + 8 * i, 0xFFFFFFFF);
  MarkConfigChanged();
  return {};
}

// ---- Configuration image blocks ----

Result SimTransmitter::Cmd245(const Bytes& d) {
  if (d[0] >= image::kBlocks) return Error(2);
  const uint8_t* block = image_.Data() + image::kBlockSize * d[0];
  Result r{0, {d[0]}};
  r.data.insert(r.data.end(), block, block + image::kBlockSize);
  return r;
}

Result SimTransmitter::Cmd246(const Bytes& d) {
  if (d[0] >= image::kBlocks) return Error(2);
  std::copy(d.begin() + 1, d.begin() + 9, image_.Data() + image::kBlockSize * d[0]);
  MarkConfigChanged();
  return {0, Bytes(d.begin(), d.begin() + 9)};
}
