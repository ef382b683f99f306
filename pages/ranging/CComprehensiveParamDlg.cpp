#include "CComprehensiveParamDlg.h"

#include <QComboBox>
#include <QHideEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "ConfigImage.h"
#include "Encoding.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "UnitConversion.h"
#include "config/CSpecialParamDlg.h"

namespace {

constexpr int kMetalCapacitive = 5;  // the one sensor whose range index can be chosen
constexpr int kWeighting = 11;

// The preset ranges: what choosing one writes into the page, and its unit index.
struct PresetRange {
  const char* text;
  const char* lower;
  const char* upper;
  int unitIndex;
};
const PresetRange kRanges[] = {
    {"2E", "-1.6", "1.6", 0}, {"3E", "-6", "6", 0},       {"4E", "-40", "40", 0},
    {"5E", "-250", "250", 0}, {"6E", "-1000", "1000", 0}, {"7E", "0", "2.5", 1},
    {"8E", "0", "10", 1},     {"9E", "0", "25", 1},       {"0E", "0", "40", 1},
};

QStringList UnitTexts() {
  QStringList units;
  for (int i = 0; i < kUnitCount; ++i)
    units << QString::fromUtf8(UnitAt(i).text);
  return units;
}

// What the Read's exchanges bring back, shared between each exchange and its display.
struct PvReading {
  uint8_t sensorType = 0;
  uint8_t sensorUnit = 0;
  float sensorLower = 0;
  float sensorUpper = 0;
  HartRangePair pvLimits{};
  HartOutputInfo output{};
  HartSensorRecord sensor{};
  float fullScale = 0;
  char message[32] = {};
  uint32_t assembly = 0;
  uint8_t pressureMode = 0;
};

const char* const kPressureMode = N_("Pressure Modes");

}  // namespace

const QStringList& CComprehensiveParamDlg::CodeTexts(Coded list) {
  // In the order of Coded.
  static const QStringList texts[] = {
      {N_("PS32 Capacity Ceramic"), N_("PS18 Capacity Ceramic"), N_("181 Piezoresistive Ceramic"),
       N_("182 Piezoresistive Ceramic"), N_("Piezoresistive Silicon"),
       N_("Metal Capacitive Sensor"), N_("Magnetism rolling board"), N_("High Stability Sililcon"),
       N_("MIDA Sapphire Silicon"), N_("Sputtered Thin Film"), N_("Strain Type Sensor"),
       N_("Weighting sensor")},
      {N_("+5V"), N_("1.5mA"), N_("1mA"), N_("0.75mA"), N_("0.5mA"), N_("0.25mA")},
      {N_("Display PV"), N_("Display F.S.%"), N_("Display Loop mA")},
      {N_("20.8mA"), N_("3.8mA"), N_("Saturated")},
      {N_("Integer"), N_("1 decimal"), N_("2 decimal"), N_("3 decimal")},
      {N_("Linear"), N_("SQRT")},
      {N_("Gauge Modes"), N_("Absolute Modes")},
  };
  return texts[static_cast<int>(list)];
}

CComprehensiveParamDlg::CComprehensiveParamDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 136, "PV Parameters") {
  PageForm form(this);
  form.Group("Device Message(32 ASCII)");
  m_editMessage = form.Row("Device Message(32 ASCII)").Edit(1238, {}, 32);
  MakePackedAsciiEdit(m_editMessage, 32);

  const QStringList units = UnitTexts();
  form.Group("Sensor Information", 0);
  m_editSensorLower = form.Row("Sensor Lower Range Limit").Edit(1207);
  m_editSensorUpper = form.Row("Sensor Upper Range Limit").Edit(1205);
  m_comboSensorUnit = form.Row("Sensor Unit").Combo(1230, units);
  m_comboSensorType = form.Row("Sensor Type").Combo(1104, CodeTexts(Coded::SensorType));
  QStringList ranges;
  for (const PresetRange& range : kRanges)
    ranges << range.text;
  m_comboRangeIndex = form.Row("Range Index").Combo(1105, ranges);
  m_comboExcitation = form.Row("Sensor Excitation").Combo(1231, CodeTexts(Coded::Excitation));
  // It follows the excitation: the user never chooses it.
  m_comboResistance =
      form.Row("Maximum Resistance").Combo(1109, {"", "1.25K", "1.5625K", "2.083K", "5K", "10K"});
  m_comboResistance->setEnabled(false);

  form.Group("Device Information", 1);
  m_editPvLower = form.Row("PV Lower Range Limit").Edit(1232);
  m_editPvUpper = form.Row("PV Upper Range Limit").Edit(1233);
  m_comboPvUnit = form.Row("PV Unit").Combo(1112, units);
  FormRow damping = form.Row("Damping Time");
  m_editDamping = damping.Edit(1212);
  damping.Unit("S");
  m_editAssembly = form.Row("Assembly ID").Edit(1237);

  form.Group("Special Configuration", 1);
  m_comboDisplayMode = form.Row("Display Mode").Combo(1217, CodeTexts(Coded::DisplayMode));
  m_comboAlarmType = form.Row("Loop Alarm Type").Combo(1216, CodeTexts(Coded::AlarmType));
  m_comboNumberFormat = form.Row("Number Format").Combo(1218, CodeTexts(Coded::NumberFormat));
  m_comboTransfer = form.Row("Transfer Function").Combo(1211, CodeTexts(Coded::Transfer));
  m_comboPressureMode = form.Row("Pressure Modes").Combo(1381, CodeTexts(Coded::PressureMode));
  m_comboPressureMode->setCurrentIndex(0);

  // The user's own choices only: the Read selecting an entry runs none of these.
  connect(m_comboSensorType, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangeSensorType);
  connect(m_comboRangeIndex, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangeRangeIndex);
  connect(m_comboExcitation, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangeExcitation);
  connect(m_comboSensorUnit, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangeSensorUnit);
  connect(m_comboPvUnit, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangePvUnit);
  connect(m_comboPressureMode, &QComboBox::activated, this,
          &CComprehensiveParamDlg::OnCbnSelchangePressureMode);
  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CComprehensiveParamDlg::OnBnClickedRead);
}

void CComprehensiveParamDlg::OnBnClickedRead() {
  auto r = std::make_shared<PvReading>();
  // An undecoded excitation code leaves the index out of the lists: nothing selected.
  r->sensor.typeIndex = 0xFF;
  DeviceOperation op;
  op.busyCheck = true;
  op.spacedBusy = true;
  op.progressHigh = 9;
  op.recordName = RecordName("Read");
  op.Step(
        [r](DeviceState& ds) {
          HartResponse reply;
          const HartResult result = HartExchange(ds, 148, nullptr, 0, 10, reply);
          if (result == HART_OK) {
            r->sensorType = reply.data[0];
            r->sensorUnit = reply.data[1];
            r->sensorLower = GetFloatBE(reply.data + 2);
            r->sensorUpper = GetFloatBE(reply.data + 6);
          }
          return result;
        },
        [this, r] {
          m_editSensorLower->setText(Fixed4(r->sensorLower));
          m_editSensorUpper->setText(Fixed4(r->sensorUpper));
          m_comboSensorType->setCurrentIndex(r->sensorType);
          const int unit = UnitIndexOfCode(r->sensorUnit);
          if (unit >= 0) {
            m_comboSensorUnit->setCurrentIndex(unit);
            m_nUnitIndex = unit;
          }
        })
      .onlyWhileRunning = true;
  op.Step([r](DeviceState& ds) { return HartCmd149(ds, r->pvLimits); },
          [this, r] {
            m_editPvLower->setText(Fixed4(r->pvLimits.lower));
            m_editPvUpper->setText(Fixed4(r->pvLimits.upper));
          })
      .onlyWhileRunning = true;
  op.Step([r](DeviceState& ds) { return HartCmd15(ds, r->output); },
          [this, r] {
            m_editDamping->setText(Fixed4(r->output.damping));
            m_comboTransfer->setCurrentIndex(r->output.transferFunction);
            const int unit = UnitIndexOfCode(r->output.rangeUnits);
            if (unit >= 0) m_comboPvUnit->setCurrentIndex(unit);
          })
      .reads = [r, transfer = ItemTexts(m_comboTransfer)] {
    const HartOutputInfo& o = r->output;
    return std::vector<RecordedValue>{
        Recorded(value_name::kDamping, Fixed4Text(o.damping, "s")),
        Recorded(value_name::kLoopFunction, ChoiceText(transfer, o.transferFunction)),
        Recorded(value_name::kPvRange,
                 RangeText(o.lowerRange, o.upperRange, UnitName(o.rangeUnits)))};
  };
  op.Step([r](DeviceState& ds) { return HartCmd147(ds, r->sensor); },
          [this, r] {
            m_comboAlarmType->setCurrentIndex(r->sensor.alarmType);
            m_comboDisplayMode->setCurrentIndex(r->sensor.displayMode);
            m_comboNumberFormat->setCurrentIndex(r->sensor.numberFormat);
            m_comboExcitation->setCurrentIndex(r->sensor.typeIndex);
            m_comboResistance->setCurrentIndex(r->sensor.typeIndex);
          });
  op.steps.back().onlyWhileRunning = true;
  op.steps.back().reads = [r] { return CSpecialParamDlg::SensorValues(r->sensor); };
  op.Step([r](DeviceState& ds) { return HartCmd150(ds, r->fullScale); },
          [this, r] { m_fFullScaleValue = r->fullScale; })
      .onlyWhileRunning = true;
  op.Step([r](DeviceState& ds) { return HartCmd12(ds, r->message); },
          [this, r] { m_editMessage->setText(QString::fromLatin1(r->message, 32)); });
  op.steps.back().onlyWhileRunning = true;
  op.steps.back().reads = [r] {
    return std::vector<RecordedValue>{
        Recorded(value_name::kMessage, DeviceText(QString::fromLatin1(r->message, 32)))};
  };
  op.Step([r](DeviceState& ds) { return HartCmd16(ds, r->assembly); },
          [this, r] { m_editAssembly->setText(Decimal(r->assembly)); });
  op.steps.back().onlyWhileRunning = true;
  op.steps.back().reads = [r] {
    return std::vector<RecordedValue>{
        Recorded(value_name::kAssemblyNumber, Decimal(r->assembly).toStdString())};
  };
  op.Step(
        [r](DeviceState& ds) {
          HartResponse reply;
          const HartResult result = HartExchange(ds, 216, nullptr, 0, 1, reply);
          if (result == HART_OK) r->pressureMode = reply.data[0];
          return result;
        },
        [this, r] {
          m_comboPressureMode->setCurrentIndex(r->pressureMode);
          m_devicePressureMode = r->pressureMode;
        })
      .reads = [r, modes = ItemTexts(m_comboPressureMode)] {
    return std::vector<RecordedValue>{Recorded(kPressureMode, ChoiceText(modes, r->pressureMode))};
  };
  RunJobOperation(std::move(op));
}

void CComprehensiveParamDlg::OnCbnSelchangeSensorType(int index) {
  if (index == kMetalCapacitive) {
    m_comboRangeIndex->setEnabled(true);
  } else if (index >= 0 && index < kWeighting) {
    m_comboRangeIndex->setEnabled(false);
  }
}

void CComprehensiveParamDlg::OnCbnSelchangeRangeIndex(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kRanges))) return;
  // The preset's values in its own unit; nothing is converted and m_nUnitIndex stays.
  const PresetRange& range = kRanges[index];
  m_editSensorLower->setText(range.lower);
  m_editPvLower->setText(range.lower);
  m_editSensorUpper->setText(range.upper);
  m_editPvUpper->setText(range.upper);
  m_comboSensorUnit->setCurrentIndex(range.unitIndex);
  m_comboPvUnit->setCurrentIndex(range.unitIndex);
}

void CComprehensiveParamDlg::OnCbnSelchangeExcitation(int index) {
  m_comboResistance->setCurrentIndex(index);
}

void CComprehensiveParamDlg::OnCbnSelchangeSensorUnit(int index) {
  ChangeUnit(index, false);
}

void CComprehensiveParamDlg::OnCbnSelchangePvUnit(int index) {
  ChangeUnit(index, true);
}

void CComprehensiveParamDlg::ChangeUnit(int index, bool spacedFailure) {
  m_comboSensorUnit->setCurrentIndex(index);
  m_comboPvUnit->setCurrentIndex(index);
  if (index < 0 || index == m_nUnitIndex) return;
  auto special = std::make_shared<HartCompRecord>();
  DeviceOperation op;
  op.spacedFailure = spacedFailure;
  // On failure the lists show the new unit while the edits stay in m_nUnitIndex.
  op.Step([special](DeviceState& ds) { return HartCmd145(ds, *special); },
          [this, special, index] {
            const UnitSpecial params = UnitSpecialOf(*special);
            for (QLineEdit* edit :
                 {m_editPvLower, m_editPvUpper, m_editSensorLower, m_editSensorUpper}) {
              // An edit that holds no number stays as it is rather than turning into 0.
              const std::optional<double> value = TypedReal(edit->text());
              if (value)
                edit->setText(Fixed4(ConvertUnitValue(*value, m_nUnitIndex, index, params)));
            }
            m_nUnitIndex = index;
          });
  RunOperation(std::move(op));
}

void CComprehensiveParamDlg::OnCbnSelchangePressureMode(int index) {
  if (index < 0) return;
  auto mode = std::make_shared<uint8_t>(static_cast<uint8_t>(index));
  const QStringList modes = ItemTexts(m_comboPressureMode);
  DeviceOperation op;
  op.busyCheck = true;
  op.spacedBusy = true;
  op.progressHigh = 2;
  op.recordName = RecordName(kPressureMode);
  // The device answers with the mode it took.
  WriteStep(
      op, [mode](DeviceState& ds) { return HartCmd215(ds, *mode); },
      Values({Recorded(kPressureMode, ChoiceText(modes, index))}),
      [mode, modes] { return Echoes{ChoiceText(modes, *mode)}; },
      [this, mode] { m_devicePressureMode = *mode; });
  // Written or not, the list shows the mode the device has.
  RunOperation(std::move(op), [this](OperationResult) {
    m_comboPressureMode->setCurrentIndex(m_devicePressureMode);
  });
}

void CComprehensiveParamDlg::hideEvent(QHideEvent* event) {
  PageDialog::hideEvent(event);
  // Leaving the page ends a Read still running before its next exchange; the desktop
  // minimising the window does not.
  if (!event->spontaneous()) StopJob();
}

void CComprehensiveParamDlg::ShowConfiguration(const ConfigValues& v) {
  m_editSensorLower->setText(Fixed4(v.sensorLower));
  m_editSensorUpper->setText(Fixed4(v.sensorUpper));
  m_comboSensorType->setCurrentIndex(
      v.sensorType < CodeTexts(Coded::SensorType).size() ? v.sensorType : -1);
  // A device unit code the lists do not have leaves them and the edits' unit as they were.
  const int unit = DeviceUnitListIndex(v.unitCode);
  if (unit >= 0) {
    m_comboSensorUnit->setCurrentIndex(unit);
    m_comboPvUnit->setCurrentIndex(unit);
    m_nUnitIndex = unit;
  }
  m_editDamping->setText(Fixed4(v.damping));
  m_comboTransfer->setCurrentIndex(v.transferFunction < 2 ? v.transferFunction : -1);
  m_comboAlarmType->setCurrentIndex(v.alarmType < 3 ? v.alarmType : -1);
  m_comboDisplayMode->setCurrentIndex(v.displayMode < 3 ? v.displayMode : -1);
  m_comboNumberFormat->setCurrentIndex(v.numberFormat < 4 ? v.numberFormat : -1);
  // An excitation byte outside the six leaves the selection as it was.
  const int excitation = HartSensorTypeIndex(v.excitation);
  if (excitation >= 0) {
    m_comboExcitation->setCurrentIndex(excitation);
    m_comboResistance->setCurrentIndex(excitation);
  }
  m_editMessage->setText(QString::fromLatin1(v.message.c_str()));
  m_editAssembly->setText(Decimal(v.assembly));
  if (v.pressureMode < 2) {
    m_comboPressureMode->setCurrentIndex(v.pressureMode);
    m_devicePressureMode = v.pressureMode;
  }
  m_editPvLower->setText(Fixed4(v.pvLowerLimit));
  m_editPvUpper->setText(Fixed4(v.pvUpperLimit));
}
