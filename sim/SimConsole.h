// The commands a person (or a script) types to hart-sim, one a line, to change the simulated
// process while masters talk to it:
//   [device N] pressure VALUE        applied pressure in each device's PV unit
//   [device N] temperature CELSIUS   sensor die temperature
//   [device N] silent on|off         the device hears nothing / answers again
//   [device N] status                PV, loop current, temperature, silence
// Without "device N" a command acts on every device of the loop; N is a polling address.
#pragma once

#include <string>

#include "SimLoop.h"

// The help text for the commands above, for --help.
extern const char kSimConsoleHelp[];

// Runs one line and returns the one line to print: "ok ..." or "error: ..." (an error changes
// nothing). A blank line or a comment (#) returns an empty string.
std::string RunConsoleLine(SimLoop& loop, const std::string& line);
