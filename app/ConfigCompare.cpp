#include "ConfigCompare.h"

#include <algorithm>
#include <cstdio>

#include "Commands.h"
#include "Language.h"

namespace {

// The pages' own words for the coded values.
const char* const kTransferNames[] = {N_("Linear"), N_("SQRT")};
const char* const kAlarmNames[] = {N_("20.8mA"), N_("3.8mA"), N_("Saturated")};
const char* const kDisplayNames[] = {N_("Display PV"), N_("Display F.S.%"), N_("Display Loop mA")};
const char* const kFormatNames[] = {N_("Integer"), N_("1 decimal"), N_("2 decimal"),
                                    N_("3 decimal")};
const char* const kPressureModeNames[] = {N_("Gauge Modes"), N_("Absolute Modes")};
const char* const kExcitationNames[] = {N_("+5V"),    N_("1.5mA"), N_("1mA"),
                                        N_("0.75mA"), N_("0.5mA"), N_("0.25mA")};
const char* const kSensorTypeNames[] = {
    N_("PS32 Capacity Ceramic"),      N_("PS18 Capacity Ceramic"),
    N_("181 Piezoresistive Ceramic"), N_("182 Piezoresistive Ceramic"),
    N_("Piezoresistive Silicon"),     N_("Metal Capacitive Sensor"),
    N_("Magnetism rolling board"),    N_("High Stability Sililcon"),
    N_("MIDA Sapphire Silicon"),      N_("Sputtered Thin Film"),
    N_("Strain Type Sensor"),         N_("Weighting sensor"),
};

template <size_t N>
std::string CodeName(const char* const (&names)[N], int index, int code) {
  if (index >= 0 && static_cast<size_t>(index) < N) return Tr(names[index]).toStdString();
  return TrFormat("code %d", code).toStdString();
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
      unitName.empty() ? TrFormat("(unit code %d)", v.unitCode).toStdString() : unitName;
  auto fixed4 = [](double x, const std::string& u) { return WithUnit(Format("%.4f", x), u); };
  auto range = [&](double lower, double upper) {
    return WithUnit(Format("%.4f", lower) + ".." + Format("%.4f", upper), unit);
  };
  char date[32];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", v.year, v.month, v.day);

  std::vector<std::pair<std::string, std::string>> texts = {
      {N_("Tag"), Trimmed(v.tag)},
      {N_("Descriptor"), Trimmed(v.descriptor)},
      {N_("Device Message"), Trimmed(v.message)},
      {N_("Date"), date},
      {N_("Assembly ID"), std::to_string(v.assembly)},
      {N_("PV Unit"), unitName.empty() ? TrFormat("code %d", v.unitCode).toStdString() : unitName},
      {N_("PV range"), range(v.lowerRange, v.upperRange)},
      {N_("Damping Time"), fixed4(v.damping, "s")},
      {N_("Transfer Function"), CodeName(kTransferNames, v.transferFunction, v.transferFunction)},
      {N_("Loop Alarm Type"), CodeName(kAlarmNames, v.alarmType, v.alarmType)},
      {N_("Display Mode"), CodeName(kDisplayNames, v.displayMode, v.displayMode)},
      {N_("Number Format"), CodeName(kFormatNames, v.numberFormat, v.numberFormat)},
      {N_("Zero Trim"), fixed4(v.zeroTrim, unit)},
      {N_("PV Range Limits"), range(v.pvLowerLimit, v.pvUpperLimit)},
      {N_("Sensor Limits"), range(v.sensorLower, v.sensorUpper)},
      {N_("Sensor Type"), CodeName(kSensorTypeNames, v.sensorType, v.sensorType)},
      {N_("Sensor Excitation"),
       CodeName(kExcitationNames, HartSensorTypeIndex(v.excitation), v.excitation)},
      {N_("Pressure Modes"), CodeName(kPressureModeNames, v.pressureMode, v.pressureMode)},
      {N_("Temperature Points"), std::to_string(v.temperaturePoints)},
      {N_("Pressure Points"), std::to_string(v.pressurePoints)},
  };
  // The names above in the language in force; the numbered ones below are formats.
  for (auto& [name, value] : texts)
    name = Tr(name.c_str()).toStdString();

  for (size_t k = 0; k < temperatures; ++k) {
    texts.emplace_back(TrFormat("Temperature %d", static_cast<int>(k + 1)).toStdString(),
                       k < v.temperatures.size() ? Format("%.2f", v.temperatures[k]) + " ℃" : "");
    texts.emplace_back(TrFormat("T-AD %d", static_cast<int>(k + 1)).toStdString(),
                       k < v.temperatureAd.size() ? std::to_string(v.temperatureAd[k]) : "");
  }
  // The table rows belong to the middle temperature point, which may differ between sides.
  const std::string middle = std::to_string(v.temperaturePoints / 2 + 1);
  for (size_t j = 0; j < tableEntries; ++j)
    texts.emplace_back(TrFormat("AD %d", static_cast<int>(j + 1)).toStdString(),
                       j < v.middleTable.size()
                           ? std::to_string(v.middleTable[j]) +
                                 TrFormat(" (Temperature %s)", middle.c_str()).toStdString()
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
