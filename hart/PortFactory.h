// Which port a name needs: "hartip://HOST[:PORT]" and "hartip+tcp://HOST[:PORT]" a HART-IP
// session (HartIpPort.h), any other name the system's serial port.
#pragma once

#include <memory>
#include <string>

#include "SerialPort.h"

std::unique_ptr<SerialPort> MakePortForName(const std::string& name);

// True when `port` is one MakePortForName makes, but of the other kind than `name` needs:
// the port is then replaced before it opens `name`. A port of any other type (a simulated
// one a test or tool installed) is never replaced.
bool PortNeedsReplacing(const SerialPort& port, const std::string& name);
