// The program's own windows in English and in Chinese: the language chosen in Default
// Parameters reaches the open main window at once and the settings file; every dialog of
// the Tools menu and the windows of the main window walked in each language; the search
// verdict and a communication failure in both, their numbers as the program writes them.
#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <fstream>
#include <memory>

#include "AppSettings.h"
#include "CAboutDlg.h"
#include "CCalculateDlg.h"
#include "CDefaultSetDlg.h"
#include "CommunicationLog.h"
#include "DeviceHistoryDlg.h"
#include "DeviceSearch.h"
#include "LanguageCheck.h"
#include "LinkMonitor.h"
#include "PageFixture.h"
#include "Retranslate.h"
#include "SearchResultsDlg.h"
#include "Texts.h"

namespace {

using language_check::Cjk;
using language_check::TextsOf;
using language_check::UntranslatedWords;

class LanguageWindowsTest : public PageFixture {
 protected:
  void TearDown() override {
    ApplyLanguage(Language::AsBuilt);
    PageFixture::TearDown();
  }

  // The texts of every dialog of the Tools menu and every window of the main window, each
  // shown as the user opens it, but for the names of the languages (each in its own).
  QStringList WindowTexts() {
    SearchOutcome found;
    found.devices.resize(2);
    found.devices[1].address = 3;
    LinkMonitor monitor;
    RecordsLocation nowhere;
    nowhere.file = "h.db";  // no such file: the window says so
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.emplace_back(std::make_unique<CDefaultSetDlg>(dlg.get()));
    windows.emplace_back(std::make_unique<CCalculateDlg>(dlg.get()));
    windows.emplace_back(std::make_unique<SearchResultsDlg>(QString::fromStdString(found.Verdict()),
                                                            found.devices, dlg.get()));
    windows.emplace_back(std::make_unique<DeviceHistoryDlg>(nowhere, dlg.get()));
    auto log = std::make_unique<CommunicationLogDlg>(monitor, dlg.get());
    QAbstractItemModel* frames = log->findChild<QTableView*>("frames")->model();
    windows.emplace_back(std::move(log));
    windows.emplace_back(std::make_unique<CAboutDlg>(dlg.get()));

    QStringList texts = TextsOf(Page(16));  // Hardware/Software Information
    for (auto& window : windows) {
      window->show();
      texts << TextsOf(window.get());
    }
    for (int column = 0; column < frames->columnCount(); ++column)
      texts << frames->headerData(column, Qt::Horizontal).toString();
    texts.removeAll("English");
    texts.removeAll("中文");
    return texts;
  }
};

TEST_F(LanguageWindowsTest, DefaultParametersSwitchesTheOpenMainWindowAtOnceAndKeepsTheChoice) {
  QAction* information = dlg->findChild<QAction*>("32845");
  ASSERT_EQ(information->text(), "Hardware/Software Infomations");
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* open = qobject_cast<CDefaultSetDlg*>(modal);
    if (!open) {
      if (modal) modal->close();
      return;
    }
    seen = true;
    auto* languages = open->findChild<QComboBox*>("language");
    EXPECT_EQ(languages->currentIndex(), 0);
    EXPECT_EQ(languages->itemText(0), "As built");
    languages->setCurrentIndex(1);
    open->findChild<QPushButton*>("1")->click();  // OK
  });
  TriggerMenu("32814");
  ASSERT_TRUE(seen);

  EXPECT_EQ(CurrentLanguage(), Language::English);
  EXPECT_EQ(information->text(), "Hardware/Software Information");
  ASSERT_TRUE(SaveSettings(TheAppSettings()));
  std::ifstream file("Morvane.ini");
  const std::string ini((std::istreambuf_iterator<char>(file)), {});
  EXPECT_NE(ini.find("Language=1"), std::string::npos) << ini;

  // Opened again, the list shows the choice in force; switched while it is open, the dialog
  // follows, and the languages keep their own names.
  CDefaultSetDlg again(dlg.get());
  again.show();
  auto* languages = again.findChild<QComboBox*>("language");
  EXPECT_EQ(languages->currentIndex(), 1);
  ApplyLanguage(Language::Chinese);
  EXPECT_EQ(again.windowTitle(), "默认参数");
  EXPECT_EQ(languages->itemText(0), "程序原文");
  EXPECT_EQ(languages->itemText(1), "English");
  EXPECT_EQ(languages->itemText(2), "中文");
}

TEST_F(LanguageWindowsTest,
       EveryToolsDialogAndWindowInEnglishHasNoChineseAndInChineseNoSourceWord) {
  ASSERT_TRUE(ApplyLanguage(Language::English));
  const QStringList english = WindowTexts();
  ASSERT_TRUE(english.contains("Devices online: 2"));  // the search results' heading
  EXPECT_TRUE(english.contains("High Stability Silicon"));
  EXPECT_TRUE(english.contains("Direction"));  // the communication log's column
  for (const QString& text : english)
    EXPECT_FALSE(text.contains(Cjk())) << text.toStdString();

  ASSERT_TRUE(ApplyLanguage(Language::Chinese));
  const QStringList chinese = WindowTexts();
  EXPECT_TRUE(chinese.contains("在线设备：2 台"));
  // Protocol names and the abbreviation of "identifier" stay as they are, as HART does.
  QStringList untranslated = UntranslatedWords(chinese);
  for (const char* kept : {"UDP in ", "TCP in ", "ID in "})
    untranslated.removeIf([kept](const QString& found) { return found.startsWith(kept); });
  EXPECT_EQ(untranslated.join("; ").toStdString(), "");
}

TEST_F(LanguageWindowsTest, MessagesAreFilledAfterTheirFormatIsTranslatedAndKeepTheirNumbers) {
  SearchOutcome stopped;
  stopped.stopped = true;
  stopped.stoppedAt = 5;
  stopped.devices.resize(2);
  stopped.devices[0].address = 3;
  stopped.devices[1].address = 4;
  const HartResult noReply(HART_NO_REPLY);
  const HartResult refused(HART_DEVICE_ERROR, 9, 35);
  auto messages = [&] {
    return QStringList{QString::fromStdString(Texts::OnlineDevices(2)),
                       QString::fromStdString(stopped.Verdict()),
                       QString::fromStdString(Texts::CommunicationFailure(noReply)),
                       QString::fromStdString(Texts::CommunicationFailure(refused, true)),
                       QString::fromStdString(Texts::LoopFixedQuestion(12.5f))};
  };
  EXPECT_EQ(messages(), (QStringList{
                            "Online 2 Device",
                            "Search stopped at address 5: 2 devices found (3, 4)",
                            "Communication Failure:No response,timeout!",
                            "Communication Failure: Lower range value too high",
                            "The loop current is fixed at 12.500 mA. Return the loop to "
                            "automatic control?",
                        }));
  ASSERT_TRUE(ApplyLanguage(Language::English));
  EXPECT_EQ(messages(), (QStringList{
                            "Devices online: 2",
                            "Search stopped at address 5: 2 devices found (3, 4)",
                            "Communication failure: No response, timed out",
                            "Communication failure: Lower range value too high",
                            "The loop current is fixed at 12.500 mA. Return the loop to "
                            "automatic control?",
                        }));
  ASSERT_TRUE(ApplyLanguage(Language::Chinese));
  EXPECT_EQ(messages(), (QStringList{
                            "在线设备：2 台",
                            "搜索在地址 5 处停止：找到 2 台设备（3, 4）",
                            "通信失败：无响应，超时",
                            "通信失败：量程下限值过高",
                            "回路电流固定在 12.500 mA。是否将回路恢复为自动控制？",
                        }));
}

TEST_F(LanguageWindowsTest, TheStatusPaneNamesTheDeviceStatusBitsInTheLanguageInForce) {
  SimFaults faults = device->Faults();
  faults.statusBits = kStatusConfigChanged | kStatusPvOutOfLimits;
  device->SetFaults(faults);
  auto readDamping = [&] {
    Click(Page(8), 1203);
    return Pane(2);
  };
  EXPECT_EQ(readDamping(), "Configuration changed, PV out of limits");
  ASSERT_TRUE(ApplyLanguage(Language::English));
  EXPECT_EQ(readDamping(), "Configuration changed, PV out of limits");
  ASSERT_TRUE(ApplyLanguage(Language::Chinese));
  EXPECT_EQ(readDamping(), "组态已更改, 主变量超限");
  const QString tip = dlg->findChild<QLabel*>("statusPane2")->toolTip();
  EXPECT_TRUE(tip.contains("[x] 组态已更改")) << tip.toStdString();
  EXPECT_TRUE(tip.contains("[  ] 冷启动")) << tip.toStdString();
  // No bit set: the device's word for it, not the OK of the buttons.
  faults.statusBits = 0;
  device->SetFaults(faults);
  EXPECT_EQ(readDamping(), "正常");
  ASSERT_TRUE(ApplyLanguage(Language::AsBuilt));
  EXPECT_EQ(readDamping(), "OK");
  TakePrompts();
}

}  // namespace
