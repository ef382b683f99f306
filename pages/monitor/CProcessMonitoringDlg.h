// Page 157: PV, loop current and percent of range together, each with its trend. Start reads
// the PV range (command 15) for the PV chart's band, then samples command 1 and command 2
// each turn until stopped; the three readings of a turn share one slot of the rings.
#pragma once

#include "MonitorPage.h"

class QLabel;
class QLineEdit;

class CProcessMonitoringDlg : public MonitorPage {
  Q_OBJECT

 public:
  explicit CProcessMonitoringDlg(CMorvaneDlg* mainDlg);

  // Also what "Monitor All" runs once it has shown the page.
  void OnBnClickedStart();

 private:
  TrendRing m_currentSamples;
  TrendRing m_pvSamples;
  TrendRing m_percentSamples;
  float m_chartUpper = 6.0f;
  float m_chartLower = -6.0f;

  QLineEdit* m_editPv = nullptr;
  QLineEdit* m_editCurrent = nullptr;
  QLineEdit* m_editPercent = nullptr;
  QLabel* m_labelUnit = nullptr;       // 1292, after the PV value
  QLabel* m_labelChartUnit = nullptr;  // 1293, at the PV chart's top-left
  QLabel* m_labelUpper = nullptr;
  QLabel* m_labelLower = nullptr;
  TrendChart* m_pvChart = nullptr;
  TrendChart* m_currentChart = nullptr;
  TrendChart* m_percentChart = nullptr;
};
