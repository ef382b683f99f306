// The window a device search ends in: the search's verdict as its heading ("Online 3 Device",
// or where a stopped search stopped) and one row per device found: polling address, tag,
// manufacturer, device type and device id. OK or a double click on a row chooses that
// device; Cancel or closing the window chooses nothing.
#pragma once

#include <QDialog>
#include <vector>

#include "DeviceSearch.h"

class QLabel;
class QPushButton;
class QTableWidget;

class SearchResultsDlg : public QDialog {
  Q_OBJECT

 public:
  enum Column { kAddress, kTag, kManufacturer, kDeviceType, kDeviceId, kColumnCount };

  SearchResultsDlg(const QString& heading, const std::vector<FoundDevice>& devices,
                   QWidget* parent = nullptr);

  QTableWidget* Table() const { return m_table; }

 signals:
  // The user chose the device at this polling address (OK or a double click).
  void deviceChosen(int address);

 private:
  void Choose(int row);

  QLabel* m_heading = nullptr;
  QTableWidget* m_table = nullptr;
  QPushButton* m_ok = nullptr;
};
