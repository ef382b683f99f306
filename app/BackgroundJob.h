// A background job's hold on its pair of job flags: the run flag that asks it to go on and
// the idle flag that tells the window no job runs. Made at the start of the job's worker,
// it keeps the idle flag at 0 for as long as it lives and clears the run flag and sets the
// idle flag again on every way out. Its pauses end as soon as the run flag drops, so Stop,
// a tree click or closing the window take effect within one exchange.
#pragma once

#include <atomic>

#include "Clock.h"

class BackgroundJob {
 public:
  BackgroundJob(std::atomic<int>& run, std::atomic<int>& idle, Clock& clock);
  ~BackgroundJob();
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  // The run flag is still set.
  bool Running() const { return m_run.load() != 0; }
  // Waits `ms` on the clock, or less once the run flag drops; true while the job goes on.
  bool Pause(int ms);

 private:
  std::atomic<int>& m_run;
  std::atomic<int>& m_idle;
  Clock& m_clock;
};
