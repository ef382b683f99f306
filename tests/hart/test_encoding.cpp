#include <gtest/gtest.h>

#include <string>

#include "Encoding.h"
#include "ScriptedPort.h"

namespace {

std::vector<uint8_t> Pack(const std::string& text) {
  std::vector<uint8_t> out(text.size() / 4 * 3);
  PackAscii(text.data(), out.data(), static_cast<int>(text.size()));
  return out;
}

std::string Unpack(const std::vector<uint8_t>& packed) {
  std::string out(packed.size() / 3 * 4, '?');
  UnpackAscii(packed.data(), out.data(), static_cast<int>(packed.size()));
  return out;
}

TEST(PackedAscii, KnownGroups) {
  EXPECT_EQ(Pack("ABCD"), Hex("04 20 C4"));
  EXPECT_EQ(Unpack(Hex("04 20 C4")), "ABCD");
  EXPECT_EQ(Pack("        "), Hex("82 08 20 82 08 20"));
  EXPECT_EQ(Unpack(Hex("82 08 20 82 08 20")), "        ");
  EXPECT_EQ(Unpack(Hex("00 00 00")), "@@@@");
  // Digits and punctuation keep their own codes.
  EXPECT_EQ(Unpack(Pack("PT-101/A")), "PT-101/A");
}

TEST(PackedAscii, LowerCaseComesBackAsTheCharacterBelowIt) {
  EXPECT_EQ(Unpack(Pack("abcd")), "!\"#$");
  EXPECT_EQ(Pack("a   ")[0] >> 2, 0x21);
}

TEST(PackedAscii, NothingWrittenBelowOneGroup) {
  uint8_t out[3] = {0xEE, 0xEE, 0xEE};
  PackAscii("AB", out, 2);
  EXPECT_EQ(out[0], 0xEE);
}

TEST(PackedAscii, EveryCodeSurvivesTheRoundTrip) {
  std::string all;
  for (int c = 0x20; c <= 0x5F; ++c)
    all += static_cast<char>(c);
  EXPECT_EQ(Unpack(Pack(all)), all);
}

TEST(WireValues, ByteOrders) {
  uint8_t b[4];
  PutFloatBE(b, 1.0f);
  EXPECT_EQ(std::vector<uint8_t>(b, b + 4), Hex("3F 80 00 00"));
  PutFloatBE(b, 4.0f);
  EXPECT_EQ(std::vector<uint8_t>(b, b + 4), Hex("40 80 00 00"));
  EXPECT_FLOAT_EQ(GetFloatBE(Hex("C0 C0 00 00").data()), -6.0f);
  PutU24BE(b, 0x123456);
  EXPECT_EQ(std::vector<uint8_t>(b, b + 3), Hex("12 34 56"));
  EXPECT_EQ(GetU24BE(Hex("FF FF FF").data()), 0xFFFFFFu);
  PutU16LE(b, 0x1234);
  EXPECT_EQ(std::vector<uint8_t>(b, b + 2), Hex("34 12"));
  PutI32BE(b, -2);
  EXPECT_EQ(std::vector<uint8_t>(b, b + 4), Hex("FF FF FF FE"));
  EXPECT_EQ(GetI32BE(Hex("80 00 00 00").data()), INT32_MIN);
}

TEST(WireValues, UnitLabels) {
  EXPECT_STREQ(HartUnitLabel(12), "kPa");
  EXPECT_STREQ(HartUnitLabel(237), "MPa");
  EXPECT_STREQ(HartUnitLabel(32), "℃");
  EXPECT_STREQ(HartUnitLabel(1), "");
}

}  // namespace
