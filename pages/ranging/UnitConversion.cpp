#include "UnitConversion.h"

#include <cmath>

namespace {

const UnitEntry kUnits[kUnitCount] = {
    {"   kPa", 12},  {"   MPa", 237}, {"   BAR", 7},   {"   PSI", 6},   {"  mmHg", 5},
    {" mmH2O", 239}, {"  mH2O", 171}, {" INH2O", 238}, {" FTH2O", 177}, {"  INHg", 2},
    {"   mHg", 179}, {"  TORR", 13},  {"  mBAR", 8},   {" g/cm2", 9},   {"kg/cm2", 10},
    {"    Pa", 11},  {"   ATM", 14},  {"    mm", 49},  {"     m", 45},  {"Gallon", 40},
    {" g/cm3", 91},  {"    ℃", 32},   {"    ℉", 33},   {"     K", 35},  {"   m/s", 21},
};

// Units per kPa of the pressure units: base = x / factor, and back y * factor.
const double kPressureFactors[kPressureUnitCount] = {
    1,      0.001,    0.01,     0.145038, 7.500623,  101.971912, 0.101972, 4.014627, 0.334562,
    0.2953, 0.007501, 7.500623, 10,       10.197191, 0.010197,   1000,     0.009869,
};

constexpr double kG = 9.80665;  // standard gravity
constexpr double kGallonsPerM3 = 264.1720524;

enum Index { kMm = 17, kM = 18, kGallon = 19, kGcm3 = 20, kC = 21, kF = 22, kK = 23, kMs = 24 };

// The special parameters as one pass sees them: a value out of its range counts as 1.
struct PassSpecial {
  explicit PassSpecial(const UnitSpecial& s)
      : area(s.area), density(s.density), height(s.height), pitot(s.pitot) {}
  bool DensityInRange() const { return density > 0.00008 && density < 22.7; }
  double area, density, height, pitot;
};

double ToBase(double x, int from, PassSpecial& s) {
  if (from >= 0 && from < kPressureUnitCount) return x / kPressureFactors[from];
  switch (from) {
    case kMm:
      if (!s.DensityInRange()) s.density = 1;
      return x * kG * s.density / 1000;
    case kM:
      if (!s.DensityInRange()) s.density = 1;
      return x * kG * s.density;
    case kGallon:
      if (s.DensityInRange() && s.area > 1e-8) return x * kG * s.density / (s.area * kGallonsPerM3);
      if (!s.DensityInRange()) s.density = 1;
      if (s.area <= 1e-8) s.area = 1;
      return x * kG / kGallonsPerM3;
    case kGcm3:
      if (!(s.height > 0.0001)) s.height = 1;
      return s.height * x * kG;
    case kC:
      return x;
    case kF:
      return (x - 32) / 1.8;
    case kK:
      return x - 273.15;
    case kMs: {
      if (x <= 0) return x;
      if (s.density <= 0.00008) s.density = 1;
      if (s.pitot <= 0.0001) s.pitot = 1;
      return x * x * s.density / (s.pitot * s.pitot) * 0.5 / 1000;
    }
    default:
      return x;
  }
}

double FromBase(double y, int to, PassSpecial& s) {
  if (to >= 0 && to < kPressureUnitCount) return y * kPressureFactors[to];
  switch (to) {
    case kMm:
      return s.DensityInRange() ? y / kG / s.density * 1000 : y / kG * 1000;
    case kM:
      return s.DensityInRange() ? y / kG / s.density : y / kG;
    case kGallon:
      if (s.DensityInRange() && s.area > 1e-8) return y / kG / s.density * s.area * kGallonsPerM3;
      return y / kG * kGallonsPerM3;
    case kGcm3:
      return s.height > 0.0001 ? y / kG / s.height : y / kG;
    case kC:
      return y;
    case kF:
      return y * 1.8 + 32;
    case kK:
      return y + 273.15;
    case kMs: {
      if (y <= 0) return y;
      if (s.density <= 0.00008) s.density = 1;
      if (s.pitot <= 0.0001) s.pitot = 1;
      return std::sqrt(1000 * 2 * y / s.density) * s.pitot;
    }
    default:
      return y;
  }
}

double Pass(double value, int from, int to, const UnitSpecial& special) {
  PassSpecial s(special);
  return FromBase(ToBase(value, from, s), to, s);
}

}  // namespace

const UnitEntry& UnitAt(int index) {
  return kUnits[index];
}

int UnitIndexOfCode(int code) {
  for (int i = 0; i < kUnitCount; ++i)
    if (kUnits[i].code == code) return i;
  return -1;
}

UnitSpecial UnitSpecialOf(const HartCompRecord& record) {
  return {record.value[2], record.value[3], record.value[4], record.value[5]};
}

double ConvertUnitValue(double value, int from, int to, const UnitSpecial& special) {
  if (from >= kMm && to >= kMm) return Pass(Pass(value, from, 0, special), 0, to, special);
  return Pass(value, from, to, special);
}
