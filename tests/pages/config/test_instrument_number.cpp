// The instrument number page as an engineer uses it, against the simulated transmitter.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class InstrumentNumberPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(3);
    polling = Edit(page, 1188);
    assembly = Edit(page, 1187);
    lot = Edit(page, 1206);
  }

  QWidget* page = nullptr;
  QLineEdit* polling = nullptr;
  QLineEdit* assembly = nullptr;
  QLineEdit* lot = nullptr;
};

TEST_F(InstrumentNumberPage, NewPollingAddressMovesTheStationNumberWithTheDevice) {
  for (const char* typed : {"16", "-1", "x", ""}) {
    Type(polling, typed);
    Click(page, 1189);
    EXPECT_EQ(TakePrompts(), QStringList{"短地址数据不合理"}) << typed;
  }
  EXPECT_TRUE(CommandsSent().empty());

  Type(polling, "15");
  Click(page, 1189);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(LastRequestData(6), (std::vector<uint8_t>{15}));
  EXPECT_EQ(device->PollingAddress(), 15);
  EXPECT_EQ(StationItems(), QStringList{"15"});
  EXPECT_EQ(StationBox()->currentText(), "15");
  EXPECT_EQ(TheAppSettings().pollAddress, 15);
  // Identified at 0, the write, then the online test finds the device at 15.
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 6, 0}));
  EXPECT_EQ(Command0Addresses(), (std::vector<int>{0, 15}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0}));

  // Later operations talk to it there.
  Click(page, 1186);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(Command0Addresses().back(), 15);
}

TEST_F(InstrumentNumberPage, AssemblyNumberReadsAndWritesTheDevicesNumber) {
  SimImage image = device->Image();
  image.SetU32(image::kAssembly, 123456);
  device->SetImage(image);
  Click(page, 1186);
  EXPECT_EQ(assembly->text(), "123456");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 16}));
  TakeProgress();

  Type(assembly, "8388608");
  Click(page, 1297);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(LastRequestData(19), (std::vector<uint8_t>{0x80, 0x00, 0x00}));
  EXPECT_EQ(device->Image().U32(image::kAssembly), 8388608u);
  // The write keeps the bar at 1; the device is identified again at the station number.
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 19, 0}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));

  for (const char* typed : {"8388609", "-1", "abc", ""}) {
    Type(assembly, typed);
    Click(page, 1297);
    EXPECT_EQ(TakePrompts(), QStringList{"当前装配编号数据不合理"}) << typed;
  }
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(device->Image().U32(image::kAssembly), 8388608u);
}

TEST_F(InstrumentNumberPage, FailedIdentificationAfterTheAssemblyWriteIsReportedButEndsNormally) {
  // Broadcast mode reaches the device at 0; nobody answers at station number 5.
  TheAppSettings().onlineTestAll = 0;
  TheAppSettings().pollAddress = 5;
  Type(assembly, "42");
  Click(page, 1297);
  EXPECT_EQ(device->Image().U32(image::kAssembly), 42u);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:No response,timeout!"});
  EXPECT_EQ(Command0Addresses(), (std::vector<int>{5, 5}));  // its two attempts
  // Back to 0 at the failure, then on to the end: 2, the pause, 0.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 0, 2, 0}));
}

TEST_F(InstrumentNumberPage, LotIdShowsTheFactoryLotAndFailuresLeaveTheBarAtZero) {
  // The two Reads and two Updates are told apart by the field they act on.
  EXPECT_EQ(Control<QPushButton>(page, 1189)->accessibleDescription(), "Polling Address(0~15)");
  EXPECT_EQ(Control<QPushButton>(page, 1297)->accessibleDescription(),
            "Assembly Number(0~8388608)");
  EXPECT_EQ(Control<QPushButton>(page, 1191)->accessibleDescription(), "Lot ID（Y:2.M:1.Lot:5）");
  EXPECT_EQ(lot->accessibleName(), "Lot ID（Y:2.M:1.Lot:5）");
  EXPECT_FALSE(lot->isEnabled());

  SimIdentity identity = device->Identity();
  identity.lotId = "23c00042";
  device->SetIdentity(identity);
  Click(page, 1191);
  EXPECT_EQ(lot->text(), "23C00042");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 212}));

  ExpectTimeoutWhenSilent(page, 1191);
  EXPECT_EQ(lot->text(), "23C00042");
}

}  // namespace
