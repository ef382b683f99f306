#include "ThermalBackup.h"

#include <filesystem>

#include "HartLink.h"
#include "IniFile.h"
#include "WholeFile.h"

namespace {

constexpr const char* kFileName = "ThermalBackup.ini";

std::filesystem::path BackupPath() {
  std::error_code ec;
  return std::filesystem::current_path(ec) / kFileName;
}

std::string PointKey(int k) {
  return "Point" + std::to_string(k);
}

}  // namespace

std::string ThermalBackup::DeviceKey(const HartRequest& r) {
  char key[16];
  std::snprintf(key, sizeof key, "%02X%02X%02X%02X%02X", r.manufacturerId & 0x3F, r.deviceType,
                r.deviceId[0], r.deviceId[1], r.deviceId[2]);
  return key;
}

ThermalBackup::Entries ThermalBackup::Load(const std::string& device) {
  IniFile ini;
  ini.Load(BackupPath());
  Entries entries;
  for (int k = 0; k < kPoints; ++k) {
    const std::string text = ini.Get(device, PointKey(k), "");
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    // Only a whole number a T-AD can be counts; anything else is no entry.
    if (!text.empty() && *end == '\0' && value <= 0xFFFF)
      entries[static_cast<size_t>(k)] = static_cast<uint16_t>(value);
  }
  return entries;
}

bool ThermalBackup::Save(const std::string& device, const Entries& entries, std::string* error) {
  const std::filesystem::path path = BackupPath();
  IniFile ini;
  std::string reason;
  if (!ini.Load(path, &reason)) {
    if (error) *error = "Could not read " + PathText(path) + ": " + reason;
    return false;
  }
  for (int k = 0; k < kPoints; ++k) {
    const auto& entry = entries[static_cast<size_t>(k)];
    ini.Set(device, PointKey(k), entry ? std::to_string(*entry) : std::string());
  }
  if (!ini.Save(path, &reason)) {
    if (error) *error = SaveFailureText(PathText(path), reason);
    return false;
  }
  if (Load(device) != entries) {
    if (error) *error = PathText(path) + " does not read back what was written";
    return false;
  }
  return true;
}

std::string ThermalBackup::FileName() {
  return kFileName;
}
