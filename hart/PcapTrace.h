// HART traffic as a pcap capture that Wireshark and tshark decode: each frame becomes a
// HART-IP token-passing message (the frame from its delimiter to its check byte) in a UDP
// datagram on IPv4 over Ethernet, the master at 127.0.0.1:49152, the device at
// 127.0.0.2:5094, so the HART-IP dissector shows command numbers, data and response codes.
// A reply carries the sequence number of the request before it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LinkObserver.h"
#include "WholeFile.h"

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

// A capture file written frame by frame through the whole-file writer: the frames collect in
// a temporary file beside FILE, which becomes FILE only when the capture is finished whole.
// As the link's observer it records every frame it is told of.
class PcapTrace : public LinkObserver {
 public:
  PcapTrace() = default;
  ~PcapTrace() override;  // finishes the capture if still open
  PcapTrace(const PcapTrace&) = delete;
  PcapTrace& operator=(const PcapTrace&) = delete;

  // Starts the capture with the file header. False with the reason ("FILE: reason").
  bool Open(const std::string& path, std::string* error);
  // Puts the capture in place. False with the reason when a frame or the file itself could
  // not be written; an older file of that name then stays as it was.
  bool Finish(std::string* error);
  bool IsOpen() const { return file_.IsOpen(); }
  // True once a write failed; the reason is kept until Finish.
  bool Failed() const { return file_.Failed(); }

  void Write(bool fromDevice, const std::vector<uint8_t>& wire, int64_t timeUs);
  void OnFrame(const LinkFrame& frame) override;

 private:
  WholeFileWriter file_;
  PcapEncoder encoder_;
};
