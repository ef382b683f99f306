// HART frames as a field device sees them.
//
// A master's request, after at least two 0xFF preambles:
//   02 <addr> <cmd> <bc> <data...> <chk>                     short frame, addr = master<<7 | poll
//   82 <a0 a1 a2 a3 a4> <cmd> <bc> <data...> <chk>           long frame, a0 = master<<7 | burst<<6
//   |
//                                                            manufacturer & 0x3F
// The device's acknowledge: the same with delimiter 06 / 86 and the byte count covering the
// two status bytes (response code, device status) ahead of the data. The check byte is the
// exclusive-or of everything from the delimiter through the last data byte:
//   FF FF FF FF FF 02 80 00 00 82   command 0 to polling address 0 from the primary master.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FrameText.h"

struct SimRequest {
  bool longFrame = false;
  uint8_t address[5] = {};  // short frame: address[0] only, as sent
  uint8_t command = 0;
  std::vector<uint8_t> data;
  bool checkOk = true;
  std::vector<uint8_t> frame;  // delimiter through check byte

  uint8_t PollingAddress() const { return address[0] & 0x0F; }
  // The all-zero long address (master and burst bits aside).
  bool IsBroadcast() const {
    return longFrame && (address[0] & 0x3F) == 0 && address[1] == 0 && address[2] == 0 &&
           address[3] == 0 && address[4] == 0;
  }
};

// Finds master request frames in a byte stream that may arrive in any split. Frames of other
// kinds (acknowledges 06/86, bursts 01/81) are skipped like noise.
class SimRequestReceiver {
 public:
  // Takes one byte; returns a request when it completed one.
  std::optional<SimRequest> Feed(uint8_t byte);
  void Reset();
  bool Idle() const { return state_ == State::kHunt && preambles_ == 0; }

 private:
  enum class State { kHunt, kAddress, kCommand, kCount, kData, kCheck };
  State state_ = State::kHunt;
  int preambles_ = 0;
  size_t addressLen_ = 0;
  uint8_t byteCount_ = 0;
  SimRequest current_;
};

uint8_t XorOf(const uint8_t* bytes, size_t n);

// An acknowledge frame: `preambles` 0xFF, delimiter, the address bytes as given, command,
// byte count (data + 2), response code, device status, data, check byte (wrong on purpose
// when `corruptCheck`).
std::vector<uint8_t> BuildAckFrame(int preambles, bool longFrame, const uint8_t* address,
                                   uint8_t command, uint8_t responseCode, uint8_t deviceStatus,
                                   const std::vector<uint8_t>& data, bool corruptCheck = false);
