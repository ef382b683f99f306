// The Win32 serial port. Reads return at once with what the driver holds (a MAXDWORD read
// interval with no total time-out); WaitReadable polls the input queue every 10 ms until a
// byte is there or the time is up. The driver itself replaces a byte with a parity error by
// 'F' (fErrorChar), so no decoding happens here.
//
// A port without modem lines (wine maps a COM port to a Linux pseudo-terminal, where
// setting RTS fails with ERROR_NOT_SUPPORTED) has no RTS to key: SetRts then succeeds
// without doing anything. That is decided once at Open; on a port that has the lines, every
// failure is an error.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string_view>
#include <system_error>

#include "SerialPort.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// "COMn" is opened as "\\.\COMn": the device namespace reaches every port, COM10 and above
// included, and cannot be shadowed by a file of that name. Other names go as they are.
std::string DeviceNameFor(const std::string& name) {
  const std::string_view view = name;
  if (view.size() <= 3 || !view.starts_with("COM")) return name;
  if (!std::all_of(view.begin() + 3, view.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return name;
  }
  return "\\\\.\\" + name;
}

std::string SystemText(DWORD error) {
  std::string text = std::system_category().message(static_cast<int>(error));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
    text.pop_back();
  return text;
}

// The words for why a port could not be opened.
std::string OpenFailureReason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
      return "no such port";
    case ERROR_ACCESS_DENIED:  // a serial port another program has open
    case ERROR_SHARING_VIOLATION:
      return "in use by another program";
    default:
      return SystemText(error);
  }
}

class Win32SerialPort final : public SerialPort {
 public:
  ~Win32SerialPort() override { Close(); }

  bool Open(const std::string& name) override {
    Close();
    error_.clear();
    name_ = name;
    path_ = DeviceNameFor(name);
    // No sharing: one program on the line at a time.
    handle_ = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) return Note(OpenFailureReason(GetLastError()));
    if (!Configure()) {
      Close();
      return false;
    }
    return true;
  }

  std::string LastError() const override { return error_; }

  void Close() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    noModemLines_ = false;
  }

  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

  bool SetRts(bool on) override {
    if (!IsOpen()) return false;
    if (noModemLines_) return true;
    return EscapeCommFunction(handle_, on ? SETRTS : CLRRTS) != 0;
  }

  bool Purge() override {
    if (!IsOpen()) return false;
    return PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) != 0;
  }

  int BytesWaiting() override {
    if (!IsOpen()) return -1;
    // Also clears the error flags (parity, overrun) the driver noted.
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
    error_.clear();
    // The write time-outs end a stuck write with a short count, which the caller sees.
    DWORD written = 0;
    if (!WriteFile(handle_, buf, static_cast<DWORD>(n), &written, nullptr)) {
      const DWORD error = GetLastError();
      Note(error == ERROR_DEVICE_REMOVED || error == ERROR_BAD_COMMAND ||
                   error == ERROR_GEN_FAILURE || error == ERROR_OPERATION_ABORTED
               ? "the port is gone (" + SystemText(error) + ")"
               : "writing failed: " + SystemText(error));
      if (written == 0) return -1;
    } else if (written < static_cast<DWORD>(n)) {
      Note("the port took no bytes for " + std::to_string(800 + 10 * n) + " ms");
    }
    return static_cast<int>(written);
  }

  bool WaitReadable(int timeoutMs) override {
    if (!IsOpen()) return false;
    // The same steady clock as the program's real clock, which measures what this wait took.
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
      const int waiting = BytesWaiting();
      if (waiting < 0) return false;
      if (waiting > 0) return true;
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
      if (left <= 0) return false;
      Sleep(static_cast<DWORD>(std::min<long long>(10, left)));
    }
  }

 private:
  // Keeps the first reason of a failed open or exchange; false, for the caller to return.
  bool Note(const std::string& reason) {
    if (error_.empty()) error_ = PortFailureText(name_, path_, reason);
    return false;
  }
  bool SetupFailed(const char* step) {
    const DWORD error = GetLastError();  // before anything else can change it
    return Note(std::string("cannot set it up for HART (") + step + ": " + SystemText(error) + ")");
  }

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
    if (!SetCommTimeouts(handle_, &timeouts)) return SetupFailed("time-outs");

    // Every field that matters is set: the rest of the DCB is whatever the last program on
    // the port left, handshakes included.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle_, &dcb)) return SetupFailed("reading its settings");
    dcb.BaudRate = 1200;
    dcb.ByteSize = 8;
    dcb.Parity = ODDPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = 1;
    dcb.fParity = 1;
    dcb.fErrorChar = 1;  // a byte with a parity error arrives as 'F'
    dcb.ErrorChar = 0x46;
    dcb.fNull = 0;
    dcb.fAbortOnError = 0;  // an error must not fail the reads that follow it
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;  // RTS is keyed by hand around each frame
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDsrSensitivity = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    if (!SetCommState(handle_, &dcb)) return SetupFailed("applying the line settings");

    // RTS off, which also finds out whether the port has modem lines at all.
    if (!EscapeCommFunction(handle_, CLRRTS)) {
      if (GetLastError() != ERROR_NOT_SUPPORTED) return SetupFailed("clearing RTS");
      noModemLines_ = true;
    }
    return true;
  }

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool noModemLines_ = false;
  std::string name_;   // as given to Open
  std::string path_;   // the device name opened
  std::string error_;  // see LastError
};

}  // namespace

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
  return std::make_unique<Win32SerialPort>();
}
