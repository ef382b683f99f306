// Numbers in text: the C library's reading, and typed numbers that are refused instead of 0.
#include <gtest/gtest.h>

#include <climits>

#include "NumberText.h"

namespace {

TEST(NumberTextTest, TypedNumbersKeepTheCLibrarysReading) {
  EXPECT_EQ(TypedReal("1e2"), 100.0);
  EXPECT_EQ(TypedReal("  +2.5\t"), 2.5);
  EXPECT_EQ(TypedReal("-.5"), -0.5);
  EXPECT_EQ(TypedInteger(" 15 "), 15);
  EXPECT_EQ(TypedInteger("-1"), -1);
  // Too large for any field: clamped, so the field's own range check refuses it.
  EXPECT_EQ(TypedInteger("99999999999999999999"), LLONG_MAX);
}

TEST(NumberTextTest, TextThatIsNotANumberIsRefused) {
  for (const char* text :
       {"", "  ", "abc", "1,5", "12abc", "--1", "+-1", "inf", "nan", "1e999", "0x10", "５"})
    EXPECT_FALSE(TypedReal(QString::fromUtf8(text))) << text;
  for (const char* text : {"", "12.0", "1e2", "x", "7 7"})
    EXPECT_FALSE(TypedInteger(text)) << text;
  EXPECT_FALSE(TypedFloat("1e39"));  // beyond single precision
  EXPECT_EQ(TypedFloat("3.4e38"), 3.4e38f);
}

TEST(NumberTextTest, TheSettingsFileReadsLeadingNumbersAndZeroOtherwise) {
  bool whole = true;
  EXPECT_EQ(ReadCInteger("12abc", &whole), 12);
  EXPECT_FALSE(whole);
  EXPECT_EQ(ReadCInteger("abc"), 0);
  EXPECT_EQ(ReadCReal(" 1.5e1x"), 15.0);
  EXPECT_EQ(ReadCReal("1e999"), HUGE_VAL);  // as strtod: too large is infinite
  EXPECT_EQ(ReadCReal("1e-999"), 0.0);
}

}  // namespace
