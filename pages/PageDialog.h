// What every page of the main window is: a child of the main window, hidden until the
// main window shows it, named by its dialog id so automation finds it, and announced to
// screen readers by the title the user picked it by.
//
// A page talks to the device only through RunOperation: it reads and checks its controls on
// the UI thread, then hands over the operation's steps (see DeviceOperation.h). It never
// touches the port, the addressing step, the progress bar or the job flags itself.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "BackgroundJob.h"
#include "DeviceOperation.h"

class CMorvaneDlg;
class QLineEdit;
struct ConfigValues;

class PageDialog : public QWidget {
  Q_OBJECT

 public:
  PageDialog(CMorvaneDlg* mainDlg, int dialogId, const QString& title);

  int DialogId() const { return m_dialogId; }
  // The title the user picked the page by ("Damping Time").
  const QString& Title() const { return m_title; }

  // Shows what a configuration upload or download carried, on the pages that show any of it.
  virtual void ShowConfiguration(const ConfigValues&) {}

  // Before the window shows another page in this one's place, and before it closes (for
  // every page, shown or not): a page that left the device in a state the user must not
  // forget asks about it here, and calls `goOn` on the UI thread once that is settled (after
  // any operation it ran has ended). Most pages have nothing to settle: `goOn` at once.
  virtual void BeforeLeaving(std::function<void()> goOn) { goOn(); }

  // What a background job's body works with: its hold on the flags, the window's services
  // (progress, messages, the UI thread) and the link.
  struct JobContext {
    BackgroundJob& job;
    DeviceOperationHost& host;
    DeviceState& ds;
  };

 protected:
  // The operation of a button of this page as the device records name it:
  // "Damping Time > Update".
  std::string RecordName(const QString& button) const;

  // Runs `op` in the standard frame off the UI thread; the window keeps painting and takes no
  // input until it has ended. `done`, when given, runs on the UI thread afterwards.
  void RunOperation(DeviceOperation op, std::function<void(OperationResult)> done = {});
  // "Online Test" at the station number, as an operation of its own.
  void RunOnlineTest(std::function<void(OperationResult)> done = {});
  // Makes `address` the station number: the box holds it alone, selected.
  void SetStationNumber(int address);

  // Runs `op` as a background job on the job pair instead of blocking the window: the
  // window takes input meanwhile, steps marked onlyWhileRunning end it once the job is asked
  // to stop. With op.busyCheck it is refused ("Busy!Try later.") while another job runs.
  // `done`, when given, runs on the UI thread afterwards.
  void RunJobOperation(DeviceOperation op, std::function<void(OperationResult)> done = {});

  // Background jobs on the job pair (m_bJobRun/m_bJobIdle) or the loop pair (m_bLoopRun/
  // m_bLoopIdle); the body runs on a worker and ends when its job stops running.
  void StartJob(std::function<void(JobContext&)> body);
  void StartLoopJob(std::function<void(JobContext&)> body);
  bool JobIdle() const;
  bool LoopIdle() const;
  // Ask the running job (or the loop job) to stop: hiding a page with a job does this.
  void StopJob();
  void StopLoop();

  // A message box (OK) from the page, for a refused input; nothing is sent.
  void Refuse(const QString& text);
  // The number typed in `edit`; when it is not a number at all, shows `refusal` (or, when
  // empty, "Please enter a number: " and the field's name) and gives nullopt.
  std::optional<double> TypedRealOf(QLineEdit* edit, const QString& refusal = {});
  std::optional<float> TypedFloatOf(QLineEdit* edit, const QString& refusal = {});
  std::optional<long long> TypedIntegerOf(QLineEdit* edit, const QString& refusal = {});

 private:
  bool RefuseNotANumber(QLineEdit* edit, const QString& refusal);

  CMorvaneDlg* m_mainDlg;
  int m_dialogId;
  QString m_title;
};
