// The table arithmetic of the factory multi-point calibration: the nominal pressure of each
// point of a sensor table, the AD count of a table point derived from the rows the operator
// has sampled, and the stability test of the live pressure AD count. No UI; the page only
// formats what comes out. The precision of every step (single for the nominal pressures,
// double for the interpolation, 32-bit wrapping for the stability window) is deliberate: it
// decides the numbers written into the transmitter.
#pragma once

#include <cstdint>
#include <span>

// x as a count, truncated toward zero; (-1, 0) gives 0. Values at or below -1, at or above
// 2^32, and NaN give 0xFFFFFFFF.
uint32_t ToCount(double x);
// Whether ToCount(x) is x truncated rather than the 0xFFFFFFFF of a value outside the counts.
bool CountInRange(double x);

// The nominal pressure of table point `i` of `n`, evenly spaced from `lower` to `upper`,
// worked out in single precision.
float TablePointPressure(int i, int n, float lower, float upper);

// One row of the page: the pressure the operator applied and the AD count read at it.
struct CalibrationRow {
  double pressure = 0.0;
  uint32_t ad = 0;
  bool sampled = false;
};

// A derived table count, and whether the line it comes from stayed within 0..2^32-1 (when it
// did not, `count` is 0xFFFFFFFF).
struct TableAd {
  uint32_t count;
  bool inRange;
};

// The AD count of table point `i` of `n` from the sampled rows among rows[0..n-1]: rounded
// half up on the line through two sampled rows, extended beyond the first two and the last two.
// Without two sampled rows to draw a line through, 0 (in range).
TableAd InterpolateTableAdChecked(int i, int n, float lower, float upper,
                                  std::span<const CalibrationRow> rows);
uint32_t InterpolateTableAd(int i, int n, float lower, float upper,
                            std::span<const CalibrationRow> rows);

// The last four live pressure AD readings. The window starts at zero and is never cleared, so
// the first readings are compared with zeros (or with the end of the previous live run).
class AdStability {
 public:
  // Puts `reading` into the window; true when every reading of the window lies within 0.05 %
  // of their average (rounded down to a whole count).
  bool Add(uint32_t reading);

 private:
  uint32_t slots_[4] = {};
  int next_ = 0;
};
