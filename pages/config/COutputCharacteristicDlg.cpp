#include "COutputCharacteristicDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <memory>

#include "ConfigImage.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Texts.h"

namespace {
const char* const kLoopFunction = N_("Loop Function");
}  // namespace

COutputCharacteristicDlg::COutputCharacteristicDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 147, "Loop Out Character") {
  PageForm form(this);
  form.Group(kLoopFunction);
  m_comboFunction = form.Row(kLoopFunction).Combo(1211, {N_("Linear"), N_("SQRT")});
  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &COutputCharacteristicDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &COutputCharacteristicDlg::OnBnClickedUpdate);
}

void COutputCharacteristicDlg::OnBnClickedRead() {
  auto output = std::make_shared<HartOutputInfo>();
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Read");
  op.Step([output](DeviceState& ds) { return HartCmd15(ds, *output); },
          [this, output] {
            // Only the two codes the list holds change the choice.
            if (output->transferFunction < m_comboFunction->count())
              m_comboFunction->setCurrentIndex(output->transferFunction);
          })
      .reads = [output, texts = ItemTexts(m_comboFunction)] {
    return std::vector<RecordedValue>{
        Recorded(value_name::kLoopFunction, ChoiceText(texts, output->transferFunction))};
  };
  RunOperation(std::move(op));
}

void COutputCharacteristicDlg::OnBnClickedUpdate() {
  const int chosen = m_comboFunction->currentIndex();
  if (chosen < 0) {
    Refuse(QString::fromStdString(Texts::PleaseSelect(kLoopFunction)));
    return;
  }
  auto code = std::make_shared<uint8_t>(static_cast<uint8_t>(chosen));
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Update");
  // The device answers with the function it took.
  WriteStep(
      op, [code](DeviceState& ds) { return HartCmd47(ds, *code); },
      Values({Recorded(value_name::kLoopFunction, ChoiceText(ItemTexts(m_comboFunction), chosen))}),
      [code, texts = ItemTexts(m_comboFunction)] { return Echoes{ChoiceText(texts, *code)}; });
  RunOperation(std::move(op));
}

void COutputCharacteristicDlg::ShowConfiguration(const ConfigValues& v) {
  if (v.transferFunction < 2) m_comboFunction->setCurrentIndex(v.transferFunction);
}
