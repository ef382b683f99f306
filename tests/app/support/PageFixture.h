// The setting of a page test: the main window against one simulated transmitter at polling
// address 0, "Normal" addressing, a virtual clock and recorded prompts. A page's controls are
// found by their ids, as automation finds them; a click on a button waits until the device
// operation it started has ended.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <vector>

#include "GuiFixture.h"

class PageFixture : public GuiFixture {
 protected:
  void SetUp() override;

  // Shows page `index` as a tree click would and returns it.
  QWidget* Page(int index);
  template <class W>
  W* Control(QWidget* page, int id) const {
    W* w = page->findChild<W*>(QString::number(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
  }
  QLineEdit* Edit(QWidget* page, int id) const { return Control<QLineEdit>(page, id); }
  QComboBox* Combo(QWidget* page, int id) const { return Control<QComboBox>(page, id); }
  // Clicks the button as the user does and waits until the operation it started has ended.
  void Click(QWidget* page, int id);
  // Replaces the text of an edit as the user types it.
  void Type(QLineEdit* edit, const QString& text);
  // Chooses entry `index` of a combo box as the user does (the "activated" signal).
  void Choose(QComboBox* combo, int index);

  // With the device silent and Broadcast addressing (so no identification comes first),
  // clicks the button and expects the page's own first exchange to time out: its message
  // (with a blank after the colon when `spaced`) and the bar back to 0.
  void ExpectTimeoutWhenSilent(QWidget* page, int id, bool spaced = false);

  // The command numbers of the frames sent since the last call (or the start).
  std::vector<int> CommandsSent();
  // The data bytes of the last frame of command `command` sent, empty when none.
  std::vector<uint8_t> LastRequestData(int command) const;
  // The progress bar's values since the last call.
  std::vector<int> TakeProgress();
  // The prompts shown since the last call.
  QStringList TakePrompts();

  SimTransmitter* device = nullptr;

 private:
  size_t requestsSeen_ = 0;
};
