// Byte helpers of the simulated device. Kept apart from the master's encoders on purpose:
// the device side is written on its own, so a misreading shared by both sides shows up.
//   On the wire (HART data): floats and 24/32-bit numbers high byte first, 16-bit values of
//   commands 201, 225 and 226 low byte first. In the device's memory image: low byte first.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace simbytes {

inline uint32_t FloatBits(float v) {
  uint32_t u;
  std::memcpy(&u, &v, 4);
  return u;
}
inline float BitsFloat(uint32_t u) {
  float v;
  std::memcpy(&v, &u, 4);
  return v;
}

inline uint32_t U32BE(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
inline void PutU32BE(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v >> 24);
  p[1] = uint8_t(v >> 16);
  p[2] = uint8_t(v >> 8);
  p[3] = uint8_t(v);
}
inline uint32_t U32LE(const uint8_t* p) {
  return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}
inline void PutU32LE(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}
inline float F32BE(const uint8_t* p) {
  return BitsFloat(U32BE(p));
}
inline void PutF32BE(uint8_t* p, float v) {
  PutU32BE(p, FloatBits(v));
}
inline float F32LE(const uint8_t* p) {
  return BitsFloat(U32LE(p));
}
inline void PutF32LE(uint8_t* p, float v) {
  PutU32LE(p, FloatBits(v));
}
inline uint32_t U24BE(const uint8_t* p) {
  return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}
inline void PutU24BE(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v >> 16);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v);
}
inline uint16_t U16LE(const uint8_t* p) {
  return uint16_t(p[0] | p[1] << 8);
}
inline void PutU16LE(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}

// Packed ASCII: four 6-bit characters in three bytes ("ABCD" -> 04 20 C4). `text` is padded
// with spaces to `chars` (a multiple of 4); writes chars / 4 * 3 bytes.
inline void PackText(const std::string& text, uint8_t* out, size_t chars) {
  for (size_t g = 0; g < chars / 4; ++g) {
    uint8_t c[4];
    for (size_t k = 0; k < 4; ++k) {
      size_t i = g * 4 + k;
      c[k] = uint8_t((i < text.size() ? text[i] : ' ') & 0x3F);
    }
    out[g * 3 + 0] = uint8_t(c[0] << 2 | c[1] >> 4);
    out[g * 3 + 1] = uint8_t(c[1] << 4 | c[2] >> 2);
    out[g * 3 + 2] = uint8_t(c[2] << 6 | c[3]);
  }
}
inline std::string UnpackText(const uint8_t* in, size_t bytes) {
  std::string s;
  for (size_t g = 0; g < bytes / 3; ++g) {
    const uint8_t* b = in + g * 3;
    uint8_t c[4] = {uint8_t(b[0] >> 2), uint8_t((b[0] & 0x03) << 4 | b[1] >> 4),
                    uint8_t((b[1] & 0x0F) << 2 | b[2] >> 6), uint8_t(b[2] & 0x3F)};
    for (uint8_t ch : c)
      s.push_back(char(ch < 0x20 ? ch + 0x40 : ch));
  }
  return s;
}

}  // namespace simbytes
