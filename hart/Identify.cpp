// Identification with command 0, and the broadcast address.
#include <cstring>

#include "Commands.h"
#include "Encoding.h"

HartResult HartCmd0(DeviceState& ds, uint8_t pollingAddress, HartIdentity& identity) {
  HartResponse reply;
  std::lock_guard<std::mutex> hold(ds.lock);
  // Command 0 always goes out as a short frame to the polling address, and only a reply
  // carrying all 12 identity bytes identifies a device.
  const HartResult result = HartTransactLocked(
      ds, 0, 0,
      [&](HartRequest& r) {
        r.longFrame = 0;
        r.pollingAddress = pollingAddress;
      },
      12, reply, 2);
  if (result != HART_OK) return result;

  const uint8_t* d = reply.data;
  identity.manufacturerId = d[1];
  identity.deviceType = d[2];
  identity.minPreambles = d[3];
  identity.universalRevision = d[4];
  identity.deviceRevision = d[5];
  identity.softwareRevision = d[6];
  identity.hardwareRevision = static_cast<uint8_t>(d[7] >> 3);
  identity.physicalSignaling = d[7] & 0x07;
  identity.flags = d[8];
  identity.deviceId = GetU24BE(d + 9);

  // From now on every long frame goes to this device.
  ds.request.manufacturerId = d[1];
  ds.request.deviceType = d[2];
  std::memcpy(ds.request.deviceId, d + 9, 3);
  return result;
}

void UseBroadcastAddress(DeviceState& ds) {
  std::lock_guard<std::mutex> hold(ds.lock);
  ds.request.manufacturerId = 0;
  ds.request.deviceType = 0;
  std::memset(ds.request.deviceId, 0, sizeof ds.request.deviceId);
}
