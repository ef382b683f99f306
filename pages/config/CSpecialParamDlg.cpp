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

}  // namespace

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
  m_editComp[0] = compRow("Thermal Effective", 1220, "℃ (≥0℃)");
  m_comboDensityComp =
      form.Row("Density compensation function")
          .Combo(1223, {"No compensation", "1-order compensation", "2-order compensation"});
  m_editComp[1] = compRow("Thermal Direct Loop Trim", 1190, "%(-50%~50%)");
  m_editComp[2] = compRow("Area", 1194, "m2(>0)");
  m_editComp[3] = compRow("Density", 1192, "g/cm3(0.000081~22.65)");
  m_editComp[4] = compRow("High", 1193, "m");
  m_editComp[5] = compRow("Pitot Coefficient", 1196, nullptr);
  m_comboAlarm = form.Row("Loop Alarm Type").Combo(1216, {"20.8 mA", "3.8 mA", "saturated"});
  m_comboDisplay =
      form.Row("Display Mode").Combo(1217, {"Display PV ", "Display F.S.%", "Display Loop mA"});
  m_comboFormat =
      form.Row("Number Format").Combo(1218, {"Integer", "1 decimal", "2 decimals", "3 decimals"});

  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CSpecialParamDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CSpecialParamDlg::OnBnClickedUpdate);
}

void CSpecialParamDlg::OnBnClickedRead() {
  auto sensor = std::make_shared<HartSensorRecord>();
  auto comp = std::make_shared<HartCompRecord>();
  auto output = std::make_shared<HartOutputInfo>();
  DeviceOperation op;
  op.progressHigh = 3;
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
          });
  op.Step([output](DeviceState& ds) { return HartCmd15(ds, *output); },
          [this, output] { m_labelZeroUnit->setText(ZeroTrimUnitName(output->rangeUnits)); });
  RunOperation(std::move(op));
}

void CSpecialParamDlg::OnBnClickedUpdate() {
  // Everything typed is checked before the first exchange.
  const std::optional<float> zeroTrim = TypedFloatOf(m_editZeroTrim);
  if (!zeroTrim) return;
  std::array<float, 6> compValues{};
  static_assert(std::size(kCompRanges) == std::tuple_size_v<decltype(compValues)>);
  for (size_t k = 0; k < m_editComp.size(); ++k) {
    const std::optional<float> typed = TypedFloatOf(m_editComp[k]);
    if (!typed) return;
    // Judged as typed, before the float rounds 22.650001 down into the range.
    const std::optional<double> exact = TypedReal(m_editComp[k]->text());
    if (!exact || !InCompRange(kCompRanges[k], *exact)) {
      Refuse(QString::fromUtf8(kCompRanges[k].refusal));
      return;
    }
    compValues[k] = *typed;
  }
  const int densityComp = m_comboDensityComp->currentIndex();
  const int alarm = m_comboAlarm->currentIndex();
  const int display = m_comboDisplay->currentIndex();
  const int format = m_comboFormat->currentIndex();

  // Fresh records: the 187 sends back bytes 9 and 10 and an undecoded type code exactly as
  // the 147 of this Update reported them.
  auto sensor = std::make_shared<HartSensorRecord>();
  sensor->typeIndex = 0xFF;
  auto comp = std::make_shared<HartCompRecord>();

  DeviceOperation op;
  op.progressHigh = 4;
  op.Step([sensor](DeviceState& ds) { return HartCmd147(ds, *sensor); }, {}, 1);
  op.Step([comp](DeviceState& ds) { return HartCmd145(ds, *comp); });
  op.Step(
      [comp, compValues, densityComp](DeviceState& ds) {
        comp->code = ChosenOr(densityComp, comp->code);
        for (size_t k = 0; k < compValues.size(); ++k)
          comp->value[k] = compValues[k];
        return HartCmd146(ds, *comp);  // the die temperature is the device's own
      },
      {}, 2);
  op.Step([sensor, zeroTrim = *zeroTrim, alarm, display, format](DeviceState& ds) {
    sensor->value = zeroTrim;
    sensor->alarmType = ChosenOr(alarm, sensor->alarmType);
    sensor->displayMode = ChosenOr(display, sensor->displayMode);
    sensor->numberFormat = ChosenOr(format, sensor->numberFormat);
    return HartCmd187(ds, *sensor);
  });
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
