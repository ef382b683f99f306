#include "Encoding.h"

#include <cstring>

int PackAscii(const char* text, uint8_t* out, int length) {
  for (int i = 0; i + 4 <= length; i += 4) {
    const uint8_t c0 = static_cast<uint8_t>(text[i]), c1 = static_cast<uint8_t>(text[i + 1]);
    const uint8_t c2 = static_cast<uint8_t>(text[i + 2]), c3 = static_cast<uint8_t>(text[i + 3]);
    *out++ = static_cast<uint8_t>((c0 << 2) | ((c1 >> 4) & 0x03));
    *out++ = static_cast<uint8_t>((c1 << 4) | ((c2 >> 2) & 0x0F));
    *out++ = static_cast<uint8_t>((c2 << 6) | (c3 & 0x3F));
  }
  return 1;
}

int UnpackAscii(const uint8_t* packed, char* out, int length) {
  for (int i = 0; i + 3 <= length; i += 3) {
    const uint8_t b0 = packed[i], b1 = packed[i + 1], b2 = packed[i + 2];
    const uint8_t codes[4] = {
        static_cast<uint8_t>((b0 >> 2) & 0x3F),
        static_cast<uint8_t>(((b0 << 4) & 0x30) | ((b1 >> 4) & 0x0F)),
        static_cast<uint8_t>(((b1 << 2) & 0x3C) | ((b2 >> 6) & 0x03)),
        static_cast<uint8_t>(b2 & 0x3F),
    };
    // Codes below 0x20 stand for 0x40..0x5F ('@', 'A'..'Z', ...), the rest for themselves.
    for (uint8_t c : codes) {
      uint8_t ch = c | 0x40;
      if (ch > 0x5F) ch &= 0x3F;
      *out++ = static_cast<char>(ch);
    }
  }
  return 1;
}

char PackedAsciiForm(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 'a' + 'A');
  return u >= 0x20 && u <= 0x5F ? c : '\0';
}

float GetFloatBE(const uint8_t* p) {
  const uint32_t bits =
      (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
  float v;
  std::memcpy(&v, &bits, 4);
  return v;
}

void PutFloatBE(uint8_t* p, float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, 4);
  p[0] = static_cast<uint8_t>(bits >> 24);
  p[1] = static_cast<uint8_t>(bits >> 16);
  p[2] = static_cast<uint8_t>(bits >> 8);
  p[3] = static_cast<uint8_t>(bits);
}

uint32_t GetU24BE(const uint8_t* p) {
  return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

void PutU24BE(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 16);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v);
}

int32_t GetI32BE(const uint8_t* p) {
  return static_cast<int32_t>((uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) |
                              (uint32_t{p[2]} << 8) | p[3]);
}

void PutI32BE(uint8_t* p, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  p[0] = static_cast<uint8_t>(u >> 24);
  p[1] = static_cast<uint8_t>(u >> 16);
  p[2] = static_cast<uint8_t>(u >> 8);
  p[3] = static_cast<uint8_t>(u);
}

uint16_t GetU16LE(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void PutU16LE(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

const char* HartUnitLabel(int unitCode) {
  struct Unit {
    int code;
    const char* label;
  };
  static const Unit kUnits[] = {
      {2, "INHg"},     {5, "mmHg"},    {6, "PSI"},   {7, "BAR"},     {8, "mBAR"},
      {9, "g/cm2"},    {10, "kg/cm2"}, {11, "Pa"},   {12, "kPa"},    {13, "TORR"},
      {14, "ATM"},     {21, "m/s"},    {32, "℃"},    {33, "℉"},      {35, "K"},
      {40, "Gallons"}, {45, "m"},      {49, "mm"},   {91, "g/cm3"},  {171, "mH2O"},
      {177, "FTH2O"},  {179, "mHg"},   {237, "MPa"}, {238, "INH2O"}, {239, "mmH2O"},
  };
  for (const Unit& u : kUnits)
    if (u.code == unitCode) return u.label;
  return "";
}
