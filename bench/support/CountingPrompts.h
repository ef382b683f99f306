// The prompts of a window benchmark: every question answered yes at once, the save dialog
// answering `file`, and each message counted (a benchmark that meets one failed) and printed
// on stderr so the reason shows in the run's output.
#pragma once

#include <QString>
#include <cstdio>

#include "Prompts.h"

class CountingPrompts final : public Prompts {
 public:
  void Message(const QString& text) override {
    ++messages;
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  bool Confirm(const QString&) override { return true; }
  QString SaveFile(const QString&, const QString&) override { return file; }
  QString OpenFile(const QString&, const QString&) override { return {}; }
  int messages = 0;
  QString file;  // what the save dialog answers
};
