// The program's settings: one record for the process, read from "Morvane.ini" in the
// working directory at start and written back at exit (section "MorvaneDlg", 14 keys always
// written; "Link" and "ReplyTimeout" written once they differ from what the file holds, and
// "Link" removed when there is none; "Records" only read; section "CalibrationCheck",
// written once the user has changed it).
#pragma once

#include <atomic>
#include <filesystem>
#include <string>

// Section "CalibrationCheck": the Calibration Check page's set-up as the user typed it, so
// that it is there again at the next start. The page checks it when a run starts.
struct CheckSetupTexts {
  std::string points = "0, 25, 50, 75, 100, 75, 50, 25, 0";  // "Points"
  std::string pvTolerance = "0.25";                          // "PvTolerance", % of span
  std::string currentTolerance = "0.25";                     // "CurrentTolerance"
  std::string rule = "Simple";                               // "Rule": Simple or Guarded
  std::string referenceName;                                 // "ReferenceName"
  std::string referenceSerial;                               // "ReferenceSerial"
  std::string referenceUncertainty;                          // "ReferenceUncertainty"
  std::string referenceUncertaintyUnit = "% of span";        // "ReferenceUncertaintyUnit"
  std::string referenceDueDate;                              // "ReferenceDueDate", yyyy-MM-dd
  std::string ambient;                                       // "Ambient", °C
  std::string humidity;                                      // "Humidity", %RH
  std::string technician;                                    // "Technician"
};

struct AppSettings {
  AppSettings();  // the defaults of a missing file
  AppSettings(const AppSettings&) = delete;
  AppSettings& operator=(const AppSettings&) = delete;

  int portIndex;                 // "Port" minus 1: 2 is COM3
  std::atomic<int> pollAddress;  // "Addr"; the search worker writes it
  int displayMode;               // "DisplayMode"
  int displayPrecision;          // "DisplayPrecision"
  int powerWay;                  // "PowerWay"
  int rangeCode;                 // "RangeCode"
  int rangeUnits;                // "RangeUnits"
  int sensorType;                // "SensorType"
  int alarm;                     // "Alarm"
  double rangeZero;              // "RangeZero"
  double rangeFull;              // "RangeFull"
  int outputCharacteristic;      // "OutputCharacteristic"
  int onlineTestAll;             // "OnlineTestAll": 1 "Normal", else "Broadcast"
  double dampingTime;            // "DampingTime"
  // "ReplyTimeout": how long the link waits for a reply to start. "tolerant" (the default)
  // allows the quiet time slow modems and gateways need; "standard" gives up after HART's
  // slave time-out, so an absent address costs far less in a search. Any other text reads
  // as tolerant.
  enum class ReplyTimeout { Tolerant, Standard };
  ReplyTimeout replyTimeout = ReplyTimeout::Tolerant;
  // "Link", optional: a port name the link opens instead of COM(Port): a path such as
  // /dev/ttyUSB0, or hartip://HOST[:PORT] (hartip+tcp://) for a HART-IP gateway; empty when
  // the key is absent. The Default Parameters dialog sets it (see connect/LinkChoice.h);
  // saved, an empty link removes the key.
  std::string link;
  // "Records", optional, read like "Link" and never written: where the device records live
  // (see RecordsLocation in records/RecordStore.h); empty for Records.db in the working folder.
  std::string records;
  CheckSetupTexts calibrationCheck;
  // "Language": 0 As built, 1 English, 2 Chinese; written once it is not As built or the
  // file has it, so a file that never had it stays as it was.
  int language = 0;
};

// The process's settings.
AppSettings& TheAppSettings();

// "Morvane.ini" in the current working directory, taken anew at every call.
std::filesystem::path SettingsFilePath();

// Fills every field from the settings file; a missing file or key gives its default, a
// value that is not a number reads as 0, and a value outside the key's range (a port that
// is not 1..255, an address that is not 0..15, an index outside its list, a damping outside
// 0..100 s, a real that is not finite) gives its default.
void LoadSettings(AppSettings& settings);
// Writes every key back, integers as "%d" and the reals as "%f", and the calibration check's
// keys whose text differs from what the file holds (or, without the key, from the default);
// other sections and keys of the file stay. The file is replaced whole or not at all: on failure
// the old file stays and `error` says "Could not save .../Morvane.ini: reason".
bool SaveSettings(const AppSettings& settings, std::string* error = nullptr);

// Loads the settings when constructed and saves them when destroyed: the lifetime of the
// settings file in the process.
class SettingsFileScope {
 public:
  explicit SettingsFileScope(AppSettings& settings) : settings_(settings) {
    LoadSettings(settings_);
  }
  ~SettingsFileScope() {
    if (!saved_) SaveSettings(settings_);
  }
  // Saves now rather than at the end of the scope (while a failure can still be shown):
  // the failure's text, empty when saved.
  std::string Save();
  SettingsFileScope(const SettingsFileScope&) = delete;
  SettingsFileScope& operator=(const SettingsFileScope&) = delete;

 private:
  AppSettings& settings_;
  bool saved_ = false;
};
