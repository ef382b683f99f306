// Page 165, "Pressure Calibration": the factory characterisation of the pressure sensor over
// temperature. The device keeps, per temperature point (1..7), a table of N evenly spaced
// pressure points (2..26) holding the sensor's AD count there, and the temperature and its
// T-AD. The operator works one temperature point at a time: applies known pressures, samples
// them into rows (a live display of the AD counts then runs, green while the pressure AD is
// stable), and Update derives the N table points from the sampled rows and writes them with
// the current T-AD. Read Correction reads a stored table back into the rows.
//
// The page keeps its rows, counts and current temperature while other pages are shown.
#pragma once

#include <array>
#include <cstdint>

#include "PageDialog.h"
#include "calibration/CalibrationTable.h"

class CReadOnlyEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CDuoDianDlg : public PageDialog {
  Q_OBJECT

 public:
  static constexpr int kRows = 26;
  static constexpr int kTemperatures = 7;

  explicit CDuoDianDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnCbnSelchangeTempPoints(int index);
  void OnCbnSelchangePressPoints(int index);
  void OnCbnSelchangeCurTemp(int index);
  void OnEnChangeAd(int row);
  void OnEnChangePressure(int row);
  void OnBnClickedSampling(int row);
  void OnBnClickedUpdate();
  void OnBnClickedReadCorrection();
  void OnBnClickedReadCounts();
  void OnBnClickedReadTemps();
  void OnBnClickedClear();
  void OnBnClickedStop();

  int m_nTempPoints = -1;   // T
  int m_nPressPoints = -1;  // N
  int m_nRoomTemp = -1;     // T div 2
  int m_nCurTemp = -1;      // the temperature point being calibrated
  std::array<double, kRows> m_dPressure{};
  std::array<int, kRows> m_bSampled{};
  std::array<uint32_t, kRows> m_nAd{};
  float m_fRangeUpper = 0;
  float m_fRangeLower = 0;
  uint8_t m_rangeUnit = 0;  // the HART unit code of the range

 protected:
  void hideEvent(QHideEvent* event) override;
  // A change of language shows the captions composed from a number again.
  void changeEvent(QEvent* event) override;

 private:
  struct Row {
    QLabel* caption;
    QLineEdit* pressure;
    QLineEdit* ad;
    QPushButton* sampling;
  };

  // The temperature and row captions and the temperature list, in the language in force.
  void ShowCaptions();
  void StartAdMonitor();
  // The range label, with the unit suffix of the Sampling or of the Read Correction spelling.
  void ShowRange(float lower, float upper, uint8_t unitCode, bool readCorrectionSpelling);
  // The checks Update and Read Correction share; false when refused (the message shown).
  bool CanStartTableJob();
  // What the device records call the table and the T-AD of temperature point `temp`
  // ("Temperature 2 table", "Temperature 2 T-AD"), and how the table's text starts:
  // "Temperature 2 (25.00 °C)".
  static std::string TableName(int temp);
  static std::string TadName(int temp);
  QString TableCaption(int temp) const;
  // Writes `text` into an edit without its change handler storing it again.
  static void SetQuietly(QLineEdit* edit, const QString& text);

  QComboBox* m_comboTempPoints;   // 1394
  QComboBox* m_comboPressPoints;  // 1400
  QComboBox* m_comboCurTemp;      // 1389
  std::array<QLineEdit*, kTemperatures> m_editTemp{};
  std::array<QLabel*, kTemperatures> m_captionTemp{};
  CReadOnlyEdit* m_boxTad;  // 1304
  CReadOnlyEdit* m_boxPad;  // 1305
  QLabel* m_labelRange;     // 1306
  std::array<Row, kRows> m_rows{};
  // Touched only by the live display's worker.
  AdStability m_stability;
};
