// Pressure units of the simulated transmitter. Its memory holds a unit code of its own
// (0 Pa, 1 kPa, 2 MPa, 5 mmH2O, 7 mmHg, 9 bar, 10 mbar, 11 mH2O, 13 psi, and further codes
// for the other pressure units); the HART commands carry HART unit codes.
#pragma once

#include <cstdint>
#include <optional>

struct SimUnit {
  uint8_t deviceCode;
  uint8_t hartCode;
  double kPaPerUnit;
  const char* name;
};

std::optional<SimUnit> UnitByDeviceCode(uint8_t deviceCode);
std::optional<SimUnit> UnitByHartCode(uint8_t hartCode);

// HART code 250 ("not used") stands for a device unit code the device does not know.
constexpr uint8_t kHartUnitUnknown = 250;
