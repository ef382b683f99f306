// hart-sim as a user runs it: its link is ready the moment it appears, and a capture that
// cannot be written fails loudly while the devices go on being served.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <thread>

#include "FileSizeLimit.h"
#include "HartIpTestClients.h"
#include "SimProcess.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  std::stringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

TEST(HartSimTerminal, AClientOpeningTheLinkTheMomentItAppearsIsServed) {
  SimProcess sim("--no-pacing", HART_SIM_PATH, false, /*waitForLink=*/false);
  const auto start = SteadyClock::now();
  while (!std::filesystem::exists(sim.link()) &&
         SteadyClock::now() - start < std::chrono::seconds(5)) {
  }
  VirtualClock clock;
  DeviceState ds;
  ds.clock = &clock;
  ds.portNameOverride = sim.link();
  // Configured, served (command 0), and still as the port set it up: hart-sim set its own
  // settings before the link appeared, never over a client's. Then configured again.
  for (int round = 1; round <= 2; ++round) {
    ASSERT_TRUE(HartOpenPort(ds)) << "configuration " << round << "\n" << sim.Log();
    HartIdentity id{};
    EXPECT_EQ(HartCmd0(ds, 0, id), HART_OK) << "round " << round;
    const int look = open(sim.link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios t{};
    ASSERT_EQ(tcgetattr(look, &t), 0);
    close(look);
    EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B1200)) << "round " << round;
    EXPECT_EQ(t.c_iflag & (INPCK | PARMRK), static_cast<tcflag_t>(INPCK | PARMRK))
        << "round " << round;
  }
}

// hart-sim with a capture to `capture`, started under a file size limit of `limit` bytes in
// `dir`; its standard output goes to dir/out, its standard error to dir/err.
class LimitedSim {
 public:
  LimitedSim(const std::string& dir, const std::string& capture, rlim_t limit) : dir_(dir) {
    const std::string command = "cd " + dir +
                                " && echo $$ >pid && exec " HART_SIM_PATH
                                " --hartip 0 --no-pacing --log /dev/null --pcap " +
                                capture + " >out 2>err";
    status_ = std::async(std::launch::async,
                         [command, limit] { return RunWithFileSizeLimit(command, limit); });
  }
  // The HART-IP port it printed, 0 when it printed none within 5 s.
  int Port() const {
    for (int i = 0; i < 500; ++i) {
      const std::string out = ReadFile(dir_ + "/out");
      const size_t at = out.find(" port ", out.find("HART-IP on"));
      if (at != std::string::npos && out.find("(UDP and TCP)") != std::string::npos)
        return std::atoi(out.c_str() + at + 6);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
  }
  // Sends `signal` and returns the exit status (-1 when it did not exit by itself).
  int Stop(int signal) {
    kill(std::atoi(ReadFile(dir_ + "/pid").c_str()), signal);
    return status_.get();
  }
  std::string Err() const { return ReadFile(dir_ + "/err"); }

 private:
  std::string dir_;
  std::future<int> status_;
};

TEST(HartSimCapture, AFailingCaptureIsToldAndKeepsTheOldFileWhileServingGoesOn) {
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
    char pattern[] = "/tmp/hart-pcap-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string old = "an older capture, to keep";
    std::ofstream(dir + "/sim.pcap") << old;
    // Room for the file header and a few frames, not for a session's worth.
    LimitedSim sim(dir, "sim.pcap", 300);
    const int port = sim.Port();
    ASSERT_GT(port, 0) << sim.Err();
    Master m("hartip", port);
    ASSERT_TRUE(m.Open()) << sim.Err();
    for (int i = 0; i < 5; ++i) {
      HartPvReading pv{};
      EXPECT_EQ(HartCmd1(m.ds, pv), HART_OK) << "serving stopped with the capture";
    }
    // Told once, as it happens, not only at the end.
    EXPECT_EQ(Count(sim.Err(), "hart-sim: writing the capture sim.pcap failed"), 1u) << sim.Err();
    EXPECT_EQ(sim.Stop(signal), 1) << sim.Err();
    EXPECT_NE(sim.Err().find("hart-sim: capture not saved: sim.pcap: File too large"),
              std::string::npos)
        << sim.Err();
    EXPECT_EQ(ReadFile(dir + "/sim.pcap"), old);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      files += entry.path().filename() != "out" && entry.path().filename() != "err" &&
               entry.path().filename() != "pid";
    EXPECT_EQ(files, 1u) << "a temporary capture was left behind";
    std::filesystem::remove_all(dir);
  }
}

}  // namespace
