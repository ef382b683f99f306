// The calculator: the two lines it works out, how it reads what was typed, and what it shows
// when a line has no slope to divide by.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <map>

#include "CCalculateDlg.h"
#include "GuiFixture.h"

namespace {

class CalculatorTest : public GuiFixture {
 protected:
  QLineEdit* Edit(int id) const { return calc.findChild<QLineEdit*>(QString::number(id)); }
  QString Text(int id) const { return Edit(id)->text(); }
  // Types the values into their edits (by id).
  void Type(const std::map<int, QString>& values) {
    for (const auto& [id, text] : values)
      Edit(id)->setText(text);
  }
  void Click(int id) { calc.findChild<QPushButton*>(QString::number(id))->click(); }

  CCalculateDlg calc;
};

// mA group: 1335 4 mA pressure, 1338 20 mA pressure, 1348 input, 1359 result.
// AD group: 1349 4 mA, 1350 20 mA, 1351/1352 low pressure and AD, 1353/1354 high pressure
// and AD, 1355 zero ADC, 1356 span ADC.

TEST_F(CalculatorTest, OpensFromTheMenuAtZeroWhereBothCalculationsHaveNoResult) {
  OpenMainWindow();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* open = qobject_cast<CCalculateDlg*>(modal);
    if (!open) {
      ADD_FAILURE() << "no calculator open";
      if (modal) modal->close();
      return;
    }
    seen = true;
    EXPECT_EQ(open->windowTitle(), "Tools");
    const QList<QLineEdit*> edits = open->findChildren<QLineEdit*>();
    EXPECT_EQ(edits.size(), 12);
    std::map<QString, QString> pairs;  // accessible name and description of each edit
    for (QLineEdit* edit : edits) {
      EXPECT_EQ(edit->text(), "0") << edit->objectName().toStdString();
      pairs[edit->objectName()] = edit->accessibleName() + "/" + edit->accessibleDescription();
    }
    EXPECT_EQ(pairs["1335"], "4mA Pressure/Calculation mA");
    EXPECT_EQ(pairs["1350"], "20mA Pressure/AD calculation");
    EXPECT_EQ(pairs["1354"], "AD - High/");
    for (const char* result : {"1359", "1355", "1356"})
      EXPECT_FALSE(open->findChild<QLineEdit*>(result)->isEnabled()) << result;
    // Everything at 0: both divisors are zero.
    open->findChild<QPushButton*>("1357")->click();
    open->findChild<QPushButton*>("1358")->click();
    for (const char* result : {"1359", "1355", "1356"})
      EXPECT_EQ(open->findChild<QLineEdit*>(result)->text(), "") << result;
    EXPECT_EQ(open->findChild<QLineEdit*>("1348")->text(), "0");
    open->reject();
  });
  TriggerMenu("32819");
  EXPECT_TRUE(seen);
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
}

TEST_F(CalculatorTest, WorksRisingAndFallingLines) {
  Type({{1335, "0"}, {1338, "100"}, {1348, "25"}});
  Click(1357);
  EXPECT_EQ(Text(1359), "8");
  // Shown with 15 significant digits.
  Type({{1338, "3"}, {1348, "1"}});
  Click(1357);
  EXPECT_EQ(Text(1359), "9.33333333333333");
  // A 20 mA pressure below the 4 mA pressure: the current falls, 20 mA at the 20 mA pressure.
  Type({{1335, "100"}, {1338, "0"}, {1348, "0"}});
  Click(1357);
  EXPECT_EQ(Text(1359), "20");
  Type({{1348, "75"}});
  Click(1357);
  EXPECT_EQ(Text(1359), "8");

  Type({{1351, "0"}, {1352, "1000"}, {1353, "100"}, {1354, "51000"}, {1349, "10"}, {1350, "90"}});
  Click(1358);
  EXPECT_EQ(Text(1355), "6000");
  EXPECT_EQ(Text(1356), "46000");
  // AD - High below AD - Low.
  Type({{1352, "50000"}, {1354, "10000"}, {1349, "0"}, {1350, "100"}});
  Click(1358);
  EXPECT_EQ(Text(1355), "50000");
  EXPECT_EQ(Text(1356), "10000");
  // Truncated toward zero; below the counts gives 4294967295, (-1, 0) gives 0.
  Type({{1352, "1000"}, {1354, "2000"}, {1349, "-200"}, {1350, "0.25"}});
  Click(1358);
  EXPECT_EQ(Text(1355), "4294967295");
  EXPECT_EQ(Text(1356), "1002");
  Type({{1349, "-100.05"}});
  Click(1358);
  EXPECT_EQ(Text(1355), "0");
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
}

TEST_F(CalculatorTest, AnEditThatDoesNotReadKeepsItsAndTheLaterMembers) {
  Type({{1335, "0"},
        {1338, "100"},
        {1348, "25"},
        {1351, "0"},
        {1352, "1000"},
        {1353, "100"},
        {1354, "51000"},
        {1349, "10"},
        {1350, "90"}});
  Click(1358);
  ASSERT_EQ(Text(1356), "46000");

  // Read order: 1338, 1356, 1350, 1354, 1353, 1352, 1351, 1359, 1348, 1355, 1349, 1335.
  // 1338 comes before the bad 1350 and is taken; 1335 and 1348 come after and are not.
  Type({{1338, "50"}, {1350, "9O"}, {1348, "40"}, {1335, "10"}});
  Click(1357);
  EXPECT_EQ(prompts.texts, QStringList{"请输入一个数字。"});
  EXPECT_EQ(calc.m_dMaP20, 50);
  EXPECT_EQ(calc.m_dMaP4, 0);
  EXPECT_EQ(calc.m_dInputPressure, 25);
  // 25 on 0..50, and the write-back shows the values used.
  EXPECT_EQ(Text(1359), "12");
  EXPECT_EQ(Text(1350), "90");
  EXPECT_EQ(Text(1348), "25");
  EXPECT_EQ(Text(1335), "0");
  EXPECT_EQ(Text(1338), "50");

  // A count is a whole number from 0 to 4294967295.
  for (const char* bad : {"-1", "4294967296", "12.5", ""}) {
    prompts.texts.clear();
    Type({{1352, bad}, {1353, "200"}});
    Click(1358);
    EXPECT_EQ(prompts.texts, QStringList{"请输入一个正整数。"}) << bad;
    EXPECT_EQ(Text(1352), "1000") << bad;
    EXPECT_EQ(Text(1353), "200") << "read before the count: " << bad;
  }
  prompts.texts.clear();
  Type({{1352, " 4294967295 "}, {1354, "4294967295"}});
  Click(1358);
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
  EXPECT_EQ(calc.m_nAdLow, 4294967295u);
  EXPECT_EQ(Text(1352), "4294967295");
}

TEST_F(CalculatorTest, AZeroDivisorLeavesOnlyThatCalculationsResultsEmpty) {
  Type({{1335, "0"},
        {1338, "100"},
        {1348, "25"},
        {1351, "0"},
        {1352, "1000"},
        {1353, "100"},
        {1354, "51000"},
        {1349, "10"},
        {1350, "90"}});
  Click(1357);
  Click(1358);
  ASSERT_EQ(Text(1359), "8");
  ASSERT_EQ(Text(1355), "6000");

  Type({{1353, "0"}});  // low and high pressure equal
  Click(1358);
  EXPECT_EQ(Text(1355), "");
  EXPECT_EQ(Text(1356), "");
  EXPECT_EQ(Text(1359), "8");
  // The empty results are no typing fault: the next calculation reads everything.
  Type({{1348, "50"}});
  Click(1357);
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
  EXPECT_EQ(Text(1359), "12");
  EXPECT_EQ(Text(1355), "");

  Type({{1335, "100"}});  // 4 mA and 20 mA pressures equal
  Click(1357);
  EXPECT_EQ(Text(1359), "");
  Type({{1353, "100"}});
  Click(1358);
  EXPECT_EQ(Text(1355), "6000");
  EXPECT_EQ(Text(1356), "46000");
  EXPECT_EQ(Text(1359), "");
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
}

}  // namespace
