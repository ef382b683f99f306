// The transmitter's configuration memory as the data file holds it: 250 blocks of 8 bytes
// (command 245 reads block k, 246 writes it), block k at offset 8k, 2000 bytes with no
// header. Numbers sit as the device keeps them in memory, least significant byte first;
// texts are packed ASCII. This is the one place that knows where a value lives in the image;
// the pages take the decoded values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kConfigBlockSize = 8;
inline constexpr int kConfigBlocks = 250;
inline constexpr int kConfigImageSize = kConfigBlockSize * kConfigBlocks;  // 2000
inline constexpr int kConfigMaxTemperatures = 7;

using ConfigImage = std::array<uint8_t, kConfigImageSize>;

// The values the pages show from an image.
struct ConfigValues {
  uint8_t unitCode = 0;                  // the device's own unit code (not the HART one)
  float lowerRange = 0, upperRange = 0;  // PV at 4 and 20 mA
  float damping = 0;
  uint8_t transferFunction = 0;  // 0 linear, 1 square root
  uint8_t alarmType = 0;
  float sensorLower = 0, sensorUpper = 0;
  uint8_t displayMode = 0;
  uint8_t numberFormat = 0;
  float zeroTrim = 0;
  uint8_t assembly = 0;  // the byte the image keeps of the final assembly number
  uint8_t sensorType = 0;
  uint8_t excitation = 0;  // 0xFF, 0xF0, 0xF7, 0xF9, 0xFB, 0xFD
  float pvLowerLimit = 0, pvUpperLimit = 0;
  std::string message;     // 32 characters
  std::string tag;         // 8
  std::string descriptor;  // 16
  int year = 1900, month = 0, day = 0;
  uint8_t pressureMode = 0;  // 0 gauge, 1 absolute
  // The multi-point calibration: T temperature points of P pressure points each.
  int temperaturePoints = 0;
  int pressurePoints = 0;
  std::vector<float> temperatures;      // one per temperature point the image holds
  std::vector<uint16_t> temperatureAd;  // likewise
  // The AD counts of the middle temperature point (T / 2), as far as the image holds them.
  std::vector<uint32_t> middleTable;
};

ConfigValues DecodeConfigImage(const ConfigImage& image);

// Why an image cannot be a transmitter's configuration, or empty when it can be: a unit code
// outside the device unit table, sensor limits that are not finite or not rising, a range
// value or PV limit that is not finite or lies outside the sensor limits, a damping outside
// 0..100 s, a transfer function other than linear or square root, more temperature points
// than the image holds. Checked before a file is written into a device.
std::string ConfigImageProblem(const ConfigValues& values);

// Device unit codes: the name the calibration pages append to the range ("Pa", "KPa", ...,
// empty for a code they do not name) and the index of the same unit in the pages' 25-entry
// unit list (-1 for a code without one).
const char* DeviceUnitName(uint8_t code);
int DeviceUnitListIndex(uint8_t code);
