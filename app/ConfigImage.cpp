#include "ConfigImage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Encoding.h"
#include "Language.h"

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

// In the language in force: each text's format is translated, then filled; the numbers keep
// their "%.4g".
std::string ConfigImageProblem(const ConfigValues& v) {
  auto number = [](double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", x);
    return std::string(text);
  };
  if (!FindUnit(v.unitCode))
    return TrFormat("its PV unit code %d is none the device knows", v.unitCode).toStdString();
  if (!std::isfinite(v.sensorLower) || !std::isfinite(v.sensorUpper) ||
      !(v.sensorLower < v.sensorUpper))
    return TrFormat("its sensor limits (%s to %s) are not a range", number(v.sensorLower).c_str(),
                    number(v.sensorUpper).c_str())
        .toStdString();
  // A float converted between units may land a hair outside the limits it was taken from.
  const double slack = 1e-5 * (std::fabs(v.sensorLower) + std::fabs(v.sensorUpper));
  const struct {
    const char* name;
    float value;
  } bounded[] = {{N_("lower range value"), v.lowerRange},
                 {N_("upper range value"), v.upperRange},
                 {N_("PV lower range limit"), v.pvLowerLimit},
                 {N_("PV upper range limit"), v.pvUpperLimit}};
  for (const auto& b : bounded) {
    const QByteArray name = Tr(b.name).toUtf8();
    if (!std::isfinite(b.value))
      return TrFormat("its %s is not a number", name.constData()).toStdString();
    if (b.value < v.sensorLower - slack || b.value > v.sensorUpper + slack)
      return TrFormat("its %s %s lies outside the sensor limits %s to %s", name.constData(),
                      number(b.value).c_str(), number(v.sensorLower).c_str(),
                      number(v.sensorUpper).c_str())
          .toStdString();
  }
  if (!std::isfinite(v.zeroTrim)) return Tr("its zero trim is not a number").toStdString();
  if (!(v.damping >= 0 && v.damping <= 100))
    return TrFormat("its damping %s s lies outside 0 to 100 s", number(v.damping).c_str())
        .toStdString();
  if (v.transferFunction > 1)
    return TrFormat("its transfer function code %d is neither linear nor square root",
                    v.transferFunction)
        .toStdString();
  if (v.temperaturePoints > kConfigMaxTemperatures)
    return TrFormat("it claims %d temperature points (at most %d)", v.temperaturePoints,
                    kConfigMaxTemperatures)
        .toStdString();
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
