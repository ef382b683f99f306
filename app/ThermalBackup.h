// The T-AD values "Cancel Thermal Compensation" took off a device, so that "Restore Thermal
// Compensation" can put them back, also after the program was closed: ThermalBackup.ini in
// the working folder (beside Morvane.ini), one section per device, named by its long
// address, with one key per temperature point. The file is replaced whole or not at all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct HartRequest;

class ThermalBackup {
 public:
  static constexpr int kPoints = 8;
  using Entries = std::array<std::optional<uint16_t>, kPoints>;

  // The section name of the device a request goes to: manufacturer id (low 6 bits), device
  // type and device id in hex, e.g. "26050A0001".
  static std::string DeviceKey(const HartRequest& request);

  // The entries kept for `device`; none when the file or its section is missing.
  static Entries Load(const std::string& device);
  // Replaces the entries of `device`, leaving the other devices' sections as they were, and
  // reads them back. False, with the reason in `error`, when the file could not be read
  // whole (nothing is written then, so no other device's entries can be lost), written,
  // or did not read back the same.
  static bool Save(const std::string& device, const Entries& entries, std::string* error);

  // The file's name as messages show it.
  static std::string FileName();
};
