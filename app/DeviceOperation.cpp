#include "DeviceOperation.h"

#include <algorithm>
#include <iterator>

#include "BackgroundJob.h"
#include "FrameText.h"
#include "Texts.h"

bool OpenPortOrReport(DeviceState& ds, DeviceOperationHost& host) {
  if (HartOpenPort(ds)) return true;
  std::string reason;
  {
    std::lock_guard<std::mutex> hold(ds.lock);
    if (ds.port) reason = ds.port->LastError();
  }
  // The port names itself and why it did not open: "COM3 (/dev/ttyS2): no such port".
  host.ShowMessage(reason.empty() ? std::string(Texts::kPortError)
                                  : Tr(Texts::kPortError).toStdString() + "\n" + reason);
  return false;
}

bool ConnectDevice(DeviceState& ds, DeviceOperationHost& host, const std::string& operation,
                   std::string* device) {
  if (!OpenPortOrReport(ds, host)) return false;
  host.SetProgressRange(2);
  host.SetProgressPos(1);
  HartIdentity identity;
  const int pollAddress = host.PollAddress();
  if (HartCmd0(ds, static_cast<uint8_t>(pollAddress), identity) != HART_OK) {
    host.ShowMessage(Texts::kNoDevice);
    host.SetProgressPos(0);
    return false;
  }
  if (OperationRecorder* recorder = host.Recorder())
    recorder->DeviceIdentified(operation, pollAddress, identity);
  if (device) *device = IdentityAddressText(identity);
  host.SetProgressPos(2);
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  return true;
}

bool PrepareDeviceAddress(DeviceState& ds, DeviceOperationHost& host, const std::string& operation,
                          std::string* device) {
  if (host.NormalAddressing()) return ConnectDevice(ds, host, operation, device);
  UseBroadcastAddress(ds);
  if (device) device->clear();
  return true;
}

void ReportFailure(DeviceOperationHost& host, const HartResult& result, bool blankAfterColon) {
  host.ShowMessage(Texts::CommunicationFailure(result, blankAfterColon));
  host.SetProgressPos(0);
}

DeviceStep& DeviceOperation::Step(DeviceExchange exchange, std::function<void()> show,
                                  int position) {
  DeviceStep step;
  step.exchange = std::move(exchange);
  step.show = std::move(show);
  step.position = position;
  steps.push_back(std::move(step));
  return steps.back();
}

void DeviceOperation::Check(std::function<std::string()> refusal) {
  DeviceStep step;
  step.check = std::move(refusal);
  steps.push_back(std::move(step));
}

namespace {

void Append(std::vector<RecordedValue>& to, const RecordedValues& values) {
  if (!values) return;
  for (RecordedValue& v : values())
    to.push_back(std::move(v));
}

}  // namespace

OperationResult DeviceOperation::Run(DeviceOperationHost& host, DeviceState& ds,
                                     const BackgroundJob* job) const {
  OperationRecord record;
  record.name = recordName;
  record.kind = recordKind;
  record.detail = recordDetail;
  record.recordReads = recordReads;
  record.forgetValues = recordForgetsValues;
  OperationRecorder* const recorder = host.Recorder();
  // Reported once the operation is over, when it did something the recorder keeps.
  auto finish = [&](OperationResult result, const std::string& shown) {
    if (!recorder) return result;
    const bool named = (!recordName.empty() && recordKind != "write") || recordForgetsValues;
    if (record.reads.empty() && record.writes.empty() && record.failedWrites.empty() && !named)
      return result;
    record.result = shown.empty() ? "OK" : shown;
    recorder->OperationEnded(ds, record);
    return result;
  };

  if (busyCheck && !host.JobIdle()) {
    host.ShowMessage(spacedBusy ? Texts::kBusySpaced : Texts::kBusy);
    return OperationResult::Busy;
  }
  if (!confirmText.empty() && !host.Confirm(confirmText)) return OperationResult::Cancelled;
  if (!OpenPortOrReport(ds, host)) return OperationResult::NoPort;
  // The addressing step has shown its own message when it fails.
  const bool addressed = addressing == Addressing::None ||
                         (addressing == Addressing::Identify
                              ? ConnectDevice(ds, host, recordName, &record.device)
                              : PrepareDeviceAddress(ds, host, recordName, &record.device));
  if (!addressed) return OperationResult::NoDevice;

  int exchanges = 0;
  for (const DeviceStep& step : steps)
    exchanges += step.check ? 0 : 1;
  const int high = progressHigh > 0 ? progressHigh : exchanges + 1;
  int pos = 1;
  host.SetProgressRange(high);
  host.SetProgressPos(pos);
  std::string failure;  // the first failure shown, for the record
  for (const DeviceStep& step : steps) {
    if (job && step.onlyWhileRunning && !job->Running()) {
      host.SetProgressPos(0);
      return finish(OperationResult::Stopped, "Stopped");
    }
    if (step.check) {
      const std::string refusal = step.check();
      if (refusal.empty()) continue;
      host.ShowMessage(refusal);
      host.SetProgressPos(0);
      return finish(OperationResult::Refused, refusal);
    }
    // A write that fails is recorded with what it was to write.
    std::vector<RecordedValue> intended;
    if (recorder && step.writes) Append(intended, step.writes);
    const HartResult result = step.exchange(ds);
    if (result != HART_OK) {
      const std::string text =
          failureText.empty() ? Texts::CommunicationFailure(result, spacedFailure) : failureText;
      host.ShowMessage(text);
      host.SetProgressPos(0);
      std::move(intended.begin(), intended.end(), std::back_inserter(record.failedWrites));
      if (failure.empty()) failure = text;
      if (!step.goOnAfterFailure) return finish(OperationResult::Failed, failure);
    } else {
      if (recorder) {
        Append(record.reads, step.reads);
        Append(record.writes, step.writes);  // now with the device's echo
      }
      if (step.show) host.OnUiThread(step.show);
    }
    const int next = step.position > 0 ? step.position : pos + 1;
    if (next != pos || result != HART_OK) host.SetProgressPos(next);
    pos = next;
  }
  ds.Time().SleepMs(100);
  host.SetProgressPos(0);
  if (!doneText.empty()) host.ShowMessage(doneText);
  return finish(OperationResult::Done, failure);
}
