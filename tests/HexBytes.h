// Byte vectors written in tests as hex text: "FF 02 80" -> {0xFF, 0x02, 0x80}.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<uint8_t> Hex(const std::string& text) {
  std::vector<uint8_t> out;
  std::istringstream in(text);
  std::string byte;
  while (in >> byte)
    out.push_back(static_cast<uint8_t>(std::stoul(byte, nullptr, 16)));
  return out;
}
