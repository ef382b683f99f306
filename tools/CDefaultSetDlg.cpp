#include "CDefaultSetDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "ConnectionTest.h"
#include "DeviceOperation.h"
#include "NumberText.h"
#include "PageForm.h"
#include "Prompts.h"
#include "Retranslate.h"
#include "Texts.h"
#include "config/CDampingTimeDlg.h"
#include "ranging/CComprehensiveParamDlg.h"
#include "ranging/UnitConversion.h"

namespace {

QStringList Numbered(const char* format, int first, int count) {
  QStringList items;
  for (int i = 0; i < count; ++i)
    items << QString::asprintf(format, first + i);
  return items;
}

// The range pages' unit list, but this dialog spells the gallon in capitals.
QStringList UnitTexts() {
  QStringList items;
  for (int i = 0; i < kUnitCount; ++i)
    items << QString::fromUtf8(UnitAt(i).text);
  items[19] = "GALLON";
  return items;
}

// The fixed range limits of each index range and the unit entry it selects.
struct IndexRange {
  const char* lower;
  const char* upper;
  int unit;
};
const IndexRange kIndexRanges[] = {
    {"-1.6", "1.6", 4}, {"-6", "6", 4}, {"-40", "40", 4}, {"-250", "250", 4}, {"-1000", "1000", 4},
    {"0", "2.5", 5},    {"0", "10", 5}, {"0", "25", 5},   {"0", "40", 5},
};

// `value` from unit `from` to unit `to` by the pressure units' factors per kPa; the other
// units (factor 1) and an index outside the list leave the value as it is at their step.
double ConvertByFactor(double value, int from, int to) {
  const UnitSpecial none{};
  if (from >= 0 && from < kPressureUnitCount) value = ConvertUnitValue(value, from, 0, none);
  if (to >= 0 && to < kPressureUnitCount) value = ConvertUnitValue(value, 0, to, none);
  return value;
}

std::optional<double> TypedOrRefused(QLineEdit* edit, const QString& refusal = {}) {
  std::optional<double> value = TypedReal(edit->text());
  if (!value)
    ShowMessage(refusal.isEmpty() ? QString::fromStdString(
                                        Texts::EnterANumber(edit->accessibleName().toStdString()))
                                  : refusal);
  return value;
}

// The connection choices, in the order of their list.
enum ConnectionKind { kSerialConnection, kHartIpConnection };
enum ReplyTimeoutEntry { kTolerantEntry, kStandardEntry };

QString TestAnsweredText(const ConnectionTestOutcome& outcome, int address) {
  const QString longAddress = QString::fromStdString(IdentityAddressText(outcome.identity));
  const QString who = outcome.tag.empty() ? Tr("The device at address %1").arg(address)
                                          : QString::fromStdString(outcome.tag);
  return Tr("%1 answered: long address %2").arg(who, longAddress);
}

// Why the Test found nothing: the port's own reason ("/dev/ttyUSB0: no such port"), or that
// nobody answered at the address.
QString TestFailedText(const ConnectionTestOutcome& outcome, int address) {
  if (outcome.kind == ConnectionTestOutcome::Kind::NoDevice)
    return Tr("No device answered at address %1").arg(address);
  if (outcome.portReason.empty()) return Tr(Texts::kPortError);
  return QString("%1: %2").arg(Tr(Texts::kPortError), QString::fromStdString(outcome.portReason));
}

// A busy main window keeps its port; an idle one lets go of it (its next operation opens
// it again), so that the Test can open the same serial port.
bool MainLinkIdle(QWidget* parent) {
  auto* main = qobject_cast<CMorvaneDlg*>(parent);
  return !main || (!main->OperationRunning() && main->m_bJobIdle.load() == 1 &&
                   main->m_bLoopIdle.load() == 1);
}

}  // namespace

CDefaultSetDlg::CDefaultSetDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("156");
  setWindowTitle("Default Params");
  PageForm form(this);

  form.Group("Connection");
  m_comboConnection = form.Row("Connect Through").Combo(0, {N_("Serial port"), N_("HART-IP")});
  m_comboConnection->setObjectName("connectionKind");
  m_comboPort = form.Row("Serial Port").Combo(1082, {});
  FormRow hartIp = form.Row("HART-IP Host");
  m_editHost = hartIp.Edit(0, {}, 20);
  m_editHost->setObjectName("hartIpHost");
  FormRow hartIpPort = form.Row("HART-IP Port");
  m_editHartIpPort = hartIpPort.Edit(0, {}, 6);
  m_editHartIpPort->setObjectName("hartIpPort");
  m_comboProtocol = hartIpPort.Combo(0, {N_("UDP"), N_("TCP")}, "HART-IP Protocol");
  m_comboProtocol->setObjectName("hartIpProtocol");
  m_comboReplyTimeout = form.Row("Reply Time-out").Combo(0, {N_("Tolerant"), N_("HART standard")});
  m_comboReplyTimeout->setObjectName("replyTimeout");
  FormRow test = form.Row(QString());
  m_buttonTest = PageButton("Test", 0, this);
  m_buttonTest->setObjectName("testConnection");
  m_buttonTest->setAccessibleDescription("Connection");
  test.Add(m_buttonTest);
  m_labelTest = new QLabel(this);
  m_labelTest->setObjectName("testResult");
  m_labelTest->setTextInteractionFlags(Qt::TextSelectableByMouse);
  test.Add(m_labelTest);

  form.Group(QString(), 0);
  m_checkOnlineTest = form.CheckRow("Online Test Before Update", 1326);
  m_comboAddress = form.Row("Polling Address").Combo(1327, Numbered("%d#", 0, 25));
  m_comboAlarm = form.Row("Loop Alarm Type").Combo(1328, {N_("3.8mA"), N_("22.8mA")});
  m_comboTransfer = form.Row("Transfer Function").Combo(1211, {N_("Linear"), N_("SQRT")});
  m_comboDisplay =
      form.Row("Display Mode")
          .Combo(1217, {N_("Display PV "), N_("Display F.S.%"), N_("Display Loop mA")});
  m_comboPrecision =
      form.Row("Number Format")
          .Combo(1342, {N_("Integer"), N_("1 decimal"), N_("2 decimals"), N_("3 decimals")});

  form.Group(QString(), 1);
  m_comboPower =
      form.Row("Sensor Excitation")
          .Combo(1329,
                 CComprehensiveParamDlg::CodeTexts(CComprehensiveParamDlg::Coded::Excitation));
  m_comboSensor =
      form.Row("Sensor Type")
          .Combo(1104,
                 CComprehensiveParamDlg::CodeTexts(CComprehensiveParamDlg::Coded::SensorType));
  m_comboRangeCode =
      form.Row("Index Range").Combo(1331, {"2E", "3E", "4E", "5E", "6E", "7E", "8E", "9E", "0E"});
  m_editRangeZero = form.Row("Lower Range Limit").Edit(1334);
  m_editRangeFull = form.Row("Upper Range Limit").Edit(1337);
  m_comboUnit = form.Row("Unit").Combo(1332, UnitTexts());
  FormRow damping = form.Row("Damping Time");
  m_editDamping = damping.Edit(1212);
  damping.Unit("S");

  // "English" and "中文" are always written in their own language, so that either can be
  // found whatever the program speaks now.
  m_comboLanguage = form.Row("Language").Combo(0, {N_("As built"), "English", "中文"});
  m_comboLanguage->setObjectName("language");

  // Hidden edits that take no part: nothing reads or shows them.
  const std::pair<int, const char*> unused[] = {
      {1368, "Low Temperature"}, {1236, "Room Temperature"}, {1369, "High Temperature"}};
  for (const auto& [id, label] : unused) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    edit->setAccessibleName(label);
    edit->hide();
  }

  QPushButton* ok = form.Button("OK", 1);
  ok->setAutoDefault(true);
  ok->setDefault(true);  // Enter stores, as OK does
  connect(ok, &QPushButton::clicked, this, &CDefaultSetDlg::OnOK);
  connect(m_comboRangeCode, &QComboBox::activated, this, &CDefaultSetDlg::OnCbnSelchangeRangeIndex);
  connect(m_comboUnit, &QComboBox::activated, this, &CDefaultSetDlg::OnCbnSelchangeUnit);
  connect(m_comboConnection, &QComboBox::currentIndexChanged, this,
          &CDefaultSetDlg::ShowConnectionKind);
  connect(m_buttonTest, &QPushButton::clicked, this, &CDefaultSetDlg::OnBnClickedTest);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  OnInitDialog();
}

void CDefaultSetDlg::OnInitDialog() {
  const AppSettings& s = TheAppSettings();
  // A value with no entry of its own selects nothing.
  m_checkOnlineTest->setChecked(s.onlineTestAll == 1);
  // The saved connection is shown even when the system lost its port, so OK keeps it.
  m_portEntries = SerialPortEntries(AvailablePorts(), s.link);
  const LinkChoice saved = ReadLinkChoice(s.link, s.portIndex);
  LinkChoice serialShown = saved;
  if (saved.kind == LinkChoice::Kind::HartIp) serialShown.kind = LinkChoice::Kind::ComPort;
  for (size_t i = 0; i < m_portEntries.size(); ++i) {
    m_comboPort->addItem(QString::fromStdString(m_portEntries[i].text));
    if (m_portEntries[i].choice == serialShown) m_comboPort->setCurrentIndex(static_cast<int>(i));
  }
  const bool hartIp = saved.kind == LinkChoice::Kind::HartIp;
  m_editHost->setText(hartIp ? QString::fromStdString(saved.hartIp.host) : QString());
  m_editHartIpPort->setText(QString::number(saved.hartIp.port));
  m_comboProtocol->setCurrentIndex(saved.hartIp.tcp ? 1 : 0);
  m_comboConnection->setCurrentIndex(hartIp ? kHartIpConnection : kSerialConnection);
  ShowConnectionKind();
  m_comboReplyTimeout->setCurrentIndex(
      s.replyTimeout == AppSettings::ReplyTimeout::Standard ? kStandardEntry : kTolerantEntry);
  m_comboAddress->setCurrentIndex(s.pollAddress.load());
  m_comboAlarm->setCurrentIndex(s.alarm);
  m_comboUnit->setCurrentIndex(s.rangeUnits);
  m_comboTransfer->setCurrentIndex(s.outputCharacteristic);
  m_comboDisplay->setCurrentIndex(s.displayMode);
  m_comboPrecision->setCurrentIndex(s.displayPrecision);
  m_comboPower->setCurrentIndex(s.powerWay);
  m_comboSensor->setCurrentIndex(s.sensorType);
  m_comboRangeCode->setCurrentIndex(s.rangeCode);
  m_editRangeZero->setText(Fixed4(s.rangeZero));
  m_editRangeFull->setText(Fixed4(s.rangeFull));
  m_editDamping->setText(Fixed4(s.dampingTime));
  m_nUnitIndex = s.rangeUnits;
  m_nUnitShown = m_comboUnit->currentIndex();
  m_comboLanguage->setCurrentIndex(static_cast<int>(LanguageFromSetting(s.language)));
}

CDefaultSetDlg::~CDefaultSetDlg() {
  m_stopTest = true;
  if (m_testWorker.joinable()) m_testWorker.join();
}

void CDefaultSetDlg::done(int result) {
  m_stopTest = true;
  QDialog::done(result);
}

void CDefaultSetDlg::ShowConnectionKind() {
  const bool hartIp = m_comboConnection->currentIndex() == kHartIpConnection;
  m_comboPort->setEnabled(!hartIp);
  m_editHost->setEnabled(hartIp);
  m_editHartIpPort->setEnabled(hartIp);
  m_comboProtocol->setEnabled(hartIp);
}

std::optional<LinkChoice> CDefaultSetDlg::ChosenLink(std::string& refusal) const {
  LinkChoice choice;
  if (m_comboConnection->currentIndex() == kHartIpConnection) {
    refusal = CheckHartIpFields(m_editHost->text().trimmed().toStdString(),
                                m_editHartIpPort->text().trimmed().toStdString(), choice.hartIp);
    if (!refusal.empty()) return std::nullopt;
    choice.kind = LinkChoice::Kind::HartIp;
    choice.hartIp.tcp = m_comboProtocol->currentIndex() == 1;
    return choice;
  }
  const int entry = m_comboPort->currentIndex();
  if (entry < 0 || entry >= static_cast<int>(m_portEntries.size())) {
    refusal = N_("Please choose a port: Serial Port");
    return std::nullopt;
  }
  return m_portEntries[static_cast<size_t>(entry)].choice;
}

void CDefaultSetDlg::OnBnClickedTest() {
  if (m_testRunning) return;
  std::string refusal;
  const std::optional<LinkChoice> choice = ChosenLink(refusal);
  if (!choice) {
    ShowSourceText(m_labelTest, QString::fromStdString(refusal));
    return;
  }
  const int address = std::max(0, m_comboAddress->currentIndex());
  const ReplyTimeout replyTimeout = m_comboReplyTimeout->currentIndex() == kStandardEntry
                                        ? ReplyTimeout::HartStandard
                                        : ReplyTimeout::Tolerant;
  // The worker that ran the last Test has posted its outcome and ended: join it first.
  if (m_testWorker.joinable()) m_testWorker.join();
  m_testLink = std::make_unique<DeviceState>();
  if (m_makeTestPort) m_testLink->port = m_makeTestPort();
  AimTestLink(*m_testLink, *choice, replyTimeout);
  const bool releaseMainLink = MainLinkIdle(parentWidget());
  m_stopTest = false;
  m_testRunning = true;
  m_buttonTest->setEnabled(false);
  const QString asking = Tr("Asking address %1 ...").arg(address);
  m_labelTest->setText(asking);
  m_testWorker = std::thread([this, address, releaseMainLink, link = m_testLink.get()] {
    if (releaseMainLink) HartClosePort(TheDeviceState());
    const ConnectionTestOutcome outcome = RunConnectionTest(*link, address, m_stopTest);
    // Queued to the dialog: dropped if it is gone (it joins this thread before it goes).
    QMetaObject::invokeMethod(
        this, [this, outcome, address] { ShowTestOutcome(outcome, address); },
        Qt::QueuedConnection);
  });
}

void CDefaultSetDlg::ShowTestOutcome(const ConnectionTestOutcome& outcome, int address) {
  m_testRunning = false;
  m_buttonTest->setEnabled(true);
  m_labelTest->setText(outcome.kind == ConnectionTestOutcome::Kind::Answered
                           ? TestAnsweredText(outcome, address)
                           : TestFailedText(outcome, address));
}

void CDefaultSetDlg::OnCbnSelchangeRangeIndex(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kIndexRanges))) return;
  // The limits are given, not converted: the unit they are written in stays m_nUnitIndex.
  const IndexRange& range = kIndexRanges[index];
  m_editRangeZero->setText(range.lower);
  m_editRangeFull->setText(range.upper);
  m_comboUnit->setCurrentIndex(range.unit);
  m_nUnitShown = range.unit;
}

void CDefaultSetDlg::OnCbnSelchangeUnit(int index) {
  if (index == m_nUnitIndex) {
    m_nUnitShown = index;
    return;
  }
  const std::optional<double> lower = TypedOrRefused(m_editRangeZero);
  const std::optional<double> upper = lower ? TypedOrRefused(m_editRangeFull) : std::nullopt;
  if (!lower || !upper) {
    m_comboUnit->setCurrentIndex(m_nUnitShown);
    return;
  }
  m_editRangeZero->setText(Fixed4(ConvertByFactor(*lower, m_nUnitIndex, index)));
  m_editRangeFull->setText(Fixed4(ConvertByFactor(*upper, m_nUnitIndex, index)));
  m_nUnitIndex = index;
  m_nUnitShown = index;
}

void CDefaultSetDlg::OnOK() {
  const std::optional<double> damping = TypedOrRefused(m_editDamping, kInvalidDamping);
  if (!damping) return;
  if (!DampingInRange(*damping)) {
    ShowMessage(kInvalidDamping);
    return;
  }
  const std::optional<double> lower = TypedOrRefused(m_editRangeZero);
  if (!lower) return;
  const std::optional<double> upper = TypedOrRefused(m_editRangeFull);
  if (!upper) return;
  std::string refusal;
  const std::optional<LinkChoice> link = ChosenLink(refusal);
  // No port chosen keeps the connection as it was; a HART-IP field that will not do refuses.
  if (!link && m_comboConnection->currentIndex() == kHartIpConnection) {
    ShowMessage(QString::fromStdString(refusal));
    return;
  }

  AppSettings& s = TheAppSettings();
  s.onlineTestAll = m_checkOnlineTest->isChecked() ? 1 : 0;
  if (link) {
    // COMn is "Port=" and no link; a path or a HART-IP text is the link, "Port=" stays.
    if (link->kind == LinkChoice::Kind::ComPort) s.portIndex = link->portIndex;
    s.link = LinkText(*link);
  }
  s.replyTimeout = m_comboReplyTimeout->currentIndex() == kStandardEntry
                       ? AppSettings::ReplyTimeout::Standard
                       : AppSettings::ReplyTimeout::Tolerant;
  s.pollAddress = m_comboAddress->currentIndex();
  s.alarm = m_comboAlarm->currentIndex();
  s.rangeZero = *lower;
  s.rangeFull = *upper;
  s.rangeUnits = m_comboUnit->currentIndex();
  s.outputCharacteristic = m_comboTransfer->currentIndex();
  s.displayMode = m_comboDisplay->currentIndex();
  s.displayPrecision = m_comboPrecision->currentIndex();
  s.powerWay = m_comboPower->currentIndex();
  s.sensorType = m_comboSensor->currentIndex();
  s.rangeCode = m_comboRangeCode->currentIndex();
  s.dampingTime = *damping;
  // Every open window speaks the chosen language before the main window shows the settings.
  ApplyLanguage(LanguageFromSetting(m_comboLanguage->currentIndex()));
  accept();
}
