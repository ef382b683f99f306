// Helpers of the simulator tests: byte vectors written as hex text, and one request put on
// a loop with the reply pieces joined.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HexBytes.h"
#include "SimBytes.h"
#include "SimLoop.h"

inline std::vector<uint8_t> Joined(const std::vector<SimReplyPiece>& pieces) {
  std::vector<uint8_t> out;
  for (const SimReplyPiece& p : pieces)
    out.insert(out.end(), p.bytes.begin(), p.bytes.end());
  return out;
}

// A float as a request's four data bytes.
inline std::vector<uint8_t> F(float v) {
  std::vector<uint8_t> b(4);
  simbytes::PutF32BE(b.data(), v);
  return b;
}

inline std::vector<uint8_t> Send(SimLoop& loop, const std::vector<uint8_t>& request) {
  return Joined(loop.Receive(request.data(), request.size()));
}

// A long-frame request with 5 preambles to manufacturer 0x26, type 0x05, id `id`, check
// byte computed here (the tests that pin the check byte spell whole frames out instead).
inline std::vector<uint8_t> LongRequest(uint32_t id, uint8_t command,
                                        const std::vector<uint8_t>& data = {}) {
  std::vector<uint8_t> f = {0xFF,
                            0xFF,
                            0xFF,
                            0xFF,
                            0xFF,
                            0x82,
                            0xA6,
                            0x05,
                            uint8_t(id >> 16),
                            uint8_t(id >> 8),
                            uint8_t(id),
                            command,
                            uint8_t(data.size())};
  f.insert(f.end(), data.begin(), data.end());
  uint8_t x = 0;
  for (size_t i = 5; i < f.size(); ++i)
    x ^= f[i];
  f.push_back(x);
  return f;
}

// The data bytes of the one acknowledge frame in `reply` (after 5 preambles, long frame).
struct Ack {
  uint8_t command = 0;
  uint8_t code = 0;
  uint8_t status = 0;
  std::vector<uint8_t> data;
  bool checkOk = false;
};
inline Ack ParseLongAck(const std::vector<uint8_t>& reply) {
  Ack a;
  size_t i = 0;
  while (i < reply.size() && reply[i] == 0xFF)
    ++i;
  if (i + 10 > reply.size() || reply[i] != 0x86) return a;
  a.command = reply[i + 6];
  size_t bc = reply[i + 7];
  if (i + 8 + bc + 1 > reply.size()) return a;
  a.code = reply[i + 8];
  a.status = reply[i + 9];
  a.data.assign(reply.begin() + long(i + 10), reply.begin() + long(i + 8 + bc));
  uint8_t x = 0;
  for (size_t k = i; k < i + 8 + bc; ++k)
    x ^= reply[k];
  a.checkOk = x == reply[i + 8 + bc];
  return a;
}
