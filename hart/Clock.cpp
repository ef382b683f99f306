#include "Clock.h"

#include <chrono>
#include <thread>

int64_t RealClock::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void RealClock::SleepMs(int64_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void VirtualClock::AdvanceTo(int64_t t) {
  int64_t now = now_.load();
  while (now < t && !now_.compare_exchange_weak(now, t)) {
  }
}

namespace {
RealClock g_realClock;
std::atomic<Clock*> g_clock{&g_realClock};
}  // namespace

Clock& TheClock() {
  return *g_clock.load();
}

void SetTheClock(Clock* clock) {
  g_clock.store(clock ? clock : &g_realClock);
}
