// Undoes the termios PARMRK marking of received bytes. With INPCK|PARMRK (and without
// IGNPAR) the tty driver delivers a byte x that arrived with a parity or framing error as
// FF 00 x, and a genuine FF as FF FF. The link wants such a byte as 'F' (0x46), the way a
// Windows driver replaces it, so:
//   41 FF FF 42 FF 00 37 43  ->  41 FF 42 46 43
// A mark may be cut between two reads; the decoder keeps the part it has seen.
#pragma once

#include <cstddef>
#include <cstdint>

class ParityMarkDecoder {
 public:
  static constexpr uint8_t kErrorByte = 0x46;

  // Decodes `n` raw bytes and writes the result to `out`; returns the advanced iterator.
  // Writes at most n + 1 bytes (the +1 only for a stray FF that no PARMRK driver sends).
  template <class OutputIt>
  OutputIt Decode(const uint8_t* in, size_t n, OutputIt out) {
    for (size_t i = 0; i < n; ++i) {
      const uint8_t b = in[i];
      switch (state_) {
        case State::kPlain:
          if (b == 0xFF) {
            state_ = State::kAfterFF;
          } else {
            *out++ = b;
          }
          break;
        case State::kAfterFF:
          if (b == 0x00) {
            state_ = State::kAfterFF00;
          } else if (b == 0xFF) {
            *out++ = 0xFF;
            state_ = State::kPlain;
          } else {
            // Not a mark after all: pass both bytes on unchanged.
            *out++ = 0xFF;
            *out++ = b;
            state_ = State::kPlain;
          }
          break;
        case State::kAfterFF00:
          *out++ = kErrorByte;
          state_ = State::kPlain;
          break;
      }
    }
    return out;
  }

  // True while the start of a mark has been seen but not its end.
  bool Pending() const { return state_ != State::kPlain; }
  void Reset() { state_ = State::kPlain; }

 private:
  enum class State { kPlain, kAfterFF, kAfterFF00 };
  State state_ = State::kPlain;
};
