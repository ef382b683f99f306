#include "Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <atomic>
#include <functional>

#include "Language.h"
#include "UiThreadQueue.h"

namespace {

// The title of every message box.
const char* const kTitle = "Morvane";

std::atomic<Prompts*> installedPrompts{nullptr};

Prompts& CurrentPrompts() {
  static DialogPrompts dialogs;
  Prompts* p = installedPrompts.load();
  return p ? *p : dialogs;
}

// Runs `ask` on the UI thread; a worker blocks until it has run.
void OnUiThread(const std::function<void()>& ask) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() == app->thread()) {
    ask();
    return;
  }
  TheUiQueue().Call(ask);
}

// While an operation shows the wait cursor, a prompt it asks shows the arrow: it wants an
// answer.
class ArrowCursorWhileAsking {
 public:
  ArrowCursorWhileAsking() : pushed_(QApplication::overrideCursor() != nullptr) {
    if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowCursorWhileAsking() {
    if (pushed_) QApplication::restoreOverrideCursor();
  }
  ArrowCursorWhileAsking(const ArrowCursorWhileAsking&) = delete;
  ArrowCursorWhileAsking& operator=(const ArrowCursorWhileAsking&) = delete;

 private:
  bool pushed_;
};

int RunBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons) {
  ArrowCursorWhileAsking arrow;
  QMessageBox box(icon, kTitle, text, buttons, QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec();
}

}  // namespace

void DialogPrompts::Message(const QString& text) {
  RunBox(QMessageBox::Information, text, QMessageBox::Ok);
}

bool DialogPrompts::Confirm(const QString& text) {
  return RunBox(QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

QString DialogPrompts::SaveFile(const QString& filter, const QString& defaultName) {
  ArrowCursorWhileAsking arrow;
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), defaultName, filter);
}

QString DialogPrompts::OpenFile(const QString& filter, const QString& defaultName) {
  ArrowCursorWhileAsking arrow;
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), defaultName, filter);
}

void SetThePrompts(Prompts* prompts) {
  installedPrompts.store(prompts);
}

// Messages are written in the program's own words and shown in the language in force.
void ShowMessage(const QString& text) {
  OnUiThread([&] { CurrentPrompts().Message(Tr(text)); });
}

bool AskConfirm(const QString& text) {
  bool ok = false;
  OnUiThread([&] { ok = CurrentPrompts().Confirm(Tr(text)); });
  return ok;
}

QString AskSaveFile(const QString& filter, const QString& defaultName) {
  QString path;
  OnUiThread([&] { path = CurrentPrompts().SaveFile(filter, defaultName); });
  return path;
}

QString AskOpenFile(const QString& filter, const QString& defaultName) {
  QString path;
  OnUiThread([&] { path = CurrentPrompts().OpenFile(filter, defaultName); });
  return path;
}
