// Page 152, "Special Parameters Settings": zero trim, loop alarm, local display and the
// compensation and flow-geometry parameters, with the sensor die temperature. The values
// live in two device records, the sensor record (147/187) and the compensation record
// (145/146); an Update writes both and then resets the device (command 42).
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "PageDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

class CSpecialParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CSpecialParamDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();

  // The name static 1379 shows for a HART unit code; empty for a code this page does not name.
  static QString ZeroTrimUnitName(int unitCode);

  // The lists of the loop alarm type, display mode and number format; the device records
  // name these codes by them on every page.
  static const QStringList& AlarmTypeTexts();
  static const QStringList& DisplayModeTexts();
  static const QStringList& NumberFormatTexts();
  // Those three settings of a sensor record as the records name them.
  static std::vector<RecordedValue> SensorValues(const HartSensorRecord& sensor);

 private:
  // The records' values of the sensor record (zero trim in `zeroUnit`, then the three
  // settings) and of the compensation record, as the record holds them when asked.
  static RecordedValues SensorRecordValues(std::shared_ptr<HartSensorRecord> sensor,
                                           std::shared_ptr<QString> zeroUnit);
  RecordedValues CompRecordValues(std::shared_ptr<HartCompRecord> comp) const;

  QLineEdit* m_editZeroTrim;  // 1215
  QLabel* m_labelZeroUnit;    // 1379
  QLineEdit* m_editDieTemp;   // 1222, read-only
  // 1220, 1190, 1194, 1192, 1193, 1196: compensation values 0..5.
  std::array<QLineEdit*, 6> m_editComp{};
  QComboBox* m_comboDensityComp;  // 1223
  QComboBox* m_comboAlarm;        // 1216
  QComboBox* m_comboDisplay;      // 1217
  QComboBox* m_comboFormat;       // 1218
};
