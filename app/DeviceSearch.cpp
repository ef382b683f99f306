#include "DeviceSearch.h"

#include <string>
#include <vector>

#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "Commands.h"
#include "Texts.h"

namespace {

constexpr int kAddressCount = 16;
// A device that has just answered command 0 is given command 0's two tries for its tag too:
// a search should not spend four silent exchanges on a name.
constexpr int kTagAttempts = 2;

void SearchDevices(CMorvaneDlg& dlg, BackgroundJob& job, const std::string& operation);

}  // namespace

std::string SearchOutcome::Verdict() const {
  if (stopped) {
    std::vector<int> addresses;
    for (const FoundDevice& device : devices)
      addresses.push_back(device.address);
    return Texts::SearchStopped(stoppedAt, addresses);
  }
  if (devices.empty()) return Texts::kNoDevice;
  return Texts::OnlineDevices(static_cast<int>(devices.size()));
}

void StartDeviceSearch(CMorvaneDlg& dlg, bool askFirst) {
  if (askFirst && !dlg.Confirm(Texts::kSearchConfirm)) return;
  if (!dlg.JobIdle()) {
    dlg.ShowMessage(Texts::kBusy);
    return;
  }
  if (!OpenPortOrReport(TheDeviceState(), dlg)) return;
  // Marked before the worker runs, so an Esc pressed at once already stops it.
  dlg.m_searchRunning = true;
  // The records name the search as the user started it: the tree asks first, the menu not.
  const std::string operation = askFirst ? "Polling Device" : "Tools > Polling";
  dlg.StartJob(CMorvaneDlg::JobPair::Job,
               [&dlg, operation](BackgroundJob& job) { SearchDevices(dlg, job, operation); });
}

void DeviceSearchThread(CMorvaneDlg& dlg, BackgroundJob& job) {
  SearchDevices(dlg, job, "Polling Device");
}

namespace {

void SearchDevices(CMorvaneDlg& dlg, BackgroundJob& job, const std::string& operation) {
  DeviceState& ds = TheDeviceState();
  dlg.SetProgressRange(kAddressCount + 1);
  dlg.SetProgressPos(1);
  dlg.ClearStations();

  SearchOutcome outcome;
  int address = 0;
  for (; address < kAddressCount && job.Running(); ++address) {
    FoundDevice device;
    device.address = address;
    if (HartCmd0(ds, static_cast<uint8_t>(address), device.identity) == HART_OK) {
      if (OperationRecorder* recorder = dlg.Recorder())
        recorder->DeviceIdentified(operation, address, device.identity);
      HartReadTag(ds, device.tag, kTagAttempts);
      dlg.AddStation(address, device.tag);
      outcome.devices.push_back(std::move(device));
    }
    dlg.SetProgressPos(address + 2);
  }
  ds.Time().SleepMs(100);
  dlg.SetProgressPos(0);

  if (!outcome.devices.empty()) {
    // The lowest address that answered becomes the station number.
    dlg.SelectFirstStation();
    TheAppSettings().pollAddress = outcome.devices.front().address;
  }
  // Stopped early: not the finished search's verdict, but where it stopped (the address it
  // last asked) and what it had found by then.
  outcome.stopped = address < kAddressCount;
  outcome.stoppedAt = address > 0 ? address - 1 : 0;
  if (outcome.devices.empty() || !dlg.ShowSearchResults(outcome))
    dlg.ShowMessage(outcome.Verdict());
  dlg.m_searchRunning = false;
}

}  // namespace
