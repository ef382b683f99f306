#include "ConfigCompare.h"

#include <algorithm>
#include <cstdio>

#include "Commands.h"

namespace {

// The pages' own words for the coded values.
const char* const kTransferNames[] = {"Linear", "SQRT"};
const char* const kAlarmNames[] = {"20.8mA", "3.8mA", "Saturated"};
const char* const kDisplayNames[] = {"Display PV", "Display F.S.%", "Display Loop mA"};
const char* const kFormatNames[] = {"Integer", "1 decimal", "2 decimal", "3 decimal"};
const char* const kPressureModeNames[] = {"Gauge Modes", "Absolute Modes"};
const char* const kExcitationNames[] = {"+5V", "1.5mA", "1mA", "0.75mA", "0.5mA", "0.25mA"};
const char* const kSensorTypeNames[] = {
    "PS32 Capacity Ceramic",      "PS18 Capacity Ceramic",   "181 Piezoresistive Ceramic",
    "182 Piezoresistive Ceramic", "Piezoresistive Silicon",  "Metal Capacitive Sensor",
    "Magnetism rolling board",    "High Stability Sililcon", "MIDA Sapphire Silicon",
    "Sputtered Thin Film",        "Strain Type Sensor",      "Weighting sensor",
};

template <size_t N>
std::string CodeName(const char* const (&names)[N], int index, int code) {
  if (index >= 0 && static_cast<size_t>(index) < N) return names[index];
  return "code " + std::to_string(code);
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string WithUnit(std::string number, const std::string& unit) {
  return unit.empty() ? number : number + " " + unit;
}

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The values of one image as texts, with `temperatures` calibration points and `tableEntries`
// middle-table entries (empty texts past what the image holds), so both sides have the same
// rows.
std::vector<std::pair<std::string, std::string>> ValueTexts(const ConfigValues& v,
                                                            size_t temperatures,
                                                            size_t tableEntries) {
  const std::string unitName = DeviceUnitName(v.unitCode);
  // A code without a name keeps the values comparable and says which code it was.
  const std::string unit =
      unitName.empty() ? "(unit code " + std::to_string(v.unitCode) + ")" : unitName;
  auto fixed4 = [](double x, const std::string& u) { return WithUnit(Format("%.4f", x), u); };
  auto range = [&](double lower, double upper) {
    return WithUnit(Format("%.4f", lower) + ".." + Format("%.4f", upper), unit);
  };
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", v.year, v.month, v.day);

  std::vector<std::pair<std::string, std::string>> texts = {
      {"Tag", Trimmed(v.tag)},
      {"Descriptor", Trimmed(v.descriptor)},
      {"Device Message", Trimmed(v.message)},
      {"Date", date},
      {"Assembly ID", std::to_string(v.assembly)},
      {"PV Unit", unitName.empty() ? "code " + std::to_string(v.unitCode) : unitName},
      {"PV range", range(v.lowerRange, v.upperRange)},
      {"Damping Time", fixed4(v.damping, "s")},
      {"Transfer Function", CodeName(kTransferNames, v.transferFunction, v.transferFunction)},
      {"Loop Alarm Type", CodeName(kAlarmNames, v.alarmType, v.alarmType)},
      {"Display Mode", CodeName(kDisplayNames, v.displayMode, v.displayMode)},
      {"Number Format", CodeName(kFormatNames, v.numberFormat, v.numberFormat)},
      {"Zero Trim", fixed4(v.zeroTrim, unit)},
      {"PV Range Limits", range(v.pvLowerLimit, v.pvUpperLimit)},
      {"Sensor Limits", range(v.sensorLower, v.sensorUpper)},
      {"Sensor Type", CodeName(kSensorTypeNames, v.sensorType, v.sensorType)},
      {"Sensor Excitation",
       CodeName(kExcitationNames, HartSensorTypeIndex(v.excitation), v.excitation)},
      {"Pressure Modes", CodeName(kPressureModeNames, v.pressureMode, v.pressureMode)},
      {"Temperature Points", std::to_string(v.temperaturePoints)},
      {"Pressure Points", std::to_string(v.pressurePoints)},
  };
  for (size_t k = 0; k < temperatures; ++k) {
    const std::string point = std::to_string(k + 1);
    texts.emplace_back("Temperature " + point,
                       k < v.temperatures.size() ? Format("%.2f", v.temperatures[k]) + " ℃" : "");
    texts.emplace_back("T-AD " + point,
                       k < v.temperatureAd.size() ? std::to_string(v.temperatureAd[k]) : "");
  }
  // The table rows belong to the middle temperature point, which may differ between sides.
  const std::string middle = std::to_string(v.temperaturePoints / 2 + 1);
  for (size_t j = 0; j < tableEntries; ++j)
    texts.emplace_back("AD " + std::to_string(j + 1),
                       j < v.middleTable.size()
                           ? std::to_string(v.middleTable[j]) + " (Temperature " + middle + ")"
                           : "");
  return texts;
}

}  // namespace

std::vector<ConfigCompareRow> CompareConfigs(const ConfigValues& left, const ConfigValues& right) {
  const size_t temperatures = std::max(left.temperatures.size(), right.temperatures.size());
  const size_t entries = std::max(left.middleTable.size(), right.middleTable.size());
  const auto l = ValueTexts(left, temperatures, entries);
  const auto r = ValueTexts(right, temperatures, entries);
  std::vector<ConfigCompareRow> rows;
  rows.reserve(l.size());
  for (size_t i = 0; i < l.size(); ++i)
    rows.push_back({l[i].first, l[i].second, r[i].second, l[i].second != r[i].second});
  return rows;
}

int CountDifferences(const std::vector<ConfigCompareRow>& rows) {
  return static_cast<int>(
      std::count_if(rows.begin(), rows.end(), [](const ConfigCompareRow& r) { return r.differs; }));
}
