// The round trip of command 1 through the real POSIX port over a pseudo-terminal, against
// hart-sim paced at the real byte time with a 20 ms device turnaround. Reported as a ratio
// to the wire floor: the link's send wait, the turnaround and the reply bytes on the wire.
#include <benchmark/benchmark.h>

#include <chrono>

#include "../tests/SimProcess.h"
#include "Commands.h"

namespace {

constexpr int kTurnaroundMs = 20;

void BM_Command1RoundTrip(benchmark::State& state) {
  SimProcess sim;
  DeviceState ds;
  ds.portNameOverride = sim.link();
  HartIdentity id{};
  if (!sim.ready() || !HartOpenPort(ds) || HartCmd0(ds, 0, id) != HART_OK) {
    state.SkipWithError("hart-sim did not answer");
    return;
  }
  // Request: 5 preambles + 8 header + check = 14 bytes. Reply: 5 preambles + delimiter,
  // 5 address, command, byte count, 2 status, 5 data, check = 21 bytes.
  const double floorMs = HartSendWaitMs(14) + kTurnaroundMs + WireMs(21);
  double totalMs = 0;
  int failures = 0;
  for (auto _ : state) {
    HartPvReading pv{};
    const auto start = std::chrono::steady_clock::now();
    if (HartCmd1(ds, pv) != HART_OK) ++failures;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(took.count() / 1000.0);
    totalMs += took.count();
  }
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["mean_ms"] = meanMs;
  state.counters["floor_ms"] = floorMs;
  state.counters["ratio"] = meanMs / floorMs;
  state.counters["failures"] = failures;
}
BENCHMARK(BM_Command1RoundTrip)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
