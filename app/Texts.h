// The program's fixed texts that more than one place shows. The composed ones are in the
// language in force (their formats translated, then filled); the constants are source texts.
// A page's own messages ("Invalid Damping Time") stay with the page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HartLink.h"
#include "Language.h"

namespace Texts {

inline constexpr char kPortError[] = N_("Communication Port Error");
inline constexpr char kNoDevice[] = N_("No Device");
inline constexpr char kBusy[] = N_("Busy!Try later.");
// Some operations spell it with a blank.
inline constexpr char kBusySpaced[] = N_("Busy! Try later.");
inline constexpr char kSearchConfirm[] = N_("Online Device Searching?");

// "Communication Failure:%s" with the text of the result (the device's own words when it
// refused); a few operations write "Communication Failure: %s".
std::string CommunicationFailure(const HartResult& result, bool blankAfterColon = false);

// "Online %d Device" after a search.
std::string OnlineDevices(int count);

// After a search stopped before its last address: where it stopped and what it had found,
// "Search stopped at address 5: 2 devices found (3, 4)" or "...: no device found".
std::string SearchStopped(int address, const std::vector<int>& found);

// An item of the station-number box: "0 - PT-101" for a device whose tag is known, "0"
// without one.
std::string StationText(int address, const std::string& tag);

// Asked before the loop page is left or the program closes while the loop check holds the
// output: "The loop current is fixed at 12.000 mA. Return the loop to automatic control?"
std::string LoopFixedQuestion(float mA);

// "Please enter a number: %s" with the label of a field that has no message of its own.
std::string EnterANumber(const std::string& fieldLabel);

// The device status byte of a reply as the status pane shows it: the name of each set bit,
// most significant first ("Configuration changed, PV out of limits"), or "OK" with none.
std::string DeviceStatus(uint8_t deviceStatus);

// The name of one status bit (0..7) in the language in force.
std::string DeviceStatusBit(int bit);

// "Please select: %s" with the label of a list that has no entry chosen.
std::string PleaseSelect(const std::string& listLabel);

}  // namespace Texts
