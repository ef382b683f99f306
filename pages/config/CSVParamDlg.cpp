#include "CSVParamDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "Encoding.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Texts.h"

namespace {

const char* const kInvalidDutyCycle = N_("Invalid Duty Cycle");

struct SvSettings {
  uint8_t displayMode = 0;
  uint8_t dutyCycle = 0;
  float dieTempC = 0;
};

// The SV's display mode has a name of its own: "Display Mode" is the PV's.
const char* const kSvDisplayMode = N_("SV Display Mode");
const char* const kDutyCycle = N_("Display Duty Cycle");

std::vector<RecordedValue> SvValues(const QStringList& modes, int mode, int dutyCycle) {
  return {Recorded(kSvDisplayMode, ChoiceText(modes, mode)),
          Recorded(kDutyCycle, ValueText(QString::number(dutyCycle), "%"))};
}

}  // namespace

CSVParamDlg::CSVParamDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 153, "SV Settings") {
  PageForm form(this);
  form.Group("SV Settings");
  {
    // One label serves the three readouts; each is named with its unit.
    FormRow row = form.Row("DIE Temperature");
    const QString label = row.Label()->text();
    m_editTempF = row.Edit(1629, label + " °F", 10);
    row.Unit("°F");
    m_editTempK = row.Edit(1630, label + " K", 10);
    row.Unit("K");
    m_editTempC = row.Edit(1628, label + " °C", 10);
    row.Unit("°C");
    for (QLineEdit* edit : {m_editTempF, m_editTempK, m_editTempC})
      edit->setReadOnly(true);
  }
  m_comboDisplay =
      form.Row("Display Mode")
          .Combo(1626, {N_("SV Display Off"), N_("SV ON C"), N_("SV ON F"), N_("SV On K")});
  {
    FormRow row = form.Row("Display Duty Cycle");
    m_editDutyCycle = row.Edit(1627);
    row.Unit("% (10%~90%)");
  }
  connect(form.Button("Read", 1203), &QPushButton::clicked, this, &CSVParamDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CSVParamDlg::OnBnClickedUpdate);
}

void CSVParamDlg::OnBnClickedRead() {
  auto settings = std::make_shared<SvSettings>();
  DeviceOperation op;
  op.progressHigh = 3;
  op.recordName = RecordName("Read");
  op.Step(
        [settings](DeviceState& ds) {
          HartResponse reply;
          const HartResult result = HartExchange(ds, 166, nullptr, 0, 6, reply);
          if (result == HART_OK) {
            settings->displayMode = reply.data[0];
            settings->dutyCycle = reply.data[1];
            settings->dieTempC = GetFloatBE(reply.data + 2);
          }
          return result;
        },
        [this, settings] {
          // A mode beyond the list leaves nothing chosen.
          m_comboDisplay->setCurrentIndex(settings->displayMode);
          const double celsius = settings->dieTempC;
          m_editTempC->setText(Fixed4(celsius));
          m_editTempF->setText(Fixed4(celsius * 1.8 + 32));
          m_editTempK->setText(Fixed4(celsius + 273.15));
          m_editDutyCycle->setText(Decimal(settings->dutyCycle));
        })
      .reads = [settings, modes = ItemTexts(m_comboDisplay)] {
    return SvValues(modes, settings->displayMode, settings->dutyCycle);
  };
  RunOperation(std::move(op));
}

void CSVParamDlg::OnBnClickedUpdate() {
  // The typed number itself must lie in 10..90: 266 is not taken for the 10 its low byte is.
  const std::optional<long long> duty = TypedIntegerOf(m_editDutyCycle, kInvalidDutyCycle);
  if (!duty) return;
  if (*duty < 10 || *duty > 90) {
    Refuse(kInvalidDutyCycle);
    return;
  }
  const int mode = m_comboDisplay->currentIndex();
  if (mode < 0) {
    Refuse(QString::fromStdString(Texts::PleaseSelect("Display Mode")));
    return;
  }
  const uint8_t data[2] = {static_cast<uint8_t>(mode), static_cast<uint8_t>(*duty)};
  const QStringList modes = ItemTexts(m_comboDisplay);
  auto reply = std::make_shared<HartResponse>();
  DeviceOperation op;
  op.progressHigh = 4;
  op.recordName = RecordName("Update");
  // The reply echoes the mode and duty cycle the device took.
  WriteStep(
      op, [data, reply](DeviceState& ds) { return HartExchange(ds, 167, data, 2, 0, *reply); },
      Values(SvValues(modes, mode, data[1])),
      [reply, modes]() -> Echoes {
        if (!ReplyCarries(*reply, 2)) return {};
        return EchoesOf(SvValues(modes, reply->data[0], reply->data[1]));
      },
      {}, 3);
  RunOperation(std::move(op));
}
