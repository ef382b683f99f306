// Two configuration images side by side, for Device History's Compare: every value the
// image holds, named as the pages label it and written as they show it with its unit, and
// whether the two sides differ. What is shown is what is compared, so a row marked as
// differing always shows two different texts.
#pragma once

#include <string>
#include <vector>

#include "ConfigImage.h"

struct ConfigCompareRow {
  std::string name;  // "Damping Time"
  std::string left;  // "2.5000 s"; empty when that side has no such value
  std::string right;
  bool differs = false;
};

// One row per value of either image, in the pages' order: identity texts, range, output,
// sensor, then the calibration points (as many as the side with more holds).
std::vector<ConfigCompareRow> CompareConfigs(const ConfigValues& left, const ConfigValues& right);
int CountDifferences(const std::vector<ConfigCompareRow>& rows);
