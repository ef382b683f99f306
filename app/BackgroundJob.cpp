#include "BackgroundJob.h"

#include <algorithm>

namespace {
// How often a pause looks at the run flag.
constexpr int kPauseSliceMs = 20;
}  // namespace

BackgroundJob::BackgroundJob(std::atomic<int>& run, std::atomic<int>& idle, Clock& clock)
    : m_run(run), m_idle(idle), m_clock(clock) {
  m_idle = 0;
}

BackgroundJob::~BackgroundJob() {
  m_run = 0;
  m_idle = 1;
}

bool BackgroundJob::Pause(int ms) {
  for (int left = ms; left > 0 && Running(); left -= kPauseSliceMs)
    m_clock.SleepMs(std::min(left, kPauseSliceMs));
  return Running();
}
