// The command wrappers: one HartCmdN per command more than one place sends, all on the
// generic exchange. Each takes the lock, fills the request template, runs up to 4
// exchanges (2 for command 0), decodes the reply and writes its outputs only on HART_OK.
// None opens the port or shows a message.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "HartLink.h"

// ---- The generic exchange ----

// Fills the request data (and, for command 0, the frame kind and polling address).
using HartRequestFiller = std::function<void(HartRequest&)>;

// Under ds.lock: request.longFrame = 1, command, byteCount, then `fill`; a zeroed `reply`;
// up to `attempts` exchanges. An attempt fails on a link error or when the device reports
// that it received our request corrupted (status bit 7); an error response code ends it
// with HART_DEVICE_ERROR; a reply with fewer than `minReplyData` data bytes ends it with
// HART_SHORT_REPLY. Returns the last result, with the port's reason when nothing could be
// sent or nothing came back and the port can tell why.
HartResult HartTransact(DeviceState& ds, uint8_t command, uint8_t byteCount,
                        const HartRequestFiller& fill, int minReplyData, HartResponse& reply,
                        int attempts = 4);
// The same for a caller that already holds ds.lock.
HartResult HartTransactLocked(DeviceState& ds, uint8_t command, uint8_t byteCount,
                              const HartRequestFiller& fill, int minReplyData, HartResponse& reply,
                              int attempts = 4);
// The same with the request data given as bytes.
HartResult HartExchange(DeviceState& ds, uint8_t command, const uint8_t* data, uint8_t byteCount,
                        int minReplyData, HartResponse& reply, int attempts = 4);

// ---- Identification and addressing ----

struct HartIdentity {
  uint8_t manufacturerId;
  uint8_t deviceType;
  uint8_t minPreambles;
  uint8_t universalRevision;
  uint8_t deviceRevision;
  uint8_t softwareRevision;
  uint8_t hardwareRevision;   // data byte 7, bits 7..3
  uint8_t physicalSignaling;  // data byte 7, bits 2..0
  uint8_t flags;
  uint32_t deviceId;  // 24 bits
};

// Command 0 in a short frame to `pollingAddress`, 2 attempts; on success the device's long
// address goes into the request template.
HartResult HartCmd0(DeviceState& ds, uint8_t pollingAddress, HartIdentity& identity);
// Long frames from now on go to the all-zero address (80 00 00 00 00).
void UseBroadcastAddress(DeviceState& ds);

// ---- Universal and common-practice commands ----

struct HartPvReading {
  uint8_t unitCode;
  float pv;
};
struct HartLoopReading {
  float current;
  float percent;
};
struct HartOutputInfo {
  uint8_t alarmCode;
  uint8_t transferFunction;
  uint8_t rangeUnits;
  float upperRange;
  float lowerRange;
  float damping;
  uint8_t writeProtect;
  uint8_t distributor;
};
struct HartRangeValues {
  uint8_t unitCode;
  float upperRange;
  float lowerRange;
};
struct HartFloatEcho {
  float requested;
  float actual;
};

HartResult HartCmd1(DeviceState& ds, HartPvReading& out);
HartResult HartCmd2(DeviceState& ds, HartLoopReading& out);
HartResult HartCmd12(DeviceState& ds, char message[32]);
// Command 13's tag (8 characters of packed ASCII), trailing blanks cut; `attempts` as for
// HartExchange (a device that has just answered command 0 needs fewer).
HartResult HartReadTag(DeviceState& ds, std::string& tag, int attempts = 4);
HartResult HartCmd15(DeviceState& ds, HartOutputInfo& out);
HartResult HartCmd16(DeviceState& ds, uint32_t& finalAssembly);
HartResult HartCmd17(DeviceState& ds, char message[32]);
HartResult HartCmd19(DeviceState& ds, uint32_t& finalAssembly);
HartResult HartCmd34(DeviceState& ds, HartFloatEcho& damping);
HartResult HartCmd35(DeviceState& ds, HartRangeValues& range);
HartResult HartCmd40(DeviceState& ds, HartFloatEcho& current);
HartResult HartCmd42(DeviceState& ds);
HartResult HartCmd47(DeviceState& ds, uint8_t& transferFunction);

// ---- Device-specific commands ----

struct HartCompRecord {
  uint8_t code;
  float value[7];
};
struct HartSensorRecord {
  float value;
  uint8_t alarmType;
  uint8_t displayMode;
  uint8_t numberFormat;
  uint8_t excitation;  // plain value; travels as excitation * 3
  uint8_t typeIndex;   // 0..5, see HartSensorTypeCode
  uint8_t typeCode;    // the raw wire code of data byte 8 as the device last reported it
  uint8_t extra1;      // data byte 9 of command 187
  uint8_t extra2;      // data byte 10 of command 187
};
struct HartRangePair {
  float lower;
  float upper;
  uint8_t code;
};

// Wire code of data byte 8 of commands 147 and 187 for typeIndex 0..5; -1 outside.
int HartSensorTypeCode(int typeIndex);
// typeIndex of a wire code; -1 when the code is not in the table.
int HartSensorTypeIndex(uint8_t wireCode);

HartResult HartCmd145(DeviceState& ds, HartCompRecord& out);
HartResult HartCmd146(DeviceState& ds, HartCompRecord& rec);
// Also keeps the reply's bytes 9 and 10 in extra1/extra2 when it carries them, so that
// HartCmd187 sends back what the device reported.
HartResult HartCmd147(DeviceState& ds, HartSensorRecord& out);
HartResult HartCmd149(DeviceState& ds, HartRangePair& out);
HartResult HartCmd150(DeviceState& ds, float& out);
HartResult HartCmd187(DeviceState& ds, HartSensorRecord& rec);
HartResult HartCmd190(DeviceState& ds, float& value);
HartResult HartCmd201(DeviceState& ds, int32_t& value32, uint16_t& value16);
HartResult HartCmd215(DeviceState& ds, uint8_t& value);
HartResult HartCmd221(DeviceState& ds, uint8_t& tempPoints, uint8_t& pressurePoints);
HartResult HartCmd223(DeviceState& ds, uint8_t index, float& out);
HartResult HartCmd225(DeviceState& ds, uint8_t index, uint16_t& out);
HartResult HartCmd226(DeviceState& ds, uint8_t index, uint16_t value);
HartResult HartCmd227(DeviceState& ds, uint8_t index, int32_t& out);
HartResult HartCmd228(DeviceState& ds, uint8_t index, int32_t value);
