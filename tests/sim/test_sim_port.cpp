// The in-process port: replies become readable at their arrival times on the port's clock.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "SimTestUtil.h"
#include "SimulatedPort.h"

namespace {

const auto kCmd0 = Hex("FF FF FF FF FF 02 80 00 00 82");

class SimPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = &loop.AddDevice(0);
    ASSERT_TRUE(port.Open("COM3"));
  }
  void Faults(const std::function<void(SimFaults&)>& change) {
    SimFaults f = device->Faults();
    change(f);
    device->SetFaults(f);
  }
  SimLoop loop;
  SimTransmitter* device = nullptr;
  VirtualClock clock;
  SimulatedPort port{loop, clock};
};

TEST_F(SimPortTest, PiecesArriveAtTheirTimesAndWaitReadableAdvancesTheClock) {
  Faults([](SimFaults& f) {
    f.replyDelayMs = 40;
    f.pieceSizes = {10};
    f.pieceGapMs = 100;
  });
  ASSERT_EQ(port.Write(kCmd0.data(), int(kCmd0.size())), int(kCmd0.size()));
  EXPECT_EQ(port.BytesWaiting(), 0);
  EXPECT_EQ(port.BytesInFlight(), 24u);

  clock.Advance(39);
  EXPECT_EQ(port.BytesWaiting(), 0);
  clock.Advance(1);
  EXPECT_EQ(port.BytesWaiting(), 10);

  uint8_t buf[64];
  EXPECT_EQ(port.Read(buf, 4), 4);
  EXPECT_EQ(port.Read(buf, 64), 6);
  // The rest is due at 140: a short wait runs out (and uses its whole time)...
  EXPECT_FALSE(port.WaitReadable(50));
  EXPECT_EQ(clock.NowMs(), 90);
  // ...a longer one jumps straight to the arrival.
  EXPECT_TRUE(port.WaitReadable(1000));
  EXPECT_EQ(clock.NowMs(), 140);
  EXPECT_EQ(port.Read(buf, 64), 14);
  EXPECT_EQ(buf[13], 0x6C);  // check byte of the first command 0 reply of device 0A 00 01
}

TEST_F(SimPortTest, WaitReadableIsImmediateWhenBytesAreWaiting) {
  port.Write(kCmd0.data(), int(kCmd0.size()));
  clock.Advance(100);
  EXPECT_TRUE(port.WaitReadable(1000));
  EXPECT_EQ(clock.NowMs(), 100);
}

TEST_F(SimPortTest, SilentDeviceCostsExactlyTheTimeout) {
  device->SetSilent(true);
  port.Write(kCmd0.data(), int(kCmd0.size()));
  EXPECT_FALSE(port.WaitReadable(250));
  EXPECT_EQ(clock.NowMs(), 250);
}

TEST_F(SimPortTest, ALaterReplyNeverOvertakesAnEarlierOne) {
  Faults([](SimFaults& f) { f.replyDelayMs = 300; });
  port.Write(kCmd0.data(), int(kCmd0.size()));
  Faults([](SimFaults& f) { f.replyDelayMs = 0; });
  port.Write(kCmd0.data(), int(kCmd0.size()));
  EXPECT_EQ(port.BytesWaiting(), 0);
  clock.Advance(300);
  EXPECT_EQ(port.BytesWaiting(), 48);
}

TEST_F(SimPortTest, PurgeDropsRepliesAndAHalfRequest) {
  port.Write(kCmd0.data(), int(kCmd0.size()));
  port.Write(kCmd0.data(), 7);  // half a request
  EXPECT_TRUE(port.Purge());
  clock.Advance(1000);
  EXPECT_EQ(port.BytesWaiting(), 0);
  port.Write(kCmd0.data(), int(kCmd0.size()));
  clock.Advance(1000);
  EXPECT_EQ(port.BytesWaiting(), 24);
}

TEST_F(SimPortTest, OpenFailureShortWritesAndRts) {
  EXPECT_EQ(port.openedName, "COM3");
  port.failOpen = true;
  EXPECT_FALSE(port.Open("COM4"));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.Write(kCmd0.data(), 10), -1);
  EXPECT_EQ(port.BytesWaiting(), -1);
  port.failOpen = false;
  ASSERT_TRUE(port.Open("COM4"));
  EXPECT_EQ(port.openCount, 2);

  port.shortWrites = 1;
  EXPECT_EQ(port.Write(kCmd0.data(), int(kCmd0.size())), 9);
  EXPECT_EQ(port.Write(kCmd0.data(), int(kCmd0.size())), 10);
  EXPECT_EQ(port.writes.size(), 2u);
  EXPECT_EQ(loop.Requests().size(), 1u);  // the short write sent nothing

  port.requireRts = true;
  port.Write(kCmd0.data(), int(kCmd0.size()));
  EXPECT_EQ(loop.Requests().size(), 1u);
  EXPECT_TRUE(port.SetRts(true));
  port.Write(kCmd0.data(), int(kCmd0.size()));
  EXPECT_EQ(loop.Requests().size(), 2u);
  EXPECT_EQ(port.rtsRaises, 1);
}

TEST(SimPortRealClock, WaitsForRealUntilTheReplyArrives) {
  SimLoop loop;
  loop.AddDevice(0);
  RealClock clock;
  SimulatedPort port(loop, clock);
  ASSERT_TRUE(port.Open("COM1"));
  port.Write(kCmd0.data(), int(kCmd0.size()));
  int64_t start = clock.NowMs();
  EXPECT_TRUE(port.WaitReadable(2000));
  EXPECT_GE(clock.NowMs() - start, 19);  // the default 20 ms turnaround
  EXPECT_EQ(port.BytesWaiting(), 24);
}

TEST(SimPortThreads, WorkerAndTestThreadShareThePortAndDevice) {
  SimLoop loop;
  SimTransmitter& d = loop.AddDevice(0);
  VirtualClock clock;
  SimulatedPort port(loop, clock);
  ASSERT_TRUE(port.Open("COM1"));
  std::thread worker([&] {
    uint8_t buf[64];
    for (int i = 0; i < 200; ++i) {
      port.Purge();
      port.Write(kCmd0.data(), int(kCmd0.size()));
      while (port.WaitReadable(100))
        port.Read(buf, 16);
    }
  });
  for (int i = 0; i < 200; ++i) {
    d.SetPressure(i);
    port.BytesWaiting();
  }
  worker.join();
  EXPECT_EQ(d.RequestsHeard(), 200);
}

}  // namespace
