#include "CInstrumentNumberDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "AppSettings.h"
#include "ConfigImage.h"
#include "PageForm.h"
#include "PageRecord.h"

namespace {
const char* const kInvalidPollingAddress = N_("短地址数据不合理");
const char* const kInvalidAssemblyNumber = N_("当前装配编号数据不合理");
// The final assembly number travels in 24 bits; 0x800000 is the largest the device takes.
constexpr long long kMaxAssemblyNumber = 8388608;
const char* const kPollingAddress = N_("Polling Address");
const char* const kLotId = N_("Lot ID");

std::vector<RecordedValue> AssemblyValue(uint32_t number) {
  return {Recorded(value_name::kAssemblyNumber, Decimal(number).toStdString())};
}
}  // namespace

CInstrumentNumberDlg::CInstrumentNumberDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 140, "Instrument Number") {
  PageForm form(this);
  form.Group("Device Number");

  FormRow polling = form.Row("Polling Address(0~15)");
  m_editPollingAddress = polling.Edit(1188);
  connect(polling.Button("Update", 1189), &QPushButton::clicked, this,
          &CInstrumentNumberDlg::OnBnClickedUpdatePollingAddress);

  FormRow assembly = form.Row("Assembly Number(0~8388608)");
  m_editAssemblyNumber = assembly.Edit(1187);
  connect(assembly.Button("Read", 1186), &QPushButton::clicked, this,
          &CInstrumentNumberDlg::OnBnClickedReadAssemblyNumber);
  connect(assembly.Button("Update", 1297), &QPushButton::clicked, this,
          &CInstrumentNumberDlg::OnBnClickedUpdateAssemblyNumber);

  // Two digits of the year, one of the month, five of the lot; the device's to say.
  FormRow lot = form.Row("Lot ID（Y:2.M:1.Lot:5）");
  m_editLotId = lot.Edit(1206);
  m_editLotId->setEnabled(false);
  connect(lot.Button("Read", 1191), &QPushButton::clicked, this,
          &CInstrumentNumberDlg::OnBnClickedReadLotId);
}

void CInstrumentNumberDlg::OnBnClickedUpdatePollingAddress() {
  const std::optional<long long> typed =
      TypedIntegerOf(m_editPollingAddress, kInvalidPollingAddress);
  if (!typed) return;
  if (*typed < 0 || *typed > 15) {
    Refuse(kInvalidPollingAddress);
    return;
  }
  const int address = static_cast<int>(*typed);
  auto reply = std::make_shared<HartResponse>();
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Polling Address Update");
  // The reply names the address the device took.
  WriteStep(
      op,
      [address, reply](DeviceState& ds) {
        const uint8_t data = static_cast<uint8_t>(address);
        return HartExchange(ds, 6, &data, 1, 0, *reply);
      },
      Values({Recorded(kPollingAddress, std::to_string(address))}),
      [reply]() -> Echoes {
        if (!ReplyCarries(*reply, 1)) return {};
        return {std::to_string(reply->data[0])};
      });
  // The device answers at its new address from now on: the station number follows it, and
  // an online test there confirms it.
  RunOperation(std::move(op), [this, address](OperationResult result) {
    if (result != OperationResult::Done) return;
    SetStationNumber(address);
    RunOnlineTest();
  });
}

void CInstrumentNumberDlg::OnBnClickedReadAssemblyNumber() {
  auto number = std::make_shared<uint32_t>(0);
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Assembly Number Read");
  op.Step([number](DeviceState& ds) { return HartCmd16(ds, *number); },
          [this, number] { m_editAssemblyNumber->setText(Decimal(*number)); })
      .reads = [number] { return AssemblyValue(*number); };
  RunOperation(std::move(op));
}

void CInstrumentNumberDlg::OnBnClickedUpdateAssemblyNumber() {
  // 8388608 itself is accepted; a negative number is as wrong as a too large one.
  const std::optional<long long> typed =
      TypedIntegerOf(m_editAssemblyNumber, kInvalidAssemblyNumber);
  if (!typed) return;
  if (*typed < 0 || *typed > kMaxAssemblyNumber) {
    Refuse(kInvalidAssemblyNumber);
    return;
  }
  auto number = std::make_shared<uint32_t>(static_cast<uint32_t>(*typed));
  const auto station = static_cast<uint8_t>(TheAppSettings().pollAddress.load());
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Assembly Number Update");
  // The device answers with the number it took.
  WriteStep(
      op, [number](DeviceState& ds) { return HartCmd19(ds, *number); },
      Values(AssemblyValue(*number)), [number] { return EchoesOf(AssemblyValue(*number)); }, {}, 1);
  // Identify the device again so that what the program holds of it is fresh. A failure
  // here is reported, but the number has been written: the operation still ends normally.
  op.Step([station](DeviceState& ds) {
      HartIdentity identity;
      return HartCmd0(ds, station, identity);
    }).goOnAfterFailure = true;
  RunOperation(std::move(op));
}

void CInstrumentNumberDlg::OnBnClickedReadLotId() {
  auto reply = std::make_shared<HartResponse>();
  // Eight plain ASCII characters, ending early at a NUL.
  auto lotId = [reply] {
    const char* text = reinterpret_cast<const char*>(reply->data);
    qsizetype length = 0;
    while (length < 8 && text[length] != '\0')
      ++length;
    return QString::fromLatin1(text, length).toUpper();
  };
  DeviceOperation op;
  op.progressHigh = 2;
  op.recordName = RecordName("Lot ID Read");
  op.Step([reply](DeviceState& ds) { return HartExchange(ds, 212, nullptr, 0, 8, *reply); },
          [this, lotId] { m_editLotId->setText(lotId()); })
      .reads = [lotId] {
    return std::vector<RecordedValue>{Recorded(kLotId, DeviceText(lotId()))};
  };
  RunOperation(std::move(op));
}

void CInstrumentNumberDlg::ShowConfiguration(const ConfigValues& v) {
  m_editAssemblyNumber->setText(Decimal(v.assembly));
}
