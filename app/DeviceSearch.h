// Finding the device to talk to: a search of polling addresses 0..15 on a worker thread
// that fills the station-number box with the devices that answer, their tags with them, and
// ends in a window listing what it found.
#pragma once

#include <string>
#include <vector>

#include "Commands.h"

class BackgroundJob;
class CMorvaneDlg;

// A device that answered command 0, as the search saw it.
struct FoundDevice {
  int address = 0;
  std::string tag;  // command 13's, trailing blanks cut; empty when it did not answer
  HartIdentity identity{};
};

// What a search found, in ascending address order, and whether it ran to the last address.
struct SearchOutcome {
  std::vector<FoundDevice> devices;
  bool stopped = false;
  int stoppedAt = 0;  // when stopped: the address it last asked

  // "Online 3 Device", "No Device", or where it stopped and what it had found by then.
  std::string Verdict() const;
};

// On the UI thread: asks "Online Device Searching?" first when `askFirst`, refuses while a
// job runs, opens the port and starts DeviceSearchThread as a background job; returns at once.
void StartDeviceSearch(CMorvaneDlg& dlg, bool askFirst);

// The worker: command 0 to each address while the job runs, command 13 to each device that
// answered for its tag, then the outcome goes to the window (CMorvaneDlg::ShowSearchResults);
// with nothing found, or while the window closes, the verdict is a message instead.
void DeviceSearchThread(CMorvaneDlg& dlg, BackgroundJob& job);
