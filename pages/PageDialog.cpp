#include "PageDialog.h"

#include <QLineEdit>

#include "CMorvaneDlg.h"
#include "NumberText.h"
#include "Prompts.h"
#include "Texts.h"

PageDialog::PageDialog(CMorvaneDlg* mainDlg, int dialogId, const QString& title)
    : QWidget(mainDlg), m_mainDlg(mainDlg), m_dialogId(dialogId), m_title(title) {
  setObjectName(QString::number(dialogId));
  setAccessibleName(title);
  hide();
}

std::string PageDialog::RecordName(const QString& button) const {
  return (m_title + " > " + button).toStdString();
}

void PageDialog::RunOperation(DeviceOperation op, std::function<void(OperationResult)> done) {
  m_mainDlg->RunOperation(std::move(op), std::move(done));
}

void PageDialog::RunOnlineTest(std::function<void(OperationResult)> done) {
  m_mainDlg->RunOnlineTest(std::move(done));
}

void PageDialog::SetStationNumber(int address) {
  m_mainDlg->SetStationNumber(address);
}

namespace {

std::function<void(BackgroundJob&)> WithContext(CMorvaneDlg* dlg,
                                                std::function<void(PageDialog::JobContext&)> body) {
  return [dlg, body = std::move(body)](BackgroundJob& job) {
    PageDialog::JobContext context{job, *dlg, TheDeviceState()};
    body(context);
  };
}

}  // namespace

void PageDialog::StartJob(std::function<void(JobContext&)> body) {
  m_mainDlg->StartJob(CMorvaneDlg::JobPair::Job, WithContext(m_mainDlg, std::move(body)));
}

void PageDialog::StartLoopJob(std::function<void(JobContext&)> body) {
  m_mainDlg->StartJob(CMorvaneDlg::JobPair::Loop, WithContext(m_mainDlg, std::move(body)));
}

void PageDialog::RunJobOperation(DeviceOperation op, std::function<void(OperationResult)> done) {
  if (op.busyCheck && !JobIdle()) {
    Refuse(op.spacedBusy ? Texts::kBusySpaced : Texts::kBusy);
    if (done) done(OperationResult::Busy);
    return;
  }
  op.busyCheck = false;  // the job holds the flags from now on
  CMorvaneDlg* dlg = m_mainDlg;
  StartJob([op = std::move(op), done = std::move(done), dlg](JobContext& context) {
    const OperationResult result = op.Run(context.host, context.ds, &context.job);
    if (done) dlg->RunOnUi([done, result] { done(result); });
  });
}

bool PageDialog::JobIdle() const {
  return m_mainDlg->m_bJobIdle.load() != 0;
}

bool PageDialog::LoopIdle() const {
  return m_mainDlg->m_bLoopIdle.load() != 0;
}

void PageDialog::StopJob() {
  m_mainDlg->m_bJobRun = 0;
}

void PageDialog::StopLoop() {
  m_mainDlg->m_bLoopRun = 0;
}

void PageDialog::Refuse(const QString& text) {
  ShowMessage(text);
}

bool PageDialog::RefuseNotANumber(QLineEdit* edit, const QString& refusal) {
  Refuse(refusal.isEmpty()
             ? QString::fromStdString(Texts::EnterANumber(edit->accessibleName().toStdString()))
             : refusal);
  return false;
}

std::optional<double> PageDialog::TypedRealOf(QLineEdit* edit, const QString& refusal) {
  std::optional<double> value = TypedReal(edit->text());
  if (!value) RefuseNotANumber(edit, refusal);
  return value;
}

std::optional<float> PageDialog::TypedFloatOf(QLineEdit* edit, const QString& refusal) {
  std::optional<float> value = TypedFloat(edit->text());
  if (!value) RefuseNotANumber(edit, refusal);
  return value;
}

std::optional<long long> PageDialog::TypedIntegerOf(QLineEdit* edit, const QString& refusal) {
  std::optional<long long> value = TypedInteger(edit->text());
  if (!value) RefuseNotANumber(edit, refusal);
  return value;
}
