#include "PcapTrace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "FrameText.h"
#include "HartIpHeader.h"

namespace {

constexpr uint16_t kMasterPort = 49152;
constexpr uint8_t kMasterIp[4] = {127, 0, 0, 1};
constexpr uint8_t kDeviceIp[4] = {127, 0, 0, 2};
constexpr uint8_t kMasterMac[6] = {0x02, 0, 0, 0, 0, 0x01};
constexpr uint8_t kDeviceMac[6] = {0x02, 0, 0, 0, 0, 0x02};
constexpr size_t kEthernetSize = 14;
constexpr size_t kIpSize = 20;
constexpr size_t kUdpSize = 8;

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutLe16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void PutBe16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
void Put(std::vector<uint8_t>& out, const uint8_t* bytes, size_t n) {
  out.insert(out.end(), bytes, bytes + n);
}

// The frame's length from its delimiter as far as the bytes reach: delimiter, address,
// command, byte count, the counted bytes and the check byte.
size_t FrameLength(const std::vector<uint8_t>& wire, size_t start) {
  const size_t available = wire.size() - start;
  const size_t address = (wire[start] & 0x80) ? 5 : 1;
  const size_t countAt = 1 + address + 1;
  if (available <= countAt) return available;
  return std::min(available, countAt + 1 + wire[start + countAt] + 1);
}

uint16_t IpChecksum(const uint8_t* header) {
  uint32_t sum = 0;
  for (size_t i = 0; i < kIpSize; i += 2)
    sum += static_cast<uint32_t>((header[i] << 8) | header[i + 1]);
  while (sum >> 16)
    sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<uint16_t>(~sum);
}

}  // namespace

std::vector<uint8_t> PcapEncoder::FileHeader() {
  std::vector<uint8_t> out;
  PutLe32(out, 0xA1B2C3D4);  // microsecond time stamps
  PutLe16(out, 2);
  PutLe16(out, 4);
  PutLe32(out, 0);  // time zone
  PutLe32(out, 0);  // accuracy
  PutLe32(out, 65535);
  PutLe32(out, 1);  // Ethernet
  return out;
}

bool PcapEncoder::AppendRecord(std::vector<uint8_t>& out, bool fromDevice,
                               const std::vector<uint8_t>& wire, int64_t timeUs) {
  const int start = FindFrameStart(wire);
  if (start < 0) return false;
  const size_t pduLength = FrameLength(wire, static_cast<size_t>(start));
  if (!fromDevice) ++sequence_;
  const std::vector<uint8_t> message =
      hartip::EncodeMessage(fromDevice ? hartip::kResponse : hartip::kRequest,
                            hartip::kTokenPassingPdu, 0, sequence_, wire.data() + start, pduLength);

  const size_t udpLength = kUdpSize + message.size();
  const size_t ipLength = kIpSize + udpLength;
  const size_t captured = kEthernetSize + ipLength;
  PutLe32(out, static_cast<uint32_t>(timeUs / 1000000));
  PutLe32(out, static_cast<uint32_t>(timeUs % 1000000));
  PutLe32(out, static_cast<uint32_t>(captured));
  PutLe32(out, static_cast<uint32_t>(captured));

  Put(out, fromDevice ? kMasterMac : kDeviceMac, 6);  // destination
  Put(out, fromDevice ? kDeviceMac : kMasterMac, 6);  // source
  PutBe16(out, 0x0800);

  const size_t ipAt = out.size();
  out.push_back(0x45);  // IPv4, 20-byte header
  out.push_back(0);
  PutBe16(out, static_cast<uint16_t>(ipLength));
  PutBe16(out, ipId_++);
  PutBe16(out, 0x4000);  // don't fragment
  out.push_back(64);     // time to live
  out.push_back(17);     // UDP
  PutBe16(out, 0);       // checksum, filled in below
  Put(out, fromDevice ? kDeviceIp : kMasterIp, 4);
  Put(out, fromDevice ? kMasterIp : kDeviceIp, 4);
  const uint16_t check = IpChecksum(out.data() + ipAt);
  out[ipAt + 10] = static_cast<uint8_t>(check >> 8);
  out[ipAt + 11] = static_cast<uint8_t>(check);

  PutBe16(out, fromDevice ? hartip::kPort : kMasterPort);
  PutBe16(out, fromDevice ? kMasterPort : hartip::kPort);
  PutBe16(out, static_cast<uint16_t>(udpLength));
  PutBe16(out, 0);  // no UDP checksum
  Put(out, message.data(), message.size());
  return true;
}

PcapTrace::~PcapTrace() {
  if (IsOpen()) Finish(nullptr);
}

bool PcapTrace::Open(const std::string& path, std::string* error) {
  encoder_ = PcapEncoder();
  const std::vector<uint8_t> header = PcapEncoder::FileHeader();
  if (file_.Open(path) && file_.Write(header.data(), header.size())) return true;
  if (error) *error = path + ": " + file_.Error();
  file_.Discard();
  return false;
}

bool PcapTrace::Finish(std::string* error) {
  if (file_.Commit()) return true;
  if (error) *error = file_.Path() + ": " + file_.Error();
  return false;
}

void PcapTrace::Write(bool fromDevice, const std::vector<uint8_t>& wire, int64_t timeUs) {
  if (!file_.IsOpen()) return;
  std::vector<uint8_t> record;
  if (!encoder_.AppendRecord(record, fromDevice, wire, timeUs)) return;
  file_.Write(record.data(), record.size());  // a failure is kept for Finish
}

void PcapTrace::OnFrame(const LinkFrame& frame) {
  // A reply is recorded as the frame that answered, not the frames skipped before it.
  if (frame.replyAt > 0 && static_cast<size_t>(frame.replyAt) < frame.bytes.size())
    Write(frame.fromDevice, {frame.bytes.begin() + frame.replyAt, frame.bytes.end()}, frame.timeUs);
  else
    Write(frame.fromDevice, frame.bytes, frame.timeUs);
}
