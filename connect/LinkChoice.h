// The connection the user chose and the "Link=" text of the settings file that stores it:
//   COM3                    no Link= (the port is "Port=3")
//   /dev/ttyUSB0            a port the system lists, by its path
//   hartip://10.0.0.7:5094  a HART-IP gateway over UDP; hartip+tcp://... over TCP
// HART-IP texts are read by the link's own parser (HartIpPort.h).
#pragma once

#include <string>

#include "HartIpPort.h"

struct LinkChoice {
  enum class Kind { ComPort, SystemPort, HartIp };
  Kind kind = Kind::ComPort;
  int portIndex = 2;     // ComPort: 0 is COM1
  std::string path;      // SystemPort: the path the link opens
  HartIpAddress hartIp;  // HartIp: host, port, UDP or TCP

  // The same connection: only the fields of the kind count.
  friend bool operator==(const LinkChoice& a, const LinkChoice& b);
};

// The "Link=" text of a choice; empty for a COM port (the key is then removed). An IPv6
// host is bracketed: hartip://[::1]:5094.
std::string LinkText(const LinkChoice& choice);
// The choice a settings file's "Link=" and "Port=" (as portIndex) describe. A HART-IP text
// the parser refuses is kept as a path, so that it is shown as it is and not lost.
LinkChoice ReadLinkChoice(const std::string& link, int portIndex);

// The HART-IP host and port as typed, checked: the refusal naming the field ("Please enter
// a port from 1 to 65535: HART-IP Port"), or empty when both are good and `out` holds them.
std::string CheckHartIpFields(const std::string& host, const std::string& port, HartIpAddress& out);
