#include "ConfigCompare.h"

#include <algorithm>
#include <cstdio>

#include "Commands.h"
#include "Language.h"
#include "ranging/CComprehensiveParamDlg.h"

namespace {

// The PV Parameters page's own words for the coded values.
using Coded = CComprehensiveParamDlg::Coded;
const QStringList& Names(Coded list) {
  return CComprehensiveParamDlg::CodeTexts(list);
}

// The name a list gives a code, or the code itself when the list has none.
std::string CodeName(const QStringList& names, int index, int code) {
  if (index >= 0 && index < names.size()) return Tr(names[index]).toStdString();
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
      {N_("Transfer Function"),
       CodeName(Names(Coded::Transfer), v.transferFunction, v.transferFunction)},
      {N_("Loop Alarm Type"), CodeName(Names(Coded::AlarmType), v.alarmType, v.alarmType)},
      {N_("Display Mode"), CodeName(Names(Coded::DisplayMode), v.displayMode, v.displayMode)},
      {N_("Number Format"), CodeName(Names(Coded::NumberFormat), v.numberFormat, v.numberFormat)},
      {N_("Zero Trim"), fixed4(v.zeroTrim, unit)},
      {N_("PV Range Limits"), range(v.pvLowerLimit, v.pvUpperLimit)},
      {N_("Sensor Limits"), range(v.sensorLower, v.sensorUpper)},
      {N_("Sensor Type"), CodeName(Names(Coded::SensorType), v.sensorType, v.sensorType)},
      {N_("Sensor Excitation"),
       CodeName(Names(Coded::Excitation), HartSensorTypeIndex(v.excitation), v.excitation)},
      {N_("Pressure Modes"), CodeName(Names(Coded::PressureMode), v.pressureMode, v.pressureMode)},
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
