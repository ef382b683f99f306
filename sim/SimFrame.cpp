#include "SimFrame.h"

#include <cstdio>

std::optional<SimRequest> SimRequestReceiver::Feed(uint8_t byte) {
  switch (state_) {
    case State::kHunt:
      if (byte == 0xFF) {
        ++preambles_;
      } else if (preambles_ >= 2 && (byte == 0x02 || byte == 0x82)) {
        current_ = SimRequest{};
        current_.longFrame = (byte & 0x80) != 0;
        current_.frame.push_back(byte);
        addressLen_ = current_.longFrame ? 5 : 1;
        state_ = State::kAddress;
      } else {
        preambles_ = 0;
      }
      return std::nullopt;
    case State::kAddress: {
      size_t i = current_.frame.size() - 1;
      current_.address[i] = byte;
      current_.frame.push_back(byte);
      if (i + 1 == addressLen_) state_ = State::kCommand;
      return std::nullopt;
    }
    case State::kCommand:
      current_.command = byte;
      current_.frame.push_back(byte);
      state_ = State::kCount;
      return std::nullopt;
    case State::kCount:
      byteCount_ = byte;
      current_.frame.push_back(byte);
      state_ = byteCount_ == 0 ? State::kCheck : State::kData;
      return std::nullopt;
    case State::kData:
      current_.data.push_back(byte);
      current_.frame.push_back(byte);
      if (current_.data.size() == byteCount_) state_ = State::kCheck;
      return std::nullopt;
    case State::kCheck: {
      current_.checkOk = XorOf(current_.frame.data(), current_.frame.size()) == byte;
      current_.frame.push_back(byte);
      SimRequest done = std::move(current_);
      Reset();
      return done;
    }
  }
  return std::nullopt;
}

void SimRequestReceiver::Reset() {
  state_ = State::kHunt;
  preambles_ = 0;
  current_ = SimRequest{};
}

uint8_t XorOf(const uint8_t* bytes, size_t n) {
  uint8_t x = 0;
  for (size_t i = 0; i < n; ++i)
    x ^= bytes[i];
  return x;
}

std::vector<uint8_t> BuildAckFrame(int preambles, bool longFrame, const uint8_t* address,
                                   uint8_t command, uint8_t responseCode, uint8_t deviceStatus,
                                   const std::vector<uint8_t>& data, bool corruptCheck) {
  std::vector<uint8_t> out(size_t(preambles > 0 ? preambles : 0), 0xFF);
  size_t start = out.size();
  out.push_back(longFrame ? 0x86 : 0x06);
  out.insert(out.end(), address, address + (longFrame ? 5 : 1));
  out.push_back(command);
  out.push_back(uint8_t(data.size() + 2));
  out.push_back(responseCode);
  out.push_back(deviceStatus);
  out.insert(out.end(), data.begin(), data.end());
  uint8_t check = XorOf(out.data() + start, out.size() - start);
  out.push_back(corruptCheck ? uint8_t(check ^ 0x5A) : check);
  return out;
}

std::string HexBytes(const std::vector<uint8_t>& bytes) {
  std::string s;
  char b[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(b, sizeof b, i ? " %02X" : "%02X", bytes[i]);
    s += b;
  }
  return s;
}

std::string DescribeFrame(const std::vector<uint8_t>& bytes) {
  size_t i = 0;
  size_t preambles = 0;
  // Find the first delimiter after at least two preambles.
  for (; i < bytes.size(); ++i) {
    if (bytes[i] == 0xFF) {
      ++preambles;
      continue;
    }
    uint8_t d = bytes[i];
    bool delimiter = d == 0x02 || d == 0x82 || d == 0x06 || d == 0x86 || d == 0x01 || d == 0x81;
    if ((preambles >= 2 || i == 0) && delimiter) break;
    preambles = 0;
  }
  if (i >= bytes.size()) return "no frame";
  uint8_t d = bytes[i];
  bool isLong = (d & 0x80) != 0;
  size_t addrLen = isLong ? 5 : 1;
  const char* kind = (d & 0x07) == 2 ? "REQ" : (d & 0x07) == 6 ? "ACK" : "BURST";
  if (bytes.size() < i + 1 + addrLen + 2) return std::string(kind) + " (truncated)";
  const uint8_t* a = &bytes[i + 1];
  char buf[160];
  int n;
  if (isLong)
    n = std::snprintf(buf, sizeof buf, "%s long %s%02X:%02X:%02X%02X%02X", kind,
                      (a[0] & 0x80) ? "M1 " : "M0 ", a[0] & 0x3F, a[1], a[2], a[3], a[4]);
  else
    n = std::snprintf(buf, sizeof buf, "%s short %spoll %d", kind, (a[0] & 0x80) ? "M1 " : "M0 ",
                      a[0] & 0x0F);
  size_t c = i + 1 + addrLen;
  uint8_t cmd = bytes[c];
  uint8_t bc = bytes[c + 1];
  n += std::snprintf(buf + n, sizeof buf - size_t(n), " cmd %u bc %u", cmd, bc);
  if ((d & 0x07) != 2 && bytes.size() >= c + 4)
    std::snprintf(buf + n, sizeof buf - size_t(n), " rc %u st 0x%02X", bytes[c + 2], bytes[c + 3]);
  return buf;
}
