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

#include "Language.h"

namespace check {

// The unit of a reference uncertainty given in percent of the device's span (the other unit
// it may be given in is the PV unit's name).
inline constexpr char kPercentOfSpan[] = N_("% of span");

inline constexpr int kMinPoints = 3;
inline constexpr int kMaxPoints = 21;

// "0, 25, 50, 75, 100, 75, 50, 25, 0": percentages of the PV range, separated by commas or
// blanks (a run of them separates once), 3 to 21 of them. Each point is read as approached:
// the first one and any above the one before it rising, any below it falling, a repeat as the
// one before. False with the reason when the text does not read: "point 4: 'x' is not a
// number", "2 points; a check takes 3 to 21" (only shown: in the language in force). Numbers are
// read in the C notation whatever the locale ("12.5", not "12,5"); points outside 0..100 % are
// allowed, the sensor limits decide.
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
  std::string referenceUncertaintyUnit = kPercentOfSpan;  // or the PV unit's name
  std::string referenceDueDate;                           // yyyy-MM-dd
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

// Why a run cannot start on this range, or empty: a limit that is not a finite number, or a
// range without span ("the PV range 5.0000..5.0000 kPa has no span"). A reversed range
// (lower above upper, a falling output) is fine: its span is negative and every formula
// below holds with it. In the language in force, as every reason here.
std::string RangeRefusal(const DeviceRange& range);

// The pressure at a test point: lower + percent / 100 * (upper - lower).
double NominalPressure(const DeviceRange& range, double percent);
// Refuses test points whose pressure lies outside the sensor limits, naming them once each
// with their pressure and the limits: "25 % (275.0000 kPa) and 100 % (1100.0000 kPa) lie
// outside the sensor limits -100.0000..1000.0000 kPa"; empty when all lie inside. Limits
// given either way round are taken as an interval; the limits themselves are inside.
std::string PointsOutsideSensor(const DeviceRange& range, const std::vector<double>& percents);

struct PointReading {
  double percent = 0;
  double nominal = 0;    // NominalPressure
  double reference = 0;  // what the reference read (the nominal when the user typed none)
  double pv = 0;         // the mean of the transmitter's stable readings
  double currentMa = 0;  // likewise, the loop current
  bool read = false;     // false until the point was read
};

// For a reading not yet read only `expectedMa` and `falling` are filled; it does not pass.
// Errors are signed: positive when the PV, or the loop current, reads high.
struct PointResult {
  double pvError = 0;       // % of span
  double expectedMa = 0;    // the loop current the reference pressure should give
  double currentError = 0;  // % of span
  bool pvPass = false;
  bool currentPass = false;
  bool pass = false;
  bool falling = false;  // approached from above (set by EvaluateRun)
};

// The reference's uncertainty in % of span: as typed when its unit is "% of span" (or
// empty), else taken in the PV's unit and divided by the span. Its size: the sign is dropped.
double UncertaintyPercentOfSpan(const Setup& setup, const DeviceRange& range);

// Why the set-up cannot run on this range, or empty: RangeRefusal, the test points' count
// and PointsOutsideSensor, a tolerance that is not above zero, an uncertainty in a unit that
// is neither "% of span" nor the device's PV unit (the device's unit changed since it was
// typed), and under the guarded rule an uncertainty that leaves no room in a tolerance.
std::string SetupRefusal(const Setup& setup, const DeviceRange& range);

// One point: PV error = (pv - reference) / |span| * 100, positive when the PV reads high
// also on a reversed range (whose current error then has the other sign); expected loop current
// 4 + 16 * fraction with fraction = (reference - lower) / span, for a square root transfer
// function 4 + 16 * sqrt(max(0, fraction)) (the PV stays linear in pressure); current error
// = (measured - expected) / 16 * 100. Simple: pass when |error| <= tolerance; guarded: when
// |error| + uncertainty <= tolerance, the uncertainty (in % of span) charged to both errors.
// An error on the tolerance passes (a billionth of a percent absorbs the rounding). A range
// RangeRefusal refuses gives a point that does not pass.
PointResult Evaluate(const Setup& setup, const DeviceRange& range, const PointReading& reading);

enum class Verdict { Incomplete, Pass, Fail };
const char* VerdictText(Verdict v);  // "INCOMPLETE", "PASS", "FAIL"

// The run's points (directions as ParseTestPoints reads them) and their summary over the
// points read. The hysteresis is the largest |rising error - falling error| over the percents
// read both ways; it is shown, not judged. The verdict: Incomplete without readings or while
// a point is unread (a failed point does not end a run early), else Pass when every point
// passes, else Fail.
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
// the first four in a row whose highest and lowest lie at most `band` apart, or nothing yet
// (the caller reads again until its time limit). `band` is in the reading's own unit; a
// reading that is not a finite number agrees with none.
inline constexpr int kStableCount = 4;
std::optional<double> StableMean(const std::vector<double>& readings, double band);
// The bands for StableMean: a tenth of the tolerance, in the PV's unit and in mA.
double PvStableBand(const Setup& setup, const DeviceRange& range);
double CurrentStableBand(const Setup& setup);

}  // namespace check
