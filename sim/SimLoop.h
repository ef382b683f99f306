// A multi-drop HART loop of simulated transmitters, seen from the device side: it takes
// the bytes a master writes, finds each complete request frame, lets the addressed device
// answer, and hands back the reply bytes (in pieces, late, corrupted... on demand).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class SimTransmitter;

// Reply bytes and the milliseconds after the end of the request at which they arrive.
struct SimReplyPiece {
  int delayMs = 0;
  std::vector<uint8_t> bytes;
};

class SimLoop {
 public:
  SimLoop();
  ~SimLoop();

  // Adds a transmitter answering at `pollingAddress` (0..15), with a device id of its own.
  SimTransmitter& AddDevice(uint8_t pollingAddress);
  SimTransmitter* Device(uint8_t pollingAddress);
  void RemoveDevice(uint8_t pollingAddress);

  // Bytes the master put on the loop (preambles included, any split). Returns the pieces
  // of every reply the complete frames among them caused, in order.
  std::vector<SimReplyPiece> Receive(const uint8_t* bytes, size_t n);
  // Forgets a half-received request (the master purged or the line went quiet).
  void ResetReceiver();

  // Every request frame seen, from delimiter to check byte.
  const std::vector<std::vector<uint8_t>>& Requests() const { return requests_; }

 private:
  std::map<uint8_t, std::unique_ptr<SimTransmitter>> devices_;
  std::vector<uint8_t> pending_;
  std::vector<std::vector<uint8_t>> requests_;
};
