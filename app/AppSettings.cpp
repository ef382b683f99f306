#include "AppSettings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "IniFile.h"
#include "NumberText.h"
#include "WholeFile.h"
#include "ranging/UnitConversion.h"

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
  // The values the key may hold, as written in the file; anything else reads as the
  // fallback. Integer keys: the lists of the default-parameters dialog and the polling
  // addresses; real keys: finite, the damping a transmitter takes.
  double lowest;
  double highest;
};

constexpr double kAnyReal = std::numeric_limits<double>::max();

// The keys in the order they are read and written. "Port" is held minus 1 (see below).
const SettingsKey kKeys[] = {
    {"Port", "3", &AppSettings::portIndex, 1, 255},
    {"Addr", "0", &AppSettings::pollAddress, 0, 15},
    {"DisplayMode", "0", &AppSettings::displayMode, 0, 2},
    {"DisplayPrecision", "3", &AppSettings::displayPrecision, 0, 3},
    {"PowerWay", "0", &AppSettings::powerWay, 0, 5},
    {"RangeCode", "1", &AppSettings::rangeCode, 0, 8},
    {"RangeUnits", "0", &AppSettings::rangeUnits, 0, kUnitCount - 1},
    {"SensorType", "7", &AppSettings::sensorType, 0, 11},
    {"Alarm", "2", &AppSettings::alarm, 0, 2},
    {"RangeZero", "-6", &AppSettings::rangeZero, -kAnyReal, kAnyReal},
    {"RangeFull", "6", &AppSettings::rangeFull, -kAnyReal, kAnyReal},
    {"OutputCharacteristic", "0", &AppSettings::outputCharacteristic, 0, 1},
    // 1 is "Normal" and any other number "Broadcast".
    {"OnlineTestAll", "1", &AppSettings::onlineTestAll, std::numeric_limits<int>::min(),
     std::numeric_limits<int>::max()},
    {"DampingTime", "0", &AppSettings::dampingTime, 0, 100},
};

bool IsPortKey(const SettingsKey& key) {
  return std::string(key.name) == "Port";
}

bool InRange(const SettingsKey& key, double value) {
  return value >= key.lowest && value <= key.highest;  // false for NaN
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

// The value a key's text gives, or its fallback's when the text's value lies outside the
// key's range. Numbers read like the C library's conversions (leading digits count, text
// without a number is 0).
void Apply(AppSettings& settings, const SettingsKey& key, const std::string& text) {
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<T, double>) {
          double value = ReadCReal(text);
          if (!InRange(key, value)) value = ReadCReal(key.fallback);
          settings.*member = value;
        } else {
          long long value = ReadCInteger(text);
          if (!InRange(key, static_cast<double>(value))) value = ReadCInteger(key.fallback);
          if (IsPortKey(key)) value -= 1;
          settings.*member = static_cast<int>(value);
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

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t\r");
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

constexpr const char* kLinkKey = "Link";

// "ReplyTimeout": the file's words for each choice.
constexpr const char* kReplyTimeoutKey = "ReplyTimeout";
constexpr const char* kTolerantText = "tolerant";
constexpr const char* kStandardText = "standard";

bool SameWord(const std::string& a, const char* b) {
  const std::string lower(b);
  return a.size() == lower.size() &&
         std::equal(a.begin(), a.end(), lower.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == y;
         });
}

AppSettings::ReplyTimeout ReadReplyTimeout(const std::string& text) {
  return SameWord(Trimmed(text), kStandardText) ? AppSettings::ReplyTimeout::Standard
                                                : AppSettings::ReplyTimeout::Tolerant;
}

const char* ReplyTimeoutText(AppSettings::ReplyTimeout choice) {
  return choice == AppSettings::ReplyTimeout::Standard ? kStandardText : kTolerantText;
}

// The calibration check's set-up, kept as typed.
constexpr const char* kCheckSection = "CalibrationCheck";
const std::pair<const char*, std::string CheckSetupTexts::*> kCheckKeys[] = {
    {"Points", &CheckSetupTexts::points},
    {"PvTolerance", &CheckSetupTexts::pvTolerance},
    {"CurrentTolerance", &CheckSetupTexts::currentTolerance},
    {"Rule", &CheckSetupTexts::rule},
    {"ReferenceName", &CheckSetupTexts::referenceName},
    {"ReferenceSerial", &CheckSetupTexts::referenceSerial},
    {"ReferenceUncertainty", &CheckSetupTexts::referenceUncertainty},
    {"ReferenceUncertaintyUnit", &CheckSetupTexts::referenceUncertaintyUnit},
    {"ReferenceDueDate", &CheckSetupTexts::referenceDueDate},
    {"Ambient", &CheckSetupTexts::ambient},
    {"Humidity", &CheckSetupTexts::humidity},
    {"Technician", &CheckSetupTexts::technician},
};

void LoadFrom(AppSettings& settings, const IniFile& ini) {
  for (const SettingsKey& key : kKeys) {
    std::string text = ini.Get(kSection, key.name, key.fallback);
    if (text.size() > kValueChars) text.resize(kValueChars);
    Apply(settings, key, text);
  }
  settings.link = Trimmed(ini.Get(kSection, kLinkKey, ""));
  settings.records = Trimmed(ini.Get(kSection, "Records", ""));
  settings.replyTimeout = ReadReplyTimeout(ini.Get(kSection, kReplyTimeoutKey, kTolerantText));
  const CheckSetupTexts defaults;
  for (const auto& [key, field] : kCheckKeys)
    settings.calibrationCheck.*field = ini.Get(kCheckSection, key, defaults.*field);
  const long long language = ReadCInteger(ini.Get(kSection, "Language", "0"));
  settings.language = language >= 0 && language <= 2 ? static_cast<int>(language) : 0;
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

bool SaveSettings(const AppSettings& settings, std::string* error) {
  const std::filesystem::path file = SettingsFilePath();
  IniFile ini;
  ini.Load(file);
  for (const SettingsKey& key : kKeys)
    ini.Set(kSection, key.name, Format(settings, key));
  // The link is rewritten only when it changed, so a hand-written line stays as typed.
  const std::string fileLink = Trimmed(ini.Get(kSection, kLinkKey, ""));
  if (settings.link.empty())
    ini.Remove(kSection, kLinkKey);
  else if (settings.link != fileLink)
    ini.Set(kSection, kLinkKey, settings.link);
  // A file that never named a time-out keeps saying nothing until the user picks one.
  if (settings.replyTimeout != ReadReplyTimeout(ini.Get(kSection, kReplyTimeoutKey, kTolerantText)))
    ini.Set(kSection, kReplyTimeoutKey, ReplyTimeoutText(settings.replyTimeout));
  // A file that never had the check's set-up stays without it until the user types one.
  const CheckSetupTexts defaults;
  for (const auto& [key, field] : kCheckKeys) {
    const std::string& text = settings.calibrationCheck.*field;
    if (text != ini.Get(kCheckSection, key, defaults.*field)) ini.Set(kCheckSection, key, text);
  }
  if (settings.language != 0 || !ini.Get(kSection, "Language", "").empty())
    ini.Set(kSection, "Language", IntToText(settings.language));
  std::string reason;
  if (ini.Save(file, &reason)) return true;
  if (error) *error = SaveFailureText(PathText(file), reason);
  return false;
}

std::string SettingsFileScope::Save() {
  saved_ = true;
  std::string error;
  SaveSettings(settings_, &error);
  return error;
}
