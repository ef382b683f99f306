// Message boxes and file dialogs. Every prompt of the program goes through the Prompts in
// force: the real one shows application-modal dialogs, tests install one that answers from
// a script and keeps every text. Whatever thread asks, the prompt runs on the UI thread and
// the caller waits for the answer.
#pragma once

#include <QString>

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box with OK.
  virtual void Message(const QString& text) = 0;
  // A message box with OK and Cancel: true for OK.
  virtual bool Confirm(const QString& text) = 0;
  // File dialogs with a Qt name filter ("Hart Files (*.Hart)") and a proposed file name:
  // the chosen path, or empty when cancelled.
  virtual QString SaveFile(const QString& filter, const QString& defaultName) = 0;
  virtual QString OpenFile(const QString& filter, const QString& defaultName) = 0;
};

// The dialogs of the desktop.
class DialogPrompts final : public Prompts {
 public:
  void Message(const QString& text) override;
  bool Confirm(const QString& text) override;
  QString SaveFile(const QString& filter, const QString& defaultName) override;
  QString OpenFile(const QString& filter, const QString& defaultName) override;
};

// Installs the prompts every Show/Ask call uses; nullptr restores the dialogs.
void SetThePrompts(Prompts* prompts);

// From any thread: runs the prompt on the UI thread and returns its answer.
void ShowMessage(const QString& text);
bool AskConfirm(const QString& text);
QString AskSaveFile(const QString& filter, const QString& defaultName);
QString AskOpenFile(const QString& filter, const QString& defaultName);
