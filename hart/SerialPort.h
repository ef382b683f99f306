// The byte port the HART link runs on. Backends: termios (port_posix.cpp), Win32
// (port_win32.cpp) and the in-process simulated loop (sim/SimulatedPort).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens the named port and configures it for HART: 1200 baud, 8 data bits, odd parity,
  // 1 stop bit, raw, DTR on, RTS off, a byte with a parity error delivered as 0x46 ('F').
  // An open port is closed first. False (and closed) when it cannot be opened or set up.
  virtual bool Open(const std::string& name) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // RTS keys the modem's transmitter. On a pseudo-terminal there is no RTS: succeeds.
  virtual bool SetRts(bool on) = 0;
  // Discards everything not yet sent and everything received but not read.
  virtual bool Purge() = 0;
  // Bytes received and waiting to be read; -1 on error.
  virtual int BytesWaiting() = 0;
  // Reads up to `max` of the waiting bytes without blocking; returns the count, -1 on error.
  virtual int Read(uint8_t* buf, int max) = 0;
  // Writes the bytes (blocking until they are handed to the driver); returns the count
  // written, which may fall short, or -1 on error.
  virtual int Write(const uint8_t* buf, int n) = 0;
  // Waits until at least one byte is waiting or `timeoutMs` has passed (on the port's
  // clock). True when a byte is waiting.
  virtual bool WaitReadable(int timeoutMs) = 0;

  // Why the last Open failed, or why the last exchange could not be carried (a write that
  // failed, a HART-IP session that broke), naming the port: "COM3 (/dev/ttyS2): no such
  // port". Empty when nothing failed or the port cannot tell. A successful Open or Write
  // clears it.
  virtual std::string LastError() const { return {}; }
};

// "NAME: reason", or "NAME (PATH): reason" when the name was resolved to another path.
std::string PortFailureText(const std::string& name, const std::string& path,
                            const std::string& reason);

// The name of port index `portIndex` (0 is COM1): "COM%d" up to COM9, then the
// device-namespace form "\\.\COM%d" that COM10 and above need.
std::string PortNameForIndex(int portIndex);

// The operating system's serial port: termios on POSIX, the Win32 calls on Windows.
std::unique_ptr<SerialPort> MakeSystemSerialPort();

#ifndef _WIN32
// POSIX name rule: "COMn" (or "\\.\COMn") opens ./COMn in the working directory when it
// exists (a link to the real device), otherwise /dev/ttyS<n-1>. Anything else is a path.
std::string ResolvePosixPortName(const std::string& name);
#endif
