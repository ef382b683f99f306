#include "SimLoop.h"

#include <algorithm>

SimLoop::SimLoop() = default;
SimLoop::~SimLoop() = default;

SimTransmitter& SimLoop::AddDevice(uint8_t pollingAddress) {
  std::lock_guard lock(mu_);
  for (auto& d : devices_)
    if (d->PollingAddress() == (pollingAddress & 0x0F)) return *d;
  // Device ids 0A 00 01, 0A 00 02, ... in the order the devices were added.
  uint32_t id = 0x0A0000 + nextSerial_++;
  devices_.push_back(std::make_unique<SimTransmitter>(uint8_t(pollingAddress & 0x0F), id));
  return *devices_.back();
}

SimTransmitter* SimLoop::Device(uint8_t pollingAddress) {
  std::lock_guard lock(mu_);
  for (auto& d : devices_)
    if (d->PollingAddress() == pollingAddress) return d.get();
  return nullptr;
}

void SimLoop::RemoveDevice(uint8_t pollingAddress) {
  std::lock_guard lock(mu_);
  std::erase_if(devices_, [&](const std::unique_ptr<SimTransmitter>& d) {
    return d->PollingAddress() == pollingAddress;
  });
}

std::vector<SimTransmitter*> SimLoop::Devices() {
  std::lock_guard lock(mu_);
  std::vector<SimTransmitter*> out;
  for (auto& d : devices_)
    out.push_back(d.get());
  return out;
}

std::vector<SimReplyPiece> SimLoop::Receive(const uint8_t* bytes, size_t n,
                                            std::vector<std::vector<uint8_t>>* frames) {
  std::lock_guard lock(mu_);
  std::vector<SimReplyPiece> pieces;
  for (size_t i = 0; i < n; ++i) {
    std::optional<SimRequest> request = receiver_.Feed(bytes[i]);
    if (!request) continue;
    if (keepRequests_) requests_.push_back(request->frame);
    if (frames) frames->push_back(request->frame);
    std::vector<SimReplyPiece> reply = Dispatch(*request);
    pieces.insert(pieces.end(), reply.begin(), reply.end());
  }
  return pieces;
}

void SimLoop::KeepRequestLog(bool keep) {
  std::lock_guard lock(mu_);
  keepRequests_ = keep;
  if (!keep) requests_ = {};
}

void SimLoop::ResetReceiver() {
  std::lock_guard lock(mu_);
  receiver_.Reset();
}

std::vector<SimReplyPiece> SimLoop::Dispatch(const SimRequest& request) {
  std::vector<SimTransmitter*> targets;
  for (auto& d : devices_) {
    bool hit = request.longFrame ? (request.IsBroadcast() || d->MatchesLongAddress(request.address))
                                 : d->PollingAddress() == request.PollingAddress();
    if (hit) targets.push_back(d.get());
  }
  // Command 11 names its device by tag: the others keep quiet and do nothing.
  if (request.command == 11 && request.data.size() >= 6)
    std::erase_if(targets, [&](SimTransmitter* d) { return !d->MatchesTag(request.data.data()); });
  if (targets.empty()) return {};
  SimTransmitter* responder = targets.front();
  if (request.IsBroadcast())
    responder = *std::min_element(targets.begin(), targets.end(), [](auto* a, auto* b) {
      return a->PollingAddress() < b->PollingAddress();
    });
  std::vector<SimReplyPiece> pieces;
  for (SimTransmitter* d : targets) {
    std::vector<SimReplyPiece> p = d->Serve(request, d == responder);
    if (d == responder) pieces = std::move(p);
  }
  return pieces;
}
