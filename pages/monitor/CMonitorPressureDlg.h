// Page 155: the live PV and its trend. Start reads the PV range (command 15) for the chart's
// band, then samples command 1 until stopped.
#pragma once

#include "MonitorPage.h"

class QLabel;
class QLineEdit;

class CMonitorPressureDlg : public MonitorPage {
  Q_OBJECT

 public:
  explicit CMonitorPressureDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedStart();

 private:
  TrendRing m_samples;
  float m_chartUpper = 6.0f;
  float m_chartLower = -6.0f;

  QLineEdit* m_editPv = nullptr;
  QLabel* m_labelUnit = nullptr;
  QLabel* m_labelUpper = nullptr;
  QLabel* m_labelLower = nullptr;
  TrendChart* m_chart = nullptr;
};
