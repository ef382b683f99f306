// The commands a person (or a script) types to hart-sim, one a line, to change the simulated
// process while masters talk to it:
//   [device N] pressure VALUE        applied pressure in each device's PV unit
//   [device N] temperature CELSIUS   sensor die temperature
//   [device N] silent on|off         the device hears nothing / answers again
//   [device N] offset PERCENT        calibration errors of the sensor, in % of the PV span
//   [device N] span PERCENT            (SimCalibrationErrors): zero offset, span error at
//   [device N] hysteresis PERCENT      the URV, hysteresis, noise
//   [device N] noise PERCENT
//   [device N] status                PV, loop current, temperature, silence, errors
// Without "device N" a command acts on every device of the loop; N is a polling address.
#pragma once

#include <string>

#include "SimLoop.h"

// The help text for the commands above, for --help.
extern const char kSimConsoleHelp[];

// One calibration error as the console and hart-sim's options set it.
struct SimErrorSetting {
  const char* command;  // "span"
  const char* option;   // "--span-error"
  const char* name;     // "span error", as answers and messages spell it
  double SimCalibrationErrors::*field;
  double low, high;  // % of span
};
extern const SimErrorSetting kSimErrorSettings[4];

// Reads `text` ("0.5" or "0.5%") as a value for `setting`: empty with `value` set, or the
// reason it is refused ("offset takes a number from -10 to 10 (% of span), not 'x'").
std::string ParseErrorSetting(const SimErrorSetting& setting, const std::string& text,
                              double& value);

// "offset 0.5 %, span error 0 %, hysteresis 0 %, noise 0 % of span"
std::string CalibrationErrorsText(const SimCalibrationErrors& errors);

// Runs one line and returns the one line to print: "ok ..." or "error: ..." (an error changes
// nothing). A blank line or a comment (#) returns an empty string.
std::string RunConsoleLine(SimLoop& loop, const std::string& line);
