// A SerialPort connected to an in-process SimLoop: what the master writes reaches the loop
// at once, and reply pieces become readable at their arrival times on the given clock.
// With a VirtualClock, WaitReadable moves time forward to the next arrival (or the
// deadline), so tests never wait for real. Thread-safe: one mutex guards the port's state
// and its test fields are best touched while no exchange runs.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "Clock.h"
#include "SerialPort.h"
#include "SimLoop.h"

class SimulatedPort final : public SerialPort {
 public:
  SimulatedPort(SimLoop& loop, Clock& clock);

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override;
  bool SetRts(bool on) override;
  bool Purge() override;
  int BytesWaiting() override;
  int Read(uint8_t* buf, int max) override;
  int Write(const uint8_t* buf, int n) override;
  bool WaitReadable(int timeoutMs) override;

  // Test controls and observations.
  bool failOpen = false;    // Open fails (no such port)
  int shortWrites = 0;      // the next N writes report one byte short (and send nothing)
  bool requireRts = false;  // when set, bytes written with RTS off never reach the loop
  std::string openedName;   // the name of the last Open
  int openCount = 0;
  bool rts = false;
  int rtsRaises = 0;
  std::vector<std::vector<uint8_t>> writes;  // every Write, as written

  // Reply bytes scheduled but not read yet (due or not).
  size_t BytesInFlight() const;

 private:
  struct Arrival {
    int64_t atMs;
    std::vector<uint8_t> bytes;
    size_t consumed = 0;
  };
  int DueBytesLocked(int64_t now) const;

  SimLoop& loop_;
  Clock& clock_;
  mutable std::mutex mu_;
  bool open_ = false;
  std::deque<Arrival> queue_;
};
