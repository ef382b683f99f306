// The round trip of command 1 through the real POSIX port over a pseudo-terminal, against
// hart-sim paced at the real byte time with a 20 ms device turnaround. Reported as a ratio
// to the wire floor: the request bytes on the wire, the turnaround and the reply bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "../tests/SimProcess.h"
#include "Commands.h"

namespace {

constexpr int kTurnaroundMs = 20;

// Opens the simulator's port and identifies the device at address 0.
bool Connect(SimProcess& sim, DeviceState& ds, benchmark::State& state) {
  ds.portNameOverride = sim.link();
  HartIdentity id{};
  if (sim.ready() && HartOpenPort(ds) && HartCmd0(ds, 0, id) == HART_OK) return true;
  state.SkipWithError("hart-sim did not answer");
  return false;
}

void Report(benchmark::State& state, double totalMs, double floorMs, int failures) {
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["mean_ms"] = meanMs;
  state.counters["floor_ms"] = floorMs;
  state.counters["ratio"] = meanMs / floorMs;
  state.counters["failures"] = failures;
}

void BM_Command1RoundTrip(benchmark::State& state) {
  SimProcess sim;
  DeviceState ds;
  if (!Connect(sim, ds, state)) return;
  // Request: 5 preambles + 8 header + check = 14 bytes. Reply: 5 preambles + delimiter,
  // 5 address, command, byte count, 2 status, 5 data, check = 21 bytes.
  const double floorMs = WireMs(14) + kTurnaroundMs + WireMs(21);
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
  Report(state, totalMs, floorMs, failures);
}
BENCHMARK(BM_Command1RoundTrip)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// Reading the whole 2000-byte configuration image: 250 blocks of command 245, as the
// upload does. Floor per block: the 15-byte request on the wire, the turnaround and the
// 25-byte reply (5 preambles, 10 bytes of header and status, 9 data bytes, check byte).
void BM_ConfigurationUpload(benchmark::State& state) {
  SimProcess sim;
  DeviceState ds;
  if (!Connect(sim, ds, state)) return;
  constexpr int kBlocks = 250;
  const double floorMs = kBlocks * (WireMs(15) + kTurnaroundMs + WireMs(25));
  double totalMs = 0;
  int failures = 0;
  for (auto _ : state) {
    uint8_t image[kBlocks * 8];
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kBlocks; ++k) {
      HartResponse reply;
      const uint8_t index = static_cast<uint8_t>(k);
      if (HartExchange(ds, 245, &index, 1, 9, reply) != HART_OK) ++failures;
      std::memcpy(image + 8 * k, reply.data + 1, 8);
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    benchmark::DoNotOptimize(image);
    state.SetIterationTime(took.count() / 1000.0);
    totalMs += took.count();
  }
  Report(state, totalMs, floorMs, failures);
}
BENCHMARK(BM_ConfigurationUpload)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
