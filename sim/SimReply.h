// A piece of a device's reply as it reaches the master.
#pragma once

#include <cstdint>
#include <vector>

// Reply bytes and the milliseconds after the end of the request at which they arrive.
struct SimReplyPiece {
  int delayMs = 0;
  std::vector<uint8_t> bytes;
};
