// The 25 units of the range pages (PV parameters, rerange without pressure) and the
// conversion of a value between them. No UI: the pages only format what comes out.
//
// Indices 0..16 are pressure units and the only ones a device may be given as its PV
// unit; 17..20 and 24 are level, volume, density and flow units that reach pressure through
// the device's special parameters (area, density, height, Pitot coefficient); 21..23 are
// temperatures.
#pragma once

#include <cstdint>

#include "Commands.h"

struct UnitEntry {
  const char* text;  // right-aligned to 6 characters as the lists show it ("   kPa")
  uint8_t code;      // HART engineering-unit code
};

inline constexpr int kUnitCount = 25;
inline constexpr int kPressureUnitCount = 17;

// Entry `index` (0..24).
const UnitEntry& UnitAt(int index);
// The index of a HART unit code; -1 when the list does not hold it.
int UnitIndexOfCode(int code);

// What the flow and level units need of the device: elements 2..5 of the command 145 record.
struct UnitSpecial {
  double area;
  double density;
  double height;
  double pitot;
};
UnitSpecial UnitSpecialOf(const HartCompRecord& record);

// `value` in unit `from` expressed in unit `to`. Two units both from index 17 on convert
// through kPa in two passes; any other pair in one pass through the base unit (kPa, or °C
// for 21..23). An index outside 0..24 leaves the value as it is in that direction.
double ConvertUnitValue(double value, int from, int to, const UnitSpecial& special);
