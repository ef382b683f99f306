// The page host and the coloured edit box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QWidget>

#include "CMyTabCtrl.h"
#include "CReadOnlyEdit.h"

namespace {

TEST(CMyTabCtrlTest, LaysEveryPageOverTheTabAreaAndShowsOnlyTheFirst) {
  QWidget window;
  window.resize(800, 600);
  auto* tab = new CMyTabCtrl(&window);
  tab->setGeometry(100, 20, 400, 300);
  std::vector<QWidget*> pages;
  for (int i = 0; i < 3; ++i) {
    pages.push_back(new QWidget(&window));
    tab->AddPage(pages.back());
  }
  window.show();
  tab->LayoutPages();

  EXPECT_EQ(tab->PageCount(), 3);
  EXPECT_EQ(tab->count(), 3);  // one tab item per page
  EXPECT_EQ(tab->m_autoDelete, std::vector<int>({0, 0, 0}));
  EXPECT_FALSE(tab->isVisible());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages[i]->geometry(), QRect(100, 20, 404, 315)) << i;
    EXPECT_EQ(pages[i]->isVisible(), i == 0) << i;
  }
  // Screen readers are told of no tabs: the host is never seen.
  QAccessibleInterface* host = QAccessible::queryAccessibleInterface(tab);
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->childCount(), 0);
  EXPECT_TRUE(host->state().invisible);
  EXPECT_NE(host->role(), QAccessible::PageTabList);
}

TEST(CReadOnlyEditTest, LooksPlainUntilABackgroundIsSet) {
  QWidget window;
  QLineEdit plain(&window);
  auto* edit = new CReadOnlyEdit(&window);
  edit->SetTextColor(Qt::red);  // no background yet: no effect on screen
  EXPECT_EQ(edit->palette().color(QPalette::Base), plain.palette().color(QPalette::Base));
  EXPECT_EQ(edit->palette().color(QPalette::Text), plain.palette().color(QPalette::Text));
  EXPECT_TRUE(edit->isReadOnly());
}

TEST(CReadOnlyEditTest, TheLastBackgroundWinsAndTheTextColourComesWithIt) {
  QWidget window;
  auto* edit = new CReadOnlyEdit(&window);
  edit->SetTextColor(Qt::blue);
  edit->SetBackColor(Qt::white);
  edit->SetBackColor(Qt::green);
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::green));
  EXPECT_EQ(edit->palette().color(QPalette::Inactive, QPalette::Base), QColor(Qt::green));
  EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::blue));
  EXPECT_EQ(edit->BackColor(), QColor(Qt::green));

  edit->SetTextColor(Qt::black);
  EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(Qt::green));
}

}  // namespace
