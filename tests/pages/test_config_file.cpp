// The configuration data file: the device's memory image to a file and back through the File
// menu, and the values it carries shown on the pages.
#include <QDir>
#include <QFile>

#include "ConfigImage.h"
#include "PageFixture.h"
#include "SimBytes.h"
#include "SimImage.h"
#include "calibration/CDuoDianDlg.h"
#include "ranging/UnitConversion.h"

namespace {

class ConfigFile : public PageFixture {
 protected:
  QString PathIn(const QString& name) const { return QDir::current().filePath(name); }
  // Runs a File menu command with the file dialogs answering `path` and waits for its job.
  void Run(const char* menu, const QString& path) {
    prompts.fileAnswer = path;
    TriggerMenu(menu);
    ASSERT_TRUE(WaitForJobEnd());
  }
  QByteArray Read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void Write(const QString& path, const QByteArray& bytes) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray DeviceBytes() const {
    SimImage m = device->Image();
    return QByteArray(reinterpret_cast<const char*>(m.Data()), kConfigImageSize);
  }
  int Count(const std::vector<int>& commands, int command) const {
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
  }
};

TEST(ConfigImageLayout, DecodesTheSimulatedTransmittersMemory) {
  SimTransmitter device(0, 0x0A0001);
  SimImage m = device.Image();
  m.SetF32(image::kDamping, 2.5f);
  ConfigImage bytes;
  std::copy_n(m.Data(), kConfigImageSize, bytes.begin());
  const ConfigValues v = DecodeConfigImage(bytes);
  EXPECT_EQ(v.unitCode, 1);
  EXPECT_FLOAT_EQ(v.damping, 2.5f);
  EXPECT_FLOAT_EQ(v.sensorLower, -100.0f);
  EXPECT_FLOAT_EQ(v.pvUpperLimit, 1000.0f);
  EXPECT_EQ(v.tag, "PT-101  ");
  EXPECT_EQ(v.message, "SIMULATED PRESSURE TRANSMITTER  ");
  EXPECT_EQ(v.year, 2024);
  EXPECT_EQ(v.excitation, 0xF9);
  ASSERT_EQ(v.temperatures.size(), 3u);
  EXPECT_FLOAT_EQ(v.temperatures[1], 25.0f);
  ASSERT_EQ(v.middleTable.size(), 11u);
  EXPECT_EQ(v.middleTable[5], m.U32(image::kTable0 + 8 * (11 + 5)));

  // Counts beyond what the image holds read only as far as it goes.
  bytes[968] = 200;  // T
  bytes[344] = 200;  // P
  const ConfigValues big = DecodeConfigImage(bytes);
  EXPECT_EQ(big.temperatures.size(), 7u);
  EXPECT_TRUE(big.middleTable.empty());  // the middle point's table starts past the end

  // Each named device unit selects the list entry of the same unit.
  for (uint8_t code : {0, 1, 2, 5, 7, 9, 10, 11, 13}) {
    const int index = DeviceUnitListIndex(code);
    ASSERT_GE(index, 0) << int(code);
    EXPECT_EQ(QString(UnitAt(index).text).trimmed().toLower(),
              QString(DeviceUnitName(code)).toLower())
        << int(code);
  }
  EXPECT_EQ(DeviceUnitListIndex(3), -1);
  EXPECT_STREQ(DeviceUnitName(3), "");
}

TEST_F(ConfigFile, UploadSavesTheImageWholeAndShowsItsValuesOnThePages) {
  SimImage m = device->Image();
  m.SetF32(image::kDamping, 2.5f);
  device->SetImage(m);
  const QString path = PathIn("pt101.Hart");
  Run("32839", path);
  const std::vector<int> sent = CommandsSent();
  EXPECT_EQ(Count(sent, 245), 250);
  EXPECT_EQ(Read(path), DeviceBytes());
  EXPECT_EQ(TakePrompts(), QStringList{"DataFile (*.Hart)"});
  EXPECT_EQ(Progress()->value(), 0);

  EXPECT_EQ(Edit(Page(8), 1212)->text(), "2.5000");
  EXPECT_EQ(Edit(Page(4), 1194)->text().trimmed(), "PT-101");
  EXPECT_EQ(Edit(Page(4), 1200)->text(), "2024");
  EXPECT_EQ(Combo(Page(0), 1112)->currentText(), "   kPa");
  EXPECT_EQ(Combo(Page(0), 1231)->currentText(), "0.75mA");
  auto* cal = static_cast<CDuoDianDlg*>(Page(2));
  EXPECT_EQ(cal->m_nTempPoints, 3);
  EXPECT_EQ(cal->m_nCurTemp, 1);
  EXPECT_EQ(cal->m_nAd[5], m.U32(image::kTable0 + 8 * (11 + 5)));
  EXPECT_EQ(Edit(cal, 1422)->text(), "10.0000");
  EXPECT_EQ(Control<QLabel>(cal, 1306)->text(), "-100.000 ---- 1000.000KPa");

  // Cancelled, or a folder that cannot take the file: nothing written, the old file kept.
  Run("32839", QString());
  Run("32839", PathIn("missing/x.Hart"));
  EXPECT_EQ(TakePrompts(), (QStringList{"DataFile (*.Hart)", "DataFile (*.Hart)", "Error"}));
  EXPECT_FALSE(QFile::exists(PathIn("missing/x.Hart")));
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
}

TEST_F(ConfigFile, DownloadWritesTheFileIntoTheDeviceAndRefusesWhatIsNotAnImage) {
  const QString path = PathIn("edited.Hart");
  Run("32839", path);
  QByteArray bytes = Read(path);
  ASSERT_EQ(bytes.size(), kConfigImageSize);
  // Damping 7.25 s (40 E8 00 00, least significant byte first) and the tag FT-7.
  const char damping[] = {0x00, 0x00, static_cast<char>(0xE8), 0x40};
  bytes.replace(24, 4, damping, 4);
  uint8_t tag[6];
  simbytes::PackText("FT-7", tag, 8);
  bytes.replace(280, 6, reinterpret_cast<const char*>(tag), 6);
  Write(path, bytes);
  CommandsSent();
  TakePrompts();

  Run("32840", path);
  EXPECT_EQ(Count(CommandsSent(), 246), 250);
  EXPECT_TRUE(TakePrompts() == QStringList{"DataFile (*.Hart)"});
  EXPECT_EQ(DeviceBytes(), bytes);
  EXPECT_EQ(Edit(Page(8), 1212)->text(), "7.2500");  // shown from the file
  // What the device now reports: 15 for the damping, 13 for the tag.
  Edit(Page(8), 1212)->clear();
  Click(Page(8), 1203);
  EXPECT_EQ(Edit(Page(8), 1212)->text(), "7.2500");
  Click(Page(4), 1203);
  EXPECT_EQ(Edit(Page(4), 1194)->text().trimmed(), "FT-7");
  TakePrompts();

  // A file one byte short, or none at all: refused before any block goes out.
  Write(path, bytes.left(kConfigImageSize - 1));
  CommandsSent();
  Run("32840", path);
  Run("32840", PathIn("nowhere.Hart"));
  EXPECT_EQ(Count(CommandsSent(), 246), 0);
  EXPECT_EQ(TakePrompts(), (QStringList{"DataFile (*.Hart)",
                                        "Not a configuration file (1999 bytes, 2000 expected)",
                                        "DataFile (*.Hart)", "Open Index File Error"}));

  // A device that refuses: the first block's message, the bar back at 0.
  Write(path, bytes);
  device->SetWriteProtected(true);
  Run("32840", path);
  EXPECT_EQ(TakePrompts(),
            (QStringList{"DataFile (*.Hart)", "Communication Failure:In write protect mode"}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(ConfigFile, ATransferIsBusyWhileAnotherJobRuns) {
  dlg->m_bJobIdle = 0;
  TriggerMenu("32839");
  TriggerMenu("32840");
  EXPECT_EQ(TakePrompts(), (QStringList{"Busy!Try later.", "Busy!Try later."}));
  dlg->m_bJobIdle = 1;
  EXPECT_TRUE(CommandsSent().empty());
}

}  // namespace
