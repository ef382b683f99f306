// A multi-drop HART loop of simulated transmitters, seen from the device side: it takes
// the bytes a master writes, finds each complete request frame, lets the addressed device
// answer, and hands back the reply bytes (in pieces, late, corrupted... on demand).
//
// Addressing: a short frame reaches the device at its polling address; a long frame the
// device whose manufacturer id (low 6 bits), device type and device id match. The all-zero
// long address is a broadcast: every device acts on it, but only the device with the lowest
// polling address answers, so replies never collide on the loop. Command 11 (usually a
// broadcast) reaches only the devices whose tag it carries; with no such device, no reply.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "SimFrame.h"
#include "SimReply.h"
#include "SimTransmitter.h"

class SimLoop {
 public:
  SimLoop();
  ~SimLoop();

  // Adds a transmitter answering at `pollingAddress` (0..15), with a device id of its own.
  // When a device already answers there, that device is returned.
  SimTransmitter& AddDevice(uint8_t pollingAddress);
  // The device now answering at `pollingAddress` (command 6 may have moved it), or null.
  SimTransmitter* Device(uint8_t pollingAddress);
  void RemoveDevice(uint8_t pollingAddress);
  std::vector<SimTransmitter*> Devices();

  // Bytes the master put on the loop (preambles included, any split). Returns the pieces
  // of every reply the complete frames among them caused, in order; with `frames`, also
  // appends each complete request frame found (delimiter to check byte).
  std::vector<SimReplyPiece> Receive(const uint8_t* bytes, size_t n,
                                     std::vector<std::vector<uint8_t>>* frames = nullptr);
  // Forgets a half-received request (the master purged or the line went quiet).
  void ResetReceiver();

  // Every request frame seen, from delimiter to check byte. Read it while no other thread
  // writes to the loop.
  const std::vector<std::vector<uint8_t>>& Requests() const { return requests_; }
  // A loop served for days keeps no such record (its memory would grow with every
  // request); Receive's `frames` still tells each one.
  void KeepRequestLog(bool keep);

 private:
  std::vector<SimReplyPiece> Dispatch(const SimRequest& request);

  std::mutex mu_;
  std::vector<std::unique_ptr<SimTransmitter>> devices_;
  SimRequestReceiver receiver_;
  std::vector<std::vector<uint8_t>> requests_;
  bool keepRequests_ = true;
  uint32_t nextSerial_ = 1;
};
