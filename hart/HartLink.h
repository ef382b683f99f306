// The HART link: the request template, the reply record, the result codes and the one
// request/response exchange every command goes through.
//
// Command 1 to manufacturer 0x26, type 0x05, id 01 02 03 from the primary master:
//   FF FF FF FF FF  82  A6 05 01 02 03  01  00  20
//   preambles       delim  address      cmd bc  check (xor from delimiter on)
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "Clock.h"
#include "LinkObserver.h"
#include "SerialPort.h"

// Result codes of an exchange and of every HartCmdN wrapper.
enum : int {
  HART_OK = 1,
  HART_WRITE_FAILED = 2,
  HART_NO_REPLY = 3,
  HART_BAD_CHECKSUM = 4,
  // 5 is the "Unknown error" slot.
  HART_DEVICE_ERROR = 6,       // the device answered with an error response code
  HART_SHORT_REPLY = 7,        // success code but fewer data bytes than the command carries
  HART_DEVICE_COMM_ERROR = 8,  // the device saw our request corrupted (status bit 7)
};

// The outcome of an exchange or a wrapper: its result code and, when the device refused the
// request (HART_DEVICE_ERROR), the device's response code and the command it refused; when
// the port could say why nothing was sent or came back (the port went away, a HART-IP server
// refused the request), its reason. It travels as a value, so whichever thread shows it can
// still name the device's answer or the port's reason.
struct HartResult {
  int code = HART_NO_REPLY;
  int responseCode = 0;
  int command = -1;
  std::string portReason;  // empty when the port gave none

  HartResult() = default;
  // A bare result code is a result.
  HartResult(int resultCode) : code(resultCode) {}  // NOLINT(google-explicit-*)
  HartResult(int resultCode, int deviceResponseCode, int refusedCommand)
      : code(resultCode), responseCode(deviceResponseCode), command(refusedCommand) {}

  bool ok() const { return code == HART_OK; }
  friend bool operator==(const HartResult& r, int resultCode) { return r.code == resultCode; }
};

struct HartRequest {
  uint8_t preambleCount;
  uint8_t longFrame;
  uint8_t masterBit;
  uint8_t burstBit;
  uint8_t pollingAddress;
  uint8_t manufacturerId;
  uint8_t deviceType;
  uint8_t deviceId[3];
  uint8_t command;
  uint8_t byteCount;
  uint8_t data[32];
};
static_assert(sizeof(HartRequest) == 44);

struct HartResponse {
  uint8_t preambleCount;
  uint8_t longFrame;
  uint8_t masterBit;
  uint8_t burstBit;
  uint8_t pollingAddress;
  uint8_t manufacturerId;
  uint8_t deviceType;
  uint8_t deviceId[3];
  uint8_t command;
  uint8_t byteCount;
  uint8_t responseCode;
  uint8_t deviceStatus;
  uint8_t data[32];
  uint8_t checksum;
};
static_assert(sizeof(HartResponse) == 47);

// The request template as it starts: 5 preambles, short frame, primary master, no burst,
// everything else zero.
HartRequest HartStartRequest();

// How long the link waits for a reply that has not started.
//  Tolerant: the reply may start at any time within the quiet-time allowance of the exchange
//    (1.25 s of silence in total), as slow modems and gateways need.
//  HartStandard: a reply that has not started (no preamble came) within
//    kHartStandardReplyStartMs of the end of our request is given up; once it has started,
//    the quiet-time allowance holds as with Tolerant. Addresses where nobody answers are
//    given up sooner, so a device search is quicker. On a serial line only: over HART-IP
//    the gateway answers after its own exchange on its loop, so the link stays Tolerant.
enum class ReplyTimeout { Tolerant, HartStandard };

// The slave time-out of HART's data link layer, 28 character times of 11 bits at 1200 baud
// (256.7 ms), plus 20 ms for the modems' turnaround (the answering modem's RTS-to-carrier
// time and our carrier detect), rounded up. Counted from when the link stops sending (the
// send wait lets the frame leave the wire before RTS drops).
constexpr int kHartStandardReplyStartMs = 277;

// The process-wide link record: the lock that serialises all traffic, the port and the
// request template every frame is built from.
struct DeviceState {
  DeviceState();
  ~DeviceState();  // HartClosePort
  DeviceState(const DeviceState&) = delete;
  DeviceState& operator=(const DeviceState&) = delete;

  std::mutex lock;
  int32_t portIndex = 0;
  SerialPort* portHandle = nullptr;  // the open port, or null
  HartRequest request = HartStartRequest();
  // How long a reply may take to start; read under the lock by every exchange.
  ReplyTimeout replyTimeout = ReplyTimeout::Tolerant;

  // Seams: the port backend HartOpenPort opens (the system's serial port unless a test or
  // tool installs another), the port name used instead of COM(portIndex + 1) when set
  // (hartctl's --port with a path), and the clock of every wait.
  std::unique_ptr<SerialPort> port;
  std::string portNameOverride;
  Clock* clock = nullptr;  // null: TheClock()
  // Told of every frame both ways (see LinkObserver.h); null: nobody listens.
  LinkObserver* observer = nullptr;

  Clock& Time() { return clock ? *clock : TheClock(); }
};

// The process's DeviceState (the GUI's); tools and tests may make their own.
DeviceState& TheDeviceState();

// Opens (or re-opens) COM(portIndex + 1) and configures it. Takes the lock.
bool HartOpenPort(DeviceState& ds);
// Closes the port if open. Runs at exit.
void HartClosePort(DeviceState& ds);

// Sends ds.request once and parses the reply that answers it into `out`. The caller holds
// ds.lock. A reply answers the request when its command and master bit are the request's and
// it comes from the addressed device: the polling address of a short request, the long
// address of a long one (any device for the all-zero long address). Any other frame (a burst,
// another master's traffic, another device's answer) is skipped, and the wait for the answer
// goes on within the same quiet-time allowance.
int HartSendCommand(DeviceState& ds, HartResponse& out);

// Builds the request frame into `frame` (at least 64 bytes); returns its length.
int HartBuildFrame(const HartRequest& request, uint8_t* frame);

// Milliseconds the link waits after writing an n-byte frame: (n - 10) * 9.5 + 100.
int HartSendWaitMs(int frameLength);

// The text of a result: "Succeed", "No response,timeout!", ... and for HART_DEVICE_ERROR the
// device's response text for its response code and command. A port's reason follows in
// brackets: "fail to send (COM3 (/dev/ttyUSB0): the port is gone (Input/output error))".
std::string HartResultText(const HartResult& result);
// The device's response text for an error or warning response code of a command.
std::string HartResponseCodeText(int responseCode, int command);
// Warning response codes: the command was carried out.
bool HartIsWarningCode(int responseCode);
