// The settings file: what a fresh start writes, what an existing file keeps, how values
// read, and that the file follows the working directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "AppSettings.h"
#include "FileSizeLimit.h"
#include "IniFile.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    oldDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
  }
  void TearDown() override { QDir::setCurrent(oldDir_); }

  static void Write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir dir_;
  QString oldDir_;
};

TEST_F(SettingsTest, FreshStartUsesDefaultsAndWritesAllFourteenKeys) {
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.portIndex, 2);  // COM3
  EXPECT_EQ(s.pollAddress.load(), 0);
  EXPECT_EQ(s.onlineTestAll, 1);
  EXPECT_EQ(s.rangeZero, -6.0);
  EXPECT_EQ(s.rangeFull, 6.0);

  SaveSettings(s);
  EXPECT_EQ(Read("Morvane.ini"),
            "[MorvaneDlg]\n"
            "Port=3\n"
            "Addr=0\n"
            "DisplayMode=0\n"
            "DisplayPrecision=3\n"
            "PowerWay=0\n"
            "RangeCode=1\n"
            "RangeUnits=0\n"
            "SensorType=7\n"
            "Alarm=2\n"
            "RangeZero=-6.000000\n"
            "RangeFull=6.000000\n"
            "OutputCharacteristic=0\n"
            "OnlineTestAll=1\n"
            "DampingTime=0.000000\n");
}

TEST_F(SettingsTest, ValuesRoundTripAndTheRestOfTheFileStays) {
  Write("Morvane.ini",
        "; kept\r\n"
        "[Other]\r\n"
        "Port=99\r\n"
        "\r\n"
        "[morvanedlg]\r\n"
        "port = 12\r\n"
        "Extra=keep me\r\n"
        "Link= hartip://10.0.0.7:20004 \r\n"
        "Records=postgresql://line@/records?host=/run/pg \r\n"
        "RangeFull=\"25.5\"\r\n"
        "DampingTime=0.25\r\n"
        "\r\n"
        "[Last]\r\n"
        "A=1\r\n");
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.portIndex, 11);  // COM12
  EXPECT_EQ(s.rangeFull, 25.5);
  EXPECT_EQ(s.dampingTime, 0.25);
  EXPECT_EQ(s.sensorType, 7);                                       // missing key: default
  EXPECT_EQ(s.link, "hartip://10.0.0.7:20004");                     // unchanged: kept as typed
  EXPECT_EQ(s.records, "postgresql://line@/records?host=/run/pg");  // likewise

  s.pollAddress = 5;
  s.rangeZero = -1.5;
  SaveSettings(s);
  // Keys already there are rewritten in place, the missing ones join the end of the
  // section, and the other sections, comments and line ends stay as they were.
  EXPECT_EQ(Read("Morvane.ini"),
            "; kept\r\n"
            "[Other]\r\n"
            "Port=99\r\n"
            "\r\n"
            "[morvanedlg]\r\n"
            "Port=12\r\n"
            "Extra=keep me\r\n"
            "Link= hartip://10.0.0.7:20004 \r\n"
            "Records=postgresql://line@/records?host=/run/pg \r\n"
            "RangeFull=25.500000\r\n"
            "DampingTime=0.250000\r\n"
            "Addr=5\r\n"
            "DisplayMode=0\r\n"
            "DisplayPrecision=3\r\n"
            "PowerWay=0\r\n"
            "RangeCode=1\r\n"
            "RangeUnits=0\r\n"
            "SensorType=7\r\n"
            "Alarm=2\r\n"
            "RangeZero=-1.500000\r\n"
            "OutputCharacteristic=0\r\n"
            "OnlineTestAll=1\r\n"
            "\r\n"
            "[Last]\r\n"
            "A=1\r\n");
}

TEST_F(SettingsTest, ValuesReadLikeTheCLibraryConversionsAndOutOfRangeOnesFallBack) {
  Write("Morvane.ini",
        "[MorvaneDlg]\n"
        "Port=-2147483648\n"  // no port, and one below it would not be an int
        "Addr=  7xyz\n"       // leading digits count
        "DisplayMode=3\n"     // one past its list
        "SensorType=-1\n"
        "RangeZero=-2.5e1\n"
        "RangeFull=--3\n"  // a second sign is not a number: 0, which is in range
        "OnlineTestAll=0\n"
        "DampingTime=1234567890123456789012345678901234.5\n");  // 31 characters, over 100 s
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.portIndex, 2);  // COM3
  EXPECT_EQ(s.pollAddress.load(), 7);
  EXPECT_EQ(s.displayMode, 0);
  EXPECT_EQ(s.sensorType, 7);
  EXPECT_EQ(s.rangeZero, -25.0);
  EXPECT_EQ(s.rangeFull, 0.0);
  EXPECT_EQ(s.onlineTestAll, 0);
  EXPECT_EQ(s.dampingTime, 0.0);

  Write("Morvane.ini", "[MorvaneDlg]\nPort=abc\nAddr=16\nRangeZero=nan\nRangeFull=-inf\n");
  LoadSettings(s);
  EXPECT_EQ(s.portIndex, 2);
  EXPECT_EQ(s.pollAddress.load(), 0);
  EXPECT_EQ(s.rangeZero, -6.0);
  EXPECT_EQ(s.rangeFull, 6.0);

  SaveSettings(s);
  IniFile ini;
  ini.Load("Morvane.ini");
  EXPECT_EQ(ini.Get("MorvaneDlg", "Port", ""), "3");
  EXPECT_EQ(ini.Get("MorvaneDlg", "RangeZero", ""), "-6.000000");
}

TEST_F(SettingsTest, AFullDiskKeepsTheWholeOldFileAndSaysWhy) {
  QByteArray old = "[MorvaneDlg]\nPort=5\nLink=hartip://10.0.0.7\n\n[Mine]\n";
  for (int i = 0; i < 300; ++i)
    old += "Key" + QByteArray::number(i) + "=a value the user keeps\n";
  Write("Morvane.ini", old);
  AppSettings s;
  LoadSettings(s);
  s.pollAddress = 9;
  std::string error;
  {
    FileSizeLimit limit(4096);
    EXPECT_FALSE(SaveSettings(s, &error));
  }
  EXPECT_EQ(Read("Morvane.ini"), old);
  EXPECT_EQ(error, "Could not save " + QDir::current().filePath("Morvane.ini").toStdString() +
                       ": File too large");
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"Morvane.ini"});
}

TEST_F(SettingsTest, TheFileFollowsTheWorkingDirectory) {
  QDir(dir_.path()).mkdir("other");
  Write("other/Morvane.ini", "[MorvaneDlg]\nAddr=9\n");
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.pollAddress.load(), 0);

  QDir::setCurrent(dir_.path() + "/other");
  LoadSettings(s);
  EXPECT_EQ(s.pollAddress.load(), 9);
  s.pollAddress = 4;
  SaveSettings(s);
  EXPECT_TRUE(Read(dir_.path() + "/other/Morvane.ini").contains("Addr=4"));
  EXPECT_FALSE(QFile::exists(dir_.path() + "/Morvane.ini"));
}

TEST_F(SettingsTest, ScopeLoadsAtStartAndSavesAtExit) {
  Write("Morvane.ini", "[MorvaneDlg]\nAddr=3\n");
  AppSettings s;
  {
    SettingsFileScope scope(s);
    EXPECT_EQ(s.pollAddress.load(), 3);
    s.pollAddress = 6;
    EXPECT_TRUE(Read("Morvane.ini").contains("Addr=3"));  // nothing written while running
  }
  EXPECT_TRUE(Read("Morvane.ini").contains("Addr=6"));
}

TEST_F(SettingsTest, TheCalibrationChecksSetUpIsKeptAsTypedOnceTheUserChangedIt) {
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.calibrationCheck.points, "0, 25, 50, 75, 100, 75, 50, 25, 0");
  EXPECT_EQ(s.calibrationCheck.rule, "Simple");
  SaveSettings(s);
  EXPECT_FALSE(Read("Morvane.ini").contains("CalibrationCheck")) << "nothing typed yet";

  s.calibrationCheck.rule = "Guarded";
  s.calibrationCheck.technician = "A. Tester";
  s.calibrationCheck.ambient = "abc";  // kept as typed: the page refuses it at a start
  SaveSettings(s);
  EXPECT_TRUE(
      Read("Morvane.ini")
          .endsWith("[CalibrationCheck]\nRule=Guarded\nAmbient=abc\nTechnician=A. Tester\n"))
      << Read("Morvane.ini").toStdString();
  AppSettings again;
  LoadSettings(again);
  EXPECT_EQ(again.calibrationCheck.rule, "Guarded");
  EXPECT_EQ(again.calibrationCheck.technician, "A. Tester");
  EXPECT_EQ(again.calibrationCheck.ambient, "abc");
  EXPECT_EQ(again.calibrationCheck.pvTolerance, "0.25");
}

TEST_F(SettingsTest, TheReplyTimeOutIsWrittenOnceChosenAndAnUnknownWordReadsAsTolerant) {
  AppSettings s;
  LoadSettings(s);
  EXPECT_EQ(s.replyTimeout, AppSettings::ReplyTimeout::Tolerant);
  SaveSettings(s);
  EXPECT_FALSE(Read("Morvane.ini").contains("ReplyTimeout")) << "a fresh file stays as it was";

  s.replyTimeout = AppSettings::ReplyTimeout::Standard;
  SaveSettings(s);
  EXPECT_TRUE(Read("Morvane.ini").endsWith("DampingTime=0.000000\nReplyTimeout=standard\n"));
  AppSettings again;
  LoadSettings(again);
  EXPECT_EQ(again.replyTimeout, AppSettings::ReplyTimeout::Standard);
  again.replyTimeout = AppSettings::ReplyTimeout::Tolerant;
  SaveSettings(again);
  EXPECT_TRUE(Read("Morvane.ini").contains("\nReplyTimeout=tolerant\n"));

  Write("Morvane.ini", "[MorvaneDlg]\nReplyTimeout= Standard \n");  // typed by hand
  LoadSettings(s);
  EXPECT_EQ(s.replyTimeout, AppSettings::ReplyTimeout::Standard);
  Write("Morvane.ini", "[MorvaneDlg]\nReplyTimeout=fast\n");
  LoadSettings(s);
  EXPECT_EQ(s.replyTimeout, AppSettings::ReplyTimeout::Tolerant);
}

TEST_F(SettingsTest, TheLinkIsWrittenForEachKindAndRemovedForACOMPort) {
  Write("Morvane.ini", "[MorvaneDlg]\nPort=4\n\n[Mine]\nLink=not ours\n");
  AppSettings s;
  LoadSettings(s);
  for (const std::string link :
       {"/dev/ttyUSB0", "hartip://10.0.0.7:5094", "hartip+tcp://[::1]:20004"}) {
    s.link = link;
    ASSERT_TRUE(SaveSettings(s));
    IniFile ini;
    ini.Load("Morvane.ini");
    EXPECT_EQ(ini.Get("MorvaneDlg", "Link", ""), link);
    AppSettings again;
    LoadSettings(again);
    EXPECT_EQ(again.link, link);
    EXPECT_EQ(again.portIndex, 3) << "the COM port stays as it was";
  }
  // Back to a COM port: no Link= in our section, the other section's key stays.
  s.link.clear();
  s.portIndex = 6;
  ASSERT_TRUE(SaveSettings(s));
  const QByteArray text = Read("Morvane.ini");
  EXPECT_TRUE(text.contains("Port=7\n"));
  EXPECT_EQ(text.count("Link="), 1) << text.toStdString();
  EXPECT_TRUE(text.contains("[Mine]\nLink=not ours\n"));
  AppSettings again;
  LoadSettings(again);
  EXPECT_EQ(again.link, "");
  EXPECT_EQ(again.portIndex, 6);
}

}  // namespace
