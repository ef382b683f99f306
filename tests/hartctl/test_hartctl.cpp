// hartctl against hart-sim over a pseudo-terminal, both as the programs a user runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "FileSizeLimit.h"
#include "SimProcess.h"

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// hartctl with `args` against the simulator; with a file size limit when `limit` is given.
Outcome RunHartctl(const SimProcess& sim, const std::string& args, rlim_t limit = 0) {
  const std::string out = sim.dir() + "/out", err = sim.dir() + "/err";
  const std::string cmd =
      std::string(HARTCTL_PATH) + " --port " + sim.link() + " " + args + " >" + out + " 2>" + err;
  int status = 0;
  if (limit > 0) {
    status = RunWithFileSizeLimit(cmd, limit);
  } else {
    const int raw = std::system(cmd.c_str());
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  return {status, Slurp(out), Slurp(err)};
}

class HartctlAgainstSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim_ = new SimProcess("--address 0 --address 5 --pressure 50 --no-pacing");
  }
  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
  }

  static Outcome Hartctl(const std::string& args) { return RunHartctl(*sim_, args); }

  static inline SimProcess* sim_ = nullptr;
};

TEST_F(HartctlAgainstSim, IdentifiesAndReadsTheDevice) {
  ASSERT_TRUE(sim_->ready()) << "hart-sim did not start";
  Outcome r = Hartctl("identify");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Device id: 0x"), std::string::npos) << r.out;

  r = Hartctl("pv");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("PV: "), std::string::npos) << r.out;

  r = Hartctl("loop");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(" mA"), std::string::npos) << r.out;
}

TEST_F(HartctlAgainstSim, WritesReadBackThroughOtherCommands) {
  Outcome r = Hartctl("message \"line check 7\"");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("upper case"), std::string::npos);
  r = Hartctl("message");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Message: LINE CHECK 7                    \n"), std::string::npos) << r.out;

  r = Hartctl("range 12 150 -10");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Hartctl("output");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Upper range value: 150.0000"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Lower range value: -10.0000"), std::string::npos) << r.out;

  r = Hartctl("assembly 4660");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Hartctl("assembly");
  EXPECT_NE(r.out.find("Final assembly number: 4660"), std::string::npos) << r.out;
}

TEST_F(HartctlAgainstSim, MultiDropAndBroadcastAddressing) {
  Outcome at5 = Hartctl("--address 5 identify");
  Outcome at0 = Hartctl("identify");
  ASSERT_EQ(at5.status, 0) << at5.err;
  EXPECT_NE(at5.out, at0.out);  // another device id
  Outcome broadcast = Hartctl("--broadcast raw 1");
  EXPECT_EQ(broadcast.status, 0) << broadcast.err;
  EXPECT_NE(broadcast.out.find("Response code: 0"), std::string::npos) << broadcast.out;
}

TEST_F(HartctlAgainstSim, DeviceRefusalsAndBadInput) {
  Outcome r = Hartctl("raw 126");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("Response code: 64"), std::string::npos) << r.out;
  EXPECT_EQ(r.err, "Command not implemented\n");

  r = Hartctl("range 12 0 100");  // lower above upper
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());

  r = Hartctl("damping fast");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("usage"), std::string::npos);
  r = Hartctl("--address 16 pv");
  EXPECT_EQ(r.status, 2);

  // Characters packed ASCII cannot carry are refused, not sent as others.
  for (const char* text : {"'a{b'", "'x|y'", "'tilde~'", "'back`tick'"}) {
    r = Hartctl(std::string("message ") + text);
    EXPECT_EQ(r.status, 2) << text;
    EXPECT_NE(r.err.find("packed ASCII"), std::string::npos) << r.err;
  }
  r = Hartctl("message");
  EXPECT_EQ(r.out.find('{'), std::string::npos) << r.out;

  // A port that is not there is named with the reason.
  r = Hartctl("--port /nonexistent/ttyX pv");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Communication Port Error: /nonexistent/ttyX: no such port\n");
}

TEST_F(HartctlAgainstSim, ACaptureIsWrittenWholeOrNotAtAll) {
  const std::string file = sim_->dir() + "/capture.pcap";
  const std::string old = "an older capture";
  { std::ofstream(file) << old; }
  // A command line that is refused creates nothing.
  Outcome r = Hartctl("--trace " + file + " frobnicate");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(Slurp(file), old);
  r = Hartctl("--trace " + file + " pv extra");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(Slurp(file), old);

  // A disk that fills up after the file header: the command ran, the capture did not save.
  r = RunHartctl(*sim_, "--trace " + file + " pv", 100);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("PV: "), std::string::npos) << r.out;
  EXPECT_EQ(r.err, "hartctl: capture not saved: " + file + ": File too large\n");
  EXPECT_EQ(Slurp(file), old);

  r = Hartctl("--trace " + file + " pv");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_GT(Slurp(file).size(), 100u);
}

TEST_F(HartctlAgainstSim, AFrameCutOffByItsMasterDoesNotBlockTheNext) {
  // A master killed mid-frame: a long command 1 whose byte count promises 255 data bytes.
  const int fd = open(sim_->link().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios raw{};
  ASSERT_EQ(tcgetattr(fd, &raw), 0);
  cfmakeraw(&raw);
  tcsetattr(fd, TCSANOW, &raw);
  const uint8_t cut[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x82, 0xA6, 0x05,
                         0x00, 0x00, 0x01, 0x01, 0xFF, 0x00, 0x00};
  ASSERT_EQ(write(fd, cut, sizeof cut), static_cast<ssize_t>(sizeof cut));
  tcdrain(fd);
  close(fd);
  // The line stays quiet for longer than a frame's bytes may pause (its 15 bytes would take
  // 140 ms on a real wire, the pause allowed is 10 byte times).
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const Outcome r = Hartctl("identify");
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(HartSim, TakesProcessCommandsOnItsStandardInput) {
  SimProcess sim("--no-pacing", HART_SIM_PATH, /*commands=*/true);
  ASSERT_TRUE(sim.ready());
  ASSERT_TRUE(sim.Say("pressure 42.5"));
  ASSERT_TRUE(sim.WaitForLog("ok device 0: pressure 42.5 kPa")) << sim.Log();
  Outcome r = RunHartctl(sim, "pv");
  EXPECT_NE(r.out.find("PV: 42.5000 kPa"), std::string::npos) << r.out << r.err;

  // Refused lines change nothing and say why.
  sim.Say("pressure 1,5");
  sim.Say("device 3 silent on");
  sim.Say("pressure");
  EXPECT_TRUE(sim.WaitForLog("error: pressure takes one value")) << sim.Log();
  EXPECT_NE(sim.Log().find("error: pressure takes a number, not '1,5'"), std::string::npos);
  EXPECT_NE(sim.Log().find("error: no device at polling address 3"), std::string::npos);
  r = RunHartctl(sim, "pv");
  EXPECT_NE(r.out.find("PV: 42.5000 kPa"), std::string::npos) << r.out << r.err;

  sim.Say("silent on");
  ASSERT_TRUE(sim.WaitForLog("ok device 0: silent")) << sim.Log();
  EXPECT_NE(RunHartctl(sim, "pv").status, 0);
  sim.Say("silent off");
  ASSERT_TRUE(sim.WaitForLog("ok device 0: answering")) << sim.Log();
  EXPECT_EQ(RunHartctl(sim, "pv").status, 0);
}

TEST(HartSim, AClientsTerminalSettingsDoNotOutliveIt) {
  SimProcess sim("--no-pacing");
  ASSERT_TRUE(sim.ready());
  // 8-O-1 as a HART master asks for it; the pty keeps only PARODD of it.
  auto openOdd = [&](bool& accepted) {
    const int fd = open(sim.link().c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    t.c_cflag |= PARENB | PARODD;
    accepted = tcsetattr(fd, TCSANOW, &t) == 0;
    return fd;
  };
  bool accepted = false;
  close(openOdd(accepted));
  ASSERT_TRUE(accepted);
  ASSERT_TRUE(sim.WaitForLog("its odd-parity flag is cleared")) << sim.Log();
  const int fd = openOdd(accepted);
  EXPECT_TRUE(accepted) << "the second client's 8-O-1 was refused";
  close(fd);
  EXPECT_EQ(RunHartctl(sim, "identify").status, 0);
}

}  // namespace

TEST(HartSim, RemovesItsLinkWhenInterrupted) {
  SimProcess sim("--no-pacing");
  ASSERT_TRUE(sim.ready());
  EXPECT_TRUE(sim.Stop(SIGINT));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(sim.link())));
}
