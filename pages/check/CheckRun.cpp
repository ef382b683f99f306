#include "CheckRun.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

#include "DeviceOperation.h"
#include "Encoding.h"
#include "Language.h"
#include "PageRecord.h"

namespace check_page {

namespace {

// Command 13: tag (6 packed bytes, 8 characters), descriptor (12 bytes, 16 characters).
constexpr int kTagChars = 8;
constexpr int kDescriptorAt = 6;
constexpr int kDescriptorChars = 16;

std::string Unpacked(const uint8_t* packed, int chars) {
  char text[kDescriptorChars + 1] = {};
  UnpackAscii(packed, text, chars / 4 * 3);
  return DeviceText(QString::fromLatin1(text, chars));
}

// "V2.05" of three version bytes.
std::string VersionText(const uint8_t* v) {
  return QString::asprintf("V%u.%u%u", v[0], v[1], v[2]).toStdString();
}

std::string Fixed(double value, int decimals) {
  return check::FixedText(value, decimals).toStdString();
}

std::string Signed(double value) {
  return check::SignedText(value).toStdString();
}

std::string WithUnit(const std::string& number, const std::string& unit) {
  return unit.empty() ? number : number + " " + unit;
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? "" : separator) + part;
  return text;
}

}  // namespace

const char* StageName(Stage stage) {
  return stage == Stage::AsFound ? N_("As found") : N_("As left");
}

int CheckRun::PointsRead() const {
  return static_cast<int>(
      std::count_if(readings.begin(), readings.end(), [](const auto& r) { return r.read; }));
}

check::Verdict CheckRun::Verdict() const {
  return Interrupted() || !started ? check::Verdict::Incomplete : Result().verdict;
}

CheckRun NewRun(const check::Setup& setup, const check::DeviceRange& range,
                const check::CertificateDevice& device, const HartIdentity& identity) {
  CheckRun run;
  run.started = true;
  run.setup = setup;
  run.range = range;
  run.device = device;
  run.identity = identity;
  for (double percent : setup.points) {
    check::PointReading reading;
    reading.percent = percent;
    reading.nominal = check::NominalPressure(range, percent);
    reading.reference = reading.nominal;
    run.readings.push_back(reading);
  }
  return run;
}

// ---- The device's data ----

check::DeviceRange RangeOf(const DeviceReplies& r, std::string* refusal) {
  check::DeviceRange range;
  range.lower = r.output.lowerRange;
  range.upper = r.output.upperRange;
  range.squareRoot = r.output.transferFunction == 1;
  range.unit = UnitName(r.output.rangeUnits).toStdString();
  // Command 14: sensor serial number (3 bytes), unit, upper limit, lower limit, minimum span.
  const uint8_t* d = r.sensor.data;
  range.sensorUpper = GetFloatBE(d + 4);
  range.sensorLower = GetFloatBE(d + 8);
  if (refusal) refusal->clear();
  if (d[3] != r.output.rangeUnits && refusal)
    *refusal = TrFormat(
                   "The device gives its sensor limits in %s and its PV range in %s: the test "
                   "points cannot be checked against the sensor limits.",
                   UnitName(d[3]).toStdString().c_str(), range.unit.c_str())
                   .toStdString();
  return range;
}

check::CertificateDevice DeviceOf(const DeviceReplies& r) {
  check::CertificateDevice device;
  const uint8_t* d = r.tagDescriptor.data;
  device.tag = Unpacked(d, kTagChars);
  device.descriptor = Unpacked(d + kDescriptorAt, kDescriptorChars);
  device.longAddress = IdentityAddressText(r.identity);
  device.manufacturer = QString::asprintf("0x%02X", r.identity.manufacturerId & 0x3F).toStdString();
  device.deviceType = QString::asprintf("0x%02X", r.identity.deviceType).toStdString();
  device.deviceId = QString::asprintf("%06X", r.identity.deviceId & 0xFFFFFFu).toStdString();
  // Eight plain ASCII characters, ending early at a NUL.
  const char* lot = reinterpret_cast<const char*>(r.lotId.data);
  device.lotId =
      QString::fromLatin1(lot, static_cast<qsizetype>(strnlen(lot, 8))).toUpper().toStdString();
  const HartIdentity& id = r.identity;
  device.versions =
      QString::asprintf("universal %u, device %u, software %u, hardware %u; ", id.universalRevision,
                        id.deviceRevision, id.softwareRevision, id.hardwareRevision)
          .toStdString() +
      "software " + VersionText(r.versions.data) + ", hardware " + VersionText(r.versions.data + 4);
  device.dampingSeconds = r.output.damping;
  return device;
}

void AddressDevice(DeviceState& ds, const HartIdentity& identity) {
  std::lock_guard<std::mutex> hold(ds.lock);
  ds.request.manufacturerId = identity.manufacturerId;
  ds.request.deviceType = identity.deviceType;
  ds.request.deviceId[0] = static_cast<uint8_t>(identity.deviceId >> 16);
  ds.request.deviceId[1] = static_cast<uint8_t>(identity.deviceId >> 8);
  ds.request.deviceId[2] = static_cast<uint8_t>(identity.deviceId);
}

// ---- Reading a point ----

PointOutcome ReadUntilStable(const std::function<HartResult(float&)>& pv,
                             const std::function<HartResult(float&)>& current, double pvBand,
                             double currentBand, Clock& clock, int timeLimitMs,
                             const std::function<bool()>& running,
                             const std::function<void(float, float)>& each) {
  PointOutcome outcome;
  std::vector<double> pvs, currents;
  const int64_t deadline = clock.NowMs() + timeLimitMs;
  for (;;) {
    float pvValue = 0, currentValue = 0;
    for (auto [read, value] : {std::pair{&pv, &pvValue}, std::pair{&current, &currentValue}}) {
      if (!running()) return outcome;  // Stopped
      const HartResult result = (*read)(*value);
      if (result != HART_OK) {
        outcome.end = ReadEnd::Failed;
        outcome.failure = result;
        return outcome;
      }
    }
    ++outcome.readings;
    pvs.push_back(pvValue);
    currents.push_back(currentValue);
    if (each) each(pvValue, currentValue);
    // The last four of each, so that both means come from the same readings.
    if (pvs.size() >= check::kStableCount) {
      const auto tail = [](const std::vector<double>& all) {
        return std::vector<double>(all.end() - check::kStableCount, all.end());
      };
      const std::optional<double> pvMean = check::StableMean(tail(pvs), pvBand);
      const std::optional<double> currentMean = check::StableMean(tail(currents), currentBand);
      if (pvMean && currentMean) {
        outcome.end = ReadEnd::Stable;
        outcome.pv = *pvMean;
        outcome.currentMa = *currentMean;
        return outcome;
      }
    }
    if (clock.NowMs() >= deadline) {
      outcome.end = ReadEnd::TimedOut;
      return outcome;
    }
  }
}

// ---- Texts ----

std::string PointName(double percent, bool falling) {
  return QString::number(percent + 0.0, 'g', 10).toStdString() + (falling ? " % ↓" : " % ↑");
}

std::string RunResultText(const CheckRun& run) {
  if (run.Interrupted()) return "INCOMPLETE: " + run.interruption;
  return check::VerdictText(run.Verdict());
}

std::string RunDetailText(const CheckRun& run) {
  const check::RunResult result = run.Result();
  const std::string& unit = run.range.unit;
  std::vector<std::string> parts;
  std::string verdict = RunResultText(run);
  if (run.Interrupted())
    verdict += " (" + std::to_string(run.PointsRead()) + " of " +
               std::to_string(run.readings.size()) + " points read)";
  parts.push_back(verdict);
  if (run.PointsRead() > 0) {
    parts.push_back("largest PV error " + Signed(result.largestPvError) +
                    " % of span, largest loop current error " + Signed(result.largestCurrentError) +
                    " % of span");
    if (result.pvHysteresis && result.currentHysteresis)
      parts.push_back("hysteresis PV " + Fixed(*result.pvHysteresis, 4) + " %, loop current " +
                      Fixed(*result.currentHysteresis, 4) + " % of span");
  }
  parts.push_back("PV range " +
                  RangeText(run.range.lower, run.range.upper, QString::fromStdString(unit)) +
                  (run.range.squareRoot ? " square root" : " linear"));
  parts.push_back("tolerance PV " + Fixed(run.setup.pvTolerance, 4) + " %, loop current " +
                  Fixed(run.setup.currentTolerance, 4) + " % of span, " +
                  (run.setup.rule == check::Rule::Simple
                       ? std::string("simple acceptance")
                       : "guarded by the reference uncertainty " +
                             Fixed(check::UncertaintyPercentOfSpan(run.setup, run.range), 4) +
                             " % of span"));
  std::vector<std::string> points;
  for (size_t i = 0; i < run.readings.size(); ++i) {
    const check::PointReading& r = run.readings[i];
    const check::PointResult& p = result.points[i];
    std::string text = PointName(r.percent, p.falling) + ": ";
    if (!r.read) {
      points.push_back(text + "not read");
      continue;
    }
    text += "reference " + WithUnit(Fixed(r.reference, 4), unit) + ", PV " +
            WithUnit(Fixed(r.pv, 4), unit) + " (" + Signed(p.pvError) + " %), " +
            Fixed(r.currentMa, 3) + " mA (" + Signed(p.currentError) + " %) " +
            (p.pass ? "PASS" : "FAIL");
    points.push_back(text);
  }
  parts.push_back("points: " + Join(points, "; "));
  return Join(parts, "; ");
}

std::string CertificateSaveRefusal(const CheckRun& asFound, const CheckRun& asLeft) {
  // Only shown, never recorded: in the language in force.
  const auto text = [](const QString& shown) { return shown.toStdString(); };
  for (auto [run, interrupted, unfinished] :
       {std::tuple{&asFound,
                   N_("The as-found run was interrupted (%s) and is incomplete: run it again "
                      "before saving a certificate."),
                   N_("The as-found run is not finished: %d of %d points are not read.")},
        std::tuple{&asLeft,
                   N_("The as-left run was interrupted (%s) and is incomplete: run it again "
                      "before saving a certificate."),
                   N_("The as-left run is not finished: %d of %d points are not read.")}}) {
    if (run->Interrupted())
      return text(
          TrFormat(interrupted, qUtf8Printable(Tr(QString::fromStdString(run->interruption)))));
    if (run->InProgress())
      return text(TrFormat(unfinished, static_cast<int>(run->readings.size()) - run->PointsRead(),
                           static_cast<int>(run->readings.size())));
  }
  if (asFound.started && asLeft.started && asFound.device.longAddress != asLeft.device.longAddress)
    return text(
        TrFormat("The as-found run was made on device %s and the as-left run on device "
                 "%s: one certificate is for one device.",
                 asFound.device.longAddress.c_str(), asLeft.device.longAddress.c_str()));
  if (asFound.started && asLeft.started) {
    const check::Setup& a = asFound.setup;
    const check::Setup& b = asLeft.setup;
    if (a.pvTolerance != b.pvTolerance || a.currentTolerance != b.currentTolerance ||
        a.rule != b.rule || a.referenceUncertainty != b.referenceUncertainty ||
        a.referenceUncertaintyUnit != b.referenceUncertaintyUnit)
      return text(
          Tr("The as-found and as-left runs were made with different tolerances, "
             "decision rules or reference uncertainties: run the as-left check again "
             "with the as-found set-up."));
  }
  const std::string refusal =
      check::CertificateRefusal(CertificateOf(asFound, asLeft, "-", {}, QDateTime()));
  if (refusal.empty()) return {};
  return text(TrFormat("The certificate cannot be saved: %s.", refusal.c_str()));
}

check::CertificateData CertificateOf(const CheckRun& asFound, const CheckRun& asLeft,
                                     const QString& number, const std::string& station,
                                     const QDateTime& issued) {
  check::CertificateData data;
  data.number = number;
  const CheckRun& latest = asLeft.started ? asLeft : asFound;
  data.device = latest.device;
  data.setup = latest.setup;
  for (auto [run, to] : {std::pair{&asFound, &data.asFound}, std::pair{&asLeft, &data.asLeft}}) {
    if (!run->started) continue;
    to->range = run->range;
    to->readings = run->readings;
    to->finished = run->finished;
  }
  data.station = station;
  data.software = "Tellavo V3.6";
  data.issued = issued;
  return data;
}

}  // namespace check_page
