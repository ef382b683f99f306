#include "CDeviceInfDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <memory>

#include "PageForm.h"
#include "PageRecord.h"

namespace {

// "V%u.%u%u" of three version bytes: 1, 2, 3 show as V1.23.
QString VersionText(const uint8_t* v) {
  return QString::asprintf("V%u.%u%u", v[0], v[1], v[2]);
}

}  // namespace

CDeviceInfDlg::CDeviceInfDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 161, N_("Hardware/Software Infomations")) {
  PageForm form(this);
  form.Group("Hardware and software information");
  m_editSoftware = form.Row("Software Version").Edit(1339);
  m_editHardware = form.Row("Hardware Version").Edit(1361);
  // Shown, not typed into; still readable by screen readers.
  for (QLineEdit* edit : {m_editSoftware, m_editHardware})
    edit->setReadOnly(true);
  connect(form.Button("Query", 1363), &QPushButton::clicked, this,
          &CDeviceInfDlg::OnBnClickedQuery);
}

void CDeviceInfDlg::OnBnClickedQuery() {
  auto versions = std::make_shared<std::array<uint8_t, 7>>();
  DeviceOperation op;
  op.addressing = DeviceOperation::Addressing::None;
  op.failureText = N_("Read Version ERRO");
  op.progressHigh = 2;
  // The versions are kept in the records whenever they are read.
  op.recordName = RecordName("Query");
  op.recordKind = record_kind::kRead;
  op.recordReads = true;
  op.Step(
        [versions](DeviceState& ds) {
          HartResponse reply;
          const HartResult result = HartExchange(ds, 162, nullptr, 0, 7, reply);
          if (result == HART_OK) std::copy_n(reply.data, 7, versions->begin());
          return result;
        },
        [this, versions] {
          m_editHardware->setText(VersionText(versions->data() + 4));
          m_editSoftware->setText(VersionText(versions->data()));
        })
      .reads = [versions] {
    const QString text = "Software " + VersionText(versions->data()) + ", Hardware " +
                         VersionText(versions->data() + 4);
    return std::vector<RecordedValue>{Recorded("Versions", text.toStdString())};
  };
  RunOperation(std::move(op));
}
