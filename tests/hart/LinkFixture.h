#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "Commands.h"
#include "ScriptedPort.h"

// A DeviceState whose port is a ScriptedPort on a virtual clock, opened, addressed to
// manufacturer 0x26, type 0x05, id 01 02 03.
class LinkFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    auto port = std::make_unique<ScriptedPort>(clock);
    scripted = port.get();
    ds.port = std::move(port);
    ds.clock = &clock;
    ASSERT_TRUE(HartOpenPort(ds));
    ds.request.manufacturerId = 0x26;
    ds.request.deviceType = 0x05;
    ds.request.deviceId[0] = 0x01;
    ds.request.deviceId[1] = 0x02;
    ds.request.deviceId[2] = 0x03;
  }

  // Queues one reply arriving whole right after the send wait.
  void Answer(std::vector<uint8_t> bytes) { scripted->replies.push_back({{0, std::move(bytes)}}); }
  void Silence() { scripted->replies.push_back({}); }

  // Data bytes of the last request frame written (after the 5 preambles and 8-byte header).
  std::vector<uint8_t> LastLongRequestData() const {
    const auto& w = scripted->writes.back();
    return {w.begin() + 13, w.end() - 1};
  }

  VirtualClock clock;
  DeviceState ds;
  ScriptedPort* scripted = nullptr;
};
