#include "ConfigImage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Encoding.h"

namespace {

// Where the values live.
constexpr int kUnit = 0;
constexpr int kLowerRange = 8;
constexpr int kUpperRange = 16;
constexpr int kDamping = 24;
constexpr int kTransfer = 48;
constexpr int kAlarmType = 56;
constexpr int kSensorLower = 112;
constexpr int kSensorUpper = 120;
constexpr int kDisplayMode = 128;
constexpr int kNumberFormat = 136;
constexpr int kZeroTrim = 160;
constexpr int kAssembly = 184;
constexpr int kSensorType = 216;
constexpr int kExcitation = 224;
constexpr int kPvLowerLimit = 240;
constexpr int kPvUpperLimit = 248;
constexpr int kMessage = 256;     // 24 bytes
constexpr int kTag = 280;         // 6 bytes
constexpr int kYear = 288;        // year - 1900, then month and day
constexpr int kDescriptor = 296;  // 12 bytes
constexpr int kPressurePoints = 344;
constexpr int kTemperature0 = 768;    // float per point, stride 8
constexpr int kTemperatureAd0 = 832;  // 16 bits per point, stride 8
constexpr int kPressureMode = 904;
constexpr int kTemperaturePoints = 968;
constexpr int kTable0 = 976;  // 32 bits per entry t * P + p, stride 8

uint32_t U32(const ConfigImage& m, int at) {
  return uint32_t(m[at]) | uint32_t(m[at + 1]) << 8 | uint32_t(m[at + 2]) << 16 |
         uint32_t(m[at + 3]) << 24;
}
float F32(const ConfigImage& m, int at) {
  const uint32_t bits = U32(m, at);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}
// `bytes` of packed ASCII: four characters in every three bytes.
std::string Text(const ConfigImage& m, int at, int bytes) {
  std::string text(static_cast<size_t>(bytes / 3 * 4), ' ');
  UnpackAscii(m.data() + at, text.data(), bytes);
  return text;
}

struct DeviceUnit {
  uint8_t code;
  const char* name;
  int listIndex;
};
constexpr DeviceUnit kDeviceUnits[] = {
    {0, "Pa", 15}, {1, "KPa", 0},    {2, "MPa", 1},   {5, "mmH2O", 5}, {7, "mmHg", 4},
    {9, "bar", 2}, {10, "mbar", 12}, {11, "mH2O", 6}, {13, "psi", 3},
};

const DeviceUnit* FindUnit(uint8_t code) {
  for (const DeviceUnit& u : kDeviceUnits)
    if (u.code == code) return &u;
  return nullptr;
}

}  // namespace

ConfigValues DecodeConfigImage(const ConfigImage& m) {
  ConfigValues v;
  v.unitCode = m[kUnit];
  v.lowerRange = F32(m, kLowerRange);
  v.upperRange = F32(m, kUpperRange);
  v.damping = F32(m, kDamping);
  v.transferFunction = m[kTransfer];
  v.alarmType = m[kAlarmType];
  v.sensorLower = F32(m, kSensorLower);
  v.sensorUpper = F32(m, kSensorUpper);
  v.displayMode = m[kDisplayMode];
  v.numberFormat = m[kNumberFormat];
  v.zeroTrim = F32(m, kZeroTrim);
  v.assembly = m[kAssembly];
  v.sensorType = m[kSensorType];
  v.excitation = m[kExcitation];
  v.pvLowerLimit = F32(m, kPvLowerLimit);
  v.pvUpperLimit = F32(m, kPvUpperLimit);
  v.message = Text(m, kMessage, 24);
  v.tag = Text(m, kTag, 6);
  v.descriptor = Text(m, kDescriptor, 12);
  v.year = 1900 + m[kYear];
  v.month = m[kYear + 1];
  v.day = m[kYear + 2];
  v.pressureMode = m[kPressureMode];
  v.temperaturePoints = m[kTemperaturePoints];
  v.pressurePoints = m[kPressurePoints];
  // Only what the image holds: seven temperature points, table entries up to its end.
  const int t = std::min(v.temperaturePoints, kConfigMaxTemperatures);
  for (int i = 0; i < t; ++i) {
    v.temperatures.push_back(F32(m, kTemperature0 + 8 * i));
    v.temperatureAd.push_back(GetU16LE(m.data() + kTemperatureAd0 + 8 * i));
  }
  const int middle = v.temperaturePoints / 2;
  for (int j = 0; j < v.pressurePoints; ++j) {
    const int at = kTable0 + 8 * (middle * v.pressurePoints + j);
    if (at + 4 > kConfigImageSize) break;
    v.middleTable.push_back(U32(m, at));
  }
  return v;
}

std::string ConfigImageProblem(const ConfigValues& v) {
  auto number = [](double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", x);
    return std::string(text);
  };
  if (!FindUnit(v.unitCode))
    return "its PV unit code " + std::to_string(v.unitCode) + " is none the device knows";
  if (!std::isfinite(v.sensorLower) || !std::isfinite(v.sensorUpper) ||
      !(v.sensorLower < v.sensorUpper))
    return "its sensor limits (" + number(v.sensorLower) + " to " + number(v.sensorUpper) +
           ") are not a range";
  // A float converted between units may land a hair outside the limits it was taken from.
  const double slack = 1e-5 * (std::fabs(v.sensorLower) + std::fabs(v.sensorUpper));
  const struct {
    const char* name;
    float value;
  } bounded[] = {{"lower range value", v.lowerRange},
                 {"upper range value", v.upperRange},
                 {"PV lower range limit", v.pvLowerLimit},
                 {"PV upper range limit", v.pvUpperLimit}};
  for (const auto& b : bounded) {
    if (!std::isfinite(b.value)) return std::string("its ") + b.name + " is not a number";
    if (b.value < v.sensorLower - slack || b.value > v.sensorUpper + slack)
      return std::string("its ") + b.name + " " + number(b.value) +
             " lies outside the sensor limits " + number(v.sensorLower) + " to " +
             number(v.sensorUpper);
  }
  if (!std::isfinite(v.zeroTrim)) return "its zero trim is not a number";
  if (!(v.damping >= 0 && v.damping <= 100))
    return "its damping " + number(v.damping) + " s lies outside 0 to 100 s";
  if (v.transferFunction > 1)
    return "its transfer function code " + std::to_string(v.transferFunction) +
           " is neither linear nor square root";
  if (v.temperaturePoints > kConfigMaxTemperatures)
    return "it claims " + std::to_string(v.temperaturePoints) + " temperature points (at most " +
           std::to_string(kConfigMaxTemperatures) + ")";
  return {};
}

const char* DeviceUnitName(uint8_t code) {
  const DeviceUnit* u = FindUnit(code);
  return u ? u->name : "";
}

int DeviceUnitListIndex(uint8_t code) {
  const DeviceUnit* u = FindUnit(code);
  return u ? u->listIndex : -1;
}
