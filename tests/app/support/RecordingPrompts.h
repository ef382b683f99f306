// Prompts that answer from a script and keep every text they were shown.
#pragma once

#include <QStringList>
#include <deque>
#include <functional>

#include "Prompts.h"

class RecordingPrompts final : public Prompts {
 public:
  void Message(const QString& text) override { Record(text); }
  bool Confirm(const QString& text) override {
    Record(text);
    if (confirmAnswers.empty()) return true;
    bool ok = confirmAnswers.front();
    confirmAnswers.pop_front();
    return ok;
  }
  QString SaveFile(const QString& filter, const QString&) override {
    Record(filter);
    return fileAnswer;
  }
  QString OpenFile(const QString& filter, const QString&) override {
    Record(filter);
    return fileAnswer;
  }

  QStringList texts;                // every prompt's text, in order
  std::deque<bool> confirmAnswers;  // OK (true) or Cancel; OK when the script has run out
  QString fileAnswer;               // what the file dialogs return
  std::function<void(const QString&)> onPrompt;  // runs as each prompt is shown

 private:
  void Record(const QString& text) {
    texts << text;
    if (onPrompt) onPrompt(text);
  }
};
