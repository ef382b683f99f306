// The frame every user operation on the device runs in: busy check, confirmation, open the
// port, address the device, then its exchanges with the shared progress bar, the success
// pause, and one failure message that names the result.
//
// A page states an operation as steps and hands it to PageDialog::RunOperation, which runs
// the frame on a worker thread while the window keeps painting:
//
//   auto damping = std::make_shared<HartOutputInfo>();
//   DeviceOperation op;
//   op.progressHigh = 2;
//   op.Step([damping](DeviceState& ds) { return HartCmd15(ds, *damping); },
//           [this, damping] { m_edit->setText(FormatReal(damping->damping)); });
//   RunOperation(std::move(op));
//
// Exchanges run on the worker, the display part of a step on the UI thread right after its
// exchange succeeded, before the next exchange starts.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Commands.h"
#include "FrameText.h"

class BackgroundJob;

struct RecordedValue;
class OperationRecorder;

// What an operation needs of the window it runs in. Every call is safe from a worker: the
// window does the UI work on its own thread (prompts and display parts are waited for).
class DeviceOperationHost {
 public:
  virtual ~DeviceOperationHost() = default;
  virtual void SetProgressRange(int high) = 0;  // low is always 0
  virtual void SetProgressPos(int pos) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool Confirm(const std::string& text) = 0;  // OK and Cancel: true for OK
  virtual int PollAddress() = 0;                      // the station number
  virtual bool NormalAddressing() = 0;                // "Normal" rather than "Broadcast"
  virtual bool JobIdle() = 0;                         // no background job runs
  // Runs `fn` on the UI thread and returns when it has run.
  virtual void OnUiThread(const std::function<void()>& fn) = 0;
  // Where operations report what they did to a device; null: nothing is recorded.
  virtual OperationRecorder* Recorder() { return nullptr; }
};

// The first steps of every operation. Each reports its own failure: "Communication Port
// Error" with the port's name and reason on a second line when the port does not open, "No
// Device" when nobody answers command 0 at the station number.
bool OpenPortOrReport(DeviceState& ds, DeviceOperationHost& host);
// Opens the port and identifies the device at the station number, with its own progress
// range 0..2 and success pause. The identification is told to the window's recorder under
// `operation` (the user's name for what identified it); `device`, when given, receives the
// long address identified ("26-05-0A0001").
bool ConnectDevice(DeviceState& ds, DeviceOperationHost& host, const std::string& operation = {},
                   std::string* device = nullptr);
// ConnectDevice in "Normal" mode; in "Broadcast" mode long frames go to the all-zero address
// and `device` is left empty (which device answers is learnt from its replies).
bool PrepareDeviceAddress(DeviceState& ds, DeviceOperationHost& host,
                          const std::string& operation = {}, std::string* device = nullptr);

// How a device exchange that failed ends a piece of device work: its message ("Communication
// Failure:%s", or with a blank after the colon; the result's text, with the port's reason in
// brackets when it has one: "fail to send (COM3: the port is gone (Input/output error))")
// and the bar back at 0.
void ReportFailure(DeviceOperationHost& host, const HartResult& result,
                   bool blankAfterColon = false);

using DeviceExchange = std::function<HartResult(DeviceState&)>;

// A value as the device records keep it: its name as the page labels it, and its text with
// the unit ("Damping Time", "3.3000 s"). For a write, `echo` is what the device answered it
// took, when its reply says so (empty otherwise).
struct RecordedValue {
  std::string name;
  std::string value;
  std::string echo = {};  // may be left out: {"Damping Time", "3.3000 s"}
};
using RecordedValues = std::function<std::vector<RecordedValue>()>;

// What an operation did, as the frame reports it when it ends.
struct OperationRecord {
  std::string name;                   // DeviceOperation::recordName; empty: none
  std::string kind;                   // DeviceOperation::recordKind
  std::string detail;                 // DeviceOperation::recordDetail
  std::vector<RecordedValue> reads;   // of the steps that succeeded
  std::vector<RecordedValue> writes;  // of the steps that succeeded, with the device's echo
  // Of the steps that failed: what they were to write. The device may or may not hold it.
  std::vector<RecordedValue> failedWrites;
  bool recordReads = false;
  bool forgetValues = false;  // DeviceOperation::recordForgetsValues
  // The long address the operation identified; empty in "Broadcast" mode and without an
  // addressing step (the recorder then takes the device that answered last).
  std::string device;
  std::string result;  // "OK", or the failure text the user saw
};

// Device work that is not a DeviceOperation (the configuration transfers, the thermal
// compensation), as it reports itself when it ends.
struct WorkRecord {
  std::string device;  // long address; empty: the device that answered last
  std::string name;    // as the user named it: "File > Update to computer"
  std::string kind;    // record_kind in records/DeviceRecord.h
  std::string detail;
  std::string result;          // "OK", or the failure text the user saw
  std::vector<uint8_t> image;  // a configuration image, else empty
  // What the device holds now as far as this work knows (the tag of an uploaded image),
  // kept as the "before" of later writes; with `forgetValues` all kept before are dropped
  // first (a download replaced the whole configuration).
  std::vector<RecordedValue> values;
  bool forgetValues = false;
};

// Takes the reports of device work. Called on the worker that did the work, after its last
// exchange and outside the link lock; it only hands over and never waits for the store.
class OperationRecorder {
 public:
  virtual ~OperationRecorder() = default;
  // Every operation run in the frame that read or wrote a value, or that has a record name
  // and a kind other than "write". Whether it makes a record is the recorder's decision
  // (see DeviceOperation::recordName); the values read are kept either way.
  virtual void OperationEnded(DeviceState& ds, const OperationRecord& record) = 0;
  // A device answered command 0 at `pollAddress`.
  virtual void DeviceIdentified(const std::string& /*operation*/, int /*pollAddress*/,
                                const HartIdentity& /*identity*/) {}
  virtual void WorkEnded(const WorkRecord& /*record*/) {}
};

// One exchange of an operation (or a few that advance the bar together), what the window
// shows once it has succeeded, and where the bar stands then.
struct DeviceStep {
  DeviceExchange exchange;
  std::function<void()> show;  // UI thread; may be empty
  int position = 0;            // bar position after success; 0: one more than before
  // A failure is shown and the bar set to 0, and the operation goes on with the next step.
  bool goOnAfterFailure = false;
  // In an operation run as a background job: when the job has been asked to stop (Stop, a
  // tree click, the page hidden), the operation ends before this step with the bar at 0.
  bool onlyWhileRunning = false;
  // A check in place of an exchange, made on the worker when the operation reaches it: a
  // non-empty text is shown and ends the operation with the bar at 0.
  std::function<std::string()> check;
  // For the device records, called on the worker after the exchange succeeded: the values
  // it read from the device (kept for this run as the "before" of a later write to the same
  // device) and the values it wrote, with the device's echo. A write step that fails is
  // recorded with its values too (they are asked of it before the exchange, without echo),
  // and the value kept for each is dropped: the device may or may not have taken it.
  RecordedValues reads;
  RecordedValues writes;
};

enum class OperationResult { Done, Busy, Cancelled, NoPort, NoDevice, Failed, Refused, Stopped };

struct DeviceOperation {
  bool busyCheck = false;      // refuse while a background job runs
  bool spacedBusy = false;     // "Busy! Try later." instead of "Busy!Try later."
  bool spacedFailure = false;  // "Communication Failure: %s" instead of "...Failure:%s"
  std::string failureText;     // when set, the failure message in place of either
  std::string confirmText;     // asked first (OK and Cancel) when not empty
  std::string doneText;        // shown when every step succeeded, when not empty
  // How the device is addressed before the steps: as the settings say (identified in
  // "Normal" mode, broadcast otherwise); not at all, the frames going to the device as last
  // addressed (the calibration's sampling, row after row of one device); or always
  // identified at the station number, for what must know which device it changes.
  enum class Addressing { AsSettings, None, Identify };
  Addressing addressing = Addressing::AsSettings;
  int progressHigh = 0;  // N of the range 0..N; 0: one more than the steps
  std::vector<DeviceStep> steps;
  // The device records: the operation as the user named it ("Damping Time > Update"), what
  // kind of record it makes (record_kind in records/DeviceRecord.h), and whether the values
  // its steps read are recorded too (tag, descriptor, message, versions). An operation with
  // a name is recorded once it has run (with its result, also a failure) when a step wrote
  // something, when it is of a kind other than "write" (a reset is recorded though it
  // writes no value), or when it records its reads. Without a name nothing is recorded, but
  // the values its steps read are still kept as the "before" of later writes.
  std::string recordName;
  std::string recordKind = "write";
  bool recordReads = false;
  // The record's text when its steps list no values ("Device reset (command 42)").
  std::string recordDetail;
  // The operation changes settings it does not list (a factory default restore): the
  // values kept from earlier reads of the device no longer hold.
  bool recordForgetsValues = false;

  // Appends a step; returns it for the rarer settings.
  DeviceStep& Step(DeviceExchange exchange, std::function<void()> show = {}, int position = 0);
  // Appends a check (see DeviceStep::check).
  void Check(std::function<std::string()> refusal);

  // The whole frame, on the calling thread (an operation's worker, or a test). `job`: the
  // background job it runs as, whose run flag the steps marked onlyWhileRunning look at.
  OperationResult Run(DeviceOperationHost& host, DeviceState& ds,
                      const BackgroundJob* job = nullptr) const;
};
