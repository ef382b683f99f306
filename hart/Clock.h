// The one clock every wait of the program goes through: the send wait, the reply
// allowance, the 100 ms pauses, the worker periods. Tests install a VirtualClock, so a
// silent device or a full device search costs no real time.
#pragma once

#include <atomic>
#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary origin; never goes backwards.
  virtual int64_t NowMs() = 0;
  virtual void SleepMs(int64_t ms) = 0;
};

// Wall time: steady_clock and this_thread::sleep_for.
class RealClock final : public Clock {
 public:
  int64_t NowMs() override;
  void SleepMs(int64_t ms) override;
};

// Time that moves only when somebody sleeps (or a simulated port waits). Safe to share
// between threads: every sleeper pushes the common time forward by its own pause.
class VirtualClock final : public Clock {
 public:
  int64_t NowMs() override { return now_.load(); }
  void SleepMs(int64_t ms) override { Advance(ms); }
  void Advance(int64_t ms) {
    if (ms > 0) now_.fetch_add(ms);
  }
  // Moves time forward to `t` if it is still earlier.
  void AdvanceTo(int64_t t);

 private:
  std::atomic<int64_t> now_{0};
};

// The clock of the process (a RealClock unless a test or tool installed another).
Clock& TheClock();
void SetTheClock(Clock* clock);  // nullptr restores the real clock
