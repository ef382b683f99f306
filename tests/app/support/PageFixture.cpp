#include "PageFixture.h"

#include <QTest>

#include "AppSettings.h"
#include "CMyTabCtrl.h"

void PageFixture::SetUp() {
  GuiFixture::SetUp();
  device = &loop.AddDevice(0);
  OpenMainWindow();
  RecordProgress();
}

QWidget* PageFixture::Page(int index) {
  dlg->ShowPage(index);
  return dlg->TabCtrl()->Page(index);
}

void PageFixture::Click(QWidget* page, int id) {
  QPushButton* button = Control<QPushButton>(page, id);
  if (!button) return;
  EXPECT_TRUE(button->isVisible() && button->isEnabled()) << "button " << id;
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(WaitForOperation()) << "button " << id;
}

void PageFixture::Type(QLineEdit* edit, const QString& text) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

void PageFixture::Choose(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
  EXPECT_TRUE(WaitForOperation());
}

std::vector<int> PageFixture::CommandsSent() {
  std::vector<int> commands;
  const auto& frames = loop.Requests();
  for (; requestsSeen_ < frames.size(); ++requestsSeen_) {
    const auto& f = frames[requestsSeen_];
    // From the delimiter: a long frame has 5 address bytes, a short one 1.
    const size_t at = (f[0] & 0x80) ? 6 : 2;
    if (at < f.size()) commands.push_back(f[at]);
  }
  return commands;
}

std::vector<uint8_t> PageFixture::LastRequestData(int command) const {
  const auto& frames = loop.Requests();
  for (size_t i = frames.size(); i-- > 0;) {
    const auto& f = frames[i];
    const size_t at = (f[0] & 0x80) ? 6 : 2;
    if (at + 1 >= f.size() || f[at] != command) continue;
    const size_t count = f[at + 1];
    if (at + 2 + count > f.size()) return {};
    return {f.begin() + static_cast<long>(at + 2), f.begin() + static_cast<long>(at + 2 + count)};
  }
  return {};
}

std::vector<int> PageFixture::TakeProgress() {
  std::vector<int> values;
  values.swap(progressValues);
  return values;
}

QStringList PageFixture::TakePrompts() {
  QStringList texts;
  texts.swap(prompts.texts);
  return texts;
}

void PageFixture::ExpectTimeoutWhenSilent(QWidget* page, int id, bool spaced) {
  TheAppSettings().onlineTestAll = 0;
  device->SetSilent(true);
  TakeProgress();
  TakePrompts();
  Click(page, id);
  EXPECT_EQ(TakePrompts(), QStringList{spaced ? "Communication Failure: No response,timeout!"
                                              : "Communication Failure:No response,timeout!"})
      << "button " << id;
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 0})) << "button " << id;
}
