#include "Texts.h"

#include <QString>
#include <QStringList>

#include "FrameText.h"

namespace {

// The link's own result texts (hart/ has no Qt), listed here for the catalogues; they are
// shown through ResultTextShown.
[[maybe_unused]] const char* const kResultTexts[] = {
    N_("Succeed"),
    N_("fail to send"),
    N_("No response,timeout!"),
    N_("Check code error"),
    N_("Unknown error"),
    N_("Reply too short"),
    N_("Device received a corrupted request"),
    N_("Not in proper current mode"),
    N_("In multidrop mode"),
    N_("Undefined"),
    N_("Invalid selection"),
    N_("Passed parameter too large"),
    N_("Passed parameter too small"),
    N_("Too few data bytes received"),
    N_("Device-specific command error"),
    N_("In write protect mode"),
    N_("Set to nearest possible value"),
    N_("Lower range value too high"),
    N_("Lower range value too low"),
    N_("Upper range value too high"),
    N_("Upper range value too low"),
    N_("Upper and lower range values out of limits"),
    N_("Span too small"),
    N_("Access restricted"),
    N_("Invalid span"),
    N_("Busy"),
    N_("Delayed response initiated"),
    N_("Delayed response running"),
    N_("Delayed response dead"),
    N_("Delayed response conflict"),
    N_("Command not implemented"),
};

// The names of the device status bits (hart's DeviceStatusBitName), listed here for the
// catalogues.
[[maybe_unused]] const char* const kStatusBitNames[] = {
    N_("PV out of limits"),      N_("Non-PV out of limits"),     N_("Loop current saturated"),
    N_("Loop current fixed"),    N_("More status available"),    N_("Cold start"),
    N_("Configuration changed"), N_("Field device malfunction"),
};

// The result's text in the language in force; the port's own reason (the system's words)
// stays as it came.
QString ResultTextShown(const HartResult& result) {
  HartResult bare = result;
  bare.portReason.clear();
  const std::string text = HartResultText(bare);
  QString shown = result.code == HART_DEVICE_ERROR &&
                          text == "Response code " + std::to_string(result.responseCode)
                      ? TrFormat("Response code %d", result.responseCode)
                      : Tr(text.c_str());
  if (!result.portReason.empty()) shown += " (" + QString::fromStdString(result.portReason) + ")";
  return shown;
}

}  // namespace

namespace Texts {

std::string CommunicationFailure(const HartResult& result, bool blankAfterColon) {
  const QByteArray text = ResultTextShown(result).toUtf8();
  return (blankAfterColon ? TrFormat("Communication Failure: %s", text.constData())
                          : TrFormat("Communication Failure:%s", text.constData()))
      .toStdString();
}

std::string OnlineDevices(int count) {
  return TrFormat("Online %d Device", count).toStdString();
}

std::string SearchStopped(int address, const std::vector<int>& found) {
  if (found.empty())
    return TrFormat("Search stopped at address %d: no device found", address).toStdString();
  std::string list;
  for (size_t i = 0; i < found.size(); ++i)
    list += (i ? ", " : "") + std::to_string(found[i]);
  const QString text =
      found.size() == 1
          ? TrFormat("Search stopped at address %d: 1 device found (%s)", address, list.c_str())
          : TrFormat("Search stopped at address %d: %d devices found (%s)", address,
                     static_cast<int>(found.size()), list.c_str());
  return text.toStdString();
}

std::string StationText(int address, const std::string& tag) {
  return tag.empty() ? std::to_string(address) : std::to_string(address) + " - " + tag;
}

std::string LoopFixedQuestion(float mA) {
  return TrFormat("The loop current is fixed at %.3f mA. Return the loop to automatic control?",
                  static_cast<double>(mA))
      .toStdString();
}

std::string EnterANumber(const std::string& fieldLabel) {
  const QByteArray label = Tr(QString::fromStdString(fieldLabel)).toUtf8();
  return TrFormat("Please enter a number: %s", label.constData()).toStdString();
}

std::string DeviceStatusBit(int bit) {
  return Tr(DeviceStatusBitName(bit)).toStdString();
}

std::string DeviceStatus(uint8_t deviceStatus) {
  QStringList names;
  for (int bit = 7; bit >= 0; --bit)
    if (deviceStatus & (1 << bit)) names << QString::fromStdString(DeviceStatusBit(bit));
  if (!names.isEmpty()) return names.join(", ").toStdString();
  // No bit set: "OK" as built. A catalogue words it apart from the buttons' OK, which in
  // Chinese is a button's word ("确定"), not a device's state.
  if (CurrentLanguage() == Language::AsBuilt) return "OK";
  return Tr("device status: no bit set").toStdString();
}

std::string PleaseSelect(const std::string& listLabel) {
  const QByteArray label = Tr(QString::fromStdString(listLabel)).toUtf8();
  return TrFormat("Please select: %s", label.constData()).toStdString();
}

}  // namespace Texts
