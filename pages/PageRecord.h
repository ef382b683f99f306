// What a page tells the device records: the values its steps read and write, each named as
// the page labels it and written as the page shows it with the unit after a space
// ("Damping Time", "2.5000 s"). The frame collects them; pages never talk to the store.
//
//   DeviceOperation op;
//   op.recordName = RecordName("Update");
//   WriteStep(op, [echo](DeviceState& ds) { return HartCmd34(ds, *echo); },
//             Values({Recorded("Damping Time", Fixed4Text(typed, "s"))}),
//             [echo] { return Echoes{Fixed4Text(echo->actual, "s")}; });
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "DeviceOperation.h"
#include "DeviceRecord.h"

class QComboBox;

// "%.4f" and the unit after a space; without a unit the number alone.
std::string Fixed4Text(double value, const QString& unit = {});
// A text the page shows, with the unit after a space when there is one.
std::string ValueText(const QString& shown, const QString& unit = {});
// A HART unit code as the unit lists spell it ("kPa"); a code they lack as the link names it.
QString UnitName(int code);
// A range as the records keep it: "0.0000..100.0000 kPa".
std::string RangeText(double lower, double upper, const QString& unit);

// The entries of a combo box, taken on the UI thread for a step to name a code by.
QStringList ItemTexts(const QComboBox* combo);
// A combo box's choice as its text ("SQRT"), without the blanks some lists pad with; a code
// the list does not hold as "code N".
std::string ChoiceText(const QStringList& texts, int index);
// A text field of the device (tag, descriptor, message) without the blanks it is padded with.
std::string DeviceText(const QString& text);
// The loop current as command 40 leaves it: "fixed 12.000 mA", or "automatic" for 0.
std::string LoopCurrentText(double mA);

// Values that more than one page reads or writes carry one name everywhere: the "before" of
// a write is the value last read or written under the same name.
namespace value_name {
inline constexpr char kDamping[] = "Damping Time";
inline constexpr char kPvRange[] = "PV range";
inline constexpr char kLoopFunction[] = "Loop Function";
inline constexpr char kAlarmType[] = "Loop Alarm Type";
inline constexpr char kDisplayMode[] = "Display Mode";
inline constexpr char kNumberFormat[] = "Number Format";
inline constexpr char kAssemblyNumber[] = "Assembly Number";
inline constexpr char kTag[] = "Tag";
inline constexpr char kDescriptor[] = "Descriptor";
inline constexpr char kMessage[] = "Message";
inline constexpr char kDate[] = "Date";
inline constexpr char kLoopCurrent[] = "Loop current";
}  // namespace value_name

// A value named as the page labels it, with its text (no echo: the device has not answered).
inline RecordedValue Recorded(std::string name, std::string value) {
  return {std::move(name), std::move(value), {}};
}

// What the device's reply says it took, one text per value written, in the same order; an
// empty text where the reply says nothing of that value.
using Echoes = std::vector<std::string>;
// The texts of values decoded from a reply, as echoes.
Echoes EchoesOf(const std::vector<RecordedValue>& values);
// Whether a reply carries at least `dataBytes` bytes of data after its two status bytes: a
// reply that echoes less says nothing of what the device took.
inline bool ReplyCarries(const HartResponse& reply, int dataBytes) {
  return reply.byteCount - 2 >= dataBytes;
}

// For device work a page runs as its own job rather than as a DeviceOperation: hands what
// it read and wrote to the window's recorder, as the frame does when an operation ends.
void ReportToRecorder(DeviceOperationHost& host, DeviceState& ds, const OperationRecord& record);

// Values made of fixed texts, taken on the UI thread before the operation runs.
RecordedValues Values(std::vector<RecordedValue> values);

// Appends a step that writes what `sent` gives (asked on the worker when the step is
// reached). The device's echo is asked of `echoes` only once the exchange has succeeded: a
// write that failed is recorded with its values and no echo.
DeviceStep& WriteStep(DeviceOperation& op, DeviceExchange exchange, RecordedValues sent,
                      std::function<Echoes()> echoes = {}, std::function<void()> show = {},
                      int position = 0);
