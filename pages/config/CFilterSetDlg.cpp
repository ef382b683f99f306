#include "CFilterSetDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "PageForm.h"
#include "PageRecord.h"

namespace {
const char* const kInhibition = N_("Inhibition ratio");
const char* const kPercent = N_("%");
}  // namespace

CFilterSetDlg::CFilterSetDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 151, "Filter") {
  PageForm form(this);
  form.Group("Filter Configuration");
  FormRow row = form.Row("Inhibition ratio");
  m_editInhibition = row.Edit(1214);
  row.Unit("%");
  connect(form.Button("Read", 1203), &QPushButton::clicked, this, &CFilterSetDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CFilterSetDlg::OnBnClickedUpdate);
}

void CFilterSetDlg::OnBnClickedRead() {
  auto sensor = std::make_shared<HartSensorRecord>();
  auto ratio = std::make_shared<float>(0.0f);
  DeviceOperation op;
  op.progressHigh = 3;
  op.Step([sensor](DeviceState& ds) { return HartCmd147(ds, *sensor); },
          [this, sensor] { m_filterConfig = sensor->excitation; });
  op.recordName = RecordName("Read");
  op.Step([ratio](DeviceState& ds) { return HartCmd150(ds, *ratio); },
          [this, ratio] { m_editInhibition->setText(Fixed4(*ratio)); })
      .reads = [ratio] {
    return std::vector<RecordedValue>{Recorded(kInhibition, Fixed4Text(*ratio, kPercent))};
  };
  RunOperation(std::move(op));
}

void CFilterSetDlg::OnBnClickedUpdate() {
  // No range check: the device judges the ratio.
  const std::optional<float> typed = TypedFloatOf(m_editInhibition);
  if (!typed) return;
  auto ratio = std::make_shared<float>(*typed);
  // A fresh record each time: whatever the device reports in the 147 below (bytes 9 and 10,
  // a type code we do not decode) is what goes back in the 187, never a former device's.
  auto sensor = std::make_shared<HartSensorRecord>();
  sensor->typeIndex = 0xFF;
  const std::optional<int> filter = m_filterConfig;

  DeviceOperation op;
  op.progressHigh = 4;
  op.recordName = RecordName("Update");
  // The device answers with the ratio it took.
  WriteStep(
      op, [ratio](DeviceState& ds) { return HartCmd190(ds, *ratio); },
      Values({Recorded(kInhibition, Fixed4Text(*typed, kPercent))}),
      [ratio] { return Echoes{Fixed4Text(*ratio, kPercent)}; });
  op.Step([sensor](DeviceState& ds) { return HartCmd147(ds, *sensor); });
  // Without a Read in this run the device keeps the filter configuration it has.
  op.Step([sensor, filter](DeviceState& ds) {
    if (filter) sensor->excitation = static_cast<uint8_t>(*filter);
    return HartCmd187(ds, *sensor);
  });
  RunOperation(std::move(op));
}
