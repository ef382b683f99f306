// The frame every device operation runs in: refusals, the progress bar, the success pause
// and the failure message.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

  // A step that logs its name and returns `result`.
  DeviceStep Step(const std::string& name, int result = HART_OK) {
    return [this, name, result] {
      host.Log("step " + name);
      return result;
    };
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
  op.steps = {Step("A"), Step("B")};
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_EQ(host.From("range 3"), (std::vector<std::string>{"range 3", "pos 1", "step A", "pos 2",
                                                            "step B", "pos 3", "pos 0"}));
  EXPECT_EQ(host.TimeOf("pos 0") - host.TimeOf("pos 3"), 100);
  // Normal addressing identified the device first.
  ASSERT_FALSE(loop.Requests().empty());
  EXPECT_EQ(loop.Requests().front()[2], 0) << "command 0 first";
}

TEST_F(DeviceOperationTest, AGivenRangeEndsAtItsTop) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.progressHigh = 5;
  op.steps = {Step("A")};
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_EQ(host.From("range 5"),
            (std::vector<std::string>{"range 5", "pos 1", "step A", "pos 2", "pos 5", "pos 0"}));
}

TEST_F(DeviceOperationTest, AFailedStepNamesTheResultAndSkipsTheRest) {
  for (bool spaced : {false, true}) {
    SCOPED_TRACE(spaced);
    loop.AddDevice(0);
    host.events.clear();
    DeviceOperation op;
    op.spacedFailure = spaced;
    op.steps = {Step("A"), Step("B", HART_NO_REPLY), Step("C")};
    EXPECT_EQ(op.Run(host, ds), OperationResult::Failed);
    const std::string message = spaced ? "msg Communication Failure: No response,timeout!"
                                       : "msg Communication Failure:No response,timeout!";
    EXPECT_EQ(host.From("range 4"), (std::vector<std::string>{"range 4", "pos 1", "step A", "pos 2",
                                                              "step B", message, "pos 0"}));
    EXPECT_EQ(host.TimeOf("pos 0"), host.TimeOf(message)) << "no success pause";
  }
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
  op.steps = {[&] { return HartCmd1(ds, pv); }};
  EXPECT_EQ(op.Run(host, ds), OperationResult::Failed);
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
    op.steps = {Step("A")};
    EXPECT_EQ(op.Run(host, ds), OperationResult::Busy);
    EXPECT_EQ(host.events,
              std::vector<std::string>{spaced ? "msg Busy! Try later." : "msg Busy!Try later."});
  }
  EXPECT_EQ(port->openCount, 0);

  // Without the check a running job does not stop the operation.
  loop.AddDevice(0);
  host.events.clear();
  DeviceOperation unchecked;
  unchecked.steps = {Step("A")};
  EXPECT_EQ(unchecked.Run(host, ds), OperationResult::Done);
}

TEST_F(DeviceOperationTest, CancelEndsBeforeThePortAndOkGoesOn) {
  loop.AddDevice(0);
  DeviceOperation op;
  op.confirmText = "Restore Factory Default";
  op.steps = {Step("A")};
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
  op.steps = {Step("A")};
  port->failOpen = true;
  EXPECT_EQ(op.Run(host, ds), OperationResult::NoPort);
  EXPECT_EQ(host.events, std::vector<std::string>{"msg Communication Port Error"});

  port->failOpen = false;
  host.events.clear();
  EXPECT_EQ(op.Run(host, ds), OperationResult::NoDevice);  // nobody at address 0
  EXPECT_TRUE(host.From("step A").empty());
  EXPECT_EQ(host.From("msg No Device").back(), "pos 0");
}

TEST_F(DeviceOperationTest, BroadcastSendsNoCommand0AndAddressesEveryDevice) {
  host.normal = false;
  ds.request.manufacturerId = 0x26;  // left over from an earlier identification
  ds.request.deviceId[2] = 0x55;
  DeviceOperation op;
  op.steps = {Step("A")};
  EXPECT_EQ(op.Run(host, ds), OperationResult::Done);
  EXPECT_TRUE(loop.Requests().empty());
  EXPECT_EQ(ds.request.manufacturerId, 0);
  EXPECT_EQ(ds.request.deviceId[2], 0);
}

}  // namespace
