// The calculator's two straight lines, for a transmitter with a linear 4-20 mA output. No UI:
// the dialog only reads and formats. A divisor of zero (equal 4 mA and 20 mA pressures, equal
// low and high pressures) gives no result rather than inf or NaN.
#pragma once

#include <cstdint>
#include <optional>

// The loop current at `pressure` for the range whose 4 mA point is `p4` and 20 mA point
// `p20`: 4 mA at p4, 20 mA at p20, extrapolated outside.
std::optional<double> LoopCurrent(double p4, double p20, double pressure);

struct RangeAdCounts {
  uint32_t zero;  // the AD count at the 4 mA pressure
  uint32_t span;  // the AD count at the 20 mA pressure
};

// The AD counts at the 4 mA and 20 mA pressures on the line through (lowPressure, adLow) and
// (highPressure, adHigh). The AD rise is the signed 32-bit difference of the counts; each
// result is truncated to a count, with -1 or less and 2^32 or more giving 4294967295.
std::optional<RangeAdCounts> AdCountsOfRange(double p4, double p20, double lowPressure,
                                             uint32_t adLow, double highPressure, uint32_t adHigh);
