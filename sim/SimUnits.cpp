#include "SimUnits.h"

namespace {

// Device code, HART code, kPa in one unit, name. Water columns at 4 degC, mercury at 0 degC.
constexpr SimUnit kUnits[] = {
    {0, 11, 0.001, "Pa"},        {1, 12, 1.0, "kPa"},         {2, 237, 1000.0, "MPa"},
    {3, 238, 0.249089, "inH2O"}, {4, 177, 2.989067, "ftH2O"}, {5, 239, 0.00980665, "mmH2O"},
    {6, 2, 3.386389, "inHg"},    {7, 5, 0.1333224, "mmHg"},   {8, 13, 0.1333224, "torr"},
    {9, 7, 100.0, "bar"},        {10, 8, 0.1, "mbar"},        {11, 171, 9.80665, "mH2O"},
    {12, 9, 0.0980665, "g/cm2"}, {13, 6, 6.894757, "psi"},    {14, 10, 98.0665, "kg/cm2"},
    {15, 14, 101.325, "atm"},    {16, 179, 133.3224, "mHg"},
};

}  // namespace

std::optional<SimUnit> UnitByDeviceCode(uint8_t deviceCode) {
  for (const SimUnit& u : kUnits)
    if (u.deviceCode == deviceCode) return u;
  return std::nullopt;
}

std::optional<SimUnit> UnitByHartCode(uint8_t hartCode) {
  for (const SimUnit& u : kUnits)
    if (u.hartCode == hartCode) return u;
  return std::nullopt;
}
