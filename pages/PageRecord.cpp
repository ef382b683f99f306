#include "PageRecord.h"

#include <QComboBox>
#include <memory>

#include "Encoding.h"
#include "ranging/UnitConversion.h"

std::string Fixed4Text(double value, const QString& unit) {
  return ValueText(QString::asprintf("%.4f", value), unit);
}

std::string ValueText(const QString& shown, const QString& unit) {
  return (unit.isEmpty() ? shown : shown + " " + unit).toStdString();
}

QString UnitName(int code) {
  const int index = UnitIndexOfCode(code);
  if (index < 0) return QString::fromUtf8(HartUnitLabel(code));
  return QString::fromUtf8(UnitAt(index).text).trimmed();
}

std::string RangeText(double lower, double upper, const QString& unit) {
  return ValueText(QString::asprintf("%.4f..%.4f", lower, upper), unit);
}

QStringList ItemTexts(const QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i)
    texts << combo->itemText(i);
  return texts;
}

std::string ChoiceText(const QStringList& texts, int index) {
  if (index < 0 || index >= texts.size()) return "code " + std::to_string(index);
  return texts[index].trimmed().toStdString();
}

std::string DeviceText(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == QChar('\0')))
    --end;
  return text.left(end).toStdString();
}

std::string LoopCurrentText(double mA) {
  return mA == 0 ? "automatic" : QString::asprintf("fixed %.3f mA", mA).toStdString();
}

DeviceStep& WriteStep(DeviceOperation& op, DeviceExchange exchange, RecordedValues sent,
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
    std::vector<RecordedValue> values = sent();
    if (*answered && echoes) {
      const Echoes echoed = echoes();
      for (size_t i = 0; i < values.size() && i < echoed.size(); ++i)
        values[i].echo = echoed[i];
    }
    return values;
  };
  return step;
}

Echoes EchoesOf(const std::vector<RecordedValue>& values) {
  Echoes echoes;
  for (const RecordedValue& v : values)
    echoes.push_back(v.value);
  return echoes;
}

void ReportToRecorder(DeviceOperationHost& host, DeviceState& ds, const OperationRecord& record) {
  if (OperationRecorder* recorder = host.Recorder()) recorder->OperationEnded(ds, record);
}

RecordedValues Values(std::vector<RecordedValue> values) {
  return [values = std::move(values)] { return values; };
}
