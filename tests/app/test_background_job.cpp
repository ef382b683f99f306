// The hold a background job has on its flags, and its pauses.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "BackgroundJob.h"

namespace {

// A clock on which somebody presses Stop after `stopAfterMs` of pausing.
class StoppingClock final : public Clock {
 public:
  StoppingClock(std::atomic<int>& run, int64_t stopAfterMs) : run_(run), stopAt_(stopAfterMs) {}
  int64_t NowMs() override { return now_; }
  void SleepMs(int64_t ms) override {
    now_ += ms;
    if (now_ >= stopAt_) run_ = 0;
  }

 private:
  std::atomic<int>& run_;
  int64_t stopAt_;
  int64_t now_ = 0;
};

TEST(BackgroundJobTest, HoldsTheFlagsAndGivesThemBackOnEveryWayOut) {
  std::atomic<int> run{1}, idle{1};
  StoppingClock clock(run, 1000000);
  {
    BackgroundJob job(run, idle, clock);
    EXPECT_EQ(idle.load(), 0);
    EXPECT_TRUE(job.Running());
    EXPECT_TRUE(job.Pause(300));
    EXPECT_EQ(clock.NowMs(), 300);
  }
  EXPECT_EQ(run.load(), 0);
  EXPECT_EQ(idle.load(), 1);

  run = 1;
  EXPECT_THROW(
      {
        BackgroundJob job(run, idle, clock);
        throw std::runtime_error("the job failed");
      },
      std::runtime_error);
  EXPECT_EQ(run.load(), 0);
  EXPECT_EQ(idle.load(), 1);
}

TEST(BackgroundJobTest, APauseEndsSoonAfterTheRunFlagDrops) {
  std::atomic<int> run{1}, idle{1};
  StoppingClock clock(run, 30);  // Stop pressed 30 ms into a 500 ms pause
  BackgroundJob job(run, idle, clock);
  EXPECT_FALSE(job.Pause(500));
  EXPECT_LE(clock.NowMs(), 40);
  EXPECT_FALSE(job.Pause(300));  // stopped: no more waiting
  EXPECT_LE(clock.NowMs(), 40);
}

}  // namespace
