// The HART-IP message header (version 1), big-endian, 8 bytes, ahead of every message on
// UDP or TCP port 5094:
//   01  00  03  00  00 07  00 16   then the body (here a 14-byte HART frame)
//   ver type id status sequence byte count (header included)
// A token-passing PDU carries one HART frame from its delimiter to its check byte, without
// preambles: the request from the client, the device's reply back with the same sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hartip {

constexpr uint16_t kPort = 5094;
constexpr uint8_t kVersion = 1;
constexpr size_t kHeaderSize = 8;

enum MessageType : uint8_t {
  kRequest = 0,
  kResponse = 1,
  kPublish = 2,
  kError = 3,
  kNak = 15,
};

enum MessageId : uint8_t {
  kSessionInitiate = 0,
  kSessionClose = 1,
  kKeepAlive = 2,
  kTokenPassingPdu = 3,
};

// Header status of a response. A session initiate answered with kStatusSetToNearest was
// accepted with another inactivity timer (the one in its body).
enum Status : uint8_t {
  kStatusSuccess = 0,
  kStatusTooFewDataBytes = 5,
  kStatusSetToNearest = 8,
};

// Who opens a session: the body's first byte.
constexpr uint8_t kPrimaryMaster = 1;
constexpr size_t kSessionInitiateBodySize = 5;

struct Header {
  uint8_t version = kVersion;
  uint8_t messageType = kRequest;
  uint8_t messageId = kTokenPassingPdu;
  uint8_t status = 0;
  uint16_t sequence = 0;
  uint16_t byteCount = kHeaderSize;  // the whole message, header included
};

void EncodeHeader(const Header& header, uint8_t* out);  // writes kHeaderSize bytes
// False when fewer than kHeaderSize bytes are given; nothing is checked beyond that.
bool DecodeHeader(const uint8_t* bytes, size_t n, Header& out);

// A whole message: the header (its byte count set from the body) and the body.
std::vector<uint8_t> EncodeMessage(uint8_t messageType, uint8_t messageId, uint8_t status,
                                   uint16_t sequence, const uint8_t* body, size_t bodyLength);

// The body of a session initiate, request and response alike: the master type, then the
// inactivity close timer in milliseconds, big-endian:   01 00 00 EA 60   primary, 60 s.
std::vector<uint8_t> EncodeSessionInitiateBody(uint8_t masterType, uint32_t inactivityMs);
// False when the body is shorter than kSessionInitiateBodySize.
bool DecodeSessionInitiateBody(const uint8_t* body, size_t n, uint8_t& masterType,
                               uint32_t& inactivityMs);

}  // namespace hartip
