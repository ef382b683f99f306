// The loop trim and loop check page against the simulated transmitter: the output forced
// with command 40, the meter readings sent as trims with commands 45 and 46.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "Encoding.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class LoopTrimPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(1);
    zeroOut = Edit(page, 1239);
    spanOut = Edit(page, 1240);
  }
  float SentFloat(int command) const {
    const std::vector<uint8_t> data = LastRequestData(command);
    EXPECT_EQ(data.size(), 4u) << "command " << command;
    return data.size() == 4 ? GetFloatBE(data.data()) : -1.0f;
  }
  float LoopTrimOffset() const { return device->Image().F32(image::kLoopTrimOffset); }
  bool Chosen(int radioId) const { return Control<QRadioButton>(page, radioId)->isChecked(); }

  QWidget* page = nullptr;
  QLineEdit* zeroOut = nullptr;
  QLineEdit* spanOut = nullptr;
};

TEST_F(LoopTrimPage, CheckThenSendTrimsTheOutputAMeterSees) {
  EXPECT_EQ(Control<QPushButton>(page, 1241)->accessibleDescription(), "DA Zero Out");
  EXPECT_EQ(Control<QPushButton>(page, 1242)->accessibleDescription(), "DA Span Out");
  device->SetDacError(0.05, 1.01);  // the untrimmed output reads high
  // The meter across 250 ohm, in volts, as the engineer types it.
  auto meterVolts = [this] {
    return QString::asprintf("%.4f", device->MeasuredLoopCurrent() * 250.0 / 1000.0);
  };

  Click(page, 1241);
  EXPECT_FLOAT_EQ(SentFloat(40), 4.0f);
  EXPECT_TRUE(Chosen(1118));  // "4 mA"
  Type(zeroOut, meterVolts());
  Click(page, 1242);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 40, 0, 40}));
  EXPECT_FLOAT_EQ(SentFloat(40), 20.0f);
  EXPECT_TRUE(Chosen(1123) && !Chosen(1118));  // "20 mA"
  EXPECT_TRUE(device->FixedCurrentMode());
  Type(spanOut, meterVolts());
  TakeProgress();

  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 45, 46, 40}));
  EXPECT_NEAR(SentFloat(45), 4.09f, 1e-3);  // volts turned into milliamperes
  EXPECT_NEAR(SentFloat(46), 20.25f, 1e-3);
  EXPECT_FLOAT_EQ(SentFloat(40), 0.0f);
  EXPECT_FALSE(device->FixedCurrentMode());
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 0}));
  EXPECT_TRUE(TakePrompts().isEmpty());

  // The trims ended fixed current mode: leaving the page asks nothing.
  ClickTreeItem("Damping Time");
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_TRUE(CommandsSent().empty());
  ClickTreeItem("Loop & PGA Settings");

  // Trimmed: a loop check at 4 and 20 mA now reads right on the meter.
  for (int radio : {1118, 1123}) {
    Control<QRadioButton>(page, radio)->click();
    Click(page, 1243);
    EXPECT_NEAR(device->MeasuredLoopCurrent(), radio == 1118 ? 4.0 : 20.0, 0.005);
  }
}

TEST_F(LoopTrimPage, ReadingsAreCheckedBeforeAndBetweenTheTrims) {
  struct Case {
    const char* zero;
    const char* span;
    const char* refusal;
  };
  for (const Case& c :
       {Case{"0.7", "5", "第一点值超出范围"},  // 2.8 mA
        Case{"1.3", "5", "第一点值超出范围"}, Case{"", "5", "第一点值超出范围"},
        Case{"1", "1,5", "第二点值超出范围"}, Case{"1", "abc", "第二点值超出范围"}}) {
    Type(zeroOut, c.zero);
    Type(spanOut, c.span);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{QString::fromUtf8(c.refusal)}) << c.zero << " " << c.span;
  }
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(port->Sim().openCount, 0);

  // Readings in mA: the unit labels follow, what was typed stays.
  QTest::mouseClick(Control<QCheckBox>(page, 1116), Qt::LeftButton);
  EXPECT_EQ(Control<QLabel>(page, 1219)->text(), "mA");
  EXPECT_EQ(Control<QLabel>(page, 1221)->text(), "mA");
  EXPECT_EQ(zeroOut->text(), "1");

  // 3 mA is still a first reading; 22.01 mA as the second is refused only after the zero
  // trim went out, and the zero trim stays in the device.
  Click(page, 1241);
  CommandsSent();
  Type(zeroOut, "3");
  Type(spanOut, "22.01");
  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 45}));
  EXPECT_FLOAT_EQ(SentFloat(45), 3.0f);
  EXPECT_EQ(TakePrompts(), QStringList{"第二点值超出范围"});
  EXPECT_NEAR(LoopTrimOffset(), 1.0f, 1e-5);
  EXPECT_TRUE(device->FixedCurrentMode());
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(LoopTrimPage, LoopCheckForcesTheChosenCurrentUntilFinished) {
  QTest::mouseClick(Control<QRadioButton>(page, 1124), Qt::LeftButton);  // "20.8 mA"
  Click(page, 1243);
  EXPECT_FLOAT_EQ(SentFloat(40), 20.8f);
  EXPECT_FLOAT_EQ(device->LoopCurrent(), 20.8f);

  // The custom current goes out as typed, outside 4..20 mA too.
  auto* custom = Control<QRadioButton>(page, 1126);
  QLineEdit* customMa = Edit(page, 1245);
  EXPECT_EQ(custom->accessibleName(), "Custom current");
  EXPECT_EQ(customMa->accessibleName(), "Custom current (mA)");
  QTest::mouseClick(custom, Qt::LeftButton);
  EXPECT_TRUE(custom->isChecked() && !Chosen(1124));
  Type(customMa, "3.7");
  Click(page, 1243);
  EXPECT_FLOAT_EQ(SentFloat(40), 3.7f);
  EXPECT_FLOAT_EQ(device->LoopCurrent(), 3.7f);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 40, 0, 40}));

  Type(customMa, "x");
  Click(page, 1243);
  EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Custom current (mA)"});
  EXPECT_TRUE(CommandsSent().empty());

  Click(page, 1244);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 40}));
  EXPECT_FLOAT_EQ(SentFloat(40), 0.0f);
  EXPECT_FALSE(device->FixedCurrentMode());
  EXPECT_TRUE(TakePrompts().isEmpty());

  // Finished: closing the program asks nothing either.
  TriggerMenu("menuExit");
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_TRUE(TakePrompts().isEmpty());
}

// ---- Leaving the loop fixed ----

const QString kFixedAt12 =
    "The loop current is fixed at 12.000 mA. Return the loop to automatic control?";

TEST_F(LoopTrimPage, LeavingThePageWithTheLoopFixedAsksAndOkReleasesIt) {
  // Never fixed: no question.
  ClickTreeItem("Filter");
  EXPECT_TRUE(TakePrompts().isEmpty());
  ClickTreeItem("Loop & PGA Settings");

  QTest::mouseClick(Control<QRadioButton>(page, 1121), Qt::LeftButton);  // "12 mA"
  Click(page, 1243);
  ASSERT_TRUE(device->FixedCurrentMode());
  CommandsSent();
  ClickTreeItem("Damping Time");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(TakePrompts(), QStringList{kFixedAt12});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 40}));
  EXPECT_FLOAT_EQ(SentFloat(40), 0.0f);
  EXPECT_FALSE(device->FixedCurrentMode());
  EXPECT_EQ(dlg->CurrentPage(), 8);

  // Released: back and away again without a question.
  ClickTreeItem("Loop & PGA Settings");
  ClickTreeItem("Damping Time");
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(dlg->CurrentPage(), 8);
}

TEST_F(LoopTrimPage, CancelKeepsTheLoopFixedAndExitAsksAgain) {
  Click(page, 1241);  // Check: 4 mA
  CommandsSent();
  prompts.confirmAnswers = {false};
  ClickTreeItem("PV Parameters");
  EXPECT_EQ(TakePrompts(), QStringList{"The loop current is fixed at 4.000 mA. Return the loop to "
                                       "automatic control?"});
  EXPECT_EQ(dlg->CurrentPage(), 0);
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_TRUE(device->FixedCurrentMode());

  // Still fixed when the program closes: asked again; OK releases it, then the window goes.
  TriggerMenu("menuExit");
  EXPECT_EQ(TakePrompts().size(), 1);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dlg->isVisible(); }, 20000));
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 40}));
  EXPECT_FLOAT_EQ(SentFloat(40), 0.0f);
  EXPECT_FALSE(device->FixedCurrentMode());
}

TEST_F(LoopTrimPage, TheCloseButtonWithCancelLeavesTheLoopFixed) {
  QTest::mouseClick(Control<QRadioButton>(page, 1121), Qt::LeftButton);
  Click(page, 1243);
  CommandsSent();
  prompts.confirmAnswers = {false};
  dlg->close();
  EXPECT_EQ(TakePrompts(), QStringList{kFixedAt12});
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_TRUE(device->FixedCurrentMode());
}

TEST_F(LoopTrimPage, AFailedReleaseIsReportedAndTheMenuGoesOn) {
  QTest::mouseClick(Control<QRadioButton>(page, 1121), Qt::LeftButton);
  Click(page, 1243);
  device->SetSilent(true);
  TriggerMenu("32807");  // Monitor PV
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(TakePrompts(), (QStringList{kFixedAt12, "No Device"}));
  EXPECT_EQ(dlg->CurrentPage(), 13);
  EXPECT_EQ(Progress()->value(), 0);
}

}  // namespace
