#include "CIOCalibrationDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>

#include "Encoding.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Prompts.h"
#include "Texts.h"

namespace {

const char* const kFirstPointOut = N_("第一点值超出范围");
const char* const kSecondPointOut = N_("第二点值超出范围");

// The loop check's currents by radio index; the last radio takes the typed current.
constexpr float kLoopCurrents[] = {3.8f, 4.0f, 8.0f, 12.0f, 16.0f, 20.0f, 20.8f};
constexpr int kCustomPoint = 7;
constexpr int kFourMaPoint = 1;
constexpr int kTwentyMaPoint = 5;

QString ReadingUnit(bool volts) {
  return volts ? "V" : "mA";
}

// Command 45 (zero) or 46 (gain) with the current the meter read, in mA; `echo` receives
// the reading the device took when its reply carries it.
HartResult TrimLoopCurrent(DeviceState& ds, uint8_t command, float measured,
                           std::optional<float>& echo) {
  uint8_t data[4];
  PutFloatBE(data, measured);
  HartResponse reply;
  const HartResult result = HartExchange(ds, command, data, sizeof data, 0, reply);
  if (result == HART_OK && ReplyCarries(reply, 4)) echo = GetFloatBE(reply.data);
  return result;
}

// A step of `op` that trims with the reading `mA`, recorded under the reading's label.
void TrimStep(DeviceOperation& op, uint8_t command, float mA, const QString& label) {
  auto echo = std::make_shared<std::optional<float>>();
  WriteStep(
      op, [command, mA, echo](DeviceState& ds) { return TrimLoopCurrent(ds, command, mA, *echo); },
      Values({Recorded(label.toStdString(), Fixed4Text(mA, "mA"))}),
      [echo] { return Echoes{*echo ? Fixed4Text(**echo, "mA") : std::string()}; });
}

// A step of `op` that fixes the loop current at `mA` (0: back to automatic control).
DeviceStep& FixCurrentStep(DeviceOperation& op, float mA, std::function<void()> show = {}) {
  auto current = std::make_shared<HartFloatEcho>(HartFloatEcho{mA, 0});
  return WriteStep(
      op, [current](DeviceState& ds) { return HartCmd40(ds, *current); },
      Values({Recorded(value_name::kLoopCurrent, LoopCurrentText(mA))}),
      [current] { return Echoes{LoopCurrentText(current->actual)}; }, std::move(show));
}

}  // namespace

CIOCalibrationDlg::CIOCalibrationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 137, "Loop & PGA Settings") {
  PageForm form(this);

  form.Group("Loop Trim");
  m_check250Ohm = form.CheckRow("Use 250ohm for measurement", 1116);
  m_check250Ohm->setChecked(true);
  FormRow zero = form.Row("DA Zero Out");
  m_editZeroOut = zero.Edit(1239);
  m_unitZeroOut = zero.Unit(ReadingUnit(true), 1219);
  connect(zero.Button("Check", 1241), &QPushButton::clicked, this,
          &CIOCalibrationDlg::OnBnClickedCheckZero);
  FormRow span = form.Row("DA Span Out");
  m_editSpanOut = span.Edit(1240);
  m_unitSpanOut = span.Unit(ReadingUnit(true), 1221);
  connect(span.Button("Check", 1242), &QPushButton::clicked, this,
          &CIOCalibrationDlg::OnBnClickedCheckSpan);
  connect(form.Row("").Button("Send", 1204), &QPushButton::clicked, this,
          &CIOCalibrationDlg::OnBnClickedSend);
  connect(m_check250Ohm, &QCheckBox::clicked, this, &CIOCalibrationDlg::OnBnClicked250Ohm);

  form.Group("Check Loop");
  m_loopPoints = new QButtonGroup(this);
  m_loopPoints->setExclusive(true);
  const int radioIds[] = {1117, 1118, 1119, 1121, 1122, 1123, 1124, 1126};
  const char* const radioTexts[] = {"3.8 mA", "4 mA",  "8 mA",    "12 mA",
                                    "16 mA",  "20 mA", "20.8 mA", ""};
  FormRow radios = form.Row("");
  for (int point = 0; point <= kCustomPoint; ++point) {
    if (point == 4) radios = form.Row("");
    auto* radio = new QRadioButton(radioTexts[point], this);
    radio->setObjectName(QString::number(radioIds[point]));
    m_loopPoints->addButton(radio, point);
    radios.Add(radio);
  }
  m_loopPoints->button(kCustomPoint)->setAccessibleName("Custom current");
  m_editCustom = radios.Edit(1245, "Custom current (mA)", 8);
  radios.Unit("mA");
  m_loopPoints->button(0)->setChecked(true);  // m_nLoopPoint starts at 0
  FormRow actions = form.Row("");
  connect(actions.Button("Checking", 1243), &QPushButton::clicked, this,
          &CIOCalibrationDlg::OnBnClickedChecking);
  connect(actions.Button("Finish Loop Check", 1244), &QPushButton::clicked, this,
          &CIOCalibrationDlg::OnBnClickedFinishLoopCheck);
}

DeviceOperation CIOCalibrationDlg::ForceCurrentOperation(float mA, const QString& button,
                                                         int loopPoint) {
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName(button);
  op.recordKind = record_kind::kCalibration;
  FixCurrentStep(op, mA, [this, mA, loopPoint] {
    m_fixedCurrent = mA != 0.0f ? std::optional<float>(mA) : std::nullopt;
    if (loopPoint >= 0) m_loopPoints->button(loopPoint)->setChecked(true);
  });
  return op;
}

void CIOCalibrationDlg::ForceCurrent(float mA, const QString& button, int loopPoint) {
  RunOperation(ForceCurrentOperation(mA, button, loopPoint));
}

void CIOCalibrationDlg::BeforeLeaving(std::function<void()> goOn) {
  if (!m_fixedCurrent ||
      !AskConfirm(QString::fromStdString(Texts::LoopFixedQuestion(*m_fixedCurrent)))) {
    goOn();  // Cancel: the loop stays fixed, as the user chose
    return;
  }
  // On failure the frame has shown why; the user goes where they were going all the same.
  RunOperation(ForceCurrentOperation(0.0f, "Leave, loop to automatic"),
               [goOn = std::move(goOn)](OperationResult) { goOn(); });
}

void CIOCalibrationDlg::OnBnClickedCheckZero() {
  ForceCurrent(4.0f, "DA Zero Out Check", kFourMaPoint);
}

void CIOCalibrationDlg::OnBnClickedCheckSpan() {
  ForceCurrent(20.0f, "DA Span Out Check", kTwentyMaPoint);
}

std::optional<double> CIOCalibrationDlg::ReadingOf(QLineEdit* edit, const QString& refusal) {
  std::optional<double> reading = TypedRealOf(edit, refusal);
  if (reading && m_check250Ohm->isChecked()) *reading = *reading * 1000 / 250;
  return reading;
}

void CIOCalibrationDlg::OnBnClickedSend() {
  const std::optional<double> zero = ReadingOf(m_editZeroOut, kFirstPointOut);
  if (!zero) return;
  const std::optional<double> span = ReadingOf(m_editSpanOut, kSecondPointOut);
  if (!span) return;
  // Both bounds are accepted.
  if (*zero > 5 || *zero < 3) {
    Refuse(kFirstPointOut);
    return;
  }
  const bool spanInRange = !(*span > 22 || *span < 18);
  const float zeroMa = static_cast<float>(*zero);
  const float spanMa = static_cast<float>(*span);

  DeviceOperation op;
  op.progressHigh = 4;
  op.recordName = RecordName("Send");
  op.recordKind = record_kind::kCalibration;
  TrimStep(op, 45, zeroMa, m_editZeroOut->accessibleName());
  // A second reading out of range is reported only now: the zero trim stays in the device.
  op.Check([spanInRange] { return spanInRange ? std::string() : std::string(kSecondPointOut); });
  TrimStep(op, 46, spanMa, m_editSpanOut->accessibleName());
  // The trims done, the output leaves fixed current mode.
  FixCurrentStep(op, 0.0f, [this] { m_fixedCurrent.reset(); });
  RunOperation(std::move(op));
}

void CIOCalibrationDlg::OnBnClickedChecking() {
  const int point = m_loopPoints->checkedId();
  if (point < 0) return;
  float mA = 0;
  if (point == kCustomPoint) {
    // Any number goes out as typed: the device decides what it can drive.
    const std::optional<float> typed = TypedFloatOf(m_editCustom);
    if (!typed) return;
    mA = *typed;
  } else {
    mA = kLoopCurrents[point];
  }
  ForceCurrent(mA, "Checking");
}

void CIOCalibrationDlg::OnBnClickedFinishLoopCheck() {
  ForceCurrent(0.0f, "Finish Loop Check");
}

void CIOCalibrationDlg::OnBnClicked250Ohm() {
  // What is typed already stays as it is; only its unit changes.
  const QString unit = ReadingUnit(m_check250Ohm->isChecked());
  m_unitZeroOut->setText(unit);
  m_unitSpanOut->setText(unit);
}

void CIOCalibrationDlg::hideEvent(QHideEvent* event) {
  PageDialog::hideEvent(event);
  StopJob();
  StopLoop();
}
