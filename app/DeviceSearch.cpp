#include "DeviceSearch.h"

#include <string>
#include <vector>

#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "Commands.h"

namespace {
constexpr int kAddressCount = 16;
}

void StartDeviceSearch(CMorvaneDlg& dlg, bool askFirst) {
  if (askFirst && !dlg.Confirm("Online Device Searching?")) return;
  if (!dlg.JobIdle()) {
    dlg.ShowMessage("Busy!Try later.");
    return;
  }
  if (!HartOpenPort(TheDeviceState())) {
    dlg.ShowMessage("Communication Port Error");
    return;
  }
  // Busy from this moment, not only once the thread runs: a second start or a close in
  // between must already see the job.
  dlg.m_bJobIdle = 0;
  dlg.m_bJobRun = 1;
  dlg.StartWorker([&dlg] { DeviceSearchThread(&dlg); });
}

void DeviceSearchThread(CMorvaneDlg* dlg) {
  DeviceState& ds = TheDeviceState();
  dlg->m_bJobIdle = 0;
  dlg->SetProgressRange(kAddressCount + 1);
  dlg->SetProgressPos(1);
  dlg->ClearStations();

  std::vector<int> found;
  for (int address = 0; address < kAddressCount && dlg->m_bJobRun; ++address) {
    HartIdentity identity;
    if (HartCmd0(ds, static_cast<uint8_t>(address), identity) == HART_OK) {
      found.push_back(address);
      dlg->AddStation(address);
    }
    dlg->SetProgressPos(address + 2);
  }
  ds.Time().SleepMs(100);
  dlg->SetProgressPos(0);

  if (!found.empty()) {
    // The lowest address that answered becomes the station number.
    dlg->SelectFirstStation();
    TheAppSettings().pollAddress = found.front();
    dlg->ShowMessage("Online " + std::to_string(found.size()) + " Device");
  } else {
    dlg->ShowMessage("No Device");
  }
  dlg->m_bJobRun = 0;
  dlg->m_bJobIdle = 1;
}
