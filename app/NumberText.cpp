#include "NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Skips the blanks and the sign; from_chars takes no '+' and a second sign is no number.
const char* SkipToDigits(const char* p, const char* end, bool& negative) {
  while (p < end && IsBlank(*p))
    ++p;
  negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  return p;
}

bool OnlyBlanks(const char* p, const char* end) {
  for (; p < end; ++p)
    if (!IsBlank(*p)) return false;
  return true;
}

bool SignFollows(const char* p, const char* end) {
  return p < end && (*p == '+' || *p == '-');
}

std::string Latin1(const QString& text) {
  // Anything beyond ASCII is no part of a number; '?' keeps it from being one.
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text)
    out.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
  return out;
}

}  // namespace

long long ReadCInteger(std::string_view text, bool* whole) {
  const char* const end = text.data() + text.size();
  bool negative;
  const char* p = SkipToDigits(text.data(), end, negative);
  long long value = 0;
  const char* after = p;
  if (!SignFollows(p, end)) {
    const auto res = std::from_chars(p, end, value);
    after = res.ptr;
    if (res.ec == std::errc::result_out_of_range)
      value =
          negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    else if (negative)
      value = -value;
  }
  if (whole) *whole = after != p && OnlyBlanks(after, end);
  return value;
}

double ReadCReal(std::string_view text, bool* whole) {
  const char* const end = text.data() + text.size();
  bool negative;
  const char* p = SkipToDigits(text.data(), end, negative);
  double value = 0;
  const char* after = p;
  if (!SignFollows(p, end)) {
    const auto res = std::from_chars(p, end, value);
    after = res.ptr;
    if (res.ec == std::errc::result_out_of_range) {
      // Too large becomes infinite and too small 0, as strtod has it.
      long double wide = 0;
      std::from_chars(p, end, wide);
      value = static_cast<double>(wide);
    }
  }
  if (whole) *whole = after != p && OnlyBlanks(after, end);
  return negative ? -value : value;
}

std::optional<double> TypedReal(const QString& text) {
  bool whole = false;
  const double value = ReadCReal(Latin1(text), &whole);
  if (!whole || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<float> TypedFloat(const QString& text) {
  const std::optional<double> value = TypedReal(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<long long> TypedInteger(const QString& text) {
  bool whole = false;
  const long long value = ReadCInteger(Latin1(text), &whole);
  if (!whole) return std::nullopt;
  return value;
}
