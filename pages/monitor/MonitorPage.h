// What the four monitor pages share: Start, Stop and Save CSV along the top, the value rows,
// the chart panels, the sampling job and the log of the run's readings. A page states what one turn
// reads and shows; the start sequence and the loop are written here once.
//
// Sampling runs as the background job on the job pair: one reading (or two) per turn, the
// value shown and stored in the page's ring, then a 300 ms pause that ends early when Stop,
// a tree click or closing drops the run flag. Leaving the page through the menu does not
// stop it, and the samples stay on the chart after a stop until the next Start.
//
// Each turn's readings also go into the page's SampleLog with the time they arrived, in the
// same display step that fills the ring; Start empties it with the rings, Stop keeps it, and
// Save CSV writes it (while sampling runs too: the log only lives on the UI thread).
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "PageDialog.h"
#include "SampleLog.h"
#include "TrendChart.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

class MonitorPage : public PageDialog {
  Q_OBJECT

 public:
  // The shared Stop (button 1291): the sampling job ends at its next turn.
  void OnBnClickedStop();
  // Save CSV: the run's readings into a file the user picks; "No samples to save." before
  // the first reading of a run.
  void OnBnClickedSaveCsv();

 protected:
  // `fileStem` begins the proposed file name ("monitor-pv"); `log` names the file's columns.
  MonitorPage(CMorvaneDlg* mainDlg, int dialogId, const QString& title, const QString& fileStem,
              SampleLog log);

  // The page's layout below Start and Stop.
  QVBoxLayout* Body() const { return m_body; }

  // A row of `grid`: the label, the value edit (named by the label) and its unit.
  // `unit`, when given, receives the unit label.
  QLineEdit* ValueRow(QGridLayout* grid, int row, const QString& label, int editId,
                      const QString& unitText = {}, int unitId = 0, QLabel** unit = nullptr);

  // A chart in a box captioned `caption`: the unit above the axis, the axis labels at their
  // heights down the chart's left side.
  struct ChartPanel {
    QWidget* box = nullptr;
    TrendChart* chart = nullptr;
    QLabel* unit = nullptr;
    TrendAxis* axis = nullptr;
  };
  ChartPanel MakeChartPanel(int chartId, const QString& caption, float low, float high,
                            const QString& unitText, int unitId = 0);
  // The fixed labels "20", "16", ... at the band's high value, three quarters, half, one
  // quarter and its low value.
  static void AddFixedAxis(TrendAxis* axis, const QStringList& topToBottom);

  // One exchange of a sampling turn and what the page shows once it has succeeded (UI
  // thread). The last reading of a turn stores the turn's values in the rings.
  struct Reading {
    DeviceExchange exchange;
    std::function<void()> show;
  };
  struct Sampling {
    // UI thread, once the device is addressed: empty the rings before the first reading.
    std::function<void()> clear;
    // With a band: command 15 first, in the progress range 0..2, and the device's range
    // goes onto the page; sampling starts only when it succeeded.
    std::function<void(const HartOutputInfo&)> showBand;
    std::vector<Reading> turn;
  };
  // The Start of every monitor page: refused with "Busy!Try later." while a job runs. The
  // log empties together with the rings.
  void StartSampling(Sampling sampling);
  // Where the display step stores the rings: the turn's readings into the log, stamped now.
  void LogSample(float value, const QString& unit, std::initializer_list<float> more = {});

  QPushButton* m_buttonStart = nullptr;
  QPushButton* m_buttonStop = nullptr;
  QPushButton* m_buttonSaveCsv = nullptr;

 private:
  // The worker's loop: reads turn after turn while the job runs; a failed reading shows
  // "Communication Failure:%s" and ends it.
  static void MonitorThreadProc(JobContext& c, const std::vector<Reading>& turn);

  QVBoxLayout* m_body = nullptr;
  QString m_fileStem;
  SampleLog m_log;
};

// The PV range unit's name for a HART unit code; empty for a code the table does not know.
QString PvUnitName(int unitCode);
