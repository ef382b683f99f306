// Pressure Calibration, the monitor pages and Calibration Check in English and in Chinese:
// every text of the pages, the captions composed from a number, a refusal, and the CSV
// headers the monitor and the certificate write.
#include <QBuffer>
#include <QCoreApplication>
#include <QEvent>

#include "CalibrationCheck.h"
#include "Certificate.h"
#include "LanguageCheck.h"
#include "PageFixture.h"
#include "Retranslate.h"
#include "monitor/SampleLog.h"

namespace {

class LanguagePagesTest : public PageFixture {
 protected:
  void TearDown() override {
    Switch(Language::AsBuilt);
    PageFixture::TearDown();
  }
  // Switches as the Default Parameters dialog does; the pages hear of it as Qt tells them.
  bool Switch(Language language) {
    const bool loaded = ApplyLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return loaded;
  }
  // Pressure Calibration, the four monitor pages and Calibration Check, each shown once. Three
  // temperature points, so that a caption reads "Room Temprt 2".
  QList<QWidget*> Pages() {
    QList<QWidget*> pages;
    for (int index : {12, 13, 14, 15, 17, 2})
      pages << Page(index);
    Choose(Combo(pages.back(), 1394), 2);
    return pages;
  }
  static QStringList TextsOf(const QList<QWidget*>& pages) {
    QStringList texts;
    for (QWidget* page : pages)
      texts << language_check::TextsOf(page);
    return texts;
  }
  // A current temperature beyond the three points: refused.
  QStringList Refusal() {
    Choose(Combo(Page(2), 1389), 5);
    return TakePrompts();
  }
  static QString SampleLogHeader() {
    SampleLog log("PV", {"current (mA)", "percentage (%)"});
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_TRUE(log.WriteCsv(out));
    return QString::fromUtf8(out.data()).section("\r\n", 0, 0);
  }
  static QString CertificateHeader() {
    return QString::fromUtf8(check::CertificateCsv(check::CertificateData{})).section("\r\n", 0, 0);
  }
};

TEST_F(LanguagePagesTest, EnglishShowsNoChineseCharacterAndSwitchesBackToTheTextsAsBuilt) {
  const QList<QWidget*> pages = Pages();
  const QStringList asBuilt = TextsOf(pages);
  ASSERT_TRUE(asBuilt.contains("Room Temprt 2"));
  ASSERT_TRUE(asBuilt.contains("0："));
  const QString monitorHeader = SampleLogHeader();
  const QString certificateHeader = CertificateHeader();

  ASSERT_TRUE(Switch(Language::English));
  const QStringList english = TextsOf(pages);
  for (const QString& text : english)
    EXPECT_FALSE(text.contains(language_check::Cjk())) << text.toStdString();
  for (const char* text : {"Room Temperature 2", "Temperature 1", "0:", "Range:", "Loop Current",
                           "Loop Current Trend Chart", "Start As Found", "PV error"})
    EXPECT_TRUE(english.contains(text)) << text;
  EXPECT_EQ(Refusal(), QStringList{"Invalid Temperature"});
  // The English source texts are the file headers' English already.
  EXPECT_EQ(SampleLogHeader(), monitorHeader);
  EXPECT_EQ(CertificateHeader(), certificateHeader);

  Switch(Language::AsBuilt);
  EXPECT_EQ(TextsOf(pages), asBuilt);
}

TEST_F(LanguagePagesTest, ChineseLeavesNoEnglishWordOfTheSourceTextsNorInTheFileHeaders) {
  const QList<QWidget*> pages = Pages();
  ASSERT_TRUE(Switch(Language::Chinese));
  const QStringList chinese = TextsOf(pages);
  EXPECT_EQ(language_check::UntranslatedWords(chinese), QStringList{});
  for (const char* text : {"室温 2", "温度 1", "0：", "回路电流趋势图", "开始校前检查"})
    EXPECT_TRUE(chinese.contains(QString::fromUtf8(text))) << text;
  EXPECT_EQ(Refusal(), QStringList{QString::fromUtf8("温度无效")});

  // The headers are in the language in force; the lines under them are the same in all.
  EXPECT_EQ(SampleLogHeader(), QString::fromUtf8("时间,PV,单位,电流 (mA),百分比 (%)"));
  EXPECT_EQ(CertificateHeader(),
            QString::fromUtf8("证书,检查,测试点 %,方向,标称值,标准器读数,PV,单位,PV 误差 % 量程,"
                              "期望 mA,测量 mA,电流误差 % 量程,结果"));
}

// Reasons that are only shown read in the language in force with their numbers as they
// were; the same range reason as the records keep it stays in the program's own words.
TEST_F(LanguagePagesTest, TheChecksReasonsAreInTheLanguageInForce) {
  check::CertificateData data;
  data.number = "CC-1";
  data.asFound.range = {0, 100, false, -200, 200, "kPa"};
  data.asFound.readings.resize(9);
  data.asFound.readings[0].read = true;
  std::vector<double> points;
  std::string badPoint, tooFew;
  ASSERT_TRUE(Switch(Language::Chinese));
  EXPECT_FALSE(check::ParseTestPoints("0, 25, x", points, &badPoint));
  EXPECT_FALSE(check::ParseTestPoints("0, 50", points, &tooFew));
  EXPECT_EQ(QString::fromStdString(badPoint), QString::fromUtf8("第 3 个点：“x”不是数字"));
  EXPECT_EQ(QString::fromStdString(tooFew), QString::fromUtf8("2 个点；一次检查需要 3 到 21 个点"));
  EXPECT_EQ(QString::fromStdString(check::CertificateRefusal(data)),
            QString::fromUtf8("校前检查未完成：有 8 个点未读取（共 9 个）"));
  data.asFound.range.upper = 0;
  EXPECT_EQ(QString::fromStdString(check::CertificateRefusal(data)),
            QString::fromUtf8("校前：主变量量程 0.0000..0.0000 kPa 的跨度为零"));
  check::Setup setup;
  setup.points = {0, 50, 100, 150};
  EXPECT_EQ(QString::fromStdString(check::SetupRefusal(setup, data.asFound.range)),
            QString::fromUtf8("主变量量程 0.0000..0.0000 kPa 的跨度为零"));
  data.asFound.range = {0, 100, false, 0, 120, "kPa"};
  EXPECT_EQ(QString::fromStdString(check::SetupRefusal(setup, data.asFound.range)),
            QString::fromUtf8("150 % (150.0000 kPa) 超出传感器限值 0.0000..120.0000 kPa"));
}

}  // namespace
