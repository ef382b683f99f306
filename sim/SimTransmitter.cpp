// The simulated transmitter's state, physics, faults and reply framing. The command table
// itself is in SimCommands.cpp.
//
// The sensor: a piezoresistive bridge whose raw count rises linearly with pressure, with a
// zero and a span that drift with the die temperature,
//   AD = 2003000 + 8040 * p[kPa] * (1 + 0.0003 * (t - 25)) + 120 * (t - 25).
// p is the pressure the sensor feels: the applied one with the calibration errors
// (SimCalibrationErrors), so everything read from the count carries them.
// Its nominal (uncalibrated) reading is p = (AD - 2000000) / 8000 kPa, off by about 0.5 %.
// The factory calibration stores, per temperature point, the AD count at N evenly spaced
// pressures across the PV limits; the device reads pressure back through those tables,
// interpolating between the temperature points by the live temperature count (T-AD).
#include "SimTransmitter.h"

#include <algorithm>
#include <cmath>

#include "SimUnits.h"

namespace {

constexpr double kSensorZero = 2003000.0;
constexpr double kSensorGain = 8040.0;
constexpr double kSensorSpanDrift = 0.0003;  // per degC
constexpr double kSensorZeroDrift = 120.0;   // counts per degC
constexpr double kNominalZero = 2000000.0;
constexpr double kNominalGain = 8000.0;
constexpr double kRoomC = 25.0;
constexpr float kSaturationLow = 3.9f;
constexpr float kSaturationHigh = 20.8f;
constexpr float kAlarmLow = 3.8f;
constexpr float kAlarmHigh = 20.8f;
constexpr double kDieLowC = -40.0;
constexpr double kDieHighC = 85.0;
constexpr uint32_t kNoTableEntry = 0xFFFFFFFF;
constexpr uint16_t kNoTemperatureAd = 0xFFFF;

uint32_t SensorAd(double kPa, double celsius) {
  double dt = celsius - kRoomC;
  double ad =
      kSensorZero + kSensorGain * kPa * (1.0 + kSensorSpanDrift * dt) + kSensorZeroDrift * dt;
  ad = std::round(ad);
  if (ad <= 0) return 0;
  if (ad >= 4294967294.0) return 4294967294u;
  return uint32_t(ad);
}

uint16_t TemperatureAdOf(double celsius) {
  double ad = std::round(32768.0 + 200.0 * celsius);
  return uint16_t(std::clamp(ad, 1.0, 65534.0));
}

bool IsWarning(int code) {
  return code == 8 || code == 14 || (code >= 24 && code <= 27) || code == 30 || code == 31 ||
         (code >= 96 && code <= 111);
}

}  // namespace

SimTransmitter::SimTransmitter(uint8_t pollingAddress, uint32_t deviceId)
    : pollingAddress_(pollingAddress) {
  identity_.deviceId = deviceId & 0xFFFFFF;
  LoadFactoryConfiguration(true);
  configChanged_ = false;
  coldStart_ = true;
}

// ---- Factory state ----

void SimTransmitter::LoadFactoryConfiguration(bool calibrationToo) {
  using namespace image;
  SimImage& m = image_;
  if (calibrationToo) {
    m = SimImage();
    m.SetU8(kUnit, 1);  // kPa
    m.SetF32(kSensorLower, -100.0f);
    m.SetF32(kSensorUpper, 1000.0f);
    m.SetF32(kPvLowerLimit, -100.0f);
    m.SetF32(kPvUpperLimit, 1000.0f);
    m.SetU8(kSensorType, 4);
    m.SetU8(kExcitation, 0xF9);
    m.SetU32(kAssembly, 12345);
    simbytes::PackText("SIMULATED PRESSURE TRANSMITTER", m.Data() + kMessage, 32);
    simbytes::PackText("PT-101", m.Data() + kTag, 8);
    simbytes::PackText("SIM PRESSURE TX", m.Data() + kDescriptor, 16);
    m.SetU8(kYear, 124);
    m.SetU8(kMonth, 5);
    m.SetU8(kDay, 17);
    m.SetF32(kLoopTrimOffset, 0.0f);
    m.SetF32(kLoopTrimGain, 1.0f);
    // Factory calibration: 3 temperature points of 11 pressure points each.
    const float temps[] = {-20.0f, 25.0f, 70.0f};
    const uint8_t t = 3, n = 11;
    m.SetU8(kTemperaturePoints, t);
    m.SetU8(kPressurePoints, n);
    for (uint8_t i = 0; i < t; ++i) {
      m.SetF32(kTemperature0 + 8 * i, temps[i]);
      m.SetU16(kTemperatureAd0 + 8 * i, TemperatureAdOf(temps[i]));
      for (uint8_t j = 0; j < n; ++j) {
        double p = -100.0 + 1100.0 * j / (n - 1);
        m.SetU32(kTable0 + 8 * (i * n + j), SensorAd(p, temps[i]));
      }
    }
  } else {
    // Back to kPa first: the limits and trims are held in the PV unit.
    auto unit = UnitByDeviceCode(m.U8(kUnit));
    if (unit) ConvertUnitFields(unit->kPaPerUnit);
    m.SetU8(kUnit, 1);
  }
  m.SetF32(kLowerRange, 0.0f);
  m.SetF32(kUpperRange, 100.0f);
  m.SetF32(kDamping, 0.5f);
  m.SetU8(kTransfer, 0);
  m.SetU8(kAlarmType, 0);
  m.SetU8(kDisplayMode, 0);
  m.SetU8(kNumberFormat, 2);
  m.SetF32(kZeroTrim, 0.0f);
  for (size_t off = kTrimLowMeasured; off <= kTrimFlags; ++off)
    m.SetU8(off, 0);
  m.SetU8(kPressureMode, 0);
  m.SetF32(kInhibition, 2.0f);
  m.SetU8(kFilterConfig, 30);  // reads as 10
  m.SetU8(kSvDisplay, 1);
  m.SetU8(kSvDutyCycle, 50);
  m.SetU8(kCompCode, 0);
  const float comp[6] = {25.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  for (size_t k = 0; k < 6; ++k)
    m.SetF32(kCompValues + 4 * k, comp[k]);
}

// Multiplies every field held in the PV unit by `factor` (old unit per new unit).
void SimTransmitter::ConvertUnitFields(double factor) {
  using namespace image;
  for (size_t off :
       {kLowerRange, kUpperRange, kSensorLower, kSensorUpper, kPvLowerLimit, kPvUpperLimit,
        kZeroTrim, kTrimLowMeasured, kTrimLowActual, kTrimHighMeasured, kTrimHighActual})
    image_.SetF32(off, float(image_.F32(off) * factor));
}

// ---- Physics ----

uint8_t SimTransmitter::PressurePoints() const {
  return image_.U8(image::kPressurePoints);
}
uint8_t SimTransmitter::TemperaturePoints() const {
  return image_.U8(image::kTemperaturePoints);
}

double SimTransmitter::KPaPerPvUnit() const {
  auto unit = UnitByDeviceCode(image_.U8(image::kUnit));
  return unit ? unit->kPaPerUnit : 1.0;
}

uint8_t SimTransmitter::PvHartUnitLocked() const {
  auto unit = UnitByDeviceCode(image_.U8(image::kUnit));
  return unit ? unit->hartCode : kHartUnitUnknown;
}

double SimTransmitter::SpanKPa() const {
  using namespace image;
  return std::abs(double(image_.F32(kUpperRange)) - image_.F32(kLowerRange)) * KPaPerPvUnit();
}

double SimTransmitter::HeldKPa() const {
  const double halfPlay = errors_.hysteresis / 100.0 * SpanKPa() / 2.0;
  return std::clamp(heldKPa_, pressureKPa_ - halfPlay, pressureKPa_ + halfPlay);
}

double SimTransmitter::SensedKPa() const {
  const SimCalibrationErrors& e = errors_;
  if (e == SimCalibrationErrors{}) return pressureKPa_;  // exactly as applied
  const double span = SpanKPa();
  const double lrv = image_.F32(image::kLowerRange) * KPaPerPvUnit();
  return HeldKPa() + (e.offset + e.noise * noiseSample_) / 100.0 * span +
         e.spanError / 100.0 * (pressureKPa_ - lrv);
}

uint32_t SimTransmitter::PressureAdLocked() const {
  return SensorAd(SensedKPa(), dieTempC_);
}

// splitmix64: a short generator that gives the same sequence on every platform.
void SimTransmitter::NextNoiseSample() {
  uint64_t z = (noiseState_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  noiseSample_ = double(z >> 11) / double(1ull << 52) - 1.0;  // 53 bits onto -1..1
}

uint16_t SimTransmitter::TemperatureAdLocked() const {
  return tadOverride_ ? *tadOverride_ : TemperatureAdOf(dieTempC_);
}

float SimTransmitter::CalibratedPressure() const {
  using namespace image;
  const double ad = PressureAdLocked();
  const size_t n = PressurePoints();
  const size_t t = std::min<size_t>(TemperaturePoints(), kMaxTemperaturePoints);
  const double lo = image_.F32(kPvLowerLimit);
  const double hi = image_.F32(kPvUpperLimit);

  // The pressure that temperature point k's table gives for the live count, if the table
  // is whole and monotonic.
  auto fromTable = [&](size_t k) -> std::optional<double> {
    if (n < 2 || (k + 1) * n > kTableEntries) return std::nullopt;
    std::vector<double> e(n);
    for (size_t j = 0; j < n; ++j) {
      uint32_t v = image_.U32(kTable0 + 8 * (k * n + j));
      if (v == kNoTableEntry) return std::nullopt;
      e[j] = v;
    }
    double dir = e[n - 1] - e[0];
    if (dir == 0) return std::nullopt;
    size_t seg = (ad - e[0]) * dir < 0 ? 0 : n - 2;
    for (size_t j = 0; j + 1 < n; ++j)
      if (ad >= std::min(e[j], e[j + 1]) && ad <= std::max(e[j], e[j + 1])) {
        seg = j;
        break;
      }
    const double e0 = e[seg], e1 = e[seg + 1];
    if (e1 == e0) return std::nullopt;
    const double x0 = lo + (hi - lo) * double(seg) / double(n - 1);
    const double x1 = lo + (hi - lo) * double(seg + 1) / double(n - 1);
    // Weighted form: exact whenever the answer is (a pressure of 0 reads 0, not 1e-14).
    return (x0 * (e1 - ad) + x1 * (ad - e0)) / (e1 - e0);
  };

  // Temperature points with a T-AD and a table, in T-AD order.
  std::vector<std::pair<double, double>> points;
  for (size_t k = 0; k < t; ++k) {
    uint16_t tad = image_.U16(kTemperatureAd0 + 8 * k);
    if (tad == kNoTemperatureAd || tad == 0) continue;
    if (auto p = fromTable(k)) points.emplace_back(tad, *p);
  }
  std::sort(points.begin(), points.end());
  if (points.empty()) {
    // No thermal compensation: the room point's table alone, or the nominal line.
    if (t > 0)
      if (auto p = fromTable(t / 2)) return float(*p);
    return float((ad - kNominalZero) / kNominalGain / KPaPerPvUnit());
  }
  const double tad = TemperatureAdLocked();
  if (tad <= points.front().first) return float(points.front().second);
  if (tad >= points.back().first) return float(points.back().second);
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    auto [t0, p0] = points[i];
    auto [t1, p1] = points[i + 1];
    if (tad == t1) return float(p1);
    if (tad < t1) return float((p0 * (t1 - tad) + p1 * (tad - t0)) / (t1 - t0));
  }
  return float(points.back().second);
}

float SimTransmitter::SensorTrimmed(float calibrated) const {
  using namespace image;
  const uint8_t flags = image_.U8(kTrimFlags);
  const double lm = image_.F32(kTrimLowMeasured), la = image_.F32(kTrimLowActual);
  const double hm = image_.F32(kTrimHighMeasured), ha = image_.F32(kTrimHighActual);
  if ((flags & 3) == 3 && hm != lm) return float(la + (ha - la) * (calibrated - lm) / (hm - lm));
  if (flags & 1) return float(calibrated + (la - lm));
  if (flags & 2) return float(calibrated + (ha - hm));
  return calibrated;
}

float SimTransmitter::ComputePv() const {
  return SensorTrimmed(CalibratedPressure()) - image_.F32(image::kZeroTrim);
}

SimTransmitter::Output SimTransmitter::ComputeOutput() const {
  using namespace image;
  Output o{};
  o.pv = ComputePv();
  const double lrv = image_.F32(kLowerRange), urv = image_.F32(kUpperRange);
  const double percent = urv != lrv ? (o.pv - lrv) / (urv - lrv) * 100.0 : 0.0;
  o.percent = float(percent);
  if (pollingAddress_ != 0) {  // multidrop: the loop only powers the device
    o.current = 4.0f;
    o.fixed = true;
    return o;
  }
  if (fixedCurrent_) {
    o.current = *fixedCurrent_;
    o.fixed = true;
    return o;
  }
  double out = percent;
  if (image_.U8(kTransfer) == 1 && percent > 0) out = 100.0 * std::sqrt(percent / 100.0);
  float current = float(4.0 + 0.16 * out);
  if (current < kSaturationLow) {
    current = kSaturationLow;
    o.saturated = true;
  } else if (current > kSaturationHigh) {
    current = kSaturationHigh;
    o.saturated = true;
  }
  if (faults_.statusBits & kStatusMalfunction) {
    uint8_t alarm = image_.U8(kAlarmType);
    if (alarm == 0) current = kAlarmHigh;
    if (alarm == 1) current = kAlarmLow;
  }
  o.current = current;
  return o;
}

uint8_t SimTransmitter::StatusLocked() const {
  Output o = ComputeOutput();
  uint8_t s = faults_.statusBits;
  if (configChanged_) s |= kStatusConfigChanged;
  if (coldStart_) s |= kStatusColdStart;
  if (o.fixed) s |= kStatusCurrentFixed;
  if (o.saturated) s |= kStatusCurrentSaturated;
  if (dieTempC_ < kDieLowC || dieTempC_ > kDieHighC) s |= kStatusNonPvOutOfLimits;
  if (o.pv < image_.F32(image::kPvLowerLimit) || o.pv > image_.F32(image::kPvUpperLimit))
    s |= kStatusPvOutOfLimits;
  return s;
}

// ---- Serving a request ----

std::vector<SimReplyPiece> SimTransmitter::Serve(const SimRequest& request, bool answer) {
  std::lock_guard lock(mu_);
  ++requestsHeard_;
  if (faults_.silent) return {};
  if (faults_.silentRequests > 0) {
    --faults_.silentRequests;
    return {};
  }
  if (errors_.noise != 0) NextNoiseSample();  // every value of one reply from one reading

  uint8_t code = 0;
  std::vector<uint8_t> data;
  if (!request.checkOk) {
    code = 0x88;  // communication error: longitudinal parity (check byte)
  } else if (answer && faults_.commErrorReplies > 0) {
    --faults_.commErrorReplies;
    code = uint8_t(faults_.commErrorStatus | 0x80);
  } else if (answer && faults_.forcedResponseReplies > 0 && faults_.forcedResponseCode >= 0) {
    --faults_.forcedResponseReplies;
    code = uint8_t(faults_.forcedResponseCode);
    if (IsWarning(code)) data = Execute(request.command, request.data).data;
  } else {
    Result r = Execute(request.command, request.data);
    code = r.code;
    // An error reply carries the status bytes only; a warning keeps its data.
    if (code == 0 || IsWarning(code)) data = std::move(r.data);
  }
  if (!answer) {
    ApplyPendingReset();
    return {};
  }

  uint8_t status = StatusLocked();
  coldStart_ = false;  // reported now
  ApplyPendingReset();
  if (faults_.replyDataBytes >= 0) data.resize(size_t(faults_.replyDataBytes), 0);

  uint8_t address[5];
  if (!request.longFrame) {
    address[0] = uint8_t((request.address[0] & 0x80) | pollingAddress_);
  } else if (request.IsBroadcast()) {
    // Answering a broadcast, the device names itself.
    address[0] = uint8_t((request.address[0] & 0x80) | (identity_.manufacturerId & 0x3F));
    address[1] = identity_.deviceType;
    simbytes::PutU24BE(address + 2, identity_.deviceId);
  } else {
    std::copy(request.address, request.address + 5, address);
    address[0] &= 0xBF;  // not in burst mode
  }
  bool corrupt = faults_.badCheckReplies > 0;
  if (corrupt) --faults_.badCheckReplies;
  std::vector<uint8_t> bytes = faults_.leadingBytes;
  std::vector<uint8_t> frame = BuildAckFrame(faults_.preambles, request.longFrame, address,
                                             request.command, code, status, data, corrupt);
  bytes.insert(bytes.end(), frame.begin(), frame.end());

  std::vector<SimReplyPiece> pieces;
  size_t pos = 0;
  int delay = faults_.replyDelayMs;
  for (size_t size : faults_.pieceSizes) {
    if (pos >= bytes.size()) break;
    size_t take = std::min(size, bytes.size() - pos);
    if (take == 0) continue;
    pieces.push_back(
        {delay, std::vector<uint8_t>(bytes.begin() + long(pos), bytes.begin() + long(pos + take))});
    pos += take;
    delay += faults_.pieceGapMs;
  }
  if (pos < bytes.size())
    pieces.push_back({delay, std::vector<uint8_t>(bytes.begin() + long(pos), bytes.end())});
  return pieces;
}

void SimTransmitter::ApplyPendingReset() {
  if (!resetPending_) return;
  resetPending_ = false;
  fixedCurrent_.reset();
  coldStart_ = true;
}

int SimTransmitter::RequestsHeard() const {
  std::lock_guard lock(mu_);
  return requestsHeard_;
}

// ---- Public accessors ----

SimIdentity SimTransmitter::Identity() const {
  std::lock_guard lock(mu_);
  return identity_;
}
void SimTransmitter::SetIdentity(const SimIdentity& identity) {
  std::lock_guard lock(mu_);
  identity_ = identity;
  identity_.deviceId &= 0xFFFFFF;
}
uint8_t SimTransmitter::PollingAddress() const {
  std::lock_guard lock(mu_);
  return pollingAddress_;
}
void SimTransmitter::SetPollingAddress(uint8_t address) {
  std::lock_guard lock(mu_);
  pollingAddress_ = address & 0x0F;
}
std::vector<uint8_t> SimTransmitter::LongAddress() const {
  std::lock_guard lock(mu_);
  std::vector<uint8_t> a(5);
  a[0] = identity_.manufacturerId & 0x3F;
  a[1] = identity_.deviceType;
  simbytes::PutU24BE(&a[2], identity_.deviceId);
  return a;
}
bool SimTransmitter::MatchesLongAddress(const uint8_t* address) const {
  std::lock_guard lock(mu_);
  return (address[0] & 0x3F) == (identity_.manufacturerId & 0x3F) &&
         address[1] == identity_.deviceType && simbytes::U24BE(address + 2) == identity_.deviceId;
}
bool SimTransmitter::MatchesTag(const uint8_t* packed) const {
  std::lock_guard lock(mu_);
  return std::equal(packed, packed + 6, image_.Data() + image::kTag);
}
void SimTransmitter::SetWriteProtected(bool on) {
  std::lock_guard lock(mu_);
  writeProtected_ = on;
}
bool SimTransmitter::WriteProtected() const {
  std::lock_guard lock(mu_);
  return writeProtected_;
}
void SimTransmitter::SetPressure(double kPa) {
  std::lock_guard lock(mu_);
  pressureKPa_ = kPa;
  heldKPa_ = HeldKPa();
}
double SimTransmitter::Pressure() const {
  std::lock_guard lock(mu_);
  return pressureKPa_;
}
void SimTransmitter::SetDieTemperature(double celsius) {
  std::lock_guard lock(mu_);
  dieTempC_ = celsius;
}
double SimTransmitter::DieTemperature() const {
  std::lock_guard lock(mu_);
  return dieTempC_;
}
void SimTransmitter::SetTemperatureAdOverride(std::optional<uint16_t> ad) {
  std::lock_guard lock(mu_);
  tadOverride_ = ad;
}
void SimTransmitter::SetDacError(double offsetMa, double gain) {
  std::lock_guard lock(mu_);
  dacOffset_ = offsetMa;
  dacGain_ = gain;
}
SimCalibrationErrors SimTransmitter::CalibrationErrors() const {
  std::lock_guard lock(mu_);
  return errors_;
}
void SimTransmitter::SetCalibrationErrors(const SimCalibrationErrors& errors) {
  std::lock_guard lock(mu_);
  heldKPa_ = HeldKPa();  // where the old play left the sensor
  if (errors.noise != errors_.noise) {
    noiseState_ = identity_.deviceId;
    noiseSample_ = 0.0;
  }
  errors_ = errors;
}
uint32_t SimTransmitter::PressureAd() const {
  std::lock_guard lock(mu_);
  return PressureAdLocked();
}
uint16_t SimTransmitter::TemperatureAd() const {
  std::lock_guard lock(mu_);
  return TemperatureAdLocked();
}
float SimTransmitter::PrimaryVariable() const {
  std::lock_guard lock(mu_);
  return ComputePv();
}
uint8_t SimTransmitter::PvUnitCode() const {
  std::lock_guard lock(mu_);
  return PvHartUnitLocked();
}
float SimTransmitter::LoopCurrent() const {
  std::lock_guard lock(mu_);
  return ComputeOutput().current;
}
float SimTransmitter::PercentOfRange() const {
  std::lock_guard lock(mu_);
  return ComputeOutput().percent;
}
float SimTransmitter::MeasuredLoopCurrent() const {
  std::lock_guard lock(mu_);
  double setting = ComputeOutput().current;
  double dac = image_.F32(image::kLoopTrimGain) * setting + image_.F32(image::kLoopTrimOffset);
  return float(dacGain_ * dac + dacOffset_);
}
bool SimTransmitter::FixedCurrentMode() const {
  std::lock_guard lock(mu_);
  return ComputeOutput().fixed;
}
uint8_t SimTransmitter::DeviceStatus() const {
  std::lock_guard lock(mu_);
  return StatusLocked();
}
SimImage SimTransmitter::Image() const {
  std::lock_guard lock(mu_);
  return image_;
}
void SimTransmitter::SetImage(const SimImage& image) {
  std::lock_guard lock(mu_);
  image_ = image;
}
void SimTransmitter::RestoreFactoryDefaults() {
  std::lock_guard lock(mu_);
  LoadFactoryConfiguration(false);
  MarkConfigChanged();
}
void SimTransmitter::PowerCycle() {
  std::lock_guard lock(mu_);
  fixedCurrent_.reset();
  coldStart_ = true;
}
SimFaults SimTransmitter::Faults() const {
  std::lock_guard lock(mu_);
  return faults_;
}
void SimTransmitter::SetFaults(const SimFaults& faults) {
  std::lock_guard lock(mu_);
  faults_ = faults;
}
void SimTransmitter::SetSilent(bool on) {
  std::lock_guard lock(mu_);
  faults_.silent = on;
}
void SimTransmitter::SilenceNext(int requests) {
  std::lock_guard lock(mu_);
  faults_.silentRequests = requests;
}
