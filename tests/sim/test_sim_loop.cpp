// Multi-drop addressing: who hears a request and who answers it.
#include <gtest/gtest.h>

#include "SimTestUtil.h"

namespace {

std::vector<uint8_t> Address(const SimTransmitter& d) {
  return d.LongAddress();
}

TEST(SimLoopAddressing, ShortFrameReachesOnlyTheDeviceAtThatPollingAddress) {
  SimLoop loop;
  SimTransmitter& a = loop.AddDevice(3);
  SimTransmitter& b = loop.AddDevice(7);
  EXPECT_NE(a.Identity().deviceId, b.Identity().deviceId);
  EXPECT_EQ(&loop.AddDevice(7), &b);  // adding at a taken address gives the device there

  // Command 0 to polling address 7: the reply's address byte is 80 | 7.
  auto reply = Send(loop, Hex("FF FF FF FF FF 02 87 00 00 85"));
  ASSERT_EQ(reply.size(), 24u);
  EXPECT_EQ(reply[6], 0x87);
  EXPECT_EQ(reply[22], uint8_t(b.Identity().deviceId));  // last data byte: id low byte
  EXPECT_EQ(a.RequestsHeard(), 0);
  EXPECT_EQ(b.RequestsHeard(), 1);
  // Nobody at 5: silence.
  EXPECT_TRUE(Send(loop, Hex("FF FF FF FF FF 02 85 00 00 87")).empty());
}

TEST(SimLoopAddressing, LongFrameMatchesManufacturerLowBitsTypeAndId) {
  SimLoop loop;
  SimTransmitter& a = loop.AddDevice(3);
  SimTransmitter& b = loop.AddDevice(7);
  auto addr = Address(b);
  auto request = LongRequest(simbytes::U24BE(&addr[2]), 1);
  request[6] |= 0xC0;  // master and burst bits do not take part in the match
  request.back() ^= 0x40;
  Ack ack = ParseLongAck(Send(loop, request));
  EXPECT_TRUE(ack.checkOk);
  EXPECT_EQ(ack.command, 1);
  EXPECT_EQ(a.RequestsHeard(), 0);
  EXPECT_EQ(b.RequestsHeard(), 1);
  // Another device type: nobody.
  auto other = LongRequest(simbytes::U24BE(&addr[2]), 1);
  other[7] = 0x06;
  other.back() ^= 0x03;
  EXPECT_TRUE(Send(loop, other).empty());
}

TEST(SimLoopAddressing, BroadcastActsOnEveryDeviceButOnlyTheLowestAnswersWithItsOwnAddress) {
  SimLoop loop;
  SimTransmitter& b = loop.AddDevice(7);
  SimTransmitter& a = loop.AddDevice(3);
  // Command 19 (assembly number 00 00 2A) to 80 00 00 00 00:
  // check = 82 ^ 80 ^ 13 ^ 03 ^ 2A = 0x38.
  auto reply = Send(loop, Hex("FF FF FF FF FF 82 80 00 00 00 00 13 03 00 00 2A 38"));
  Ack ack = ParseLongAck(reply);
  ASSERT_TRUE(ack.checkOk);
  EXPECT_EQ(ack.data, Hex("00 00 2A"));
  auto own = Address(a);
  own[0] |= 0x80;
  EXPECT_EQ(std::vector<uint8_t>(reply.begin() + 6, reply.begin() + 11), own);
  for (SimTransmitter* d : {&a, &b})
    EXPECT_EQ(simbytes::U32LE(d->Image().Data() + image::kAssembly), 42u);
}

TEST(SimLoopAddressing, Command6MovesTheDeviceAndMultidropFixesTheLoopAt4mA) {
  SimLoop loop;
  SimTransmitter& d = loop.AddDevice(0);
  d.SetPressure(50.0);
  EXPECT_FLOAT_EQ(d.LoopCurrent(), 12.0f);
  auto addr = Address(d);
  uint32_t id = simbytes::U24BE(&addr[2]);
  EXPECT_EQ(ParseLongAck(Send(loop, LongRequest(id, 6, {16}))).code, 2);
  EXPECT_EQ(ParseLongAck(Send(loop, LongRequest(id, 6, {5}))).data, Hex("05"));
  EXPECT_EQ(loop.Device(0), nullptr);
  EXPECT_EQ(loop.Device(5), &d);
  EXPECT_FLOAT_EQ(d.LoopCurrent(), 4.0f);
  EXPECT_TRUE(d.DeviceStatus() & kStatusCurrentFixed);
  // A multidrop device refuses to fix its current (11) and answers at its new address.
  EXPECT_EQ(ParseLongAck(Send(loop, LongRequest(id, 40, Hex("41 40 00 00")))).code, 11);
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 02 85 00 00 87")).size(), 24u);
  loop.RemoveDevice(5);
  EXPECT_TRUE(loop.Devices().empty());
}

}  // namespace
