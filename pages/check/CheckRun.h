// What the Calibration Check page holds of a run and does on the worker, without widgets:
// the run (its set-up, the device as read at its start, its readings and how it ended), the
// readings of one point until they settle, the device's data decoded from its replies, and
// the texts the device records keep of a run.
//
//   As found, 0..100 kPa, points 0 25 50 75 100 75 50 25 0:
//   Read at 50 %: command 1 and command 2 in turn until the last four PVs lie within
//   0.025 kPa and the last four currents within 0.004 mA (a tenth of 0.25 % of span); their
//   means are the point's PV and loop current.
#pragma once

#include <QDateTime>
#include <functional>
#include <string>
#include <vector>

#include "Certificate.h"
#include "Commands.h"

namespace check_page {

enum class Stage { AsFound, AsLeft };
// "As found", "As left": the stage as the page and the records name it.
const char* StageName(Stage stage);

struct CheckRun {
  bool started = false;
  // Why the run ended before every point was read ("Stopped"); empty while it runs or once
  // it is complete. An interrupted run stays incomplete.
  std::string interruption;
  bool recorded = false;  // handed to the device records
  check::Setup setup;
  check::DeviceRange range;
  check::CertificateDevice device;
  HartIdentity identity{};
  std::vector<check::PointReading> readings;  // one per test point, in order
  QDateTime finished;                         // when it was complete or interrupted

  bool Interrupted() const { return !interruption.empty(); }
  int PointsRead() const;
  bool Complete() const {
    return started && !Interrupted() && PointsRead() == int(readings.size());
  }
  bool InProgress() const { return started && !Interrupted() && !Complete(); }
  check::RunResult Result() const { return check::EvaluateRun(setup, range, readings); }
  // Incomplete for an interrupted run, whatever its points say.
  check::Verdict Verdict() const;
};

// A run set up for its points on the device's range: every reading's percent and nominal
// pressure filled, none read.
CheckRun NewRun(const check::Setup& setup, const check::DeviceRange& range,
                const check::CertificateDevice& device, const HartIdentity& identity);

// ---- The device's data, from its replies ----

// What the start of a run reads: the identity (command 0), tag and descriptor (13), sensor
// limits (14), range, transfer function and damping (15), lot id (212), versions (162).
struct DeviceReplies {
  HartIdentity identity{};
  HartResponse tagDescriptor{};  // command 13
  HartResponse sensor{};         // command 14
  HartOutputInfo output{};       // command 15
  HartResponse lotId{};          // command 212
  HartResponse versions{};       // command 162
};
// The unit named as the pages spell it ("kPa"). Sensor limits in another unit than the range
// are not used: `refusal` says so.
check::DeviceRange RangeOf(const DeviceReplies& r, std::string* refusal);
check::CertificateDevice DeviceOf(const DeviceReplies& r);

// Long frames from now on go to `identity`'s device: a point's readings go to the device its
// run started with.
void AddressDevice(DeviceState& ds, const HartIdentity& identity);

// ---- Reading a point until it settles ----

enum class ReadEnd { Stable, TimedOut, Stopped, Failed };
struct PointOutcome {
  ReadEnd end = ReadEnd::Stopped;
  double pv = 0;  // the means of the four that agree, when Stable
  double currentMa = 0;
  int readings = 0;    // pairs of readings taken
  HartResult failure;  // when Failed
};
inline constexpr int kPointTimeLimitMs = 10000;

// Reads `pv` and `current` in turn until the last four of each agree within their band
// (check::StableMean), `timeLimitMs` has passed on `clock` (TimedOut), `running` turns false
// (Stopped, looked at before every exchange) or an exchange fails. `each` sees every pair.
PointOutcome ReadUntilStable(const std::function<HartResult(float&)>& pv,
                             const std::function<HartResult(float&)>& current, double pvBand,
                             double currentBand, Clock& clock, int timeLimitMs,
                             const std::function<bool()>& running,
                             const std::function<void(float pv, float currentMa)>& each = {});

// ---- Texts ----

// "50 % ↑": a test point as the table and the records name it, ↓ when approached falling.
std::string PointName(double percent, bool falling);
// How a run ended, for the records' result: "PASS", "FAIL", "INCOMPLETE: Stopped".
std::string RunResultText(const CheckRun& run);
// The records' detail of a run: the verdict, largest errors, hysteresis, the range, the
// tolerances and rule, and every point with its reference, PV, loop current and errors.
std::string RunDetailText(const CheckRun& run);

// Why no certificate can be saved for these runs, or empty: an interrupted run, runs of two
// devices, and check::CertificateRefusal.
std::string CertificateSaveRefusal(const CheckRun& asFound, const CheckRun& asLeft);
// The certificate of the two runs (the as-left run only when started), numbered `number`.
check::CertificateData CertificateOf(const CheckRun& asFound, const CheckRun& asLeft,
                                     const QString& number, const std::string& station,
                                     const QDateTime& issued);

}  // namespace check_page
