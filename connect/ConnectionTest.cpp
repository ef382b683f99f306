#include "ConnectionTest.h"

namespace {

// The device has just answered command 0: two tries are enough for its name.
constexpr int kTagAttempts = 2;

}  // namespace

void AimTestLink(DeviceState& ds, const LinkChoice& choice, ReplyTimeout replyTimeout) {
  std::lock_guard<std::mutex> hold(ds.lock);
  ds.portIndex = choice.portIndex;
  ds.portNameOverride = LinkText(choice);
  ds.replyTimeout = replyTimeout;
  ds.request = HartStartRequest();
}

ConnectionTestOutcome RunConnectionTest(DeviceState& ds, int pollAddress,
                                        const std::atomic<bool>& stop) {
  ConnectionTestOutcome outcome;
  if (stop) return outcome;
  if (!HartOpenPort(ds)) {
    outcome.kind = ConnectionTestOutcome::Kind::PortFailed;
    std::lock_guard<std::mutex> hold(ds.lock);
    if (ds.port) outcome.portReason = ds.port->LastError();
    return outcome;
  }
  if (HartCmd0(ds, static_cast<uint8_t>(pollAddress), outcome.identity) == HART_OK) {
    outcome.kind = ConnectionTestOutcome::Kind::Answered;
    if (!stop) HartReadTag(ds, outcome.tag, kTagAttempts);
  }
  HartClosePort(ds);
  return outcome;
}
