#include "CPassiveMigrationDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <memory>

#include "ConfigImage.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Texts.h"
#include "UnitConversion.h"

CPassiveMigrationDlg::CPassiveMigrationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 143, "Rerange Without Pressure") {
  PageForm form(this);
  form.Group("Reconfig Range");
  m_editLowerLimit = form.Row("PV LRL").Edit(1207);
  m_editLowerLimit->setReadOnly(true);
  m_editUpperLimit = form.Row("PV URL").Edit(1205);
  m_editUpperLimit->setReadOnly(true);
  m_editLrv = form.Row("LRV(4mA)").Edit(1209);
  m_editUrv = form.Row("URV(20mA)").Edit(1208);
  QStringList units;
  for (int i = 0; i < kUnitCount; ++i)
    units << QString::fromUtf8(UnitAt(i).text);
  m_comboUnit = form.Row("Unit").Combo(1210, units);
  connect(m_comboUnit, &QComboBox::activated, this, &CPassiveMigrationDlg::OnCbnSelchangeUnit);
  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CPassiveMigrationDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CPassiveMigrationDlg::OnBnClickedUpdate);
}

void CPassiveMigrationDlg::OnBnClickedRead() {
  auto limits = std::make_shared<HartRangePair>();
  auto output = std::make_shared<HartOutputInfo>();
  DeviceOperation op;
  op.progressHigh = 3;
  // The limits leave the bar where it is; the range takes it to the end.
  op.Step([limits](DeviceState& ds) { return HartCmd149(ds, *limits); },
          [this, limits] {
            m_editLowerLimit->setText(Fixed4(limits->lower));
            m_editUpperLimit->setText(Fixed4(limits->upper));
          },
          1);
  op.recordName = RecordName("Read");
  op.Step([output](DeviceState& ds) { return HartCmd15(ds, *output); },
          [this, output] {
            m_editLrv->setText(Fixed4(output->lowerRange));
            m_editUrv->setText(Fixed4(output->upperRange));
            const int unit = UnitIndexOfCode(output->rangeUnits);
            if (unit >= 0) m_nUnitIndex = unit;
            // Selecting it here converts nothing: only the user's choice does.
            m_comboUnit->setCurrentIndex(m_nUnitIndex);
          },
          3)
      .reads = [output] {
    return std::vector<RecordedValue>{
        Recorded(value_name::kPvRange,
                 RangeText(output->lowerRange, output->upperRange, UnitName(output->rangeUnits)))};
  };
  RunOperation(std::move(op));
}

void CPassiveMigrationDlg::OnBnClickedUpdate() {
  const std::optional<float> lrv = TypedFloatOf(m_editLrv);
  if (!lrv) return;
  const std::optional<float> urv = TypedFloatOf(m_editUrv);
  if (!urv) return;
  const int unit = m_comboUnit->currentIndex();
  if (unit < 0) {
    Refuse(
        QString::fromStdString(Texts::PleaseSelect(m_comboUnit->accessibleName().toStdString())));
    return;
  }
  // No range check here: the device answers for the values it takes.
  auto range = std::make_shared<HartRangeValues>(HartRangeValues{UnitAt(unit).code, *urv, *lrv});
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Update");
  // The device answers with the range and unit it took.
  WriteStep(
      op, [range](DeviceState& ds) { return HartCmd35(ds, *range); },
      Values({Recorded(value_name::kPvRange, RangeText(*lrv, *urv, UnitName(range->unitCode)))}),
      [range] {
        return Echoes{RangeText(range->lowerRange, range->upperRange, UnitName(range->unitCode))};
      });
  RunOperation(std::move(op));
}

void CPassiveMigrationDlg::OnCbnSelchangeUnit(int index) {
  if (index == m_nUnitIndex) return;
  auto special = std::make_shared<HartCompRecord>();
  DeviceOperation op;
  // On failure the list shows the new unit while the edits stay in m_nUnitIndex.
  op.Step([special](DeviceState& ds) { return HartCmd145(ds, *special); },
          [this, special, index] {
            const UnitSpecial params = UnitSpecialOf(*special);
            for (QLineEdit* edit : {m_editLrv, m_editUrv, m_editLowerLimit, m_editUpperLimit}) {
              // An edit that holds no number stays as it is rather than turning into 0.
              const std::optional<double> value = TypedReal(edit->text());
              if (value)
                edit->setText(Fixed4(ConvertUnitValue(*value, m_nUnitIndex, index, params)));
            }
            m_nUnitIndex = index;
          });
  RunOperation(std::move(op));
}

void CPassiveMigrationDlg::ShowConfiguration(const ConfigValues& v) {
  m_editLrv->setText(Fixed4(v.lowerRange));
  m_editUrv->setText(Fixed4(v.upperRange));
  m_editLowerLimit->setText(Fixed4(v.pvLowerLimit));
  m_editUpperLimit->setText(Fixed4(v.pvUpperLimit));
}
