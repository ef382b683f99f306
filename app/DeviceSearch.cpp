#include "DeviceSearch.h"

#include <string>
#include <vector>

#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "Commands.h"
#include "Texts.h"

namespace {

constexpr int kAddressCount = 16;

void SearchDevices(CMorvaneDlg& dlg, BackgroundJob& job, const std::string& operation);

}  // namespace

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

  std::vector<int> found;
  int address = 0;
  for (; address < kAddressCount && job.Running(); ++address) {
    HartIdentity identity;
    if (HartCmd0(ds, static_cast<uint8_t>(address), identity) == HART_OK) {
      if (OperationRecorder* recorder = dlg.Recorder())
        recorder->DeviceIdentified(operation, address, identity);
      found.push_back(address);
      dlg.AddStation(address);
    }
    dlg.SetProgressPos(address + 2);
  }
  ds.Time().SleepMs(100);
  dlg.SetProgressPos(0);

  if (!found.empty()) {
    // The lowest address that answered becomes the station number.
    dlg.SelectFirstStation();
    TheAppSettings().pollAddress = found.front();
  }
  if (address < kAddressCount) {
    // Stopped early: not the finished search's verdict, but where it stopped (the address it
    // last asked) and what it had found by then.
    dlg.ShowMessage(Texts::SearchStopped(address > 0 ? address - 1 : 0, found));
  } else if (!found.empty()) {
    dlg.ShowMessage(Texts::OnlineDevices(static_cast<int>(found.size())));
  } else {
    dlg.ShowMessage(Texts::kNoDevice);
  }
  dlg.m_searchRunning = false;
}

}  // namespace
