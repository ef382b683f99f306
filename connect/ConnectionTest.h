// The Default Parameters dialog's Test: command 0 to one polling address through a link the
// caller set up (its own DeviceState, not the main window's), then command 13 for the tag.
// Runs on a worker thread; it opens the port, exchanges and closes the port again.
#pragma once

#include <atomic>
#include <string>

#include "Commands.h"
#include "HartLink.h"
#include "LinkChoice.h"

struct ConnectionTestOutcome {
  enum class Kind { Answered, PortFailed, NoDevice };
  Kind kind = Kind::NoDevice;
  std::string portReason;  // PortFailed: the port's own words, when it gave any
  HartIdentity identity{};
  std::string tag;  // Answered: trailing blanks dropped; empty when command 13 gave none
};

// Points `ds` at the chosen connection (a COM port, a path or a HART-IP text) with the
// chosen reply time-out; the port backend is left to HartOpenPort unless one is installed.
void AimTestLink(DeviceState& ds, const LinkChoice& choice, ReplyTimeout replyTimeout);

// Opens ds's port, asks `pollAddress` with command 0 and, when it answers, command 13;
// `stop` set (the dialog is closing) skips what has not started. The port is closed after.
ConnectionTestOutcome RunConnectionTest(DeviceState& ds, int pollAddress,
                                        const std::atomic<bool>& stop);
