// The program in English and in Chinese: every page, dialog and menu of the main window
// walked in each language, the page messages in both, the switch back to the texts as built,
// and "Language" in the settings file.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTreeWidget>
#include <algorithm>
#include <fstream>

#include "AppSettings.h"
#include "LanguageCheck.h"
#include "PageFixture.h"
#include "Retranslate.h"

namespace {

using language_check::kKeptInChinese;
using language_check::SourceWords;
using language_check::VisibleTexts;

class LanguageTest : public PageFixture {
 protected:
  void TearDown() override {
    ApplyLanguage(Language::AsBuilt);
    PageFixture::TearDown();
  }
  // Switches as the Default Parameters dialog does: the language, then the settings shown.
  bool Switch(Language language) {
    const bool loaded = ApplyLanguage(language);
    dlg->ApplySettings();
    // The captions a page composes from numbers are drawn again on Qt's language change.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return loaded;
  }
  // Refuses a damping time out of range and a polling address out of range: the messages.
  QStringList PageMessages() {
    QWidget* damping = Page(8);
    Type(Edit(damping, 1212), "101");
    Click(damping, 1204);
    QWidget* number = Page(3);
    Type(Edit(number, 1188), "16");
    Click(number, 1189);
    return TakePrompts();
  }
};

// Every page of the window, the tree and the menus, in English and back.
TEST_F(LanguageTest, EnglishShowsNoChineseCharacterAndSwitchesBackToTheTextsAsBuilt) {
  const QStringList asBuilt = VisibleTexts();
  ASSERT_TRUE(asBuilt.contains("Hardware/Software Infomations"));
  ASSERT_TRUE(asBuilt.contains("Station number："));

  ASSERT_TRUE(Switch(Language::English));
  const QStringList english = VisibleTexts();
  static const QRegularExpression cjk(
      "[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]");
  for (const QString& text : english)
    EXPECT_FALSE(text.contains(cjk)) << text.toStdString();
  EXPECT_TRUE(english.contains("Hardware/Software Information"));
  EXPECT_TRUE(english.contains("Station number:"));
  EXPECT_EQ(PageMessages(), (QStringList{"Invalid Damping Time", "Invalid polling address"}));

  Switch(Language::AsBuilt);
  EXPECT_EQ(VisibleTexts(), asBuilt);
  EXPECT_EQ(PageMessages(), (QStringList{"Invalid Damping Time", "短地址数据不合理"}));
}

TEST_F(LanguageTest, ChineseLeavesNoEnglishWordOfTheSourceTexts) {
  ASSERT_TRUE(Switch(Language::Chinese));
  const QSet<QString> sourceWords = SourceWords();
  ASSERT_TRUE(sourceWords.contains("Damping"));
  static const QRegularExpression word("[A-Za-z]{2,}");
  for (const QString& text : VisibleTexts())
    for (auto w = word.globalMatch(text); w.hasNext();) {
      const QString found = w.next().captured(0);
      EXPECT_TRUE(!sourceWords.contains(found) || kKeptInChinese.contains(found))
          << found.toStdString() << " in \"" << text.toStdString() << "\"";
    }
  EXPECT_EQ(PageMessages(), (QStringList{"阻尼时间无效", "短地址数据不合理"}));
  // A status pane the program sets again after the switch is shown in the language too.
  EXPECT_EQ(Pane(3), "正常");
}

TEST_F(LanguageTest, TheSettingsFileKeepsTheLanguageOnlyOnceChosen) {
  AppSettings& settings = TheAppSettings();
  SaveSettings(settings);
  std::ifstream before("Morvane.ini");
  const std::string plain((std::istreambuf_iterator<char>(before)), {});
  EXPECT_EQ(plain.find("Language="), std::string::npos);

  ASSERT_TRUE(ApplyLanguage(Language::Chinese));
  EXPECT_EQ(settings.language, 2);
  SaveSettings(settings);
  settings.language = 0;
  LoadSettings(settings);
  EXPECT_EQ(settings.language, 2);

  // As built again is written too, so the choice holds at the next start.
  ApplyLanguage(Language::AsBuilt);
  SaveSettings(settings);
  std::ifstream after("Morvane.ini");
  const std::string chosen((std::istreambuf_iterator<char>(after)), {});
  EXPECT_NE(chosen.find("Language=0"), std::string::npos);
}

}  // namespace
