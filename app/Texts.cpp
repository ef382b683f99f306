#include "Texts.h"

#include <cstdio>

namespace Texts {

std::string CommunicationFailure(const HartResult& result, bool blankAfterColon) {
  return (blankAfterColon ? "Communication Failure: " : "Communication Failure:") +
         HartResultText(result);
}

std::string OnlineDevices(int count) {
  return "Online " + std::to_string(count) + " Device";
}

std::string SearchStopped(int address, const std::vector<int>& found) {
  std::string text = "Search stopped at address " + std::to_string(address) + ": ";
  if (found.empty()) return text + "no device found";
  text +=
      std::to_string(found.size()) + (found.size() == 1 ? " device found (" : " devices found (");
  for (size_t i = 0; i < found.size(); ++i)
    text += (i ? ", " : "") + std::to_string(found[i]);
  return text + ")";
}

std::string StationText(int address, const std::string& tag) {
  return tag.empty() ? std::to_string(address) : std::to_string(address) + " - " + tag;
}

std::string LoopFixedQuestion(float mA) {
  char value[32];
  std::snprintf(value, sizeof value, "%.3f", static_cast<double>(mA));
  return std::string("The loop current is fixed at ") + value +
         " mA. Return the loop to automatic control?";
}

std::string EnterANumber(const std::string& fieldLabel) {
  return "Please enter a number: " + fieldLabel;
}

std::string PleaseSelect(const std::string& listLabel) {
  return "Please select: " + listLabel;
}

}  // namespace Texts
