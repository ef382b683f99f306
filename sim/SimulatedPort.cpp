#include "SimulatedPort.h"

#include <algorithm>

namespace {
constexpr int64_t kRealWaitStepMs = 2;
}

SimulatedPort::SimulatedPort(SimLoop& loop, Clock& clock) : loop_(loop), clock_(clock) {}

bool SimulatedPort::Open(const std::string& name) {
  std::lock_guard lock(mu_);
  open_ = false;
  queue_.clear();
  if (failOpen) return false;
  open_ = true;
  openedName = name;
  ++openCount;
  return true;
}

void SimulatedPort::Close() {
  std::lock_guard lock(mu_);
  open_ = false;
  queue_.clear();
}

bool SimulatedPort::IsOpen() const {
  std::lock_guard lock(mu_);
  return open_;
}

bool SimulatedPort::SetRts(bool on) {
  std::lock_guard lock(mu_);
  if (!open_) return false;
  rts = on;
  if (on) ++rtsRaises;
  return true;
}

bool SimulatedPort::Purge() {
  std::lock_guard lock(mu_);
  if (!open_) return false;
  queue_.clear();
  loop_.ResetReceiver();
  return true;
}

int SimulatedPort::DueBytesLocked(int64_t now) const {
  int n = 0;
  for (const Arrival& a : queue_) {
    if (a.atMs > now) break;  // bytes arrive in order: nothing behind a late piece is due
    n += int(a.bytes.size() - a.consumed);
  }
  return n;
}

int SimulatedPort::BytesWaiting() {
  std::lock_guard lock(mu_);
  if (!open_) return -1;
  return DueBytesLocked(clock_.NowMs());
}

int SimulatedPort::Read(uint8_t* buf, int max) {
  std::lock_guard lock(mu_);
  if (!open_) return -1;
  const int64_t now = clock_.NowMs();
  int got = 0;
  while (got < max && !queue_.empty() && queue_.front().atMs <= now) {
    Arrival& a = queue_.front();
    size_t take = std::min(size_t(max - got), a.bytes.size() - a.consumed);
    std::copy_n(a.bytes.begin() + long(a.consumed), take, buf + got);
    a.consumed += take;
    got += int(take);
    if (a.consumed == a.bytes.size()) queue_.pop_front();
  }
  return got;
}

int SimulatedPort::Write(const uint8_t* buf, int n) {
  std::lock_guard lock(mu_);
  if (!open_ || n < 0) return -1;
  writes.emplace_back(buf, buf + n);
  if (shortWrites > 0 && n > 0) {
    --shortWrites;
    return n - 1;
  }
  if (requireRts && !rts) return n;
  const int64_t now = clock_.NowMs();
  int64_t last = queue_.empty() ? now : queue_.back().atMs;
  for (SimReplyPiece& piece : loop_.Receive(buf, size_t(n))) {
    // One line: a piece never overtakes the bytes ahead of it.
    last = std::max(last, now + piece.delayMs);
    queue_.push_back({last, std::move(piece.bytes)});
  }
  return n;
}

bool SimulatedPort::WaitReadable(int timeoutMs) {
  std::unique_lock lock(mu_);
  if (!open_) return false;
  const int64_t deadline = clock_.NowMs() + std::max(timeoutMs, 0);
  if (auto* virtualClock = dynamic_cast<VirtualClock*>(&clock_)) {
    if (DueBytesLocked(virtualClock->NowMs()) > 0) return true;
    if (!queue_.empty() && queue_.front().atMs <= deadline) {
      virtualClock->AdvanceTo(queue_.front().atMs);
      return true;
    }
    virtualClock->AdvanceTo(deadline);
    return false;
  }
  for (;;) {
    const int64_t now = clock_.NowMs();
    if (DueBytesLocked(now) > 0) return true;
    if (now >= deadline) return false;
    lock.unlock();
    clock_.SleepMs(std::min(kRealWaitStepMs, deadline - now));
    lock.lock();
    if (!open_) return false;
  }
}

size_t SimulatedPort::BytesInFlight() const {
  std::lock_guard lock(mu_);
  size_t n = 0;
  for (const Arrival& a : queue_)
    n += a.bytes.size() - a.consumed;
  return n;
}
