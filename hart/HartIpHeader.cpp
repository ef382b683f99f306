#include "HartIpHeader.h"

namespace hartip {

void EncodeHeader(const Header& h, uint8_t* out) {
  out[0] = h.version;
  out[1] = h.messageType;
  out[2] = h.messageId;
  out[3] = h.status;
  out[4] = static_cast<uint8_t>(h.sequence >> 8);
  out[5] = static_cast<uint8_t>(h.sequence);
  out[6] = static_cast<uint8_t>(h.byteCount >> 8);
  out[7] = static_cast<uint8_t>(h.byteCount);
}

bool DecodeHeader(const uint8_t* b, size_t n, Header& out) {
  if (n < kHeaderSize) return false;
  out.version = b[0];
  out.messageType = b[1];
  out.messageId = b[2];
  out.status = b[3];
  out.sequence = static_cast<uint16_t>((b[4] << 8) | b[5]);
  out.byteCount = static_cast<uint16_t>((b[6] << 8) | b[7]);
  return true;
}

std::vector<uint8_t> EncodeMessage(uint8_t messageType, uint8_t messageId, uint8_t status,
                                   uint16_t sequence, const uint8_t* body, size_t bodyLength) {
  Header h;
  h.messageType = messageType;
  h.messageId = messageId;
  h.status = status;
  h.sequence = sequence;
  h.byteCount = static_cast<uint16_t>(kHeaderSize + bodyLength);
  std::vector<uint8_t> message(kHeaderSize + bodyLength);
  EncodeHeader(h, message.data());
  for (size_t i = 0; i < bodyLength; ++i)
    message[kHeaderSize + i] = body[i];
  return message;
}

std::vector<uint8_t> EncodeSessionInitiateBody(uint8_t masterType, uint32_t inactivityMs) {
  return {masterType, static_cast<uint8_t>(inactivityMs >> 24),
          static_cast<uint8_t>(inactivityMs >> 16), static_cast<uint8_t>(inactivityMs >> 8),
          static_cast<uint8_t>(inactivityMs)};
}

bool DecodeSessionInitiateBody(const uint8_t* body, size_t n, uint8_t& masterType,
                               uint32_t& inactivityMs) {
  if (n < kSessionInitiateBodySize) return false;
  masterType = body[0];
  inactivityMs = (static_cast<uint32_t>(body[1]) << 24) | (static_cast<uint32_t>(body[2]) << 16) |
                 (static_cast<uint32_t>(body[3]) << 8) | body[4];
  return true;
}

}  // namespace hartip
