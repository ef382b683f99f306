#include "TestPort.h"

#include <QTest>

int Command0Address(const uint8_t* bytes, int n) {
  int i = 0;
  while (i < n && bytes[i] == 0xFF)
    ++i;
  // Short master frame: 02, address (master bit 0x80), command, byte count, check.
  if (i + 2 >= n || bytes[i] != 0x02 || bytes[i + 2] != 0) return -1;
  return bytes[i + 1] & 0x3F;
}

void TestPort::HoldCommand0To(int address) {
  std::lock_guard<std::mutex> lock(mu_);
  holdAddress_ = address;
  held_ = false;
  released_ = false;
}

bool TestPort::WaitUntilHeld() {
  return QTest::qWaitFor(
      [this] {
        std::lock_guard<std::mutex> lock(mu_);
        return held_;
      },
      10000);
}

void TestPort::Release() {
  std::lock_guard<std::mutex> lock(mu_);
  released_ = true;
  cv_.notify_all();
}

int TestPort::Write(const uint8_t* buf, int n) {
  {
    std::unique_lock<std::mutex> lock(mu_);
    if (holdAddress_ >= 0 && Command0Address(buf, n) == holdAddress_) {
      holdAddress_ = -1;
      held_ = true;
      cv_.notify_all();
      cv_.wait(lock, [this] { return released_; });
    }
  }
  return sim_->Write(buf, n);
}
