// The Default Parameters dialog's Test: it asks the address chosen in the dialog through the
// connection chosen in the dialog, on a worker with its own link (here a port on the test's
// simulated loop and virtual clock), and says in the dialog what answered.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "AppSettings.h"
#include "CDefaultSetDlg.h"
#include "GuiFixture.h"
#include "PortList.h"

namespace {

class DefaultParamsTestButton : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    SetPortSource([] { return std::vector<PortInfo>{}; });
    loop.AddDevice(0);
    dialog = std::make_unique<CDefaultSetDlg>();
    dialog->m_makeTestPort = [this] {
      auto made = std::make_unique<TestPort>(loop, clock);
      if (holdAddress >= 0) made->HoldCommand0To(holdAddress);
      testPort = made.get();
      return made;
    };
  }
  void TearDown() override {
    dialog.reset();
    SetPortSource({});
    GuiFixture::TearDown();
  }
  QPushButton* TestButton() { return dialog->findChild<QPushButton*>("testConnection"); }
  QString Outcome() { return dialog->findChild<QLabel*>("testResult")->text(); }
  QComboBox* Combo(const char* name) { return dialog->findChild<QComboBox*>(name); }
  // Clicks Test and pumps the UI until the outcome is shown.
  QString RunTest() {
    QTest::mouseClick(TestButton(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->TestRunning(); }, 20000));
    return Outcome();
  }

  std::unique_ptr<CDefaultSetDlg> dialog;
  TestPort* testPort = nullptr;  // the Test's own port, made at the click
  int holdAddress = -1;          // command 0 to this address waits until released
};

TEST_F(DefaultParamsTestButton, NamesTheTagAndLongAddressOfTheDeviceAtTheChosenAddress) {
  // What the dialog shows, not what the settings hold: COM6 at address 5.
  loop.AddDevice(5);
  Combo("1082")->setCurrentIndex(5);
  Combo("1327")->setCurrentIndex(5);
  holdAddress = 5;
  QTest::mouseClick(TestButton(), Qt::LeftButton);
  ASSERT_TRUE(testPort->WaitUntilHeld());
  EXPECT_FALSE(TestButton()->isEnabled()) << "one Test at a time";
  EXPECT_EQ(Outcome(), "Asking address 5 ...");
  testPort->Release();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog->TestRunning(); }, 20000));
  EXPECT_EQ(Outcome().toStdString(), "PT-101 answered: long address 26-05-0A0002")
      << "the second device of the loop";
  EXPECT_TRUE(TestButton()->isEnabled());
  EXPECT_EQ(testPort->Sim().openedName, "COM6");
  EXPECT_FALSE(testPort->IsOpen()) << "the Test lets go of its port";
  EXPECT_EQ(TheAppSettings().portIndex, 2) << "Test stores nothing";
  EXPECT_TRUE(prompts.texts.isEmpty());

  // Nobody at address 7; a HART-IP field that will not do is named and nothing is sent.
  holdAddress = -1;
  Combo("1327")->setCurrentIndex(7);
  EXPECT_EQ(RunTest(), "No device answered at address 7");
  Combo("connectionKind")->setCurrentIndex(1);
  dialog->findChild<QLineEdit*>("hartIpHost")->setText("");
  testPort = nullptr;
  QTest::mouseClick(TestButton(), Qt::LeftButton);
  EXPECT_EQ(Outcome(), "Please enter a host: HART-IP Host");
  EXPECT_EQ(testPort, nullptr);
}

TEST_F(DefaultParamsTestButton, APortThatCannotOpenIsNamedWithItsReason) {
  dialog->m_makeTestPort = nullptr;  // the system's port
  TheAppSettings().link = "/dev/ttyUSB-unplugged";
  dialog = std::make_unique<CDefaultSetDlg>();
  EXPECT_EQ(Combo("1082")->currentText(), "/dev/ttyUSB-unplugged (not present)");
  EXPECT_EQ(RunTest(), "Communication Port Error: /dev/ttyUSB-unplugged: no such port");
}

TEST_F(DefaultParamsTestButton, ClosingTheDialogWhileATestRunsStopsAndWaitsForIt) {
  holdAddress = 0;
  QTest::mouseClick(TestButton(), Qt::LeftButton);
  ASSERT_TRUE(testPort->WaitUntilHeld());
  dialog->reject();
  testPort->Release();
  dialog.reset();  // joins the worker; its outcome, if still queued, goes nowhere
  QCoreApplication::processEvents();
  // Command 0 was out when the dialog closed; the tag was no longer asked for.
  ASSERT_EQ(loop.Requests().size(), 1u);
  EXPECT_EQ(loop.Requests()[0][2], 0) << "command 0";
  EXPECT_TRUE(prompts.texts.isEmpty());
}

}  // namespace
