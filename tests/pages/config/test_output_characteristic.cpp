// The loop output characteristic page against the simulated transmitter.
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class LoopFunctionPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(7);
    function = Combo(page, 1211);
  }
  void SetDeviceTransfer(uint8_t code) {
    SimImage image = device->Image();
    image.SetU8(image::kTransfer, code);
    device->SetImage(image);
  }

  QWidget* page = nullptr;
  QComboBox* function = nullptr;
};

TEST_F(LoopFunctionPage, ReadSelectsTheDevicesFunctionAndUpdateSetsIt) {
  EXPECT_FALSE(function->isEditable());
  EXPECT_EQ(function->currentIndex(), -1);
  SetDeviceTransfer(1);
  Click(page, 1203);
  EXPECT_EQ(function->currentText(), "SQRT");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 15}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));

  function->setCurrentIndex(0);  // the user picks "Linear"
  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 47}));
  EXPECT_EQ(LastRequestData(47), (std::vector<uint8_t>{0}));
  EXPECT_EQ(device->Image().U8(image::kTransfer), 0);
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));

  // A code the list does not hold leaves the choice as it was.
  SetDeviceTransfer(2);
  Click(page, 1203);
  EXPECT_EQ(function->currentText(), "Linear");
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(LoopFunctionPage, NothingChosenIsRefusedAndFailuresLeaveTheBarAtZero) {
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Please select: Loop Function"});
  EXPECT_TRUE(CommandsSent().empty());

  SetDeviceTransfer(0);
  device->SetWriteProtected(true);
  function->setCurrentIndex(1);
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(Progress()->value(), 0);
  EXPECT_EQ(device->Image().U8(image::kTransfer), 0);
}

}  // namespace
