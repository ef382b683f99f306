// A device search over the real POSIX port on a pseudo-terminal, against hart-sim paced at
// the real byte time with a 20 ms device turnaround and one transmitter at polling address
// 0, with each reply time-out. It runs the exchanges "Polling Device" makes, on the link
// directly (the window is not needed for them): command 0 to addresses 0..15, two attempts
// each, and command 13 (two attempts) to the device that answered, for its tag. Printed:
// the search's time in seconds, and its ratio to the floor: each request on the wire, then
// for an answer the turnaround and the reply on the wire, for silence the time-out's wait
// for a reply to start (1250 ms Tolerant, 277 ms HART standard).
#include <benchmark/benchmark.h>

#include <chrono>

#include "../tests/SimProcess.h"
#include "Commands.h"

namespace {

constexpr int kTurnaroundMs = 20;
constexpr int kAddressCount = 16;
constexpr int kSearchAttempts = 2;  // command 0's, and the search's for the tag
constexpr int kTagPackedBytes = 6;

// Adds up the floor of every exchange from the frames as they went both ways.
class FloorCounter final : public LinkObserver {
 public:
  explicit FloorCounter(double silenceMs) : silenceMs_(silenceMs) {}
  void OnFrame(const LinkFrame& frame) override {
    const int bytes = static_cast<int>(frame.bytes.size());
    if (!frame.fromDevice)
      floorMs += WireMs(bytes);
    else if (frame.result == HART_OK)
      floorMs += kTurnaroundMs + WireMs(bytes);
    else
      floorMs += silenceMs_;
  }
  double floorMs = 0;

 private:
  double silenceMs_;
};

void BM_DeviceSearch(benchmark::State& state) {
  const bool standard = state.range(0) != 0;
  SimProcess sim;
  DeviceState ds;
  ds.portNameOverride = sim.link();
  ds.replyTimeout = standard ? ReplyTimeout::HartStandard : ReplyTimeout::Tolerant;
  if (!sim.ready() || !HartOpenPort(ds)) {
    state.SkipWithError("hart-sim's port did not open");
    return;
  }
  FloorCounter floor(standard ? kHartStandardReplyStartMs : 1250);
  ds.observer = &floor;
  double totalMs = 0;
  int found = 0;
  int tags = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (int address = 0; address < kAddressCount; ++address) {
      HartIdentity id{};
      if (HartCmd0(ds, static_cast<uint8_t>(address), id) != HART_OK) continue;
      ++found;
      HartResponse reply;
      if (HartExchange(ds, 13, nullptr, 0, kTagPackedBytes, reply, kSearchAttempts) == HART_OK)
        ++tags;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count() / 1000.0);
    totalMs += took.count();
  }
  ds.observer = nullptr;
  const double iterations = static_cast<double>(state.iterations());
  state.counters["search_s"] = totalMs / iterations / 1000.0;
  state.counters["floor_s"] = floor.floorMs / iterations / 1000.0;
  state.counters["ratio"] = totalMs / floor.floorMs;
  state.counters["found"] = found / iterations;  // 1 when the device answered every search
  state.counters["tags"] = tags / iterations;
  state.SetLabel(standard ? "HART standard" : "Tolerant");
}
BENCHMARK(BM_DeviceSearch)
    ->ArgName("hart_standard")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
