// The default parameters dialog: what it opens on, the index ranges and the unit conversion,
// the connection choices (system ports from a fake list, COM ports, HART-IP) and the reply
// time-out, and OK storing into the settings, which the main window then shows.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "AppSettings.h"
#include "CDefaultSetDlg.h"
#include "GuiFixture.h"
#include "PortList.h"

namespace {

class DefaultParamsTest : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    SetPortSource([this] { return systemPorts; });
  }
  void TearDown() override {
    SetPortSource({});
    GuiFixture::TearDown();
  }
  template <typename T>
  static T* Named(QWidget* d, const char* name) {
    return d->findChild<T*>(name);
  }
  // What the system lists; none unless a test says.
  std::vector<PortInfo> systemPorts;
  static QComboBox* Combo(QWidget* d, int id) {
    return d->findChild<QComboBox*>(QString::number(id));
  }
  static QLineEdit* Edit(QWidget* d, int id) {
    return d->findChild<QLineEdit*>(QString::number(id));
  }
  // The user choosing entry `index` of a list.
  static void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  static void PressOk(QWidget* d) { d->findChild<QPushButton*>("1")->click(); }

  // Runs the menu command and `act` on the dialog while it is open; false when none opened.
  bool WithMenuDialog(const std::function<void(CDefaultSetDlg&)>& act) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      auto* open = qobject_cast<CDefaultSetDlg*>(modal);
      if (open) {
        seen = true;
        act(*open);
      }
      if (modal && modal->isVisible()) modal->close();
    });
    TriggerMenu("32814");
    return seen;
  }
};

TEST_F(DefaultParamsTest, OpensOnTheSettingsFileDefaultsAndOkStoresThemAsShown) {
  CDefaultSetDlg d;
  EXPECT_EQ(d.windowTitle(), "Default Params");
  EXPECT_EQ(Combo(&d, 1082)->currentText(), "COM3");
  EXPECT_EQ(Combo(&d, 1082)->itemText(24), "COM25");
  EXPECT_EQ(Combo(&d, 1327)->currentText(), "0#");
  EXPECT_EQ(Combo(&d, 1327)->itemText(24), "24#");
  EXPECT_EQ(Combo(&d, 1331)->currentText(), "3E");
  EXPECT_EQ(Combo(&d, 1332)->currentText(), "   kPa");
  EXPECT_EQ(Combo(&d, 1332)->count(), 25);
  EXPECT_EQ(Combo(&d, 1332)->itemText(19), "GALLON");
  EXPECT_EQ(Combo(&d, 1332)->itemText(21), "    ℃");
  EXPECT_EQ(Combo(&d, 1217)->itemText(0), "Display PV ");
  EXPECT_EQ(Combo(&d, 1104)->count(), 12);
  EXPECT_EQ(Edit(&d, 1334)->text(), "-6.0000");
  EXPECT_EQ(Edit(&d, 1337)->text(), "6.0000");
  EXPECT_EQ(Edit(&d, 1212)->text(), "0.0000");
  EXPECT_EQ(Edit(&d, 1212)->accessibleName(), "Damping Time");
  EXPECT_EQ(TheAppSettings().alarm, 2);
  EXPECT_EQ(Combo(&d, 1328)->count(), 2);
  EXPECT_EQ(Combo(&d, 1328)->currentIndex(), -1) << "alarm 2 has no entry";
  EXPECT_TRUE(d.findChild<QCheckBox*>("1326")->isChecked());
  EXPECT_FALSE(Edit(&d, 1236)->isVisibleTo(&d));

  PressOk(&d);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  const AppSettings& s = TheAppSettings();
  EXPECT_EQ(s.alarm, -1);
  EXPECT_EQ(s.portIndex, 2);
  EXPECT_EQ(s.rangeCode, 1);
  EXPECT_EQ(s.rangeUnits, 0);
  EXPECT_EQ(s.rangeZero, -6);
  EXPECT_EQ(s.onlineTestAll, 1);
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
}

TEST_F(DefaultParamsTest, OkFromTheMenuStoresAndTheMainWindowShowsTheNewSettings) {
  OpenMainWindow();
  EXPECT_TRUE(WithMenuDialog([](CDefaultSetDlg& d) {
    Choose(Combo(&d, 1082), 4);
    Choose(Combo(&d, 1327), 7);
    d.findChild<QCheckBox*>("1326")->setChecked(false);
    Choose(Combo(&d, 1104), 11);
    Edit(&d, 1212)->setText("2.5");
    Edit(&d, 1337)->setText("8");
    PressOk(&d);
  }));
  const AppSettings& s = TheAppSettings();
  EXPECT_EQ(s.portIndex, 4);
  EXPECT_EQ(s.pollAddress.load(), 7);
  EXPECT_EQ(s.onlineTestAll, 0);
  EXPECT_EQ(s.sensorType, 11);
  EXPECT_EQ(s.dampingTime, 2.5);
  EXPECT_EQ(s.rangeFull, 8);
  EXPECT_EQ(Pane(3), "Broadcast");
  EXPECT_EQ(Pane(4), "Serial Port : COM5");
  EXPECT_EQ(StationItems(), QStringList{"7"});
  EXPECT_EQ(TheDeviceState().portIndex, 4);

  // Closed any other way: nothing changes.
  EXPECT_TRUE(WithMenuDialog([](CDefaultSetDlg& d) {
    EXPECT_EQ(Combo(&d, 1082)->currentText(), "COM5");
    Choose(Combo(&d, 1082), 0);
    Edit(&d, 1212)->setText("9");
    d.reject();
  }));
  EXPECT_EQ(s.portIndex, 4);
  EXPECT_EQ(s.dampingTime, 2.5);
  EXPECT_EQ(Pane(4), "Serial Port : COM5");
}

TEST_F(DefaultParamsTest, RefusesADampingOutsideZeroToHundredOrATextThatIsNoNumber) {
  CDefaultSetDlg d;
  Choose(Combo(&d, 1082), 9);
  const QString bad[][2] = {{"100.5", "Invalid Damping Time"},
                            {"-0.1", "Invalid Damping Time"},
                            {"abc", "Invalid Damping Time"},
                            {"", "Invalid Damping Time"}};
  for (const auto& [damping, message] : bad) {
    prompts.texts.clear();
    Edit(&d, 1212)->setText(damping);
    PressOk(&d);
    EXPECT_EQ(prompts.texts, QStringList{message}) << damping.toStdString();
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(TheAppSettings().portIndex, 2) << "nothing stored";
  }
  prompts.texts.clear();
  Edit(&d, 1212)->setText("100");
  Edit(&d, 1334)->setText("-6 kPa");
  PressOk(&d);
  EXPECT_EQ(prompts.texts, QStringList{"Please enter a number: Lower Range Limit"});
  EXPECT_EQ(TheAppSettings().portIndex, 2);

  prompts.texts.clear();
  Edit(&d, 1334)->setText("-6");
  PressOk(&d);
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("|").toStdString();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(TheAppSettings().portIndex, 9);
  EXPECT_EQ(TheAppSettings().dampingTime, 100);
}

TEST_F(DefaultParamsTest, ConvertsFromTheUnitTheLimitsAreWrittenIn) {
  CDefaultSetDlg d;
  QComboBox* unit = Combo(&d, 1332);
  Choose(unit, 1);  // MPa
  EXPECT_EQ(Edit(&d, 1334)->text(), "-0.0060");
  EXPECT_EQ(Edit(&d, 1337)->text(), "0.0060");
  Choose(unit, 2);  // BAR, from what the edit shows
  EXPECT_EQ(Edit(&d, 1337)->text(), "0.0600");
  EXPECT_EQ(d.m_nUnitIndex, 2);

  // An index range writes its limits and selects its unit entry without converting; the
  // limits still count as BAR.
  Choose(Combo(&d, 1331), 5);  // 7E
  EXPECT_EQ(Edit(&d, 1334)->text(), "0");
  EXPECT_EQ(Edit(&d, 1337)->text(), "2.5");
  EXPECT_EQ(unit->currentIndex(), 5);
  EXPECT_EQ(d.m_nUnitIndex, 2);
  Choose(Combo(&d, 1331), 0);  // 2E
  EXPECT_EQ(Edit(&d, 1334)->text(), "-1.6");
  EXPECT_EQ(unit->currentIndex(), 4);
  Choose(unit, 0);  // kPa, from BAR
  EXPECT_EQ(Edit(&d, 1334)->text(), "-160.0000");
  EXPECT_EQ(Edit(&d, 1337)->text(), "160.0000");
  // The units past the pressures have no factor: to and from them nothing changes.
  Choose(unit, 17);  // mm
  EXPECT_EQ(Edit(&d, 1337)->text(), "160.0000");
  Choose(unit, 3);  // PSI, from mm as from kPa
  EXPECT_EQ(Edit(&d, 1337)->text(), "23.2061");
  Choose(unit, 3);  // the same unit again
  EXPECT_EQ(Edit(&d, 1337)->text(), "23.2061");

  // A limit that is no number: refused, the list goes back and nothing converts.
  Edit(&d, 1337)->setText("high");
  Choose(unit, 0);
  EXPECT_EQ(prompts.texts, QStringList{"Please enter a number: Upper Range Limit"});
  EXPECT_EQ(unit->currentIndex(), 3);
  EXPECT_EQ(d.m_nUnitIndex, 3);
  EXPECT_EQ(Edit(&d, 1334)->text(), "-23.2061");

  Edit(&d, 1337)->setText("23.2061");
  PressOk(&d);
  EXPECT_EQ(TheAppSettings().rangeUnits, 3);
  EXPECT_EQ(TheAppSettings().rangeCode, 0);
  EXPECT_DOUBLE_EQ(TheAppSettings().rangeFull, 23.2061);
}

TEST_F(DefaultParamsTest, ASystemPortIsStoredAsTheLinkAndOneThatIsGoneStaysChosen) {
  systemPorts = {{"ttyUSB0", "FT232R USB UART", "/dev/ttyUSB0", 0x0403, 0x6001},
                 {"ttyS0", "", "/dev/ttyS0", std::nullopt, std::nullopt}};
  {
    CDefaultSetDlg d;
    QComboBox* ports = Combo(&d, 1082);
    ASSERT_EQ(ports->count(), 27);
    EXPECT_EQ(ports->itemText(0), "ttyUSB0 - FT232R USB UART (0403:6001)");
    EXPECT_EQ(ports->itemText(2), "COM1");
    EXPECT_EQ(ports->currentText(), "COM3");
    EXPECT_EQ(Named<QComboBox>(&d, "replyTimeout")->currentText(), "Tolerant");
    Choose(ports, 0);
    Choose(Named<QComboBox>(&d, "replyTimeout"), 1);
    PressOk(&d);
  }
  AppSettings& s = TheAppSettings();
  EXPECT_EQ(s.link, "/dev/ttyUSB0");
  EXPECT_EQ(s.portIndex, 2);
  EXPECT_EQ(s.replyTimeout, AppSettings::ReplyTimeout::Standard);

  // Unplugged: still shown and chosen, and OK keeps it.
  systemPorts.erase(systemPorts.begin());
  {
    CDefaultSetDlg d;
    QComboBox* ports = Combo(&d, 1082);
    EXPECT_EQ(ports->currentText(), "/dev/ttyUSB0 (not present)");
    EXPECT_EQ(ports->itemText(0), "ttyS0");
    EXPECT_EQ(Named<QComboBox>(&d, "replyTimeout")->currentText(), "HART standard");
    PressOk(&d);
  }
  EXPECT_EQ(s.link, "/dev/ttyUSB0");

  // A COM port takes the link away.
  {
    CDefaultSetDlg d;
    Choose(Combo(&d, 1082), Combo(&d, 1082)->findText("COM7"));
    PressOk(&d);
  }
  EXPECT_EQ(s.link, "");
  EXPECT_EQ(s.portIndex, 6);
}

TEST_F(DefaultParamsTest, AHartIpGatewayIsCheckedOnOkAndStoredAsItsLink) {
  OpenMainWindow();
  EXPECT_TRUE(WithMenuDialog([this](CDefaultSetDlg& d) {
    auto* kind = Named<QComboBox>(&d, "connectionKind");
    auto* host = Named<QLineEdit>(&d, "hartIpHost");
    auto* port = Named<QLineEdit>(&d, "hartIpPort");
    EXPECT_FALSE(host->isEnabled());
    Choose(kind, 1);
    EXPECT_TRUE(host->isEnabled());
    EXPECT_FALSE(Combo(&d, 1082)->isEnabled());
    EXPECT_EQ(port->text(), "5094");
    const QString bad[][3] = {
        {"", "5094", "Please enter a host: HART-IP Host"},
        {"gw 1", "5094", "A host name has no spaces: HART-IP Host"},
        {"gw1", "0", "Please enter a port from 1 to 65535: HART-IP Port"},
        {"gw1", "70000", "Please enter a port from 1 to 65535: HART-IP Port"}};
    for (const auto& [hostText, portText, message] : bad) {
      prompts.texts.clear();
      host->setText(hostText);
      port->setText(portText);
      PressOk(&d);
      EXPECT_EQ(prompts.texts, QStringList{message});
      EXPECT_NE(d.result(), QDialog::Accepted);
      EXPECT_EQ(TheAppSettings().link, "") << "nothing stored";
    }
    host->setText("10.0.0.7");
    port->setText("20004");
    Choose(Named<QComboBox>(&d, "hartIpProtocol"), 1);
    PressOk(&d);
  }));
  EXPECT_EQ(TheAppSettings().link, "hartip+tcp://10.0.0.7:20004");
  EXPECT_EQ(Pane(4), "HART-IP : 10.0.0.7:20004");

  // Opened again, it shows the gateway; back to UDP on the same host.
  EXPECT_TRUE(WithMenuDialog([this](CDefaultSetDlg& d) {
    EXPECT_EQ(Named<QComboBox>(&d, "connectionKind")->currentText(), "HART-IP");
    EXPECT_EQ(Named<QLineEdit>(&d, "hartIpHost")->text(), "10.0.0.7");
    EXPECT_EQ(Named<QLineEdit>(&d, "hartIpPort")->text(), "20004");
    EXPECT_EQ(Named<QComboBox>(&d, "hartIpProtocol")->currentText(), "TCP");
    EXPECT_EQ(Combo(&d, 1082)->currentText(), "COM3");
    Choose(Named<QComboBox>(&d, "hartIpProtocol"), 0);
    PressOk(&d);
  }));
  EXPECT_EQ(TheAppSettings().link, "hartip://10.0.0.7:20004");
}

}  // namespace
