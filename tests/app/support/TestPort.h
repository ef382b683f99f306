// The port the GUI tests give the link: a SimulatedPort on the test's loop and virtual
// clock, which can hold the writer of command 0 to one polling address until the test
// lets it go, so a test can act at a known point of a device search.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "SimulatedPort.h"

class TestPort final : public SerialPort {
 public:
  TestPort(SimLoop& loop, Clock& clock) : sim_(std::make_unique<SimulatedPort>(loop, clock)) {}

  SimulatedPort& Sim() { return *sim_; }

  // The next command 0 written to `address` waits in Write until Release().
  void HoldCommand0To(int address);
  // Waits (in real time, pumping the UI) until the writer is held; false after 10 s.
  bool WaitUntilHeld();
  void Release();

  bool Open(const std::string& name) override { return sim_->Open(name); }
  void Close() override { sim_->Close(); }
  bool IsOpen() const override { return sim_->IsOpen(); }
  bool SetRts(bool on) override { return sim_->SetRts(on); }
  bool Purge() override { return sim_->Purge(); }
  int BytesWaiting() override { return sim_->BytesWaiting(); }
  int Read(uint8_t* buf, int max) override { return sim_->Read(buf, max); }
  int Write(const uint8_t* buf, int n) override;
  bool WaitReadable(int timeoutMs) override { return sim_->WaitReadable(timeoutMs); }

 private:
  std::unique_ptr<SimulatedPort> sim_;
  std::mutex mu_;
  std::condition_variable cv_;
  int holdAddress_ = -1;
  bool held_ = false;
  bool released_ = false;
};

// The polling address of a short command 0 frame (preambles first), or -1.
int Command0Address(const uint8_t* bytes, int n);
