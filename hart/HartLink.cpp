#include "HartLink.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

#include "HartIpPort.h"
#include "PortFactory.h"

namespace {

constexpr int kQuietAllowanceMs = 1250;  // silence allowed per exchange, in total
constexpr int kReadChunk = 16;           // bytes taken from the port at a time
constexpr int kRxSize = 64;
constexpr int kHuntLimit = 32;  // a frame must start within the first 32 bytes received
// A line that never falls quiet cannot hold an exchange forever: at 1200 baud this is more
// than four seconds of traffic, far beyond the quiet-time allowance.
constexpr int kExchangeByteLimit = 512;
constexpr uint8_t kLongAck = 0x86;
constexpr uint8_t kShortAck = 0x06;

bool IsBroadcastAddress(const HartRequest& r) {
  return (r.manufacturerId & 0x3F) == 0 && r.deviceType == 0 && r.deviceId[0] == 0 &&
         r.deviceId[1] == 0 && r.deviceId[2] == 0;
}

// The receive state machine. It resumes where it stopped whenever more bytes arrive. An
// acknowledge that does not answer `request` is skipped by its byte count, and the hunt for
// the answer starts afresh after it, with the whole buffer and the 32-byte hunt limit.
class ReplyParser {
 public:
  ReplyParser(const HartRequest& request, HartResponse& out) : request_(request), out_(out) {}

  // Appends up to `room()` bytes; the caller never offers more.
  void Append(const uint8_t* bytes, int n) {
    std::memcpy(rx_ + received_, bytes, static_cast<size_t>(n));
    received_ += n;
  }
  int room() const { return kRxSize - received_; }
  // Where the last frame taken for an answer starts (its delimiter) among all the bytes
  // appended, and how many frames that were not ours went by before it.
  int FrameOffset() const { return frameAt_; }
  int SkippedFrames() const { return skippedFrames_; }

  // Runs the states over the unparsed bytes. 0 while the reply is incomplete, else a result.
  int Run() {
    for (;;) {
      const int avail = received_ - pos_;
      switch (state_) {
        case kHunt: {
          while (pos_ < received_) {
            // A frame must start within the first 32 bytes, however they were split.
            if (pos_ >= kHuntLimit) return HART_NO_REPLY;
            const uint8_t b = rx_[pos_];
            if (b == 0xFF) {
              ++preambles_;
              ++pos_;
              continue;
            }
            if (preambles_ >= 2 && preambles_ <= 20) {
              out_.preambleCount = static_cast<uint8_t>(preambles_);
              state_ = kDelimiter;  // the delimiter is examined by the next state
              break;
            }
            // A lone 0xFF is noise and a run longer than 20 is never accepted; either way
            // the count starts again after this byte.
            preambles_ = 0;
            ++pos_;
          }
          if (state_ == kHunt) return 0;
          break;
        }
        case kDelimiter: {
          if (avail < 1) return 0;
          const uint8_t b = rx_[pos_];
          if (b != kLongAck && b != kShortAck) {
            preambles_ = 0;  // hunt again from this very byte
            state_ = kHunt;
            break;
          }
          acc_ ^= b;
          out_.longFrame = static_cast<uint8_t>(b >> 7);
          frameAt_ = dropped_ + pos_;
          ++pos_;
          state_ = kAddress;
          break;
        }
        case kAddress: {
          const int need = out_.longFrame ? 5 : 1;
          if (avail < need) return 0;
          const uint8_t* a = rx_ + pos_;
          out_.masterBit = (a[0] >> 7) & 1;
          out_.burstBit = (a[0] >> 6) & 1;
          addressLow6_ = a[0] & 0x3F;
          if (out_.longFrame) {
            out_.manufacturerId = a[0] & 0x3F;
            out_.deviceType = a[1];
            std::memcpy(out_.deviceId, a + 2, 3);
          } else {
            out_.pollingAddress = a[0] & 0x0F;
          }
          Fold(need);
          state_ = kCommand;
          break;
        }
        case kCommand:
          if (avail < 1) return 0;
          out_.command = rx_[pos_];
          Fold(1);
          state_ = kByteCount;
          break;
        case kByteCount:
          if (avail < 1) return 0;
          out_.byteCount = rx_[pos_];
          Fold(1);
          if (!AnswersRequest()) {
            // Its status, data and check byte go by unread; nothing of it stays in the reply.
            skipLeft_ = out_.byteCount + 1;
            ++skippedFrames_;
            out_ = HartResponse{};
            state_ = kSkip;
            break;
          }
          // The count includes the two status bytes; more data than the record holds is a
          // reply we never complete.
          if (out_.byteCount < 2 || out_.byteCount - 2 > static_cast<int>(sizeof out_.data))
            return HART_NO_REPLY;
          dataLength_ = out_.byteCount - 2;
          state_ = kStatus;
          break;
        case kSkip: {
          const int n = std::min(avail, skipLeft_);
          pos_ += n;
          skipLeft_ -= n;
          // What was skipped leaves the buffer, so it takes no room from the answer.
          std::memmove(rx_, rx_ + pos_, static_cast<size_t>(received_ - pos_));
          received_ -= pos_;
          dropped_ += pos_;
          pos_ = 0;
          if (skipLeft_ > 0) return 0;
          preambles_ = 0;
          acc_ = 0;
          state_ = kHunt;
          break;
        }
        case kStatus:
          if (avail < 2) return 0;
          out_.responseCode = rx_[pos_];
          out_.deviceStatus = rx_[pos_ + 1];
          Fold(2);
          state_ = kData;
          break;
        case kData:
          if (avail < dataLength_) return 0;
          std::memcpy(out_.data, rx_ + pos_, static_cast<size_t>(dataLength_));
          Fold(dataLength_);
          state_ = kCheck;
          break;
        case kCheck:
          if (avail < 1) return 0;
          if (rx_[pos_] != acc_) return HART_BAD_CHECKSUM;
          out_.checksum = rx_[pos_];
          return HART_OK;
      }
    }
  }

 private:
  enum State { kHunt, kDelimiter, kAddress, kCommand, kByteCount, kSkip, kStatus, kData, kCheck };

  // The frame header parsed so far answers our request: our command, to our master, from
  // the device we addressed, in the kind of frame we sent.
  bool AnswersRequest() const {
    if (out_.command != request_.command || out_.masterBit != (request_.masterBit & 1))
      return false;
    if (out_.longFrame != (request_.longFrame ? 1 : 0)) return false;
    if (!out_.longFrame) return addressLow6_ == (request_.pollingAddress & 0x3F);
    if (IsBroadcastAddress(request_)) return true;  // any device may answer
    return addressLow6_ == (request_.manufacturerId & 0x3F) &&
           out_.deviceType == request_.deviceType &&
           std::memcmp(out_.deviceId, request_.deviceId, sizeof out_.deviceId) == 0;
  }

  void Fold(int n) {
    for (int i = 0; i < n; ++i)
      acc_ ^= rx_[pos_ + i];
    pos_ += n;
  }

  const HartRequest& request_;
  HartResponse& out_;
  uint8_t rx_[kRxSize] = {};
  int received_ = 0;
  int pos_ = 0;
  State state_ = kHunt;
  int preambles_ = 0;
  int dataLength_ = 0;
  int skipLeft_ = 0;
  int dropped_ = 0;  // bytes skipped and moved out of the buffer
  int frameAt_ = -1;
  int skippedFrames_ = 0;
  uint8_t addressLow6_ = 0;
  uint8_t acc_ = 0;
};

// `startWithinMs`, when above 0, is how long after the call the reply's first preamble may
// come before the device is taken as absent; the quiet-time allowance holds either way.
// `seen`, when given, collects every byte read, for the observer.
int ReceiveFrom(SerialPort& port, Clock& clock, ReplyParser& parser, int startWithinMs,
                std::vector<uint8_t>* seen) {
  int quietLeft = kQuietAllowanceMs;
  int taken = 0;
  bool started = startWithinMs <= 0;  // no separate limit: as if started
  const int64_t startBy = started ? 0 : clock.NowMs() + startWithinMs;
  for (;;) {
    const int waiting = port.BytesWaiting();
    if (waiting <= 0) {
      int allowed = quietLeft;
      if (!started) allowed = static_cast<int>(std::min<int64_t>(allowed, startBy - clock.NowMs()));
      if (allowed <= 0) return HART_NO_REPLY;
      const int64_t start = clock.NowMs();
      const bool readable = port.WaitReadable(allowed);
      if (!readable) return HART_NO_REPLY;  // the whole allowance passed in silence
      quietLeft -= std::max<int64_t>(clock.NowMs() - start, 1);
      continue;
    }
    // A reply that overflows the receive buffer is never complete.
    const int want = std::min({waiting, kReadChunk, parser.room()});
    if (want <= 0 || taken >= kExchangeByteLimit) return HART_NO_REPLY;
    uint8_t chunk[kReadChunk];
    const int got = port.Read(chunk, want);
    if (got < 0) return HART_NO_REPLY;
    taken += got;
    // Noise is not a reply: the reply has started when a preamble came.
    if (!started) started = std::memchr(chunk, 0xFF, static_cast<size_t>(got)) != nullptr;
    if (seen) seen->insert(seen->end(), chunk, chunk + got);
    parser.Append(chunk, got);
    if (const int result = parser.Run()) return result;
  }
}

// Callers check for an observer first, so an unobserved link copies no bytes.
void Tell(LinkObserver* observer, bool fromDevice, std::vector<uint8_t> bytes, int result,
          const HartResponse* reply, int replyAt = -1, int skippedFrames = 0) {
  LinkFrame frame;
  frame.fromDevice = fromDevice;
  frame.timeUs = WallClockMicros();
  frame.bytes = std::move(bytes);
  frame.result = result;
  frame.reply = reply;
  frame.replyAt = replyAt;
  frame.skippedFrames = skippedFrames;
  observer->OnFrame(frame);
}

int ReceiveReply(DeviceState& ds, SerialPort& port, HartResponse& out) {
  ReplyParser parser(ds.request, out);
  std::vector<uint8_t> seen;  // everything that came in, frames not ours included
  // The HART standard limit is the serial line's. A HART-IP gateway answers only after its
  // own exchange on its loop, later than that, and keeps its own time-outs there.
  const bool onTheLine = dynamic_cast<HartIpPort*>(&port) == nullptr;
  const int startWithinMs =
      ds.replyTimeout == ReplyTimeout::HartStandard && onTheLine ? kHartStandardReplyStartMs : 0;
  const int result =
      ReceiveFrom(port, ds.Time(), parser, startWithinMs, ds.observer ? &seen : nullptr);
  if (ds.observer)
    Tell(ds.observer, true, std::move(seen), result, result == HART_OK ? &out : nullptr,
         result == HART_OK ? parser.FrameOffset() : -1, parser.SkippedFrames());
  return result;
}

}  // namespace

HartRequest HartStartRequest() {
  HartRequest request{};
  request.preambleCount = 5;
  request.masterBit = 1;
  return request;
}

DeviceState::DeviceState() = default;

DeviceState::~DeviceState() {
  HartClosePort(*this);
}

DeviceState& TheDeviceState() {
  static DeviceState state;
  return state;
}

bool HartOpenPort(DeviceState& ds) {
  std::lock_guard<std::mutex> hold(ds.lock);
  if (ds.portHandle) {
    ds.portHandle->Close();
    ds.portHandle = nullptr;
  }
  const std::string name =
      ds.portNameOverride.empty() ? PortNameForIndex(ds.portIndex) : ds.portNameOverride;
  // A port of the other kind (serial for a hartip:// name, or the reverse) is swapped; one a
  // test or tool installed stays.
  if (!ds.port || PortNeedsReplacing(*ds.port, name)) ds.port = MakePortForName(name);
  if (!ds.port->Open(name)) return false;
  ds.portHandle = ds.port.get();
  return true;
}

void HartClosePort(DeviceState& ds) {
  std::lock_guard<std::mutex> hold(ds.lock);
  if (ds.portHandle) ds.portHandle->Close();
  ds.portHandle = nullptr;
}

int HartBuildFrame(const HartRequest& r, uint8_t* frame) {
  int n = 0;
  for (int i = 0; i < r.preambleCount; ++i)
    frame[n++] = 0xFF;
  const int start = n;
  const uint8_t masterBurst =
      static_cast<uint8_t>(((r.masterBit & 1) << 7) | ((r.burstBit & 1) << 6));
  if (r.longFrame) {
    frame[n++] = 0x82;
    frame[n++] = static_cast<uint8_t>(masterBurst | (r.manufacturerId & 0x3F));
    frame[n++] = r.deviceType;
    for (uint8_t b : r.deviceId)
      frame[n++] = b;
  } else {
    frame[n++] = 0x02;
    frame[n++] = static_cast<uint8_t>(masterBurst | r.pollingAddress);
  }
  frame[n++] = r.command;
  const int count = std::min<int>(r.byteCount, sizeof r.data);
  frame[n++] = static_cast<uint8_t>(count);
  std::memcpy(frame + n, r.data, static_cast<size_t>(count));
  n += count;
  uint8_t check = 0;
  for (int i = start; i < n; ++i)
    check ^= frame[i];
  frame[n++] = check;
  return n;
}

int HartSendWaitMs(int frameLength) {
  return static_cast<int>((frameLength - 10) * 9.5 + 100);
}

int HartSendCommand(DeviceState& ds, HartResponse& out) {
  SerialPort* port = ds.portHandle;
  if (!port) return HART_WRITE_FAILED;
  uint8_t tx[64] = {};
  const int n = HartBuildFrame(ds.request, tx);

  port->Purge();
  port->SetRts(true);
  bool written = false;
  for (int attempt = 0; attempt < 3 && !written; ++attempt)
    written = port->Write(tx, n) == n;
  if (ds.observer)
    Tell(ds.observer, false, {tx, tx + n}, written ? HART_OK : HART_WRITE_FAILED, nullptr);
  if (!written) {
    port->SetRts(false);  // never leave the modem keyed after giving up
    return HART_WRITE_FAILED;
  }
  // Let the frame leave the wire before the modem is switched to receive.
  ds.Time().SleepMs(HartSendWaitMs(n));
  port->SetRts(false);
  return ReceiveReply(ds, *port, out);
}

int64_t WallClockMicros() {
  using namespace std::chrono;
  return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}
