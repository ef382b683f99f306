// What a page tells the device records: the values its steps read and write, each named as
// the page labels it and written as the page shows it with the unit after a space
// ("Damping Time", "2.5000 s"). The frame collects them; pages never talk to the store.
//
//   DeviceOperation op;
//   op.recordName = RecordName("Update");
//   WriteStep(op, [echo](DeviceState& ds) { return HartCmd34(ds, *echo); },
//             {Recorded("Damping Time", Fixed4Text(typed, "s"))},
//             [echo] { return Echoes{Fixed4Text(echo->actual, "s")}; });
#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "DeviceOperation.h"

// "%.4f" and the unit after a space; without a unit the number alone.
std::string Fixed4Text(double value, const QString& unit = {});
// A text the page shows, with the unit after a space when there is one.
std::string ValueText(const QString& shown, const QString& unit = {});
// A range as the records keep it: "0.0000..100.0000 kPa".
std::string RangeText(double lower, double upper, const QString& unit);

// A value named as the page labels it, with its text (no echo: the device has not answered).
inline RecordedValue Recorded(std::string name, std::string value) {
  return {std::move(name), std::move(value), {}};
}

// What the device's reply says it took, one text per value written, in the same order; an
// empty text where the reply says nothing of that value.
using Echoes = std::vector<std::string>;

// Appends a step that writes `sent`. The device's echo is asked of `echoes` only once the
// exchange has succeeded: a write that failed is recorded with its values and no echo.
DeviceStep& WriteStep(DeviceOperation& op, DeviceExchange exchange, std::vector<RecordedValue> sent,
                      std::function<Echoes()> echoes = {}, std::function<void()> show = {},
                      int position = 0);

// A step's reads made of fixed texts (taken on the UI thread before the operation runs).
RecordedValues Values(std::vector<RecordedValue> values);
