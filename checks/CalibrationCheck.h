// The calibration check: a transmitter compared with a reference at test points across its
// PV range, before any adjustment (as found) and after it (as left), each point's PV and loop
// current errors in % of span decided against a tolerance, with the hysteresis between the
// rising and the falling readings of the same point. UI-free: plain numbers in, numbers and
// verdicts out.
//
// Example: range 0..100 kPa, tolerance 0.25 % of span. At 50 % the reference reads 50.000 kPa,
// the transmitter 50.200 kPa: PV error +0.200 % of span, inside the tolerance. Expected loop
// current 12.000 mA, measured 12.030 mA: +0.1875 % of span (16 mA), inside too.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace check {

inline constexpr int kMinPoints = 3;
inline constexpr int kMaxPoints = 21;

// "0, 25, 50, 75, 100, 75, 50, 25, 0": percentages of the PV range, separated by commas or
// blanks, 3 to 21 of them. A point below the one before it starts the falling half. False
// with the reason when the text does not read.
bool ParseTestPoints(const std::string& text, std::vector<double>& percents, std::string* error);
std::string TestPointsText(const std::vector<double>& percents);  // "0, 25, 50, ..."
std::vector<double> DefaultTestPoints();                          // 0 25 50 75 100 75 50 25 0

enum class Rule {
  Simple,   // pass when |error| <= tolerance
  Guarded,  // pass when |error| + the reference's uncertainty (in % of span) <= tolerance
};

struct Setup {
  std::vector<double> points = DefaultTestPoints();
  double pvTolerance = 0.25;       // % of span
  double currentTolerance = 0.25;  // % of span (16 mA)
  Rule rule = Rule::Simple;
  // The reference standard.
  std::string referenceName;
  std::string referenceSerial;
  double referenceUncertainty = 0;  // expanded (k = 2), in `referenceUncertaintyUnit`
  std::string referenceUncertaintyUnit = "% of span";  // or the PV unit's name
  std::string referenceDueDate;                        // yyyy-MM-dd
  double ambientCelsius = 0;
  double humidityPercent = 0;
  std::string technician;
};

// What the device says of its range, read before a run.
struct DeviceRange {
  double lower = 0, upper = 0;  // PV at 4 and 20 mA
  bool squareRoot = false;      // transfer function
  double sensorLower = 0, sensorUpper = 0;
  std::string unit;  // "kPa"
};

// The pressure at a test point: lower + percent / 100 * (upper - lower).
double NominalPressure(const DeviceRange& range, double percent);
// Refuses test points whose pressure lies outside the sensor limits, naming them; empty
// when all lie inside.
std::string PointsOutsideSensor(const DeviceRange& range, const std::vector<double>& percents);

struct PointReading {
  double percent = 0;
  double nominal = 0;    // NominalPressure
  double reference = 0;  // what the reference read (the nominal when the user typed none)
  double pv = 0;         // the mean of the transmitter's stable readings
  double currentMa = 0;  // likewise, the loop current
  bool read = false;     // false until the point was read
};

struct PointResult {
  double pvError = 0;       // % of span
  double expectedMa = 0;    // the loop current the reference pressure should give
  double currentError = 0;  // % of span
  bool pvPass = false;
  bool currentPass = false;
  bool pass = false;
};

// The reference's uncertainty in % of span.
double UncertaintyPercentOfSpan(const Setup& setup, const DeviceRange& range);
PointResult Evaluate(const Setup& setup, const DeviceRange& range, const PointReading& reading);

enum class Verdict { Incomplete, Pass, Fail };
const char* VerdictText(Verdict v);  // "INCOMPLETE", "PASS", "FAIL"

struct RunResult {
  std::vector<PointResult> points;  // one per reading, in order
  double largestPvError = 0;        // signed value of the largest |error|, % of span
  double largestCurrentError = 0;
  std::optional<double> pvHysteresis;       // largest |rising - falling| at one percent
  std::optional<double> currentHysteresis;  // none without a point read both ways
  Verdict verdict = Verdict::Incomplete;    // Incomplete while a point is unread
};
RunResult EvaluateRun(const Setup& setup, const DeviceRange& range,
                      const std::vector<PointReading>& readings);

// Readings until four consecutive ones agree within a tenth of the tolerance: the mean of
// those four, or nothing yet. `band` is in the reading's own unit.
std::optional<double> StableMean(const std::vector<double>& readings, double band);

}  // namespace check
