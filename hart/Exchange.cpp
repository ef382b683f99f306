// The generic exchange every HartCmdN wrapper and every page-built command runs on.
#include <algorithm>
#include <cstring>

#include "Commands.h"

HartResult HartTransactLocked(DeviceState& ds, uint8_t command, uint8_t byteCount,
                              const HartRequestFiller& fill, int minReplyData, HartResponse& reply,
                              int attempts) {
  ds.request.longFrame = 1;
  ds.request.command = command;
  ds.request.byteCount = byteCount;
  if (fill) fill(ds.request);
  std::memset(&reply, 0, sizeof reply);

  int result = HART_NO_REPLY;  // of the last attempt
  for (int attempt = 0; attempt < attempts; ++attempt) {
    result = HartSendCommand(ds, reply);
    if (result != HART_OK) continue;
    // Bit 7 of the first status byte: the device received our request corrupted.
    if (reply.responseCode & 0x80) {
      result = HART_DEVICE_COMM_ERROR;
      continue;
    }
    if (reply.responseCode != 0 && !HartIsWarningCode(reply.responseCode))
      return HartResult(HART_DEVICE_ERROR, reply.responseCode, command);
    if (reply.byteCount - 2 < minReplyData) return HART_SHORT_REPLY;
    return HART_OK;
  }
  HartResult failed(result);
  // Nothing went out or nothing came back: the port may know why (it went away).
  if ((result == HART_WRITE_FAILED || result == HART_NO_REPLY) && ds.portHandle)
    failed.portReason = ds.portHandle->LastError();
  return failed;
}

HartResult HartTransact(DeviceState& ds, uint8_t command, uint8_t byteCount,
                        const HartRequestFiller& fill, int minReplyData, HartResponse& reply,
                        int attempts) {
  std::lock_guard<std::mutex> hold(ds.lock);
  return HartTransactLocked(ds, command, byteCount, fill, minReplyData, reply, attempts);
}

HartResult HartExchange(DeviceState& ds, uint8_t command, const uint8_t* data, uint8_t byteCount,
                        int minReplyData, HartResponse& reply, int attempts) {
  return HartTransact(
      ds, command, byteCount,
      [&](HartRequest& r) {
        if (byteCount) std::memcpy(r.data, data, std::min<size_t>(byteCount, sizeof r.data));
      },
      minReplyData, reply, attempts);
}
