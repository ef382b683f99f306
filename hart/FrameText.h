// Frames as text, for logs: the bytes in hex and a one-line decode.
//   FF FF FF FF FF 86 A6 05 01 02 03 01 07 00 00 0C 41 48 00 00 26
//   "ACK long 26:05:010203 cmd 1 bc 7 rc 0 st 0x00"
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The index of the first frame's delimiter in `bytes`: at byte 0, or after two or more
// preambles (noise ahead is skipped). -1 when there is none.
int FindFrameStart(const std::vector<uint8_t>& bytes);

// One line naming the first frame in `bytes`: direction, address, command, byte count and,
// for replies, response code and status. "no frame" when there is none.
std::string DescribeFrame(const std::vector<uint8_t>& bytes);

// "FF 02 80": the bytes in hex, separated by blanks.
std::string HexBytes(const std::vector<uint8_t>& bytes);

// The device status byte of a reply in words, bit 7 first: "Field device malfunction",
// "Configuration changed", "Cold start", "More status available", "Loop current fixed",
// "Loop current saturated", "Non-PV out of limits", "PV out of limits".
const char* DeviceStatusBitName(int bit);  // bit 0..7
// The set bits' names joined by ", "; "OK" when none is set.
std::string DeviceStatusText(uint8_t deviceStatus);

// A long address as "26-05-010203": manufacturer id (low 6 bits), device type, device id.
std::string LongAddressText(uint8_t manufacturerId, uint8_t deviceType, const uint8_t* deviceId);

struct HartIdentity;
// The long address of an identified device as the status bar and the records write it:
// "26-05-0A0001".
std::string IdentityAddressText(const HartIdentity& identity);
// What a device's command 0 answer says of it, as the device records keep it:
// "Manufacturer 0x26; Device type 0x05; Device ID 0x0A0001; Polling address 0; Revisions:
// universal 5, device 1, software 3, hardware 2".
std::string IdentityText(int pollAddress, const HartIdentity& id);
