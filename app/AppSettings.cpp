#include "AppSettings.h"

#include <cctype>
#include <charconv>
#include <string>
#include <type_traits>
#include <variant>

#include "IniFile.h"
#include "NumberText.h"

namespace {

constexpr const char* kSection = "MorvaneDlg";
constexpr const char* kFileName = "Morvane.ini";
// A value is read into a 32-character buffer: at most 31 characters count.
constexpr size_t kValueChars = 31;

using Field =
    std::variant<int AppSettings::*, std::atomic<int> AppSettings::*, double AppSettings::*>;

struct SettingsKey {
  const char* name;
  const char* fallback;
  Field field;
};

// The keys in the order they are read and written. "Port" is held minus 1 (see below).
const SettingsKey kKeys[] = {
    {"Port", "3", &AppSettings::portIndex},
    {"Addr", "0", &AppSettings::pollAddress},
    {"DisplayMode", "0", &AppSettings::displayMode},
    {"DisplayPrecision", "3", &AppSettings::displayPrecision},
    {"PowerWay", "0", &AppSettings::powerWay},
    {"RangeCode", "1", &AppSettings::rangeCode},
    {"RangeUnits", "0", &AppSettings::rangeUnits},
    {"SensorType", "7", &AppSettings::sensorType},
    {"Alarm", "2", &AppSettings::alarm},
    {"RangeZero", "-6", &AppSettings::rangeZero},
    {"RangeFull", "6", &AppSettings::rangeFull},
    {"OutputCharacteristic", "0", &AppSettings::outputCharacteristic},
    {"OnlineTestAll", "1", &AppSettings::onlineTestAll},
    {"DampingTime", "0", &AppSettings::dampingTime},
};

bool IsPortKey(const SettingsKey& key) {
  return std::string(key.name) == "Port";
}

int TextToInt(const std::string& text) {
  return static_cast<int>(ReadCInteger(text));
}

double TextToDouble(const std::string& text) {
  return ReadCReal(text);
}

std::string IntToText(int value) {
  return std::to_string(value);
}

// "%f": six decimals, a point whatever the locale.
std::string DoubleToText(double value) {
  char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
  return std::string(buf, res.ptr);
}

void Apply(AppSettings& settings, const SettingsKey& key, const std::string& text) {
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<T, double>) {
          settings.*member = TextToDouble(text);
        } else {
          int value = TextToInt(text);
          if (IsPortKey(key)) value -= 1;
          settings.*member = value;
        }
      },
      key.field);
}

std::string Format(const AppSettings& settings, const SettingsKey& key) {
  return std::visit(
      [&](auto member) -> std::string {
        using T = std::remove_cvref_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<T, double>) {
          return DoubleToText(settings.*member);
        } else {
          int value = settings.*member;
          return IntToText(IsPortKey(key) ? value + 1 : value);
        }
      },
      key.field);
}

void LoadFrom(AppSettings& settings, const IniFile& ini) {
  for (const SettingsKey& key : kKeys) {
    std::string text = ini.Get(kSection, key.name, key.fallback);
    if (text.size() > kValueChars) text.resize(kValueChars);
    Apply(settings, key, text);
  }
  settings.link = ini.Get(kSection, "Link", "");
  const size_t first = settings.link.find_first_not_of(" \t");
  const size_t last = settings.link.find_last_not_of(" \t\r");
  settings.link = first == std::string::npos ? "" : settings.link.substr(first, last - first + 1);
}

}  // namespace

AppSettings::AppSettings() {
  LoadFrom(*this, IniFile{});
}

AppSettings& TheAppSettings() {
  static AppSettings settings;
  return settings;
}

std::filesystem::path SettingsFilePath() {
  std::error_code ec;
  std::filesystem::path dir = std::filesystem::current_path(ec);
  return dir / kFileName;
}

void LoadSettings(AppSettings& settings) {
  IniFile ini;
  ini.Load(SettingsFilePath());
  LoadFrom(settings, ini);
}

void SaveSettings(const AppSettings& settings) {
  const std::filesystem::path file = SettingsFilePath();
  IniFile ini;
  ini.Load(file);
  for (const SettingsKey& key : kKeys)
    ini.Set(kSection, key.name, Format(settings, key));
  ini.Save(file);
}
