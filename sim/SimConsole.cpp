#include "SimConsole.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "SimUnits.h"

const char kSimConsoleHelp[] =
    "commands on standard input, one a line (without \"device N\": every device):\n"
    "  [device N] pressure VALUE       applied pressure in the device's PV unit\n"
    "  [device N] temperature CELSIUS  sensor die temperature\n"
    "  [device N] silent on|off        the device stops / starts answering\n"
    "  [device N] offset PERCENT       zero offset, % of the PV span (-10..10)\n"
    "  [device N] span PERCENT         span error at the URV, % of span (-10..10)\n"
    "  [device N] hysteresis PERCENT   rising reads low, falling high, by half of it (0..10)\n"
    "  [device N] noise PERCENT        each reading off by up to +-PERCENT of span (0..10)\n"
    "  [device N] status               PV, loop current, temperature, calibration errors\n";

const SimErrorSetting kSimErrorSettings[4] = {
    {"offset", "--offset", "offset", &SimCalibrationErrors::offset, -10, 10},
    {"span", "--span-error", "span error", &SimCalibrationErrors::spanError, -10, 10},
    {"hysteresis", "--hysteresis", "hysteresis", &SimCalibrationErrors::hysteresis, 0, 10},
    {"noise", "--noise", "noise", &SimCalibrationErrors::noise, 0, 10},
};

namespace {

bool ParseFinite(const std::string& text, double& out) {
  char* end = nullptr;
  errno = 0;
  out = std::strtod(text.c_str(), &end);
  return errno == 0 && end != text.c_str() && *end == '\0' && std::isfinite(out);
}

std::string Format(const char* format, double a, double b = 0) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, a, b);
  return buf;
}

struct PvUnit {
  double kPa;
  const char* name;
};
// A unit code the table does not know reads as kPa, as the device itself takes it.
PvUnit UnitOf(const SimTransmitter& d) {
  auto u = UnitByHartCode(d.PvUnitCode());
  return u ? PvUnit{u->kPaPerUnit, u->name} : PvUnit{1.0, "kPa"};
}

const SimErrorSetting* ErrorSettingOf(const std::string& command) {
  for (const SimErrorSetting& s : kSimErrorSettings)
    if (command == s.command) return &s;
  return nullptr;
}

const char kCommandList[] =
    " (pressure, temperature, silent, offset, span, hysteresis, noise, status)";

}  // namespace

std::string ParseErrorSetting(const SimErrorSetting& setting, const std::string& text,
                              double& value) {
  std::string number = text;
  if (!number.empty() && number.back() == '%') number.pop_back();
  double v = 0;
  if (ParseFinite(number, v) && v >= setting.low && v <= setting.high) {
    value = v + 0.0;  // "-0" is 0
    return "";
  }
  return std::string(setting.name) +
         Format(" takes a number from %g to %g", setting.low, setting.high) +
         " (% of span), not '" + text + "'";
}

std::string CalibrationErrorsText(const SimCalibrationErrors& errors) {
  std::string out;
  for (const SimErrorSetting& s : kSimErrorSettings)
    out += (out.empty() ? "" : ", ") + std::string(s.name) + Format(" %g %%", errors.*(s.field));
  return out + " of span";
}

std::string RunConsoleLine(SimLoop& loop, const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;)
    words.push_back(w);
  if (words.empty() || words[0][0] == '#') return "";

  std::vector<SimTransmitter*> devices = loop.Devices();
  size_t at = 0;
  if (words[0] == "device") {
    double n = 0;
    if (words.size() < 2 || !ParseFinite(words[1], n) || n < 0 || n > 15 || n != std::floor(n))
      return "error: device takes a polling address from 0 to 15";
    SimTransmitter* d = loop.Device(uint8_t(n));
    if (!d) return "error: no device at polling address " + words[1];
    devices = {d};
    at = 2;
  }
  if (at >= words.size()) return std::string("error: no command given") + kCommandList;
  const std::string command = words[at];
  const SimErrorSetting* error = ErrorSettingOf(command);
  if (command != "pressure" && command != "temperature" && command != "silent" &&
      command != "status" && !error)
    return "error: unknown command '" + command + "'" + kCommandList;
  const size_t values = words.size() - at - 1;
  if (values != (command == "status" ? 0u : 1u))
    return "error: " + command + (command == "status" ? " takes no value" : " takes one value");
  const std::string arg = values ? words[at + 1] : "";
  double value = 0;
  if ((command == "pressure" || command == "temperature") && !ParseFinite(arg, value))
    return "error: " + command + " takes a number, not '" + arg + "'";
  if (command == "silent" && arg != "on" && arg != "off") return "error: silent takes on or off";
  if (error) {
    const std::string refusal = ParseErrorSetting(*error, arg, value);
    if (!refusal.empty()) return "error: " + refusal;
  }

  std::string out = "ok";
  for (SimTransmitter* d : devices) {
    out += (d == devices.front() ? " device " : "; device ") + std::to_string(d->PollingAddress());
    const PvUnit unit = UnitOf(*d);
    if (command == "pressure") {
      d->SetPressure(value * unit.kPa);
      out += Format(": pressure %g ", value) + unit.name + Format(" (%g kPa)", value * unit.kPa);
    } else if (command == "temperature") {
      d->SetDieTemperature(value);
      out += Format(": temperature %g degC", value);
    } else if (command == "silent") {
      d->SetSilent(arg == "on");
      out += arg == "on" ? ": silent" : ": answering";
    } else if (error) {
      SimCalibrationErrors errors = d->CalibrationErrors();
      errors.*(error->field) = value;
      d->SetCalibrationErrors(errors);
      out += ": " + std::string(error->name) + Format(" %g %% of span", value);
    } else {
      out += Format(": PV %g ", d->PrimaryVariable()) + unit.name +
             Format(", %g mA, %g degC", d->LoopCurrent(), d->DieTemperature()) +
             (d->Faults().silent ? ", silent, " : ", answering, ") +
             CalibrationErrorsText(d->CalibrationErrors());
    }
  }
  return out;
}
