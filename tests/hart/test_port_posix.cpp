// The termios port against a real pseudo-terminal pair: the test holds the master side and
// plays the modem; the port opens the slave side by path or through a COMn link.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ParityMarkDecoder.h"
#include "SerialPort.h"

namespace {

using Bytes = std::vector<uint8_t>;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

Bytes Decode(ParityMarkDecoder& decoder, const Bytes& raw) {
  Bytes out;
  decoder.Decode(raw.data(), raw.size(), std::back_inserter(out));
  return out;
}

TEST(ParityMarkDecoder, TranslatesMarksAndPassesEverythingElse) {
  ParityMarkDecoder d;
  // Ordinary bytes, a doubled FF, parity errors on 0x37, on 0x00 and on 0xFF itself.
  EXPECT_EQ(Decode(d, {0x41, 0xFF, 0xFF, 0x42, 0xFF, 0x00, 0x37, 0x00, 0x0A, 0x0D, 0x11, 0x13}),
            (Bytes{0x41, 0xFF, 0x42, 0x46, 0x00, 0x0A, 0x0D, 0x11, 0x13}));
  EXPECT_EQ(Decode(d, {0xFF, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF}), (Bytes{0x46, 0x46, 0xFF}));
  // A preamble run as it arrives with PARMRK: every FF doubled.
  EXPECT_EQ(Decode(d, Bytes(10, 0xFF)), Bytes(5, 0xFF));
  EXPECT_FALSE(d.Pending());
}

TEST(ParityMarkDecoder, MarkCutAtAnyPointDecodesAsWhole) {
  const Bytes raw = {0x06, 0xFF, 0xFF, 0xFF, 0x00, 0x80, 0xFF, 0x00, 0xFF, 0x02, 0xFF, 0xFF};
  const Bytes want = {0x06, 0xFF, 0x46, 0x46, 0x02, 0xFF};
  for (size_t cut = 0; cut <= raw.size(); ++cut) {
    ParityMarkDecoder d;
    Bytes out = Decode(d, Bytes(raw.begin(), raw.begin() + static_cast<long>(cut)));
    const Bytes rest = Decode(d, Bytes(raw.begin() + static_cast<long>(cut), raw.end()));
    out.insert(out.end(), rest.begin(), rest.end());
    EXPECT_EQ(out, want) << "cut after " << cut << " bytes";
  }
  // One byte at a time, as a slow line may hand them over.
  ParityMarkDecoder d;
  Bytes out;
  for (uint8_t b : raw) {
    const Bytes piece = Decode(d, {b});
    out.insert(out.end(), piece.begin(), piece.end());
  }
  EXPECT_EQ(out, want);
}

TEST(ParityMarkDecoder, ResetDropsHalfAMark) {
  ParityMarkDecoder d;
  EXPECT_TRUE(Decode(d, {0x01, 0xFF, 0x00}) == Bytes{0x01});
  EXPECT_TRUE(d.Pending());
  d.Reset();
  EXPECT_FALSE(d.Pending());
  // Without the reset the 0x33 would have become 'F'.
  EXPECT_EQ(Decode(d, {0x33}), Bytes{0x33});
}

// Runs the test in a fresh empty directory and comes back afterwards.
class InTempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    oldCwd_ = std::filesystem::current_path();
    char tmpl[] = "/tmp/port_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    std::filesystem::current_path(dir_);
  }
  void TearDown() override {
    std::filesystem::current_path(oldCwd_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path oldCwd_;
  std::filesystem::path dir_;
};

TEST(PortNames, IndexToName) {
  EXPECT_EQ(PortNameForIndex(0), "COM1");
  EXPECT_EQ(PortNameForIndex(8), "COM9");
  EXPECT_EQ(PortNameForIndex(9), "\\\\.\\COM10");
  EXPECT_EQ(PortNameForIndex(255), "\\\\.\\COM256");
}

using PosixPortNames = InTempDir;

TEST_F(PosixPortNames, ComNameUsesLocalLinkElseTtyS) {
  EXPECT_EQ(ResolvePosixPortName("COM3"), "/dev/ttyS2");
  EXPECT_EQ(ResolvePosixPortName("COM1"), "/dev/ttyS0");
  EXPECT_EQ(ResolvePosixPortName("\\\\.\\COM12"), "/dev/ttyS11");

  // The link counts even when it dangles (an unplugged adapter): never another port.
  ASSERT_EQ(symlink("/dev/ttyUSB-not-there", "COM3"), 0);
  EXPECT_EQ(ResolvePosixPortName("COM3"), "./COM3");
  EXPECT_EQ(ResolvePosixPortName("COM4"), "/dev/ttyS3");
  ASSERT_EQ(symlink("/dev/null", "COM12"), 0);
  EXPECT_EQ(ResolvePosixPortName("\\\\.\\COM12"), "./COM12");
}

TEST_F(PosixPortNames, OtherNamesArePaths) {
  EXPECT_EQ(ResolvePosixPortName("/dev/ttyUSB0"), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePosixPortName("links/modem"), "links/modem");
  for (const char* odd : {"COM", "COM0", "COMx", "COM3x", "com3", "COM-1"}) {
    EXPECT_EQ(ResolvePosixPortName(odd), odd);
  }
}

// A pseudo-terminal pair; the master side is the far end of the line.
class PtyPort : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(master_, 0);
    ASSERT_EQ(grantpt(master_), 0);
    ASSERT_EQ(unlockpt(master_), 0);
    slavePath_ = ptsname(master_);
    port_ = MakeSystemSerialPort();
  }
  void TearDown() override {
    port_.reset();
    if (master_ >= 0) close(master_);
    InTempDir::TearDown();
  }

  void MasterWrite(const Bytes& b) {
    ASSERT_EQ(write(master_, b.data(), b.size()), static_cast<ssize_t>(b.size()));
  }

  // Reads from the master side until `n` bytes came or 2 s passed.
  Bytes MasterRead(size_t n) {
    Bytes got;
    const auto deadline = steady_clock::now() + milliseconds(2000);
    while (got.size() < n && steady_clock::now() < deadline) {
      pollfd p{master_, POLLIN, 0};
      if (poll(&p, 1, 50) <= 0) continue;
      uint8_t buf[512];
      const ssize_t r = read(master_, buf, sizeof buf);
      if (r > 0) got.insert(got.end(), buf, buf + r);
    }
    return got;
  }

  // Nothing arrives on the master side within `ms`.
  bool MasterQuiet(int ms) {
    pollfd p{master_, POLLIN, 0};
    return poll(&p, 1, ms) == 0;
  }

  // Reads through the port, `chunk` at a time, until `n` bytes came or 2 s passed.
  Bytes PortRead(size_t n, int chunk = 64) {
    Bytes got;
    const auto deadline = steady_clock::now() + milliseconds(2000);
    while (got.size() < n && steady_clock::now() < deadline) {
      if (!port_->WaitReadable(50)) continue;
      std::vector<uint8_t> buf(static_cast<size_t>(chunk) + 1, 0xAA);
      const int r = port_->Read(buf.data(), chunk);
      EXPECT_GE(r, 0);
      EXPECT_LE(r, chunk);
      if (r <= 0) continue;
      EXPECT_EQ(buf[static_cast<size_t>(chunk)], 0xAA) << "Read wrote past its max";
      got.insert(got.end(), buf.begin(), buf.begin() + r);
    }
    return got;
  }

  // Waits up to 2 s for the kernel to hand `n` bytes to the slave side.
  int WaitForWaiting(int n) {
    const auto deadline = steady_clock::now() + milliseconds(2000);
    int w = port_->BytesWaiting();
    while (w < n && steady_clock::now() < deadline) {
      std::this_thread::sleep_for(milliseconds(2));
      w = port_->BytesWaiting();
    }
    return w;
  }

  int master_ = -1;
  std::string slavePath_;
  std::unique_ptr<SerialPort> port_;
};

Bytes AllByteValues() {
  Bytes b;
  for (int i = 0; i < 256; ++i)
    b.push_back(static_cast<uint8_t>(i));
  // The ones a cooked line would eat or change, again in a row.
  b.insert(b.end(), {0xFF, 0xFF, 0x0A, 0x0D, 0x11, 0x13, 0x00, 0x03, 0x04, 0x1A, 0x7F, 0xFF});
  return b;
}

TEST_F(PtyPort, OpensConfiguredForHartTwiceInARow) {
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(port_->Open(slavePath_)) << "round " << round;
    EXPECT_TRUE(port_->IsOpen());
    // Mode requests on the master act on the slave, so this is the port's own setup.
    termios t{};
    ASSERT_EQ(tcgetattr(master_, &t), 0);
    EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B1200));
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B1200));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(t.c_iflag & (INPCK | PARMRK), static_cast<tcflag_t>(INPCK | PARMRK));
    EXPECT_EQ(t.c_iflag & (IGNPAR | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
    // No RTS line on a pty, and that is no failure.
    EXPECT_TRUE(port_->SetRts(true));
    EXPECT_TRUE(port_->SetRts(false));
  }
  port_->Close();
  EXPECT_FALSE(port_->IsOpen());
  // A second port object after the first one let go.
  auto again = MakeSystemSerialPort();
  EXPECT_TRUE(again->Open(slavePath_));
}

TEST_F(PtyPort, OpensThroughComLinkInWorkingDirectory) {
  ASSERT_EQ(symlink(slavePath_.c_str(), "COM7"), 0);
  for (const char* name : {"COM7", "\\\\.\\COM7"}) {
    ASSERT_TRUE(port_->Open(name)) << name;
    MasterWrite({0x86, 0x42});
    EXPECT_EQ(PortRead(2), (Bytes{0x86, 0x42})) << name;
  }
}

TEST_F(PtyPort, FailsClosedOnWhatIsNoTty) {
  EXPECT_FALSE(port_->Open("/nonexistent/ttyX"));
  EXPECT_FALSE(port_->IsOpen());
  ASSERT_TRUE(port_->Open(slavePath_));
  // A failed open also closes what was open before.
  EXPECT_FALSE(port_->Open("/dev/null"));
  EXPECT_EQ(port_->LastError(), "/dev/null: not a serial port");
  EXPECT_FALSE(port_->IsOpen());
  uint8_t b = 0;
  EXPECT_EQ(port_->Read(&b, 1), -1);
  EXPECT_EQ(port_->Write(&b, 1), -1);
  EXPECT_EQ(port_->BytesWaiting(), -1);
  EXPECT_FALSE(port_->WaitReadable(0));
  EXPECT_FALSE(port_->Purge());
}

TEST_F(PtyPort, AFailedOpenNamesThePortAndWhy) {
  ASSERT_EQ(symlink("/dev/ttyUSB-not-there", "COM4"), 0);
  EXPECT_FALSE(port_->Open("COM4"));
  EXPECT_EQ(port_->LastError(), "COM4 (./COM4): no such port");
  EXPECT_FALSE(port_->Open("/nonexistent/ttyX"));
  EXPECT_EQ(port_->LastError(), "/nonexistent/ttyX: no such port");

  // Another program holds the port locked: refused, for root as for anyone.
  const int holder = open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(port_->Open(slavePath_));
  EXPECT_EQ(port_->LastError(), slavePath_ + ": in use by another program");
  close(holder);
  ASSERT_TRUE(port_->Open(slavePath_));
  EXPECT_EQ(port_->LastError(), "");
  // While it is ours, a second port is refused the same way.
  auto second = MakeSystemSerialPort();
  EXPECT_FALSE(second->Open(slavePath_));
  EXPECT_EQ(second->LastError(), slavePath_ + ": in use by another program");
}

TEST_F(PtyPort, EveryByteValueArrivesUnchanged) {
  ASSERT_TRUE(port_->Open(slavePath_));
  const Bytes all = AllByteValues();
  MasterWrite(all);
  EXPECT_EQ(PortRead(all.size()), all);
  EXPECT_TRUE(MasterQuiet(30)) << "the line echoed input back";
  EXPECT_FALSE(port_->WaitReadable(20)) << "more bytes came than were sent";
}

TEST_F(PtyPort, EveryByteValueLeavesUnchanged) {
  ASSERT_TRUE(port_->Open(slavePath_));
  const Bytes all = AllByteValues();
  EXPECT_EQ(port_->Write(all.data(), static_cast<int>(all.size())), static_cast<int>(all.size()));
  EXPECT_EQ(MasterRead(all.size()), all);
  EXPECT_TRUE(MasterQuiet(30)) << "more bytes left than were written";
}

TEST_F(PtyPort, ReadNeverExceedsItsMax) {
  ASSERT_TRUE(port_->Open(slavePath_));
  // FF pairs make the raw stream longer than the decoded one.
  const Bytes sent = {0xFF, 0xFF, 0xFF, 0x01, 0xFF, 0x02, 0x03, 0xFF, 0xFF};
  MasterWrite(sent);
  EXPECT_EQ(PortRead(sent.size(), 1), sent);
  MasterWrite(sent);
  EXPECT_EQ(PortRead(sent.size(), 2), sent);
}

TEST_F(PtyPort, CountsAndPurgesWaitingInput) {
  ASSERT_TRUE(port_->Open(slavePath_));
  EXPECT_EQ(port_->BytesWaiting(), 0);
  MasterWrite({1, 2, 3, 4, 5});
  EXPECT_EQ(WaitForWaiting(5), 5);
  uint8_t two[2];
  ASSERT_EQ(port_->Read(two, 2), 2);
  EXPECT_EQ(port_->BytesWaiting(), 3);
  // The wait takes those three in from the driver; three more stay in the driver.
  ASSERT_TRUE(port_->WaitReadable(0));
  MasterWrite({6, 7, 8});
  EXPECT_EQ(WaitForWaiting(6), 6);

  ASSERT_TRUE(port_->Purge());
  EXPECT_EQ(port_->BytesWaiting(), 0);
  EXPECT_FALSE(port_->WaitReadable(20));
  // The line works on after a purge.
  MasterWrite({9});
  EXPECT_EQ(PortRead(1), Bytes{9});
}

TEST_F(PtyPort, WaitReadableTimesOutOrWakesOnAByte) {
  ASSERT_TRUE(port_->Open(slavePath_));
  auto start = steady_clock::now();
  EXPECT_FALSE(port_->WaitReadable(40));
  const auto quiet = steady_clock::now() - start;
  EXPECT_GE(quiet, milliseconds(30));
  EXPECT_LT(quiet, milliseconds(1500));

  std::thread sender([this] {
    std::this_thread::sleep_for(milliseconds(20));
    const uint8_t b = 0x06;
    EXPECT_EQ(write(master_, &b, 1), 1);
  });
  start = steady_clock::now();
  const bool woke = port_->WaitReadable(10000);
  const auto waited = steady_clock::now() - start;
  sender.join();
  EXPECT_TRUE(woke);
  EXPECT_LT(waited, milliseconds(5000));
  // Already waiting: true at once, without a wait.
  EXPECT_TRUE(port_->WaitReadable(0));
  EXPECT_EQ(PortRead(1), Bytes{0x06});
}

TEST_F(PtyPort, ReportsTheFarEndGoingAway) {
  ASSERT_TRUE(port_->Open(slavePath_));
  close(master_);
  master_ = -1;
  const auto start = steady_clock::now();
  EXPECT_FALSE(port_->WaitReadable(5000));
  EXPECT_LT(steady_clock::now() - start, milliseconds(2500)) << "waited on a hung-up line";
  uint8_t b = 0;
  EXPECT_EQ(port_->Read(&b, 1), -1);
  EXPECT_EQ(port_->BytesWaiting(), -1);
  EXPECT_EQ(port_->Write(&b, 1), -1);
  EXPECT_EQ(port_->LastError(), slavePath_ + ": the port is gone (Input/output error)");
}

}  // namespace
