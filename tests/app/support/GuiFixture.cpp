#include "GuiFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "AppSettings.h"
#include "CMyTabCtrl.h"
#include "Commands.h"
#include "SimulatedPort.h"
#include "UiThreadQueue.h"

void GuiFixture::SetUp() {
  ASSERT_TRUE(workDir_.isValid());
  oldDir_ = QDir::currentPath();
  QDir::setCurrent(workDir_.path());
  LoadSettings(TheAppSettings());  // no file here: the defaults

  SetTheClock(&clock);
  SetThePrompts(&prompts);
  DeviceState& ds = TheDeviceState();
  HartClosePort(ds);
  auto testPort = std::make_unique<TestPort>(loop, clock);
  port = testPort.get();
  ds.port = std::move(testPort);
  ds.clock = nullptr;
  ds.portIndex = 0;
  ds.request = HartStartRequest();
}

void GuiFixture::TearDown() {
  dlg.reset();
  DeviceState& ds = TheDeviceState();
  HartClosePort(ds);
  ds.port.reset();
  SetThePrompts(nullptr);
  SetTheClock(nullptr);
  QDir::setCurrent(oldDir_);
}

CMorvaneDlg& GuiFixture::OpenMainWindow() {
  dlg = std::make_unique<CMorvaneDlg>();
  // Shown as far as the widgets know, but never painted: what the tests look at is state,
  // and Qt's raster painting would start thread-pool work that the thread sanitizer cannot
  // follow inside an uninstrumented Qt.
  dlg->setAttribute(Qt::WA_DontShowOnScreen);
  dlg->show();
  return *dlg;
}

QTreeWidget* GuiFixture::Tree() const {
  return dlg->findChild<QTreeWidget*>("1000");
}

QTreeWidgetItem* GuiFixture::TreeItem(const QString& text) const {
  auto found = Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.size() == 1 ? found.front() : nullptr;
}

QComboBox* GuiFixture::StationBox() const {
  return dlg->findChild<QComboBox*>("1087");
}

QProgressBar* GuiFixture::Progress() const {
  return dlg->findChild<QProgressBar*>("1002");
}

QString GuiFixture::Pane(int index) const {
  auto* pane = dlg->findChild<QLabel*>(QString("statusPane%1").arg(index));
  return pane ? pane->text() : QString("<no pane %1>").arg(index);
}

QStringList GuiFixture::StationItems() const {
  QStringList items;
  for (int i = 0; i < StationBox()->count(); ++i)
    items << StationBox()->itemText(i);
  return items;
}

QWidget* GuiFixture::VisiblePage() const {
  QWidget* visible = nullptr;
  for (QWidget* page : dlg->TabCtrl()->m_pages) {
    if (page->isVisible()) {
      if (visible) return nullptr;  // more than one: no single answer
      visible = page;
    }
  }
  return visible;
}

void GuiFixture::TriggerMenu(const QString& objectName) {
  auto* action = dlg->findChild<QAction*>(objectName);
  ASSERT_NE(action, nullptr) << objectName.toStdString();
  action->trigger();
}

void GuiFixture::ClickTreeItem(const QString& text) {
  QTreeWidgetItem* item = TreeItem(text);
  ASSERT_NE(item, nullptr) << text.toStdString();
  Tree()->scrollToItem(item);
  const QRect cell = Tree()->visualItemRect(item);
  const int labelMiddle = Tree()->fontMetrics().horizontalAdvance(item->text(0)) / 2;
  QTest::mouseClick(
      Tree()->viewport(), Qt::LeftButton, Qt::NoModifier,
      QPoint(cell.left() + std::min(labelMiddle, cell.width() / 2), cell.center().y()));
}

void GuiFixture::RecordProgress() {
  QObject::connect(Progress(), &QProgressBar::valueChanged,
                   [this](int value) { progressValues.push_back(value); });
}

std::vector<int> GuiFixture::Command0Addresses() const {
  std::vector<int> addresses;
  for (const auto& frame : loop.Requests()) {
    // Frames start at the delimiter: no preambles to skip.
    int address = Command0Address(frame.data(), static_cast<int>(frame.size()));
    if (address >= 0) addresses.push_back(address);
  }
  return addresses;
}

namespace {

// Pumps the UI until `done`; then what the worker handed to the UI thread before it ended
// (the bar back to 0, the pages shown, the frames for the status panes) runs at once, not
// whenever the event loop next looks.
template <class Done>
bool WaitThenRunHandedOver(Done done) {
  if (!QTest::qWaitFor(done, 20000)) return false;
  TheUiQueue().RunPending();
  return true;
}

}  // namespace

bool GuiFixture::WaitForJobEnd() {
  return WaitThenRunHandedOver([this] { return dlg->m_bJobIdle.load() == 1; });
}

bool GuiFixture::WaitForOperation() {
  return WaitThenRunHandedOver([this] { return !dlg->OperationRunning(); });
}
