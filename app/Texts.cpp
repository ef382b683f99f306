#include "Texts.h"

namespace Texts {

std::string CommunicationFailure(const HartResult& result, bool blankAfterColon) {
  return (blankAfterColon ? "Communication Failure: " : "Communication Failure:") +
         HartResultText(result);
}

std::string OnlineDevices(int count) {
  return "Online " + std::to_string(count) + " Device";
}

std::string EnterANumber(const std::string& fieldLabel) {
  return "Please enter a number: " + fieldLabel;
}

std::string PleaseSelect(const std::string& listLabel) {
  return "Please select: " + listLabel;
}

}  // namespace Texts
