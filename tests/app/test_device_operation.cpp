// The frame every device operation runs in: refusals, the progress bar, the success pause
// and the failure message.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "BackgroundJob.h"
#include "DeviceOperation.h"
#include "SimLoop.h"
#include "SimTransmitter.h"
#include "SimulatedPort.h"

namespace {

// A window that records what the frame did to it, with the virtual time of each event.
class RecordingHost final : public DeviceOperationHost {
 public:
  explicit RecordingHost(Clock& clock) : clock_(clock) {}

  void SetProgressRange(int high) override { Log("range " + std::to_string(high)); }
  void SetProgressPos(int pos) override { Log("pos " + std::to_string(pos)); }
  void ShowMessage(const std::string& text) override { Log("msg " + text); }
  int PollAddress() override { return 0; }
  bool NormalAddressing() override { return normal; }
  bool JobIdle() override { return idle; }
  bool Confirm(const std::string& text) override {
    Log("ask " + text);
    return confirmAnswer;
  }
  void OnUiThread(const std::function<void()>& fn) override { fn(); }

  void Log(const std::string& event) {
    events.push_back(event);
    times.push_back(clock_.NowMs());
  }
  // The events from the first `event` on (empty when it never happened).
  std::vector<std::string> From(const std::string& event) const {
    for (size_t i = 0; i < events.size(); ++i) {
      if (events[i] == event) return {events.begin() + i, events.end()};
    }
    return {};
  }
  int64_t TimeOf(const std::string& event) const {
    for (size_t i = events.size(); i-- > 0;) {
      if (events[i] == event) return times[i];
    }
    return -1;
  }

  bool normal = true;
  bool idle = true;
  bool confirmAnswer = true;
  std::vector<std::string> events;
  std::vector<int64_t> times;

 private:
  Clock& clock_;
};

class DeviceOperationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto simPort = std::make_unique<SimulatedPort>(loop, clock);
    port = simPort.get();
    ds.port = std::move(simPort);
    ds.clock = &clock;
  }

  // An exchange that logs its name and returns `result`.
  DeviceExchange Exchange(const std::string& name, int result = HART_OK) {
    return [this, name, result](DeviceState&) {
      host.Log("step " + name);
      return HartResult(result);
    };
  }
  // What a step shows when it succeeded: logged.
  std::function<void()> Show(const std::string& name) {
    return [this, name] { host.Log("show " + name); };
  }

  VirtualClock clock;
  SimLoop loop;
  DeviceState ds;
  SimulatedPort* port = nullptr;
  RecordingHost host{clock};
};

TEST_F(DeviceOperationTest, SuccessAdvancesTheBarAfterEachStepThenPausesAndClears) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.Step(Exchange("A"), Show("A"));
  op.Step(Exchange("B"));
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  // Each step's display part comes right after its exchange, before the next one.
  EXPECT_EQ(host.From("range 3"), (std::vector<std::string>{"range 3", "pos 1", "step A", "show A",
                                                            "pos 2", "step B", "pos 3", "pos 0"}));
  EXPECT_EQ(host.TimeOf("pos 0") - host.TimeOf("pos 3"), 100);
  // Normal addressing identified the device first, with its own bar and pause.
  EXPECT_EQ(host.events.front(), "range 2");
  EXPECT_EQ(host.TimeOf("range 3") - host.TimeOf("range 2"), 100 + 100);  // send wait, pause
  ASSERT_FALSE(loop.Requests().empty());
  EXPECT_EQ(loop.Requests().front()[2], 0) << "command 0 first";
}

TEST_F(DeviceOperationTest, StepsSetTheBarWhereTheyAreToStand) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.progressHigh = 4;
  op.Step(Exchange("A"), {}, 1);  // stays at 1
  op.Step(Exchange("B"), {}, 3);
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_EQ(host.From("range 4"),
            (std::vector<std::string>{"range 4", "pos 1", "step A", "step B", "pos 3", "pos 0"}));
}

TEST_F(DeviceOperationTest, AFailedStepNamesTheResultAndSkipsTheRest) {
  for (bool spaced : {false, true}) {
    SCOPED_TRACE(spaced);
    loop.AddDevice(0);
    host.events.clear();
    DeviceOperation op;
    op.spacedFailure = spaced;
    op.Step(Exchange("A"));
    op.Step(Exchange("B", HART_NO_REPLY), Show("B"));
    op.Step(Exchange("C"));
    EXPECT_EQ(op.Run(host, ds), OperationResult::Failed);
    const std::string message = spaced ? "msg Communication Failure: No response,timeout!"
                                       : "msg Communication Failure:No response,timeout!";
    EXPECT_EQ(host.From("range 4"), (std::vector<std::string>{"range 4", "pos 1", "step A", "pos 2",
                                                              "step B", message, "pos 0"}));
    EXPECT_EQ(host.TimeOf("pos 0"), host.TimeOf(message)) << "no success pause";
  }
}

TEST_F(DeviceOperationTest, AReportedFailureGoesOnAndACheckCanEndTheOperation) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.progressHigh = 2;
  op.Step(Exchange("A"), {}, 1);
  op.Step(Exchange("B", HART_NO_REPLY)).goOnAfterFailure = true;
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_EQ(host.From("step B"),
            (std::vector<std::string>{"step B", "msg Communication Failure:No response,timeout!",
                                      "pos 0", "pos 2", "pos 0"}));

  host.events.clear();
  std::string refusal;
  DeviceOperation checked;
  checked.Step(Exchange("A"));
  checked.Check([&] { return refusal; });
  checked.Step(Exchange("B"));
  EXPECT_EQ(checked.Run(host, ds), OperationResult::Done);  // an empty text goes on
  EXPECT_EQ(host.From("range 3").size(), 7u);
  refusal = "Out of range";
  host.events.clear();
  EXPECT_EQ(checked.Run(host, ds), OperationResult::Refused);
  EXPECT_EQ(host.From("step A"),
            (std::vector<std::string>{"step A", "pos 2", "msg Out of range", "pos 0"}));
}

TEST_F(DeviceOperationTest, AsAJobItStopsBeforeTheNextMarkedStepOnceAskedTo) {
  loop.AddDevice(0);
  std::atomic<int> run{1}, idle{1};
  BackgroundJob job(run, idle, clock);
  DeviceOperation op;
  op.Step(Exchange("A")).onlyWhileRunning = true;
  op.Step([this, &run](DeviceState&) {
    host.Log("step B");
    run = 0;  // Stop pressed while B is out
    return HartResult(HART_OK);
  });
  op.Step(Exchange("C")).onlyWhileRunning = true;
  EXPECT_EQ(op.Run(host, ds, &job), OperationResult::Stopped);
  EXPECT_EQ(host.From("step A"),
            (std::vector<std::string>{"step A", "pos 2", "step B", "pos 3", "pos 0"}));
  // Without a job the marks mean nothing.
  host.events.clear();
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_FALSE(host.From("step C").empty());
}

TEST_F(DeviceOperationTest, ADeviceErrorIsShownWithTheDevicesResponseText) {
  SimTransmitter& device = loop.AddDevice(0);
  SimFaults faults;
  faults.forcedResponseCode = 7;
  faults.forcedResponseReplies = 1;
  device.SetFaults(faults);
  host.normal = false;  // broadcast: the first reply is the command's own
  HartPvReading pv{};
  DeviceOperation op;
  op.Step([&](DeviceState& state) { return HartCmd1(state, pv); });
  // The frame runs on a thread of its own, as in the program: the message still names the
  // device's answer.
  OperationResult result;
  std::thread([&] { result = op.Run(host, ds); }).join();
  EXPECT_EQ(result, OperationResult::Failed);
  EXPECT_EQ(host.From("msg Communication Failure:In write protect mode").size(), 2u);
}

TEST_F(DeviceOperationTest, BusyRefusesBeforeTouchingThePort) {
  host.idle = false;
  for (bool spaced : {false, true}) {
    host.events.clear();
    DeviceOperation op;
    op.busyCheck = true;
    op.spacedBusy = spaced;
    op.confirmText = "Reset?";
    op.Step(Exchange("A"));
    EXPECT_EQ(op.Run(host, ds), OperationResult::Busy);
    EXPECT_EQ(host.events,
              std::vector<std::string>{spaced ? "msg Busy! Try later." : "msg Busy!Try later."});
  }
  EXPECT_EQ(port->openCount, 0);

  // Without the check a running job does not stop the operation.
  loop.AddDevice(0);
  host.events.clear();
  DeviceOperation unchecked;
  unchecked.Step(Exchange("A"));
  EXPECT_EQ(unchecked.Run(host, ds), OperationResult::Done);
}

TEST_F(DeviceOperationTest, CancelEndsBeforeThePortAndOkGoesOn) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.confirmText = "Restore Factory Default";
  op.Step(Exchange("A"));
  host.confirmAnswer = false;
  EXPECT_EQ(op.Run(host, ds), OperationResult::Cancelled);
  EXPECT_EQ(host.events, std::vector<std::string>{"ask Restore Factory Default"});
  EXPECT_EQ(port->openCount, 0);

  host.confirmAnswer = true;
  host.events.clear();
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_EQ(host.events.front(), "ask Restore Factory Default");
  EXPECT_EQ(host.From("step A").size(), 3u);  // step, pos 2, pos 0
}

TEST_F(DeviceOperationTest, NoPortAndNoDeviceStopWithTheirMessages) {
  DeviceOperation op;
  op.Step(Exchange("A"));
  port->failOpen = true;
  EXPECT_EQ(op.Run(host, ds), OperationResult::NoPort);
  EXPECT_EQ(host.events, std::vector<std::string>{"msg Communication Port Error"});

  port->failOpen = false;
  host.events.clear();
  EXPECT_EQ(op.Run(host, ds), OperationResult::NoDevice);  // nobody at address 0
  EXPECT_TRUE(host.From("step A").empty());
  EXPECT_EQ(host.From("msg No Device").back(), "pos 0");
}

// A port that says why it fails: it may refuse to open, and once open every write fails.
class FailingPort final : public SerialPort {
 public:
  bool Open(const std::string&) override { return open_ = opens; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool SetRts(bool) override { return open_; }
  bool Purge() override { return open_; }
  int BytesWaiting() override { return 0; }
  int Read(uint8_t*, int) override { return 0; }
  int Write(const uint8_t*, int) override { return -1; }
  bool WaitReadable(int) override { return false; }
  std::string LastError() const override { return reason; }

  bool opens = false;
  std::string reason;

 private:
  bool open_ = false;
};

TEST_F(DeviceOperationTest, APortThatFailsIsNamedWithItsReason) {
  auto failing = std::make_unique<FailingPort>();
  FailingPort* failingPort = failing.get();
  ds.port = std::move(failing);
  host.normal = false;  // no command 0: the step's own exchange is the first
  DeviceOperation op;
  op.Step([](DeviceState& state) {
    HartPvReading pv{};
    return HartCmd1(state, pv);
  });
  failingPort->reason = "COM3 (/dev/ttyS2): no such port";
  EXPECT_EQ(op.Run(host, ds), OperationResult::NoPort);
  EXPECT_EQ(host.events, std::vector<std::string>{
                             "msg Communication Port Error\nCOM3 (/dev/ttyS2): no such port"});

  failingPort->opens = true;
  failingPort->reason = "COM3: the port is gone (Input/output error)";
  host.events.clear();
  EXPECT_EQ(op.Run(host, ds), OperationResult::Failed);
  EXPECT_EQ(host.From("msg Communication Failure:fail to send (COM3: the port is gone "
                      "(Input/output error))")
                .size(),
            2u);  // the message, then the bar back to 0
}

TEST_F(DeviceOperationTest, BroadcastSendsNoCommand0AndAddressesEveryDevice) {
  host.normal = false;
  ds.request.manufacturerId = 0x26;  // left over from an earlier identification
  ds.request.deviceId[2] = 0x55;
  DeviceOperation op;
  op.Step(Exchange("A"));
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_TRUE(loop.Requests().empty());
  EXPECT_EQ(ds.request.manufacturerId, 0);
  EXPECT_EQ(ds.request.deviceId[2], 0);
}

}  // namespace
