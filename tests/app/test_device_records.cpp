// What the program records of its work on devices: the window's operations, transfers,
// thermal compensation and identifications against the simulated transmitter, the records
// taken as the recorder hands them over; and what the window says of the store.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <mutex>

#include "AppSettings.h"
#include "DeviceRecorder.h"
#include "PageFixture.h"
#include "RecordStore.h"

namespace {

constexpr int kDampingPage = 8;
constexpr int kDampingEdit = 1212;
constexpr int kRead = 1203;
constexpr int kUpdate = 1204;
constexpr char kDevice[] = "26-05-0A0001";

class DeviceRecords : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    dlg->SetRecorder(&recorder);
  }
  // The records made since the last call.
  std::vector<DeviceRecord> Take() {
    std::lock_guard hold(mu);
    std::vector<DeviceRecord> taken;
    taken.swap(records);
    return taken;
  }
  void Damping(int button, const QString& typed = {}) {
    QWidget* page = Page(kDampingPage);
    if (!typed.isEmpty()) Type(Edit(page, kDampingEdit), typed);
    Click(page, button);
  }
  void Menu(const char* name) {
    TriggerMenu(name);
    ASSERT_TRUE(WaitForOperation());
    ASSERT_TRUE(WaitForJobEnd());
  }

  std::mutex mu;
  std::vector<DeviceRecord> records;
  DeviceRecorder recorder{[this](DeviceRecord r) {
    std::lock_guard hold(mu);
    records.push_back(std::move(r));
  }};
};

TEST_F(DeviceRecords, AWriteSaysTheValueBeforeAndADeviceIsIdentifiedOncePerRun) {
  Damping(kUpdate, "3.3");
  std::vector<DeviceRecord> r = Take();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].kind, "identify");
  EXPECT_EQ(r[0].operation, "Damping Time > Update");
  EXPECT_EQ(r[0].detail,
            "Manufacturer 0x26; Device type 0x05; Device ID 0x0A0001; Polling address 0; "
            "Revisions: universal 5, device 1, software 3, hardware 2");
  // Nothing was read of it before in this run.
  EXPECT_EQ(r[1].kind, "write");
  EXPECT_EQ(r[1].device, kDevice);
  EXPECT_EQ(r[1].detail, "Damping Time -> 3.3000 s (device: 3.3000 s)");
  EXPECT_EQ(r[1].result, "OK");
  EXPECT_FALSE(r[1].uid.isEmpty());
  EXPECT_NE(r[0].uid, r[1].uid);

  // The device's echo is what it holds now; a Read is kept (not recorded) as well.
  Damping(kUpdate, "2.5");
  Damping(kRead);
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  r = Take();
  ASSERT_EQ(r.size(), 1u);  // no second identification
  EXPECT_EQ(r[0].detail, "Damping Time 3.3000 s -> 2.5000 s (device: 2.5000 s)");

  // A write the device refused is recorded with the failure the user saw, and what the
  // device holds is no longer taken as known.
  device->SetWriteProtected(true);
  Damping(kUpdate, "7");
  r = Take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].detail, "Damping Time 2.5000 s -> 7.0000 s");
  EXPECT_EQ(r[0].result.toStdString(), TakePrompts().value(0).toStdString());
  EXPECT_TRUE(r[0].result.startsWith("Communication Failure:"));
  device->SetWriteProtected(false);
  Damping(kUpdate, "8");
  EXPECT_EQ(Take().at(0).detail, "Damping Time -> 8.0000 s (device: 8.0000 s)");

  // The same device at another polling address is identified anew, and so is another device.
  device->SetPollingAddress(3);
  loop.AddDevice(5);
  for (int address : {3, 5, 3}) {
    TheAppSettings().pollAddress = address;
    ClickTreeItem("Online Test");
    ASSERT_TRUE(WaitForOperation());
  }
  r = Take();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].device, kDevice);
  EXPECT_TRUE(r[0].detail.contains("Polling address 3")) << r[0].detail.toStdString();
  EXPECT_EQ(r[1].device, "26-05-0A0002");
  EXPECT_EQ(r[1].operation, "Online Test");
}

TEST_F(DeviceRecords, InBroadcastModeTheRecordNamesTheDeviceThatAnswered) {
  TheAppSettings().onlineTestAll = 0;
  Damping(kRead);
  Damping(kUpdate, "1.5");
  const std::vector<DeviceRecord> r = Take();
  ASSERT_EQ(r.size(), 1u);  // nothing identified
  EXPECT_EQ(r[0].device, kDevice);
  EXPECT_EQ(r[0].detail, "Damping Time 0.5000 s -> 1.5000 s (device: 1.5000 s)");
}

TEST_F(DeviceRecords, TransfersThermalCompensationAndResetsAreRecorded) {
  const QString file = QDir::current().absoluteFilePath("PT-101.Hart");
  prompts.fileAnswer = file;
  Menu("32839");  // Update to computer
  std::vector<DeviceRecord> r = Take();
  ASSERT_EQ(r.size(), 2u);
  const DeviceRecord& upload = r[1];
  EXPECT_EQ(upload.kind, "upload");
  EXPECT_EQ(upload.operation, "File > Update to computer");
  EXPECT_EQ(upload.tag, "PT-101");
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_EQ(upload.image, bytes);
  const QString sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
  EXPECT_EQ(upload.detail, "SHA-256 " + sha + "; saved as " + QDir::toNativeSeparators(file));

  // A download that the device refuses from its first block on.
  prompts.onPrompt = [this](const QString& text) {
    if (text.startsWith("Write ")) device->SetWriteProtected(true);
  };
  Menu("32840");  // Downloads to Device
  r = Take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].kind, "download");
  EXPECT_EQ(r[0].image, bytes);
  EXPECT_EQ(r[0].detail, "File " + QDir::toNativeSeparators(file) + ", SHA-256 " + sha +
                             "; written 0 of 250 blocks");
  EXPECT_TRUE(r[0].result.startsWith("Communication Failure:")) << r[0].result.toStdString();
  prompts.onPrompt = {};
  device->SetWriteProtected(false);
  Menu("32840");
  r = Take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(r[0].detail.endsWith("; written 250 of 250 blocks")) << r[0].detail.toStdString();
  EXPECT_EQ(r[0].result, "OK");

  // The thermal cancel: every point's value read, kept and written; the reset after it.
  Menu("menuCancelThermal");
  r = Take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].kind, "maintenance");
  EXPECT_EQ(r[0].operation, "Settings > Cancel Thermal Compensation");
  EXPECT_TRUE(r[0].detail.startsWith("Temperature points 3; Point 1: read "))
      << r[0].detail.toStdString();
  EXPECT_TRUE(r[0].detail.endsWith(", written 65535; Device reset")) << r[0].detail.toStdString();
  Menu("menuRestoreThermal");
  r = Take();
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].operation, "Settings > Restore Thermal Compensation");
  EXPECT_EQ(r[0].detail.count("written "), 3);
  EXPECT_EQ(r[0].detail.count("65535"), 0);

  // Cancel at the question sends nothing and records nothing.
  prompts.confirmAnswers = {false};
  Menu("menuResetDevice");
  EXPECT_TRUE(Take().empty());
  Menu("menuResetDevice");
  ClickTreeItem("Device Reset");
  ASSERT_TRUE(WaitForOperation());
  r = Take();
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].operation, "Monitor > Reset Device");
  EXPECT_EQ(r[1].operation, "Device Reset");
  EXPECT_EQ(r[1].detail, "Device reset (command 42)");
}

// ---- What the window says of the store ----

class RecordsStore : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    loop.AddDevice(0);
  }
  void TearDown() override {
    GuiFixture::TearDown();
    recorder.reset();
  }
  void Start(const QString& records) {
    recorder = std::make_unique<DeviceRecorder>(records, RecordsJournalPath());
    OpenMainWindow();
    dlg->SetRecorder(recorder.get());
  }
  void Reset() {
    ClickTreeItem("Device Reset");
    ASSERT_TRUE(WaitForOperation());
  }
  bool PaneBecomes(const QString& text) {
    return QTest::qWaitFor([&] { return Pane(0) == text; }, 10000);
  }
  std::unique_ptr<DeviceRecorder> recorder;
};

TEST_F(RecordsStore, ALocationThatDoesNotParseTurnsRecordsOffWithOneMessage) {
  Start("mysql://plant/records");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.texts.isEmpty(); }, 5000));
  ASSERT_EQ(prompts.texts.size(), 1);
  const QString message = prompts.texts[0];
  EXPECT_TRUE(message.startsWith("Records are off: Records=mysql://plant/records in Morvane.ini: "))
      << message.toStdString();
  EXPECT_TRUE(Pane(0).startsWith("Records: off (Records=mysql://plant/records in Morvane.ini: "))
      << Pane(0).toStdString();
  // The device work goes on, without another word about the records.
  Reset();
  EXPECT_EQ(prompts.texts, (QStringList{message, "Reset?"}));
}

TEST_F(RecordsStore, ADamagedDatabaseIsNamedOnceAndRecordsAreOff) {
  QFile damaged("Records.db");
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(4096, 'x'));
  damaged.close();
  Start("");
  ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.texts.isEmpty(); }, 10000));
  ASSERT_EQ(prompts.texts.size(), 1);
  EXPECT_TRUE(prompts.texts[0].startsWith("Records are off: ")) << prompts.texts[0].toStdString();
  EXPECT_TRUE(prompts.texts[0].contains("Records.db")) << prompts.texts[0].toStdString();
  EXPECT_TRUE(Pane(0).startsWith("Records: off (")) << Pane(0).toStdString();
  Reset();
  EXPECT_EQ(prompts.texts.size(), 2);
}

TEST_F(RecordsStore, PaneOneCountsTheRecordsWaitingForAStoreThatCannotBeWritten) {
  // A folder that does not exist yet: the records wait, and are stored once it does.
  const QString folder = QDir::current().absoluteFilePath("later");
  Start(folder + "/Records.db");
  Reset();
  Reset();
  // The identification and two resets.
  ASSERT_TRUE(
      QTest::qWaitFor([this] { return Pane(0).startsWith("Records: 3 not yet saved ("); }, 10000))
      << Pane(0).toStdString();
  EXPECT_EQ(prompts.texts, (QStringList{"Reset?", "Reset?"}));  // no message: it may work later
  ASSERT_TRUE(QDir::current().mkdir("later"));
  Reset();
  EXPECT_TRUE(recorder->Flush(10000));
  EXPECT_TRUE(PaneBecomes("Ready")) << Pane(0).toStdString();
  QString error;
  RecordsLocation where;
  ASSERT_TRUE(ParseRecordsLocation(folder + "/Records.db", where, &error));
  auto store = RecordStore::Open(where, &error);
  ASSERT_TRUE(store) << error.toStdString();
  // None lost, none twice.
  EXPECT_EQ(store->Records(kDevice, "Device reset (command 42)", 10, &error).size(), 3u);
  EXPECT_EQ(store->Records(kDevice, "", 10, &error).size(), 4u);
}

}  // namespace
