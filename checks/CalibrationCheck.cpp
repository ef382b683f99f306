#include "CalibrationCheck.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "Language.h"

namespace check {

namespace {

// A billionth of a percent: an error on the tolerance passes despite the rounding of the
// arithmetic that found it.
constexpr double kTieSlack = 1e-9;
constexpr double kLoopSpanMa = 16.0;

bool IsSeparator(char c) {
  return c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';';
}

// The C notation whatever the locale; an optional '+', as people type it.
std::optional<double> ReadNumber(const std::string& token) {
  const char* p = token.data();
  const char* const end = p + token.size();
  if (p < end && *p == '+') ++p;
  if (p < end && *p == '+') return std::nullopt;  // from_chars would not see the second sign
  double value = 0;
  const auto [ptr, ec] = std::from_chars(p, end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// "%.<decimals>f" in the C locale; never "-0.0000".
std::string Fixed(double value, int decimals) {
  char text[64];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string out(text, result.ptr);
  if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
  return out;
}

// The shortest text that reads back as the same number: "25", "12.5".
std::string Shortest(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value + 0.0);
  return std::string(text, result.ptr);
}

std::string WithUnit(const std::string& number, const std::string& unit) {
  return unit.empty() ? number : number + " " + unit;
}

std::string Limits(double lower, double upper, const std::string& unit) {
  return WithUnit(Fixed(lower, 4) + ".." + Fixed(upper, 4), unit);
}

// "a", "a and b", "a, b and c".
std::string JoinedList(const std::vector<std::string>& items) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? Tr(" and ").toStdString() : Tr(", ").toStdString();
    out += items[i];
  }
  return out;
}

bool Within(double error, double tolerance) {
  return std::fabs(error) <= tolerance + kTieSlack;
}

// The direction each point is approached from (see ParseTestPoints).
std::vector<bool> FallingFlags(const std::vector<PointReading>& readings) {
  std::vector<bool> falling(readings.size(), false);
  for (size_t i = 1; i < readings.size(); ++i) {
    const double before = readings[i - 1].percent, now = readings[i].percent;
    falling[i] = now < before || (now == before && falling[i - 1]);
  }
  return falling;
}

// The error with the largest size, its sign kept.
void KeepLargest(double& largest, double error) {
  if (std::fabs(error) > std::fabs(largest)) largest = error;
}

void KeepLargestSize(std::optional<double>& largest, double size) {
  if (!largest || size > *largest) largest = size;
}

}  // namespace

bool ParseTestPoints(const std::string& text, std::vector<double>& percents, std::string* error) {
  std::vector<double> parsed;
  size_t i = 0;
  while (i < text.size()) {
    if (IsSeparator(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && !IsSeparator(text[end]))
      ++end;
    const std::string token = text.substr(i, end - i);
    const std::optional<double> value = ReadNumber(token);
    if (!value) {
      if (error)
        *error = TrFormat("point %d: '%s' is not a number", static_cast<int>(parsed.size()) + 1,
                          token.c_str())
                     .toStdString();
      return false;
    }
    parsed.push_back(*value);
    i = end;
  }
  const int count = static_cast<int>(parsed.size());
  if (count < kMinPoints || count > kMaxPoints) {
    if (error)
      *error = (count == 0 ? TrFormat("no points; a check takes %d to %d", kMinPoints, kMaxPoints)
                : count == 1
                    ? TrFormat("1 point; a check takes %d to %d", kMinPoints, kMaxPoints)
                    : TrFormat("%d points; a check takes %d to %d", count, kMinPoints, kMaxPoints))
                   .toStdString();
    return false;
  }
  percents = std::move(parsed);
  return true;
}

std::string TestPointsText(const std::vector<double>& percents) {
  std::string out;
  for (double p : percents) {
    if (!out.empty()) out += ", ";
    out += Shortest(p);
  }
  return out;
}

std::vector<double> DefaultTestPoints() {
  return {0, 25, 50, 75, 100, 75, 50, 25, 0};
}

std::string RangeRefusal(const DeviceRange& range) {
  const char* why = !std::isfinite(range.lower) || !std::isfinite(range.upper)
                        ? N_("the PV range %s is not a pair of numbers")
                    : range.upper == range.lower ? N_("the PV range %s has no span")
                                                 : nullptr;
  if (!why) return {};
  const std::string limits = Limits(range.lower, range.upper, range.unit);
  return TrFormat(why, limits.c_str()).toStdString();
}

double NominalPressure(const DeviceRange& range, double percent) {
  return range.lower + percent / 100.0 * (range.upper - range.lower);
}

std::string PointsOutsideSensor(const DeviceRange& range, const std::vector<double>& percents) {
  const double low = std::min(range.sensorLower, range.sensorUpper);
  const double high = std::max(range.sensorLower, range.sensorUpper);
  std::vector<double> named;
  std::vector<std::string> outside;
  for (double percent : percents) {
    const double pressure = NominalPressure(range, percent);
    if (pressure >= low && pressure <= high) continue;  // a NaN lies outside too
    if (std::find(named.begin(), named.end(), percent) != named.end()) continue;
    named.push_back(percent);
    outside.push_back(Shortest(percent) + " % (" + WithUnit(Fixed(pressure, 4), range.unit) + ")");
  }
  if (outside.empty()) return {};
  const std::string points = JoinedList(outside);
  const std::string limits = Limits(range.sensorLower, range.sensorUpper, range.unit);
  return (outside.size() == 1
              ? TrFormat("%s lies outside the sensor limits %s", points.c_str(), limits.c_str())
              : TrFormat("%s lie outside the sensor limits %s", points.c_str(), limits.c_str()))
      .toStdString();
}

double UncertaintyPercentOfSpan(const Setup& setup, const DeviceRange& range) {
  const double size = std::fabs(setup.referenceUncertainty);
  const std::string& unit = setup.referenceUncertaintyUnit;
  if (unit.empty() || unit == kPercentOfSpan) return size;
  return size / std::fabs(range.upper - range.lower) * 100.0;
}

std::string SetupRefusal(const Setup& setup, const DeviceRange& range) {
  if (std::string why = RangeRefusal(range); !why.empty()) return why;
  const int count = static_cast<int>(setup.points.size());
  if (count < kMinPoints || count > kMaxPoints)
    return TrFormat("%d test points; a check takes %d to %d", count, kMinPoints, kMaxPoints)
        .toStdString();
  if (std::string why = PointsOutsideSensor(range, setup.points); !why.empty()) return why;
  if (!(setup.pvTolerance > 0) || !(setup.currentTolerance > 0))
    return Tr("the tolerances must be above 0 % of span").toStdString();
  const std::string& unit = setup.referenceUncertaintyUnit;
  if (!unit.empty() && unit != kPercentOfSpan && unit != range.unit)
    return TrFormat(
               "the reference's uncertainty is in %s but the device's PV is in %s: type it "
               "again in %s or in %% of span",
               unit.c_str(), range.unit.c_str(), range.unit.c_str())
        .toStdString();
  if (!std::isfinite(setup.referenceUncertainty))
    return Tr("the reference's uncertainty is not a number").toStdString();
  if (setup.rule == Rule::Guarded) {
    const double u = UncertaintyPercentOfSpan(setup, range);
    const double tolerance = std::min(setup.pvTolerance, setup.currentTolerance);
    if (u >= tolerance)
      return TrFormat(
                 "the reference's uncertainty %s %% of span leaves no room in the "
                 "tolerance %s %% of span: no point could pass the guarded rule",
                 Fixed(u, 4).c_str(), Fixed(tolerance, 4).c_str())
          .toStdString();
  }
  return {};
}

PointResult Evaluate(const Setup& setup, const DeviceRange& range, const PointReading& reading) {
  PointResult r;
  const double span = range.upper - range.lower;
  if (!RangeRefusal(range).empty()) return r;
  const double fraction = (reading.reference - range.lower) / span;
  r.expectedMa =
      4.0 + kLoopSpanMa * (range.squareRoot ? std::sqrt(std::max(0.0, fraction)) : fraction);
  if (!reading.read) return r;
  r.pvError = (reading.pv - reading.reference) / std::fabs(span) * 100.0;
  r.currentError = (reading.currentMa - r.expectedMa) / kLoopSpanMa * 100.0;
  const double guard = setup.rule == Rule::Guarded ? UncertaintyPercentOfSpan(setup, range) : 0.0;
  r.pvPass = Within(std::fabs(r.pvError) + guard, setup.pvTolerance);
  r.currentPass = Within(std::fabs(r.currentError) + guard, setup.currentTolerance);
  r.pass = r.pvPass && r.currentPass;
  return r;
}

const char* VerdictText(Verdict v) {
  switch (v) {
    case Verdict::Pass:
      return "PASS";
    case Verdict::Fail:
      return "FAIL";
    case Verdict::Incomplete:
      break;
  }
  return "INCOMPLETE";
}

RunResult EvaluateRun(const Setup& setup, const DeviceRange& range,
                      const std::vector<PointReading>& readings) {
  RunResult run;
  const std::vector<bool> falling = FallingFlags(readings);
  bool allRead = !readings.empty(), allPass = true;
  for (size_t i = 0; i < readings.size(); ++i) {
    PointResult r = Evaluate(setup, range, readings[i]);
    r.falling = falling[i];
    run.points.push_back(r);
    if (!readings[i].read) {
      allRead = false;
      continue;
    }
    allPass = allPass && r.pass;
    KeepLargest(run.largestPvError, r.pvError);
    KeepLargest(run.largestCurrentError, r.currentError);
  }
  // Every rising reading against every falling one of the same percent.
  for (size_t i = 0; i < readings.size(); ++i) {
    if (!readings[i].read || falling[i]) continue;
    for (size_t j = 0; j < readings.size(); ++j) {
      if (!readings[j].read || !falling[j] || readings[j].percent != readings[i].percent) continue;
      KeepLargestSize(run.pvHysteresis, std::fabs(run.points[i].pvError - run.points[j].pvError));
      KeepLargestSize(run.currentHysteresis,
                      std::fabs(run.points[i].currentError - run.points[j].currentError));
    }
  }
  run.verdict = !allRead ? Verdict::Incomplete : allPass ? Verdict::Pass : Verdict::Fail;
  return run;
}

std::optional<double> StableMean(const std::vector<double>& readings, double band) {
  for (size_t first = 0; first + kStableCount <= readings.size(); ++first) {
    const auto begin = readings.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = begin + kStableCount;
    if (!std::all_of(begin, end, [](double v) { return std::isfinite(v); })) continue;
    const auto [low, high] = std::minmax_element(begin, end);
    if (*high - *low > band) continue;
    double sum = 0;
    for (auto it = begin; it != end; ++it)
      sum += *it;
    return sum / kStableCount;
  }
  return std::nullopt;
}

double PvStableBand(const Setup& setup, const DeviceRange& range) {
  return setup.pvTolerance / 10.0 / 100.0 * std::fabs(range.upper - range.lower);
}

double CurrentStableBand(const Setup& setup) {
  return setup.currentTolerance / 10.0 / 100.0 * kLoopSpanMa;
}

}  // namespace check
