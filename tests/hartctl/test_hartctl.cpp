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
#ifdef HARTCTL_RECORDS
#include <regex>

#include "PostgresServer.h"
#endif

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

// hartctl with `args` against the simulator; with a file size limit when `limit` is given;
// in `folder` when given.
Outcome RunHartctl(const SimProcess& sim, const std::string& args, rlim_t limit = 0,
                   const std::string& folder = "") {
  const std::string out = sim.dir() + "/out", err = sim.dir() + "/err";
  const std::string cmd = (folder.empty() ? "" : "cd " + folder + " && ") +
                          std::string(HARTCTL_PATH) + " --port " + sim.link() + " " + args + " >" +
                          out + " 2>" + err;
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

#ifdef HARTCTL_RECORDS
// hartctl run in `folder` (where Records.db and Records.journal are), against the simulator.
Outcome HartctlIn(const SimProcess& sim, const std::string& folder, const std::string& args) {
  return RunHartctl(sim, args, 0, folder);
}

// history's CSV lines without the header, each without its time, station and user (whose
// form is checked here).
std::vector<std::string> HistoryLines(const Outcome& history) {
  std::vector<std::string> lines;
  static const std::regex stamp(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z,[^,]+,[^,]+,)");
  std::istringstream in(history.out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "time,station,user,device,tag,operation,detail,result\r");
  while (std::getline(in, line)) {
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "not CR LF: " << line;
    std::smatch m;
    EXPECT_TRUE(std::regex_search(line, m, stamp)) << line;
    lines.push_back(m.suffix().str().substr(0, m.suffix().length() ? m.suffix().length() - 1 : 0));
  }
  return lines;
}

const std::string kIdentified =
    "\"Manufacturer 0x26; Device type 0x05; Device ID 0x0A0001; Polling address 0; Revisions: "
    "universal 5, device 1, software 3, hardware 2\",OK";

TEST_F(HartctlAgainstSim, RecordsWhatItDoesAndPrintsTheHistory) {
  const std::string folder = sim_->dir() + "/station1";
  std::filesystem::create_directory(folder);
  Outcome r = HartctlIn(*sim_, folder, "--records '' damping 3.3");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  r = HartctlIn(*sim_, folder, "--records Records.db range 12 0 100");  // the device refuses
  EXPECT_EQ(r.status, 1);
  r = HartctlIn(*sim_, folder, "--records sqlite:Records.db pv");  // identified, nothing written
  ASSERT_EQ(r.status, 0) << r.err;
  r = HartctlIn(*sim_, folder, "pv");  // without --records nothing is recorded
  ASSERT_EQ(r.status, 0) << r.err;

  const Outcome history = HartctlIn(*sim_, folder, "history");
  ASSERT_EQ(history.status, 0) << history.err;
  EXPECT_EQ(HistoryLines(history),
            (std::vector<std::string>{
                "26-05-0A0001,,hartctl pv," + kIdentified,
                "26-05-0A0001,,hartctl range,PV range -> 100.0000..0.0000 kPa,Invalid span",
                "26-05-0A0001,,hartctl range," + kIdentified,
                "26-05-0A0001,,hartctl damping,Damping Time -> 3.3000 s (device: 3.3000 s),OK",
                "26-05-0A0001,,hartctl damping," + kIdentified,
            }));
  EXPECT_EQ(HistoryLines(HartctlIn(*sim_, folder, "history 26-05-0a0001")).size(), 5u);
  EXPECT_TRUE(HistoryLines(HartctlIn(*sim_, folder, "history 26-05-0A0002")).empty());
  EXPECT_FALSE(std::filesystem::exists(folder + "/Records.journal"));
}

TEST_F(HartctlAgainstSim, RecordsThatCannotBeStoredWaitInTheJournal) {
  const std::string folder = sim_->dir() + "/station2";
  std::filesystem::create_directory(folder);
  { std::ofstream(folder + "/damaged.db") << std::string(2048, 'x'); }
  // A damaged file: the command runs and keeps its exit code, and hartctl says where the
  // records wait.
  Outcome r = HartctlIn(*sim_, folder, "--records damaged.db reset");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err,
            "hartctl: 2 records not stored (damaged.db is not a records database: file is not a "
            "database); kept in Records.journal for the next run\n");
  ASSERT_TRUE(std::filesystem::exists(folder + "/Records.journal"));
  // The next run that can store them stores them first.
  r = HartctlIn(*sim_, folder, "--records good.db transfer 0");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(std::filesystem::exists(folder + "/Records.journal"));
  const Outcome history = HartctlIn(*sim_, folder, "history --records good.db");
  EXPECT_EQ(HistoryLines(history),
            (std::vector<std::string>{
                "26-05-0A0001,,hartctl transfer,Transfer function -> 0 (device: 0),OK",
                "26-05-0A0001,,hartctl transfer," + kIdentified,
                "26-05-0A0001,,hartctl reset,Device reset,OK",
                "26-05-0A0001,,hartctl reset," + kIdentified,
            }));

  // A location that does not parse is refused before anything is opened or created.
  r = HartctlIn(*sim_, folder, "--records postgresql://line3@db:99999/records damping 2");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("hartctl: --records postgresql://line3@db:99999/records: port 99999 is "
                       "not a number from 1 to 65535"),
            std::string::npos)
      << r.err;
  r = HartctlIn(*sim_, folder, "history --records mysql://db/r");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("mysql:// is not a kind of database"), std::string::npos) << r.err;
  r = HartctlIn(*sim_, folder, "history --records nothing-here.db");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "hartctl: nothing-here.db: no such file (no records here)\n");
  EXPECT_FALSE(std::filesystem::exists(folder + "/nothing-here.db"));
}

// Two stations, each in a folder of its own, record into one PostgreSQL database.
TEST_F(HartctlAgainstSim, TwoStationsShareAPostgresDatabase) {
  PostgresServer& pg = PostgresServer::Shared();
  if (!pg.ready()) GTEST_SKIP() << pg.problem();
  ASSERT_TRUE(pg.CreateDatabase("line3")) << pg.problem();
  const std::string url = "'" + pg.Url("line3") + "'";
  for (const char* station : {"/pg-a", "/pg-b"}) {
    const std::string folder = sim_->dir() + station;
    std::filesystem::create_directory(folder);
    const Outcome r = HartctlIn(*sim_, folder, "--records " + url + " assembly 4242");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
  }
  const std::vector<std::string> one = {
      "26-05-0A0001,,hartctl assembly,Final Assembly Number -> 4242 (device: 4242),OK",
      "26-05-0A0001,,hartctl assembly," + kIdentified};
  std::vector<std::string> both = one;
  both.insert(both.end(), one.begin(), one.end());
  EXPECT_EQ(HistoryLines(HartctlIn(*sim_, sim_->dir(), "history --records " + url)), both);
}
#endif

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
