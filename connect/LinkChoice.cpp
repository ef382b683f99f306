#include "LinkChoice.h"

#include <charconv>

#include "Language.h"

namespace {

bool HasBlank(const std::string& text) {
  return text.find_first_of(" \t\r\n") != std::string::npos;
}

}  // namespace

bool operator==(const LinkChoice& a, const LinkChoice& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case LinkChoice::Kind::ComPort:
      return a.portIndex == b.portIndex;
    case LinkChoice::Kind::SystemPort:
      return a.path == b.path;
    case LinkChoice::Kind::HartIp:
      return a.hartIp.tcp == b.hartIp.tcp && a.hartIp.host == b.hartIp.host &&
             a.hartIp.port == b.hartIp.port;
  }
  return false;
}

std::string LinkText(const LinkChoice& choice) {
  switch (choice.kind) {
    case LinkChoice::Kind::ComPort:
      return {};
    case LinkChoice::Kind::SystemPort:
      return choice.path;
    case LinkChoice::Kind::HartIp:
      return HartIpName(choice.hartIp);
  }
  return {};
}

LinkChoice ReadLinkChoice(const std::string& link, int portIndex) {
  LinkChoice choice;
  choice.portIndex = portIndex;
  if (link.empty()) return choice;
  if (ParseHartIpName(link, choice.hartIp, nullptr)) {
    choice.kind = LinkChoice::Kind::HartIp;
    return choice;
  }
  choice.kind = LinkChoice::Kind::SystemPort;
  choice.path = link;
  return choice;
}

std::string CheckHartIpFields(const std::string& host, const std::string& port,
                              HartIpAddress& out) {
  // Source texts: the dialog shows them in the language in force.
  if (host.empty()) return N_("Please enter a host: HART-IP Host");
  if (HasBlank(host)) return N_("A host name has no spaces: HART-IP Host");
  unsigned number = 0;
  const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), number);
  if (port.empty() || ec != std::errc() || end != port.data() + port.size() || number < 1 ||
      number > 65535)
    return N_("Please enter a port from 1 to 65535: HART-IP Port");
  // An IPv6 address may be typed bracketed as in a link text; it is kept bare.
  const bool bracketed = host.size() > 2 && host.front() == '[' && host.back() == ']';
  out.host = bracketed ? host.substr(1, host.size() - 2) : host;
  out.port = static_cast<uint16_t>(number);
  return {};
}
