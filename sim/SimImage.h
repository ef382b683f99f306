// The transmitter's 2000-byte configuration memory: 250 blocks of 8 bytes that command 245
// reads and command 246 writes. Every configuration field lives here and nowhere else, so a
// value written by one command reads back through every other command and every block.
// Numbers are held low byte first; text as packed ASCII.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "SimBytes.h"

namespace image {

constexpr size_t kSize = 2000;
constexpr size_t kBlockSize = 8;
constexpr size_t kBlocks = kSize / kBlockSize;

// Fields the configuration file tools know.
constexpr size_t kUnit = 0;            // device unit code (see SimUnits.h)
constexpr size_t kLowerRange = 8;      // float, PV at 4 mA
constexpr size_t kUpperRange = 16;     // float, PV at 20 mA
constexpr size_t kDamping = 24;        // float, seconds
constexpr size_t kTransfer = 48;       // 0 linear, 1 square root
constexpr size_t kAlarmType = 56;      // 0 high (20.8 mA), 1 low (3.8 mA), 2 saturated
constexpr size_t kSensorLower = 112;   // float, sensor lower limit
constexpr size_t kSensorUpper = 120;   // float, sensor upper limit
constexpr size_t kDisplayMode = 128;   // 0 PV, 1 % of span, 2 loop mA
constexpr size_t kNumberFormat = 136;  // decimals 0..3
constexpr size_t kZeroTrim = 160;      // float, PV units, subtracted from the PV
constexpr size_t kAssembly = 184;      // final assembly number, 32-bit (24 bits used)
constexpr size_t kSensorType = 216;    // index
constexpr size_t kExcitation = 224;    // 0xFF, 0xF0, 0xF7, 0xF9, 0xFB, 0xFD
constexpr size_t kPvLowerLimit = 240;  // float
constexpr size_t kPvUpperLimit = 248;  // float
constexpr size_t kMessage = 256;       // 24 bytes packed, 32 characters
constexpr size_t kTag = 280;           // 6 bytes packed, 8 characters
constexpr size_t kYear = 288;          // year - 1900
constexpr size_t kMonth = 289;
constexpr size_t kDay = 290;
constexpr size_t kDescriptor = 296;         // 12 bytes packed, 16 characters
constexpr size_t kPressurePoints = 344;     // N
constexpr size_t kTemperature0 = 768;       // float per temperature point, stride 8
constexpr size_t kTemperatureAd0 = 832;     // 16-bit T-AD per temperature point, stride 8
constexpr size_t kPressureMode = 904;       // 0 gauge, 1 absolute
constexpr size_t kTemperaturePoints = 968;  // T
constexpr size_t kTable0 = 976;             // 32-bit AD count per table entry (t * N + p), stride 8

// Fields of this device in bytes the file tools carry unchanged.
constexpr size_t kLoopTrimOffset = 64;    // float, mA added to the DAC setting
constexpr size_t kLoopTrimGain = 68;      // float, DAC gain factor
constexpr size_t kInhibition = 144;       // float, % (commands 150/190)
constexpr size_t kTrimLowMeasured = 164;  // float, PV before trim at the low trim point
constexpr size_t kTrimLowActual = 168;    // float, the reference value given for it
constexpr size_t kTrimHighMeasured = 172;
constexpr size_t kTrimHighActual = 176;
constexpr size_t kTrimFlags = 180;     // bit 0 low point set, bit 1 high point set
constexpr size_t kSvDisplay = 192;     // 0 off, 1 degC, 2 degF, 3 K
constexpr size_t kSvDutyCycle = 193;   // %
constexpr size_t kCompCode = 200;      // density compensation 0..2
constexpr size_t kFilterConfig = 232;  // raw byte 7 of commands 147/187
constexpr size_t kCompValues = 308;    // 6 floats: thermal effect, thermal loop trim, area,
                                       // density, height, Pitot coefficient

constexpr size_t kMaxTemperaturePoints = 7;
constexpr size_t kTableEntries = (kSize - kTable0) / 8;  // 128

}  // namespace image

class SimImage {
 public:
  SimImage() { bytes_.fill(0); }
  uint8_t* Data() { return bytes_.data(); }
  const uint8_t* Data() const { return bytes_.data(); }
  const std::array<uint8_t, image::kSize>& Bytes() const { return bytes_; }

  uint8_t U8(size_t off) const { return bytes_[off]; }
  void SetU8(size_t off, uint8_t v) { bytes_[off] = v; }
  float F32(size_t off) const { return simbytes::F32LE(&bytes_[off]); }
  void SetF32(size_t off, float v) { simbytes::PutF32LE(&bytes_[off], v); }
  uint32_t U32(size_t off) const { return simbytes::U32LE(&bytes_[off]); }
  void SetU32(size_t off, uint32_t v) { simbytes::PutU32LE(&bytes_[off], v); }
  uint16_t U16(size_t off) const { return simbytes::U16LE(&bytes_[off]); }
  void SetU16(size_t off, uint16_t v) { simbytes::PutU16LE(&bytes_[off], v); }

 private:
  std::array<uint8_t, image::kSize> bytes_;
};
