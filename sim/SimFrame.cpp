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
