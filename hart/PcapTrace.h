// HART traffic as a pcap capture that Wireshark and tshark decode: each frame becomes a
// HART-IP token-passing message (the frame from its delimiter to its check byte) in a UDP
// datagram on IPv4 over Ethernet, the master at 127.0.0.1:49152, the device at
// 127.0.0.2:5094, so the HART-IP dissector shows command numbers, data and response codes.
// A reply carries the sequence number of the request before it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "LinkObserver.h"

// Builds the capture's bytes: the file header once, then one record per frame.
class PcapEncoder {
 public:
  // The 24-byte file header (microsecond time stamps, Ethernet).
  static std::vector<uint8_t> FileHeader();
  // Appends the record of one frame as on the wire (preambles or noise ahead are skipped,
  // anything after the frame's check byte is left out). False, and nothing appended, when
  // the bytes hold no frame.
  bool AppendRecord(std::vector<uint8_t>& out, bool fromDevice, const std::vector<uint8_t>& wire,
                    int64_t timeUs);

 private:
  uint16_t sequence_ = 0;
  uint16_t ipId_ = 0;
};

// A capture file written frame by frame (each record flushed at once, so a killed program
// leaves a readable file). As the link's observer it records every frame it is told of.
class PcapTrace : public LinkObserver {
 public:
  PcapTrace() = default;
  ~PcapTrace() override;
  PcapTrace(const PcapTrace&) = delete;
  PcapTrace& operator=(const PcapTrace&) = delete;

  // Creates (or empties) the file and writes the file header. False with a reason.
  bool Open(const std::string& path, std::string* error);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  void Write(bool fromDevice, const std::vector<uint8_t>& wire, int64_t timeUs);
  void OnFrame(const LinkFrame& frame) override;

 private:
  std::FILE* file_ = nullptr;
  PcapEncoder encoder_;
};
