// The loop current and the percentage pages: one value of command 2, its edit and its chart
// on a fixed band. The two pages differ only in what they name and which value they take.
#pragma once

#include <QStringList>

#include "MonitorPage.h"

class QLineEdit;

class LoopValueMonitor : public MonitorPage {
  Q_OBJECT

 public:
  void OnBnClickedStart();

 protected:
  struct Face {
    int dialogId;
    QString title;
    int editId;
    QString label;
    QString unit;
    int chartId;
    QString caption;
    float low;
    float high;
    QStringList axis;  // the fixed labels from the band's high value down to its low value
    float HartLoopReading::*value;
    QString fileStem;  // the proposed CSV file name's start
    QString csvValue;  // the value's column in the CSV file
  };
  LoopValueMonitor(CMorvaneDlg* mainDlg, const Face& face);

 private:
  float HartLoopReading::*m_value;
  QString m_unit;
  TrendRing m_samples;
  QLineEdit* m_edit = nullptr;
  TrendChart* m_chart = nullptr;
};
