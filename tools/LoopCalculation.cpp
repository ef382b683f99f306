#include "LoopCalculation.h"

#include "calibration/CalibrationTable.h"

std::optional<double> LoopCurrent(double p4, double p20, double pressure) {
  const double width = p20 - p4;
  if (width == 0.0) return std::nullopt;
  // Term by term in this order: the last digits of what is shown depend on it.
  return pressure * 16 / width + 4 - p4 * 16 / width;
}

std::optional<RangeAdCounts> AdCountsOfRange(double p4, double p20, double lowPressure,
                                             uint32_t adLow, double highPressure, uint32_t adHigh) {
  const double rise = static_cast<int32_t>(adHigh - adLow);
  const double run = highPressure - lowPressure;
  if (run == 0.0) return std::nullopt;
  auto at = [&](double p) { return p * rise / run + adLow - rise * lowPressure / run; };
  return RangeAdCounts{ToCount(at(p4)), ToCount(at(p20))};
}
