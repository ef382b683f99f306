#include "CSpecialParamDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <iterator>
#include <limits>
#include <memory>

#include "ConfigImage.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"

namespace {

// The unit names of this page; the monitor pages spell some of these codes their own way.
struct ZeroUnit {
  int code;
  const char* name;
};
constexpr ZeroUnit kZeroUnits[] = {
    {2, "INHg"},     {5, "mmHg"},    {6, "psi"},   {7, "bar"},     {8, "mbar"},
    {9, "g/cm2"},    {10, "kg/cm2"}, {11, "Pa"},   {12, "KPa"},    {13, "TORR"},
    {14, "ATM"},     {21, "m/s"},    {32, "℃"},    {33, "℉"},      {35, "K"},
    {40, "Gallons"}, {45, "m"},      {49, "mm"},   {91, "g/cm3"},  {171, "mH2O"},
    {177, "FTH2O"},  {179, "mHg"},   {237, "MPa"}, {238, "INH2O"}, {239, "mmH2O"},
};

// The ranges the compensation values' labels state, in the order of m_editComp; a typed
// value outside its range is refused before anything is sent. Open ends are exclusive.
struct CompRange {
  double lowest;
  double highest;
  bool lowestExcluded;
  const char* refusal;
};
constexpr double kUnbounded = std::numeric_limits<double>::infinity();
constexpr CompRange kCompRanges[] = {
    {0, kUnbounded, false, "Thermal Effective must be 0 ℃ or more"},
    {-50, 50, false, "Thermal Direct Loop Trim must lie between -50% and 50%"},
    {0, kUnbounded, true, "Area must be more than 0 m2"},
    {0.000081, 22.65, false, "Density must lie between 0.000081 and 22.65 g/cm3"},
    {-kUnbounded, kUnbounded, false, nullptr},
    {-kUnbounded, kUnbounded, false, nullptr},
};

bool InCompRange(const CompRange& range, double value) {
  if (range.lowestExcluded ? value <= range.lowest : value < range.lowest) return false;
  return value <= range.highest;
}

// The byte a combo box stands for: its entry, or what the device reported when none is
// chosen (a value the list does not hold goes back as it came).
uint8_t ChosenOr(int index, uint8_t read) {
  return index >= 0 ? static_cast<uint8_t>(index) : read;
}

// The units of the compensation values in the records, in the order of m_editComp.
const char* const kCompUnits[] = {"℃", "%", "m2", "g/cm3", "m", ""};
const char* const kZeroTrim = N_("Zero Trim");
const char* const kDensityComp = N_("Density compensation function");

// What an Update sends: the typed values, and the choices made (what the device reported
// for a list with nothing chosen).
struct SpecialChoices {
  std::array<float, 6> comp{};
  int densityComp = -1;
  float zeroTrim = 0;
  int alarm = -1;
  int display = -1;
  int format = -1;

  void ApplyTo(HartCompRecord& c) const {
    c.code = ChosenOr(densityComp, c.code);
    for (size_t k = 0; k < comp.size(); ++k)
      c.value[k] = comp[k];
  }
  void ApplyTo(HartSensorRecord& s) const {
    s.value = zeroTrim;
    s.alarmType = ChosenOr(alarm, s.alarmType);
    s.displayMode = ChosenOr(display, s.displayMode);
    s.numberFormat = ChosenOr(format, s.numberFormat);
  }
};

}  // namespace

// The texts the records name the device's codes by, on this page and the others.
const QStringList& CSpecialParamDlg::AlarmTypeTexts() {
  static const QStringList texts = {N_("20.8 mA"), N_("3.8 mA"), N_("saturated")};
  return texts;
}
const QStringList& CSpecialParamDlg::DisplayModeTexts() {
  static const QStringList texts = {N_("Display PV "), N_("Display F.S.%"), N_("Display Loop mA")};
  return texts;
}
const QStringList& CSpecialParamDlg::NumberFormatTexts() {
  static const QStringList texts = {N_("Integer"), N_("1 decimal"), N_("2 decimals"),
                                    N_("3 decimals")};
  return texts;
}

std::vector<RecordedValue> CSpecialParamDlg::SensorValues(const HartSensorRecord& s) {
  return {Recorded(value_name::kAlarmType, ChoiceText(AlarmTypeTexts(), s.alarmType)),
          Recorded(value_name::kDisplayMode, ChoiceText(DisplayModeTexts(), s.displayMode)),
          Recorded(value_name::kNumberFormat, ChoiceText(NumberFormatTexts(), s.numberFormat))};
}

// Zero trim and the sensor record's settings, named as this page labels them.
RecordedValues CSpecialParamDlg::SensorRecordValues(std::shared_ptr<HartSensorRecord> sensor,
                                                    std::shared_ptr<QString> zeroUnit) {
  return [sensor, zeroUnit] {
    std::vector<RecordedValue> values{Recorded(kZeroTrim, Fixed4Text(sensor->value, *zeroUnit))};
    for (RecordedValue& v : SensorValues(*sensor))
      values.push_back(std::move(v));
    return values;
  };
}

RecordedValues CSpecialParamDlg::CompRecordValues(std::shared_ptr<HartCompRecord> comp) const {
  QStringList names;
  for (const QLineEdit* edit : m_editComp)
    names << edit->accessibleName();
  return [comp, names, densityTexts = ItemTexts(m_comboDensityComp)] {
    std::vector<RecordedValue> values{Recorded(kDensityComp, ChoiceText(densityTexts, comp->code))};
    for (qsizetype k = 0; k < names.size(); ++k)
      values.push_back(Recorded(names[k].toStdString(), Fixed4Text(comp->value[k], kCompUnits[k])));
    return values;
  };
}

QString CSpecialParamDlg::ZeroTrimUnitName(int unitCode) {
  for (const ZeroUnit& unit : kZeroUnits)
    if (unit.code == unitCode) return QString::fromUtf8(unit.name);
  return {};
}

CSpecialParamDlg::CSpecialParamDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 152, "Special Parameters Settings") {
  PageForm form(this);
  form.Group("Special Parameters Settings");
  {
    FormRow row = form.Row("Zero Trim");
    m_editZeroTrim = row.Edit(1215);
    m_labelZeroUnit = row.Unit(QString(), 1379);
  }
  {
    FormRow row = form.Row("Temperature(DIE)");
    m_editDieTemp = row.Edit(1222);
    m_editDieTemp->setReadOnly(true);
    row.Unit("℃");
  }
  // One row per compensation value; the ranges in the units are for the user only.
  auto compRow = [&form](const char* label, int id, const char* unit) {
    FormRow row = form.Row(label);
    QLineEdit* edit = row.Edit(id);
    if (unit) row.Unit(QString::fromUtf8(unit));
    return edit;
  };
  m_editComp[0] = compRow(N_("Thermal Effective"), 1220, N_("℃ (≥0℃)"));
  m_comboDensityComp = form.Row("Density compensation function")
                           .Combo(1223, {N_("No compensation"), N_("1-order compensation"),
                                         N_("2-order compensation")});
  m_editComp[1] = compRow(N_("Thermal Direct Loop Trim"), 1190, N_("%(-50%~50%)"));
  m_editComp[2] = compRow(N_("Area"), 1194, N_("m2(>0)"));
  m_editComp[3] = compRow(N_("Density"), 1192, N_("g/cm3(0.000081~22.65)"));
  m_editComp[4] = compRow(N_("High"), 1193, N_("m"));
  m_editComp[5] = compRow("Pitot Coefficient", 1196, nullptr);
  m_comboAlarm = form.Row("Loop Alarm Type").Combo(1216, AlarmTypeTexts());
  m_comboDisplay = form.Row("Display Mode").Combo(1217, DisplayModeTexts());
  m_comboFormat = form.Row("Number Format").Combo(1218, NumberFormatTexts());

  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CSpecialParamDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CSpecialParamDlg::OnBnClickedUpdate);
}

void CSpecialParamDlg::OnBnClickedRead() {
  auto sensor = std::make_shared<HartSensorRecord>();
  auto comp = std::make_shared<HartCompRecord>();
  auto output = std::make_shared<HartOutputInfo>();
  auto zeroUnit = std::make_shared<QString>();
  DeviceOperation op;
  op.progressHigh = 3;
  op.recordName = RecordName("Read");
  op.Step([sensor](DeviceState& ds) { return HartCmd147(ds, *sensor); },
          [this, sensor] { m_editZeroTrim->setText(Fixed4(sensor->value)); },
          1);  // the bar moves on once both records are in
  op.Step([comp](DeviceState& ds) { return HartCmd145(ds, *comp); },
          [this, sensor, comp] {
            for (size_t k = 0; k < m_editComp.size(); ++k)
              m_editComp[k]->setText(Fixed4(comp->value[k]));
            m_editDieTemp->setText(Fixed4(comp->value[6]));
            // A byte beyond the last entry leaves its box with nothing chosen.
            m_comboDensityComp->setCurrentIndex(comp->code);
            m_comboAlarm->setCurrentIndex(sensor->alarmType);
            m_comboDisplay->setCurrentIndex(sensor->displayMode);
            m_comboFormat->setCurrentIndex(sensor->numberFormat);
          })
      .reads = CompRecordValues(comp);
  // The zero trim's unit is the range's: known once command 15 has answered.
  DeviceStep& units = op.Step(
      [output, zeroUnit](DeviceState& ds) {
        const HartResult result = HartCmd15(ds, *output);
        *zeroUnit = ZeroTrimUnitName(output->rangeUnits);
        return result;
      },
      [this, zeroUnit] { m_labelZeroUnit->setText(*zeroUnit); });
  units.reads = SensorRecordValues(sensor, zeroUnit);
  RunOperation(std::move(op));
}

void CSpecialParamDlg::OnBnClickedUpdate() {
  // Everything typed is checked before the first exchange.
  const std::optional<float> zeroTrim = TypedFloatOf(m_editZeroTrim);
  if (!zeroTrim) return;
  SpecialChoices choices;
  static_assert(std::size(kCompRanges) == std::tuple_size_v<decltype(choices.comp)>);
  for (size_t k = 0; k < m_editComp.size(); ++k) {
    const std::optional<float> typed = TypedFloatOf(m_editComp[k]);
    if (!typed) return;
    // Judged as typed, before the float rounds 22.650001 down into the range.
    const std::optional<double> exact = TypedReal(m_editComp[k]->text());
    if (!exact || !InCompRange(kCompRanges[k], *exact)) {
      Refuse(QString::fromUtf8(kCompRanges[k].refusal));
      return;
    }
    choices.comp[k] = *typed;
  }
  choices.zeroTrim = *zeroTrim;
  choices.densityComp = m_comboDensityComp->currentIndex();
  choices.alarm = m_comboAlarm->currentIndex();
  choices.display = m_comboDisplay->currentIndex();
  choices.format = m_comboFormat->currentIndex();

  // Fresh records: the 187 sends back bytes 9 and 10 and an undecoded type code exactly as
  // the 147 of this Update reported them.
  auto sensor = std::make_shared<HartSensorRecord>();
  sensor->typeIndex = 0xFF;
  auto comp = std::make_shared<HartCompRecord>();

  // What goes out, worked out again for the records from what the device reported first,
  // and what the replies of 146 and 187 say the device took.
  auto sent = std::make_shared<HartCompRecord>();
  auto sentSensor = std::make_shared<HartSensorRecord>();
  auto zeroUnit = std::make_shared<QString>(m_labelZeroUnit->text());
  const RecordedValues compValues = CompRecordValues(comp);
  const RecordedValues sensorValues = SensorRecordValues(sensor, zeroUnit);

  DeviceOperation op;
  op.progressHigh = 4;
  op.recordName = RecordName("Update");
  op.Step([sensor](DeviceState& ds) { return HartCmd147(ds, *sensor); }, {}, 1).reads =
      sensorValues;
  op.Step([comp](DeviceState& ds) { return HartCmd145(ds, *comp); }).reads = compValues;
  WriteStep(
      op,
      [comp, choices](DeviceState& ds) {
        choices.ApplyTo(*comp);
        return HartCmd146(ds, *comp);  // the die temperature is the device's own
      },
      [comp, choices, sent, values = CompRecordValues(sent)] {
        *sent = *comp;
        choices.ApplyTo(*sent);
        return values();
      },
      [compValues] { return EchoesOf(compValues()); }, {}, 2);
  WriteStep(
      op,
      [sensor, choices](DeviceState& ds) {
        choices.ApplyTo(*sensor);
        return HartCmd187(ds, *sensor);
      },
      [sensor, choices, sentSensor, values = SensorRecordValues(sentSensor, zeroUnit)] {
        *sentSensor = *sensor;
        choices.ApplyTo(*sentSensor);
        return values();
      },
      [sensorValues] { return EchoesOf(sensorValues()); });
  // The new settings take effect when the device restarts.
  op.Step([](DeviceState& ds) { return HartCmd42(ds); });
  RunOperation(std::move(op));
}

void CSpecialParamDlg::ShowConfiguration(const ConfigValues& v) {
  m_comboAlarm->setCurrentIndex(v.alarmType < 3 ? v.alarmType : -1);
  m_comboDisplay->setCurrentIndex(v.displayMode < 3 ? v.displayMode : -1);
  m_comboFormat->setCurrentIndex(v.numberFormat < 4 ? v.numberFormat : -1);
  m_editZeroTrim->setText(Fixed4(v.zeroTrim));
}
