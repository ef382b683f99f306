// The configuration data file: the device's memory image to a file and back through the File
// menu, and the values it carries shown on the pages.
#include <QDir>
#include <QFile>
#include <atomic>
#include <limits>

#include "ConfigImage.h"
#include "FileSizeLimit.h"
#include "HartLink.h"
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

  // Cancelled, a folder that cannot take the file, or a full disk: nothing written, the old
  // file kept, and the reason named.
  Run("32839", QString());
  Run("32839", PathIn("missing/x.Hart"));
  {
    FileSizeLimit limit(1000);
    Run("32839", path);
  }
  EXPECT_EQ(TakePrompts(),
            (QStringList{"DataFile (*.Hart)", "DataFile (*.Hart)",
                         "Could not save " + QDir::toNativeSeparators(PathIn("missing/x.Hart")) +
                             ": No such file or directory",
                         "DataFile (*.Hart)",
                         "Could not save " + QDir::toNativeSeparators(path) + ": File too large"}));
  EXPECT_FALSE(QFile::exists(PathIn("missing/x.Hart")));
  EXPECT_EQ(Read(path), DeviceBytes());
  EXPECT_EQ(QDir::current().entryList({"pt101.Hart*"}), QStringList{"pt101.Hart"});
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
}

// Clears the window's run flag once a number of frames have gone out: "Stop Communication"
// pressed in the middle of a transfer.
class StopAfterFrames : public LinkObserver {
 public:
  StopAfterFrames(std::atomic<int>& run, int frames) : run_(run), left_(frames) {}
  void OnFrame(const LinkFrame& frame) override {
    if (!frame.fromDevice && --left_ == 0) run_ = 0;
  }

 private:
  std::atomic<int>& run_;
  std::atomic<int> left_;
};

TEST_F(ConfigFile, AnUploadStopsBetweenBlocksWithNothingSavedAndADownloadNeverStopsHalfWay) {
  const QString path = PathIn("stopped.Hart");
  LinkObserver* const before = TheDeviceState().observer;
  StopAfterFrames stopper(dlg->m_bJobRun, 100);
  TheDeviceState().observer = &stopper;
  Run("32839", path);
  const int blocks = Count(CommandsSent(), 245);
  EXPECT_GE(blocks, 99);
  EXPECT_LT(blocks, 250);
  EXPECT_TRUE(TakePrompts().isEmpty()) << "no save dialog";
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(Progress()->value(), 0);

  TheDeviceState().observer = before;
  Run("32839", path);
  ASSERT_TRUE(QFile::exists(path));
  CommandsSent();
  TakePrompts();
  StopAfterFrames again(dlg->m_bJobRun, 100);
  TheDeviceState().observer = &again;
  Run("32840", path);
  TheDeviceState().observer = before;
  EXPECT_EQ(Count(CommandsSent(), 246), 250);
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

  // What the file holds is shown before anything is written; Cancel sends nothing.
  const QString question =
      "Write edited.Hart into the device?\n\nTag: FT-7\nPV range: 0.0000 to 100.0000 "
      "KPa\n\nThe device's whole configuration will be overwritten with the file's.";
  prompts.confirmAnswers = {false};
  Run("32840", path);
  EXPECT_EQ(Count(CommandsSent(), 246), 0);
  EXPECT_EQ(TakePrompts(), (QStringList{"DataFile (*.Hart)", question}));

  Run("32840", path);
  EXPECT_EQ(Count(CommandsSent(), 246), 250);
  EXPECT_EQ(TakePrompts(), (QStringList{"DataFile (*.Hart)", question,
                                        "Download complete: 250 blocks written to FT-7"}));
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
  EXPECT_EQ(TakePrompts(), (QStringList{"DataFile (*.Hart)", question,
                                        "Communication Failure:In write protect mode"}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(ConfigFile, AFileThatCannotBeADevicesConfigurationIsRefusedBeforeAnythingIsSent) {
  const QString path = PathIn("good.Hart");
  Run("32839", path);
  const QByteArray good = Read(path);
  ASSERT_EQ(good.size(), kConfigImageSize);
  CommandsSent();
  TakePrompts();
  auto withFloat = [&good](int at, float value) {
    QByteArray bytes = good;
    bytes.replace(at, 4, reinterpret_cast<const char*>(&value), 4);  // little-endian host
    return bytes;
  };
  QByteArray random(kConfigImageSize, 0);
  uint32_t seed = 12345;
  for (char& b : random) {
    seed = seed * 1103515245u + 12345u;
    b = static_cast<char>(seed >> 24);
  }
  random[0] = 1;  // even a unit it knows does not save a file of noise
  QByteArray unit = good;
  unit[0] = 3;
  const struct {
    QByteArray bytes;
    const char* why;
  } cases[] = {
      {random, "its "},  // whichever value comes first
      {unit, "its PV unit code 3 is none the device knows"},
      {withFloat(16, 1500.0f),
       "its upper range value 1500 lies outside the sensor limits -100 "
       "to 1000"},
      {withFloat(8, std::numeric_limits<float>::quiet_NaN()),
       "its lower range value is not a "
       "number"},
      {withFloat(24, 250.0f), "its damping 250 s lies outside 0 to 100 s"},
  };
  for (const auto& c : cases) {
    Write(path, c.bytes);
    Run("32840", path);
    const QStringList shown = TakePrompts();
    ASSERT_EQ(shown.size(), 2) << c.why;
    EXPECT_TRUE(shown[1].startsWith(QString("good.Hart cannot be written into a device: ") + c.why))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[1].endsWith("Nothing was sent.")) << shown[1].toStdString();
  }
  EXPECT_EQ(Count(CommandsSent(), 246), 0);
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
