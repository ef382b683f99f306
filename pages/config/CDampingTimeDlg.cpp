#include "CDampingTimeDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "ConfigImage.h"
#include "PageForm.h"
#include "PageRecord.h"

namespace {
const char* const kDamping = N_("Damping Time");
const char* const kSeconds = N_("s");
}  // namespace

CDampingTimeDlg::CDampingTimeDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 149, "Damping Time") {
  PageForm form(this);
  form.Group("Damping Time");
  FormRow row = form.Row("Damping Time (0~100)");
  m_editDamping = row.Edit(1212);
  row.Unit("S");
  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CDampingTimeDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CDampingTimeDlg::OnBnClickedUpdate);
}

void CDampingTimeDlg::OnBnClickedRead() {
  auto output = std::make_shared<HartOutputInfo>();
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Read");
  op.Step([output](DeviceState& ds) { return HartCmd15(ds, *output); },
          [this, output] { m_editDamping->setText(Fixed4(output->damping)); })
      .reads = [output] {
    return std::vector<RecordedValue>{Recorded(kDamping, Fixed4Text(output->damping, kSeconds))};
  };
  RunOperation(std::move(op));
}

void CDampingTimeDlg::OnBnClickedUpdate() {
  const std::optional<double> typed = TypedRealOf(m_editDamping, kInvalidDamping);
  if (!typed) return;
  if (!DampingInRange(*typed)) {
    Refuse(kInvalidDamping);
    return;
  }
  auto damping = std::make_shared<HartFloatEcho>(HartFloatEcho{static_cast<float>(*typed), 0});
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Update");
  // The device answers with the damping now in force, which the edit shows.
  WriteStep(
      op, [damping](DeviceState& ds) { return HartCmd34(ds, *damping); },
      Values({Recorded(kDamping, Fixed4Text(*typed, kSeconds))}),
      [damping] { return Echoes{Fixed4Text(damping->actual, kSeconds)}; },
      [this, damping] { m_editDamping->setText(Fixed4(damping->actual)); });
  RunOperation(std::move(op));
}

void CDampingTimeDlg::ShowConfiguration(const ConfigValues& v) {
  m_editDamping->setText(Fixed4(v.damping));
}
