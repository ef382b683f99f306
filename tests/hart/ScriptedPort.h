// A port that answers each written frame with a scripted reply, on a virtual clock: the
// bytes of a reply become readable at their given delays after the write.
#pragma once

#include <deque>
#include <vector>

#include "Clock.h"
#include "HexBytes.h"
#include "SerialPort.h"

struct ScriptedPiece {
  int delayMs;
  std::vector<uint8_t> bytes;
};
using ScriptedReply = std::vector<ScriptedPiece>;  // empty: the device stays silent

class ScriptedPort final : public SerialPort {
 public:
  explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}

  bool Open(const std::string& name) override {
    openedName = name;
    open_ = !failOpen;
    return open_;
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool SetRts(bool on) override {
    rtsLog.push_back({on, clock_.NowMs()});
    return true;
  }
  bool Purge() override {
    ++purges;
    pending_.clear();
    arrived_.clear();
    return true;
  }
  int BytesWaiting() override {
    Deliver();
    return static_cast<int>(arrived_.size());
  }
  int Read(uint8_t* buf, int max) override {
    Deliver();
    int n = 0;
    while (n < max && !arrived_.empty()) {
      buf[n++] = arrived_.front();
      arrived_.pop_front();
    }
    readSizes.push_back(n);
    return n;
  }
  int Write(const uint8_t* buf, int n) override {
    writes.emplace_back(buf, buf + n);
    writeTimes.push_back(clock_.NowMs());
    if (shortWrites > 0) {
      --shortWrites;
      return n - 1;
    }
    if (!replies.empty()) {
      for (const ScriptedPiece& p : replies.front())
        pending_.push_back({clock_.NowMs() + p.delayMs, p.bytes});
      replies.pop_front();
    }
    return n;
  }
  bool WaitReadable(int timeoutMs) override {
    if (BytesWaiting() > 0) return true;
    const int64_t deadline = clock_.NowMs() + timeoutMs;
    for (const Pending& p : pending_) {
      if (p.at <= deadline) {
        clock_.AdvanceTo(p.at);
        return true;
      }
    }
    clock_.AdvanceTo(deadline);
    return false;
  }

  // Script and observations.
  std::deque<ScriptedReply> replies;  // one per written frame, in order
  bool failOpen = false;
  int shortWrites = 0;
  std::string openedName;
  std::vector<std::vector<uint8_t>> writes;
  std::vector<int64_t> writeTimes;
  std::vector<std::pair<bool, int64_t>> rtsLog;
  std::vector<int> readSizes;
  int purges = 0;

 private:
  struct Pending {
    int64_t at;
    std::vector<uint8_t> bytes;
  };
  void Deliver() {
    while (!pending_.empty() && pending_.front().at <= clock_.NowMs()) {
      arrived_.insert(arrived_.end(), pending_.front().bytes.begin(), pending_.front().bytes.end());
      pending_.pop_front();
    }
  }

  VirtualClock& clock_;
  bool open_ = false;
  std::deque<Pending> pending_;
  std::deque<uint8_t> arrived_;
};

// An acknowledge frame: `preambles` x FF, then `body` (delimiter through data) and its
// check byte, the exclusive-or of the body worked out here independently of the link.
inline std::vector<uint8_t> Ack(int preambles, const char* body) {
  std::vector<uint8_t> out(static_cast<size_t>(preambles), 0xFF);
  uint8_t check = 0;
  for (uint8_t b : Hex(body)) {
    out.push_back(b);
    check ^= b;
  }
  out.push_back(check);
  return out;
}
