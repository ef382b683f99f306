// The setting of every GUI test: a fresh working folder (so no settings file), default
// settings, the link's port on a simulated loop, a virtual clock and recorded prompts.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "CMorvaneDlg.h"
#include "RecordingPrompts.h"
#include "SimLoop.h"
#include "TestPort.h"

class QComboBox;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;

class GuiFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds and shows the main window with the settings as they are now.
  CMorvaneDlg& OpenMainWindow();

  QTreeWidget* Tree() const;
  QTreeWidgetItem* TreeItem(const QString& text) const;
  QComboBox* StationBox() const;
  QProgressBar* Progress() const;
  QString Pane(int index) const;
  QStringList StationItems() const;
  QWidget* VisiblePage() const;
  void TriggerMenu(const QString& objectName);

  // A mouse click in the middle of an item's label, as a user clicks it.
  void ClickTreeItem(const QString& text);
  // Every value the progress bar takes from now on.
  void RecordProgress();
  // Polling addresses that command 0 went to, in order (read while no worker runs).
  std::vector<int> Command0Addresses() const;
  // Pumps the UI until the background job has ended; false after 20 s.
  bool WaitForJobEnd();
  // Pumps the UI until no device operation runs or waits; false after 20 s.
  bool WaitForOperation();

  VirtualClock clock;
  SimLoop loop;
  TestPort* port = nullptr;
  RecordingPrompts prompts;
  std::vector<int> progressValues;
  std::unique_ptr<CMorvaneDlg> dlg;

 private:
  QTemporaryDir workDir_;
  QString oldDir_;
};
