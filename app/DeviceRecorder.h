// The program's device records: what the operations, transfers and identifications did to
// each device, made into records (records/DeviceRecord.h) and handed to the records writer,
// which stores them on its own thread. Nothing here waits for the store.
//
// For this run it keeps, per device, the values read from it ("Damping Time" -> "2.5000 s"),
// so that a later write says what the device held before:
//   "Damping Time 2.5000 s -> 3.3000 s (device: 3.3000 s)"
// and it records an identification only when a device is seen for the first time in this
// run or its identity changed (every operation identifies first).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "DeviceOperation.h"
#include "DeviceRecord.h"

class RecordWriter;

class DeviceRecorder final : public OperationRecorder {
 public:
  struct Status {
    int pending = 0;   // records handed over and not yet stored
    QString reason;    // why they wait, or why there are no records; empty when all is well
    bool off = false;  // no records this run: none configured, or the store cannot be used
  };

  // Records into the store that `recordsSetting` (the settings' "Records" value) names: empty
  // for Records.db in the working folder. What cannot be stored waits in `journalPath`. A
  // value that does not parse leaves the records off, the reason naming the key.
  DeviceRecorder(const QString& recordsSetting, const QString& journalPath);
  // Records go to `sink` instead, on the thread that made them.
  explicit DeviceRecorder(std::function<void(DeviceRecord)> sink);
  ~DeviceRecorder() override;  // Close()

  // Stores what it can within `timeoutMs`, keeps the rest in the journal and stops the writer.
  void Close(int timeoutMs = 2000);
  // Waits until every record made so far is stored; false after `timeoutMs`.
  bool Flush(int timeoutMs);
  Status CurrentStatus() const;
  // Called on the writer's thread whenever the status changes; an empty function stops the
  // calls (once it returns, no call runs any more).
  void SetStatusListener(std::function<void(const Status&)> listener);
  // Where the device that answered last is learnt ("26-05-0A0001"), for work that did not
  // identify its device (Broadcast mode). Any thread.
  void SetAnsweringDevice(std::function<std::string()> lastAnswering);

  void OperationEnded(DeviceState& ds, const OperationRecord& record) override;
  void DeviceIdentified(const std::string& operation, int pollAddress,
                        const HartIdentity& identity) override;
  void WorkEnded(const WorkRecord& record) override;

 private:
  struct Identity {
    int pollAddress = 0;
    uint8_t revisions[4] = {};  // universal, device, software, hardware
    bool operator==(const Identity&) const = default;
  };
  using Values = std::map<std::string, std::string>;  // name -> value text with its unit

  std::string DeviceOf(const std::string& identified);
  // The values kept for `device`; null for a device not known.
  Values* Kept(const std::string& device);
  std::string TagOf(const std::string& device);
  void Hand(DeviceRecord record);
  Status FromWriter() const;
  void Notify();

  std::unique_ptr<RecordWriter> writer_;
  std::function<void(DeviceRecord)> sink_;
  Status fixed_;       // without a writer
  QString storeName_;  // names the store in a reason: "Records.db", "Records=... in Morvane.ini"

  std::mutex mu_;  // the values, the identities and the source of the answering device
  std::map<std::string, Values> values_;
  std::map<std::string, Identity> identities_;
  std::function<std::string()> answering_;

  std::mutex listenerMu_;
  std::function<void(const Status&)> listener_;
};

// Pane 1 of the status bar: "Ready", "Records: 3 not yet saved (database is locked)" while
// records wait for a store that fails, "Records: off (reason)" when there are none.
QString RecordsPaneText(const DeviceRecorder::Status& status);
// The message shown once at start when the records are off for a reason the user must
// fix: "Records are off: Records=postgres:/x in Morvane.ini: ..."; empty otherwise.
QString RecordsOffMessage(const DeviceRecorder::Status& status);
// "Records.journal" beside the settings file.
QString RecordsJournalPath();
