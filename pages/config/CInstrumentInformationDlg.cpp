#include "CInstrumentInformationDlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <memory>

#include "ConfigImage.h"
#include "Encoding.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"

namespace {

const char* const kYearError = N_("Year Input Error");
const char* const kMonthError = N_("Month Input Error");
const char* const kDayError = N_("Day Input Error");

constexpr int kTagChars = 8;
constexpr int kDescriptorChars = 16;
constexpr int kMessageChars = 32;

// Command 13's reply and command 18's request: tag, descriptor, day, month, year - 1900.
constexpr int kTagAt = 0;
constexpr int kDescriptorAt = 6;
constexpr int kDayAt = 18;
constexpr int kMonthAt = 19;
constexpr int kYearAt = 20;
constexpr int kDetailBytes = 21;

// The date byte holds the years 1900 to 2155.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2155;

bool LeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The first `width` characters of what was typed, padded with spaces to `width`.
std::string SpacePadded(const QString& text, int width) {
  std::string padded = text.left(width).toStdString();
  padded.resize(static_cast<size_t>(width), ' ');
  return padded;
}

QString Unpacked(const uint8_t* packed, int chars) {
  std::array<char, kMessageChars> text{};
  UnpackAscii(packed, text.data(), chars / 4 * 3);
  return QString::fromLatin1(text.data(), chars);
}

std::string DateText(int year, int month, int day) {
  return QString::asprintf("%04d-%02d-%02d", year, month, day).toStdString();
}

// Tag, descriptor and date as command 13 answers them and command 18 echoes them.
std::vector<RecordedValue> DetailValues(const uint8_t* d) {
  return {
      Recorded(value_name::kTag, DeviceText(Unpacked(d + kTagAt, kTagChars))),
      Recorded(value_name::kDescriptor, DeviceText(Unpacked(d + kDescriptorAt, kDescriptorChars))),
      Recorded(value_name::kDate, DateText(d[kYearAt] + kFirstYear, d[kMonthAt], d[kDayAt]))};
}

std::vector<RecordedValue> MessageValue(const char* message) {
  return {Recorded(value_name::kMessage, DeviceText(QString::fromLatin1(message, kMessageChars)))};
}

}  // namespace

CInstrumentInformationDlg::CInstrumentInformationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 141, "Instrument Detail") {
  PageForm form(this);
  form.Group("Device Details");

  m_editTag = form.Row("Station Tag (Within 8 ASCII)").Edit(1194, {}, 10);
  MakePackedAsciiEdit(m_editTag, kTagChars);
  m_editDescriptor = form.Row("Station Description (Within 16 ASCII)").Edit(1198, {}, 18);
  MakePackedAsciiEdit(m_editDescriptor, kDescriptorChars);
  m_editMessage = form.Row("Device Message (Within 32 ASCII)").Edit(1199, {}, 34);
  MakePackedAsciiEdit(m_editMessage, kMessageChars);

  FormRow date = form.Row("Date");
  m_editYear = date.Edit(1200, "Date Y", 5);
  date.Unit("Y");
  m_editMonth = date.Edit(1201, "Date M", 3);
  date.Unit("M");
  m_editDay = date.Edit(1202, "Date D", 3);
  date.Unit("D");

  connect(form.Button("Read", 1203), &QPushButton::clicked, this,
          &CInstrumentInformationDlg::OnBnClickedRead);
  connect(form.Button("Update", 1204), &QPushButton::clicked, this,
          &CInstrumentInformationDlg::OnBnClickedUpdate);
}

void CInstrumentInformationDlg::OnBnClickedRead() {
  auto detail = std::make_shared<HartResponse>();
  auto message = std::make_shared<std::array<char, kMessageChars>>();
  DeviceOperation op;
  op.progressHigh = 3;
  op.spacedFailure = true;
  // What the device says of itself is kept in the records whenever it is read.
  op.recordName = RecordName("Read");
  op.recordKind = record_kind::kRead;
  op.recordReads = true;
  op.Step([detail](
              DeviceState& ds) { return HartExchange(ds, 13, nullptr, 0, kDetailBytes, *detail); },
          [this, detail] {
            const uint8_t* d = detail->data;
            m_editTag->setText(Unpacked(d + kTagAt, kTagChars));
            m_editDescriptor->setText(Unpacked(d + kDescriptorAt, kDescriptorChars));
            m_editYear->setText(Decimal(d[kYearAt] + kFirstYear));
            m_editMonth->setText(Decimal(d[kMonthAt]));
            m_editDay->setText(Decimal(d[kDayAt]));
          })
      .reads = [detail] { return DetailValues(detail->data); };
  op.Step([message](DeviceState& ds) { return HartCmd12(ds, message->data()); },
          [this, message] {
            m_editMessage->setText(QString::fromLatin1(message->data(), kMessageChars));
          })
      .reads = [message] { return MessageValue(message->data()); };
  RunOperation(std::move(op));
}

QString CInstrumentInformationDlg::DateRefusal(int& year, int& month, int& day) const {
  const std::optional<long long> y = TypedInteger(m_editYear->text());
  if (!y || *y < kFirstYear || *y > kLastYear) return kYearError;
  const std::optional<long long> m = TypedInteger(m_editMonth->text());
  if (!m || *m < 1 || *m > 12) return kMonthError;
  const std::optional<long long> d = TypedInteger(m_editDay->text());
  if (!d || *d < 1 || *d > 31) return kDayError;
  year = static_cast<int>(*y);
  month = static_cast<int>(*m);
  day = static_cast<int>(*d);
  if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
    return QString::asprintf("%d M No %d D", month, day);
  if (month == 2 && day > 29) return QString::asprintf("%dM No %d D", month, day);
  if (month == 2 && day == 29 && !LeapYear(year))
    return QString::asprintf("%dY %d M No %d D", year, 2, 29);
  return {};
}

void CInstrumentInformationDlg::OnBnClickedUpdate() {
  int year = 0, month = 0, day = 0;
  const QString refusal = DateRefusal(year, month, day);
  if (!refusal.isEmpty()) {
    Refuse(refusal);
    return;
  }
  auto detail = std::make_shared<std::array<uint8_t, kDetailBytes>>();
  uint8_t* d = detail->data();
  PackAscii(SpacePadded(m_editTag->text(), kTagChars).c_str(), d + kTagAt, kTagChars);
  PackAscii(SpacePadded(m_editDescriptor->text(), kDescriptorChars).c_str(), d + kDescriptorAt,
            kDescriptorChars);
  d[kDayAt] = static_cast<uint8_t>(day);
  d[kMonthAt] = static_cast<uint8_t>(month);
  d[kYearAt] = static_cast<uint8_t>(year - kFirstYear);
  auto message = std::make_shared<std::array<char, kMessageChars>>();
  const std::string typedMessage = SpacePadded(m_editMessage->text(), kMessageChars);
  std::copy(typedMessage.begin(), typedMessage.end(), message->begin());

  DeviceOperation op;
  op.progressHigh = 3;
  op.recordName = RecordName("Update");
  // Both replies echo what the device took.
  auto reply = std::make_shared<HartResponse>();
  WriteStep(
      op,
      [detail, reply](DeviceState& ds) {
        return HartExchange(ds, 18, detail->data(), kDetailBytes, 0, *reply);
      },
      Values(DetailValues(detail->data())),
      [reply]() -> Echoes {
        if (!ReplyCarries(*reply, kDetailBytes)) return {};
        return EchoesOf(DetailValues(reply->data));
      });
  // When this fails the tag, descriptor and date are already written; they stay so.
  WriteStep(
      op, [message](DeviceState& ds) { return HartCmd17(ds, message->data()); },
      Values(MessageValue(message->data())),
      [message] { return EchoesOf(MessageValue(message->data())); });
  RunOperation(std::move(op));
}

void CInstrumentInformationDlg::ShowConfiguration(const ConfigValues& v) {
  m_editTag->setText(QString::fromLatin1(v.tag.c_str()));
  m_editDescriptor->setText(QString::fromLatin1(v.descriptor.c_str()));
  m_editMessage->setText(QString::fromLatin1(v.message.c_str()));
  m_editYear->setText(Decimal(v.year));
  m_editMonth->setText(Decimal(v.month));
  m_editDay->setText(Decimal(v.day));
}
