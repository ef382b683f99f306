#include "PageRecord.h"

#include <memory>

std::string Fixed4Text(double value, const QString& unit) {
  return ValueText(QString::asprintf("%.4f", value), unit);
}

std::string ValueText(const QString& shown, const QString& unit) {
  return (unit.isEmpty() ? shown : shown + " " + unit).toStdString();
}

std::string RangeText(double lower, double upper, const QString& unit) {
  return ValueText(QString::asprintf("%.4f..%.4f", lower, upper), unit);
}

DeviceStep& WriteStep(DeviceOperation& op, DeviceExchange exchange, std::vector<RecordedValue> sent,
                      std::function<Echoes()> echoes, std::function<void()> show, int position) {
  // The exchange and both askings of the values run on the operation's worker, in turn.
  auto answered = std::make_shared<bool>(false);
  DeviceStep& step = op.Step(
      [answered, exchange = std::move(exchange)](DeviceState& ds) {
        const HartResult result = exchange(ds);
        *answered = result == HART_OK;
        return result;
      },
      std::move(show), position);
  step.writes = [answered, sent = std::move(sent), echoes = std::move(echoes)] {
    std::vector<RecordedValue> values = sent;
    if (*answered && echoes) {
      const Echoes echoed = echoes();
      for (size_t i = 0; i < values.size() && i < echoed.size(); ++i)
        values[i].echo = echoed[i];
    }
    return values;
  };
  return step;
}

RecordedValues Values(std::vector<RecordedValue> values) {
  return [values = std::move(values)] { return values; };
}
