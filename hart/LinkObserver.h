// What the link tells about its traffic: every frame it writes and whatever comes back,
// for the status panes, the communication log and the capture files. One observer is
// installed on a DeviceState before traffic starts; it is called on the thread that runs
// the exchange, with the link's lock held, so it must be quick and never use the link.
#pragma once

#include <cstdint>
#include <vector>

struct HartResponse;

struct LinkFrame {
  bool fromDevice = false;     // false: a request written; true: what the device sent back
  int64_t timeUs = 0;          // wall clock, microseconds since 1970
  std::vector<uint8_t> bytes;  // as on the wire, preambles included; empty when silent
  // Request: HART_OK or HART_WRITE_FAILED. Reply: HART_OK, HART_BAD_CHECKSUM or
  // HART_NO_REPLY (silence, bytes that never made a frame, or only frames that did not
  // answer the request).
  int result = 0;
  // The parsed reply when `result` is HART_OK, else null. Valid during the call only.
  const HartResponse* reply = nullptr;
  // Reply: where in `bytes` the frame taken as the answer starts (its delimiter), -1 when
  // none was; and how many frames that did not answer the request (another command, another
  // device, another master) came and were skipped.
  int replyAt = -1;
  int skippedFrames = 0;
};

class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  virtual void OnFrame(const LinkFrame& frame) = 0;
};

// Microseconds since 1970 by the system clock: the time stamp of a frame.
int64_t WallClockMicros();
