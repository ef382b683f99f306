#include "CTwoFineTuningDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "Encoding.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "UnitConversion.h"

namespace {

const char* const kSampleFirst = N_("Check[Get]Button!");
const char* const kZeroTrimConfirm = N_("Zero Trim ?");

// The unit labels spell the list's units without the leading blanks and end them with a
// tab, all but "Gallon" and "g/cm3", which go without.
QString UnitLabelText(int index) {
  const UnitEntry& unit = UnitAt(index);
  QString text = QString::fromUtf8(unit.text);
  while (text.startsWith(' '))
    text.remove(0, 1);
  const bool noTab = unit.code == 40 || unit.code == 91;
  return noTab ? text : text + '\t';
}

}  // namespace

CTwoFineTuningDlg::CTwoFineTuningDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 145, "Two Point Trim") {
  PageForm form(this);
  form.Group("Two Point Trim");
  FormRow measured = form.Row("Measured PV");
  m_editMeasuredPv = measured.Edit(1228);
  m_editMeasuredPv->setReadOnly(true);
  m_unitMeasuredPv = measured.Unit("", 1219);
  m_unitMeasuredPv->setMinimumWidth(m_unitMeasuredPv->fontMetrics().horizontalAdvance("kg/cm2"));
  connect(measured.Button("Sampling", 1225), &QPushButton::clicked, this,
          &CTwoFineTuningDlg::OnBnClickedSampling);
  FormRow actual = form.Row("Actual PV");
  m_editActualPv = actual.Edit(1229);
  m_unitActualPv = actual.Unit("", 1221);
  m_unitActualPv->setMinimumWidth(m_unitMeasuredPv->minimumWidth());
  connect(actual.Button("PV Low Trim", 1226), &QPushButton::clicked, this,
          &CTwoFineTuningDlg::OnBnClickedPvLowTrim);
  connect(actual.Button("PV High Trim", 1227), &QPushButton::clicked, this,
          &CTwoFineTuningDlg::OnBnClickedPvHighTrim);
  connect(form.Button("PV Zero Trim", 1224), &QPushButton::clicked, this,
          &CTwoFineTuningDlg::OnBnClickedPvZeroTrim);
}

void CTwoFineTuningDlg::OnBnClickedSampling() {
  auto reading = std::make_shared<HartPvReading>();
  DeviceOperation op;
  op.progressHigh = 2;
  op.Step([reading](DeviceState& ds) { return HartCmd1(ds, *reading); },
          [this, reading] {
            m_editMeasuredPv->setText(Fixed4(reading->pv));
            // A unit the list does not know leaves the labels as they were.
            const int unit = UnitIndexOfCode(reading->unitCode);
            if (unit < 0) return;
            m_unitMeasuredPv->setText(UnitLabelText(unit));
            m_unitActualPv->setText(UnitLabelText(unit));
          });
  RunOperation(std::move(op));
}

void CTwoFineTuningDlg::SendTrim(uint8_t command, const QString& button) {
  if (m_editMeasuredPv->text().isEmpty()) {
    Refuse(kSampleFirst);
    return;
  }
  const std::optional<float> actual = TypedFloatOf(m_editActualPv);
  if (!actual) return;
  const float value = *actual;

  auto reading = std::make_shared<HartPvReading>();
  auto reply = std::make_shared<HartResponse>();
  const std::string name = button.toStdString();
  DeviceOperation op;
  op.progressHigh = 3;
  op.recordName = RecordName(button);
  op.recordKind = record_kind::kCalibration;
  // The trim goes in the unit the device uses now, whatever the labels still show.
  op.Step([reading](DeviceState& ds) { return HartCmd1(ds, *reading); });
  // The point applied: the actual PV in that unit; the reply echoes unit and value.
  WriteStep(
      op,
      [reading, command, value, reply](DeviceState& ds) {
        uint8_t data[5];
        data[0] = reading->unitCode;
        PutFloatBE(data + 1, value);
        return HartExchange(ds, command, data, sizeof data, 0, *reply);
      },
      [reading, value, name] {
        return std::vector<RecordedValue>{
            Recorded(name, Fixed4Text(value, UnitName(reading->unitCode)))};
      },
      [reply]() -> Echoes {
        if (!ReplyCarries(*reply, 5)) return {};
        return {Fixed4Text(GetFloatBE(reply->data + 1), UnitName(reply->data[0]))};
      });
  RunOperation(std::move(op));
}

void CTwoFineTuningDlg::OnBnClickedPvLowTrim() {
  SendTrim(131, "PV Low Trim");
}

void CTwoFineTuningDlg::OnBnClickedPvHighTrim() {
  SendTrim(130, "PV High Trim");
}

void CTwoFineTuningDlg::OnBnClickedPvZeroTrim() {
  DeviceOperation op;
  op.confirmText = kZeroTrimConfirm;
  op.progressHigh = 2;
  op.recordName = RecordName("PV Zero Trim");
  op.recordKind = record_kind::kCalibration;
  op.recordDetail = "The pressure applied now taken as zero";
  op.Step([](DeviceState& ds) {
    HartResponse reply;
    return HartExchange(ds, 43, nullptr, 0, 0, reply);
  });
  RunOperation(std::move(op));
}
