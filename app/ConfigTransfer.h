// "Update to computer" and "Downloads to Device": the device's whole configuration memory
// between the device and a data file (see ConfigImage.h), block by block on a background
// job, and the decoded values shown on the pages.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "ConfigImage.h"

class BackgroundJob;
class DeviceOperationHost;
struct DeviceState;

inline constexpr char kDataFileFilter[] = "DataFile (*.Hart)";

// Reads the 250 blocks (command 245) into `image`, or writes them (246) from it, with the
// bar at block + 2 of 0..90. A block that fails shows its message, sets the bar to 0 and ends
// the transfer: an upload then has nothing, a download leaves the blocks already written.
// A read stops between blocks once `running` says no (bar at 0, false); a write never stops
// half-way.
bool ReadConfigBlocks(DeviceOperationHost& host, DeviceState& ds, ConfigImage& image,
                      const std::function<bool()>& running = {});
bool WriteConfigBlocks(DeviceOperationHost& host, DeviceState& ds, const ConfigImage& image);

// The file whole or not at all: written beside its place and renamed over it, so a failed
// write leaves the old file (or none). False with the system's reason when it could not be
// written.
bool SaveConfigFile(const QString& path, const ConfigImage& image, QString* error = nullptr);
// The image of a data file, or nullopt with the message to show: "Open Index File Error"
// when it cannot be read, "Not a configuration file (%d bytes, 2000 expected)" when its size
// is not an image's.
std::optional<ConfigImage> LoadConfigFile(const QString& path, std::string& refusal);

// The job bodies. `show` runs on the UI thread with the values of the transferred image.
using ShowConfigValues = std::function<void(const ConfigValues&)>;
void UploadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                         const ShowConfigValues& show);
void DownloadConfiguration(BackgroundJob& job, DeviceOperationHost& host, DeviceState& ds,
                           const ShowConfigValues& show);
