// The Win32 serial port. Reads return at once with what the driver holds; WaitReadable
// polls the input queue every 10 ms until a byte is there or the time is up.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>

#include "SerialPort.h"

namespace {

class Win32SerialPort final : public SerialPort {
 public:
  ~Win32SerialPort() override { Close(); }

  bool Open(const std::string& name) override {
    Close();
    // "COM9" and "\\.\COM10" both go to the driver as they are.
    handle_ = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    if (!Configure()) {
      Close();
      return false;
    }
    return true;
  }

  void Close() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

  bool SetRts(bool on) override {
    if (!IsOpen()) return false;
    return EscapeCommFunction(handle_, on ? SETRTS : CLRRTS) != 0;
  }

  bool Purge() override {
    if (!IsOpen()) return false;
    return PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) != 0;
  }

  int BytesWaiting() override {
    if (!IsOpen()) return -1;
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle_, &errors, &status)) return -1;
    return static_cast<int>(status.cbInQue);
  }

  int Read(uint8_t* buf, int max) override {
    if (!IsOpen()) return -1;
    if (max <= 0) return 0;
    DWORD got = 0;
    if (!ReadFile(handle_, buf, static_cast<DWORD>(max), &got, nullptr)) return -1;
    return static_cast<int>(got);
  }

  int Write(const uint8_t* buf, int n) override {
    if (!IsOpen()) return -1;
    if (n <= 0) return 0;
    // The write time-outs end a stuck write with a short count, which the caller sees.
    DWORD written = 0;
    if (!WriteFile(handle_, buf, static_cast<DWORD>(n), &written, nullptr) && written == 0) {
      return -1;
    }
    return static_cast<int>(written);
  }

  bool WaitReadable(int timeoutMs) override {
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG limit = static_cast<ULONGLONG>(std::max(timeoutMs, 0));
    for (;;) {
      const int waiting = BytesWaiting();
      if (waiting < 0) return false;
      if (waiting > 0) return true;
      const ULONGLONG elapsed = GetTickCount64() - start;
      if (elapsed >= limit) return false;
      Sleep(static_cast<DWORD>(std::min<ULONGLONG>(10, limit - elapsed)));
    }
  }

 private:
  bool Configure() {
    SetupComm(handle_, 512, 512);  // a size hint only; the driver may keep its own

    // Reads return at once with whatever is waiting; writes give up after 10 ms a byte
    // plus 800 ms.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 10;
    timeouts.WriteTotalTimeoutConstant = 800;
    if (!SetCommTimeouts(handle_, &timeouts)) return false;

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle_, &dcb)) return false;
    dcb.BaudRate = 1200;
    dcb.ByteSize = 8;
    dcb.Parity = ODDPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = 1;
    dcb.fParity = 1;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;  // RTS is keyed by hand around each frame
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fErrorChar = 1;  // a byte with a parity error arrives as 'F'
    dcb.ErrorChar = 0x46;
    if (!SetCommState(handle_, &dcb)) return false;

    SetCommMask(handle_, EV_TXEMPTY);  // no event is waited for
    return true;
  }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
  return std::make_unique<Win32SerialPort>();
}
