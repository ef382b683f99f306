#include "calibration/CalibrationTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

bool CountInRange(double x) {
  return x > -1.0 && x < 4294967296.0;
}

uint32_t ToCount(double x) {
  if (!CountInRange(x)) return 0xFFFFFFFFu;
  return x <= 0.0 ? 0u : static_cast<uint32_t>(x);
}

float TablePointPressure(int i, int n, float lower, float upper) {
  // One float step at a time: doing this in double gives different table pressures.
  float d = upper - lower;
  d = d * static_cast<float>(i);
  d = d / static_cast<float>(n - 1);
  return d + lower;
}

TableAd InterpolateTableAdChecked(int i, int n, float lower, float upper,
                                  std::span<const CalibrationRow> rows) {
  const double x = TablePointPressure(i, n, lower, upper);
  const int count = static_cast<int>(std::min<std::size_t>(std::max(n, 0), rows.size()));
  auto sampled = [&](int r) { return rows[r].sampled; };
  auto p = [&](int r) { return rows[r].pressure; };
  // The count difference is a signed 32-bit one, so a falling characteristic works like a
  // rising one; the start count stays unsigned.
  auto line = [&](int u, int v) {
    const double rise = static_cast<int32_t>(rows[v].ad - rows[u].ad);
    const double value = static_cast<double>(rows[u].ad) + rise * (x - p(u)) / (p(v) - p(u)) + 0.5;
    return TableAd{ToCount(value), CountInRange(value)};
  };

  int first = -1;
  int last = -1;
  for (int r = 0; r < count; ++r) {
    if (!sampled(r)) continue;
    if (first < 0) first = r;
    last = r;
  }
  // At or below the first sampled row (by index, not by pressure): along it and the next one.
  if (first >= 0 && p(first) >= x) {
    for (int g = first + 1; g < count; ++g)
      if (sampled(g)) return line(first, g);
  }
  // At or above the last sampled row: along the one before it and it.
  if (last >= 0 && x >= p(last)) {
    for (int h = last - 1; h >= 0; --h)
      if (sampled(h)) return line(h, last);
  }
  // In between: the first row above the target, with the nearest row before it at or below.
  for (int j = 1; j < count; ++j) {
    if (!sampled(j) || !(p(j) > x)) continue;
    for (int k = j - 1; k >= 0; --k)
      if (sampled(k) && x >= p(k)) return line(k, j);
  }
  return TableAd{0, true};
}

uint32_t InterpolateTableAd(int i, int n, float lower, float upper,
                            std::span<const CalibrationRow> rows) {
  return InterpolateTableAdChecked(i, n, lower, upper, rows).count;
}

bool AdStability::Add(uint32_t reading) {
  slots_[next_] = reading;
  next_ = (next_ + 1) % 4;

  uint32_t sum = 0;
  for (uint32_t slot : slots_)
    sum += slot;  // wraps at 2^32
  const uint32_t avg = ToCount(static_cast<double>(sum) * 0.25);
  const uint32_t tol = (avg * 5u) / 10000u;  // the product wraps too
  return std::all_of(std::begin(slots_), std::end(slots_), [&](uint32_t slot) {
    const int32_t diff = static_cast<int32_t>(slot - avg);
    const uint32_t distance =
        diff < 0 ? 0u - static_cast<uint32_t>(diff) : static_cast<uint32_t>(diff);
    return distance <= tol;
  });
}
