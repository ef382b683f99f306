// Result texts and the device's response-code texts.
#include <cstdio>

#include "HartLink.h"

namespace {

// Six fixed slots indexed by the link's result code; slot 5 is never selected by a code.
const char kResultSlots[6][32] = {
    "", "Succeed", "fail to send", "No response,timeout!", "Check code error", "Unknown error",
};

std::string CodeText(const HartResult& result) {
  switch (result.code) {
    case HART_DEVICE_ERROR:
      return HartResponseCodeText(result.responseCode, result.command);
    case HART_SHORT_REPLY:
      return "Reply too short";
    case HART_DEVICE_COMM_ERROR:
      return "Device received a corrupted request";
    default:
      break;
  }
  if (result.code >= 0 && result.code < 6) return kResultSlots[result.code];
  return kResultSlots[5];
}

}  // namespace

bool HartIsWarningCode(int rc) {
  return rc == 8 || rc == 14 || (rc >= 24 && rc <= 27) || rc == 30 || rc == 31 ||
         (rc >= 96 && rc <= 111);
}

std::string HartResponseCodeText(int rc, int command) {
  // Codes whose meaning depends on the command.
  const bool loopCurrentCommand = command == 40 || command == 45 || command == 46;
  if (loopCurrentCommand && rc == 9) return "Not in proper current mode";
  if (loopCurrentCommand && rc == 11) return "In multidrop mode";
  if (command == 6 && rc == 9) return "Not in proper current mode";
  switch (rc) {
    case 1:
      return "Undefined";
    case 2:
      return "Invalid selection";
    case 3:
      return "Passed parameter too large";
    case 4:
      return "Passed parameter too small";
    case 5:
      return "Too few data bytes received";
    case 6:
      return "Device-specific command error";
    case 7:
      return "In write protect mode";
    case 8:
      return "Set to nearest possible value";
    case 9:
      return "Lower range value too high";
    case 10:
      return "Lower range value too low";
    case 11:
      return "Upper range value too high";
    case 12:
      return "Upper range value too low";
    case 13:
      return "Upper and lower range values out of limits";
    case 14:
      return "Span too small";
    case 16:
      return "Access restricted";
    case 29:
      return "Invalid span";
    case 32:
      return "Busy";
    case 33:
      return "Delayed response initiated";
    case 34:
      return "Delayed response running";
    case 35:
      return "Delayed response dead";
    case 36:
      return "Delayed response conflict";
    case 64:
      return "Command not implemented";
    default:
      break;
  }
  char text[40];
  std::snprintf(text, sizeof text, "Response code %d", rc);
  return text;
}

std::string HartResultText(const HartResult& result) {
  std::string text = CodeText(result);
  if (!result.portReason.empty()) text += " (" + result.portReason + ")";
  return text;
}
