#include "ConnectionTest.h"

#include "Encoding.h"

namespace {

// Command 13's reply opens with the tag: 8 characters in 6 bytes of packed ASCII.
constexpr int kTagChars = 8;
constexpr int kTagPackedBytes = 6;
// The device has just answered command 0: two tries are enough for its name.
constexpr int kTagAttempts = 2;

std::string ReadTag(DeviceState& ds) {
  HartResponse reply;
  if (HartExchange(ds, 13, nullptr, 0, kTagPackedBytes, reply, kTagAttempts) != HART_OK) return {};
  char text[kTagChars + 1] = {};
  UnpackAscii(reply.data, text, kTagPackedBytes);
  std::string tag(text);
  tag.erase(tag.find_last_not_of(' ') + 1);
  return tag;
}

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
    if (!stop) outcome.tag = ReadTag(ds);
  }
  HartClosePort(ds);
  return outcome;
}
