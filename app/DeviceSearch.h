// Finding the device to talk to: a search of polling addresses 0..15 on a worker thread
// that fills the station-number box with the addresses that answer.
#pragma once

class BackgroundJob;
class CMorvaneDlg;

// On the UI thread: asks "Online Device Searching?" first when `askFirst`, refuses while a
// job runs, opens the port and starts DeviceSearchThread as a background job; returns at once.
void StartDeviceSearch(CMorvaneDlg& dlg, bool askFirst);

// The worker: command 0 to each address while the job runs, then the result: "Online %d
// Device" or "No Device" after the last address, or where it stopped and what it had found
// when it was stopped before.
void DeviceSearchThread(CMorvaneDlg& dlg, BackgroundJob& job);
