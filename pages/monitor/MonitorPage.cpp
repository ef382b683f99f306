#include "MonitorPage.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <utility>

#include "Encoding.h"
#include "PageForm.h"
#include "Prompts.h"
#include "SafeFile.h"
#include "Texts.h"
#include "UiThreadQueue.h"

namespace {
constexpr int kSamplePeriodMs = 300;
constexpr char kCsvFilter[] = "CSV (*.csv)";
}  // namespace

QString PvUnitName(int unitCode) {
  return QString::fromUtf8(HartUnitLabel(unitCode));
}

MonitorPage::MonitorPage(CMorvaneDlg* mainDlg, int dialogId, const QString& title,
                         const QString& fileStem, SampleLog log)
    : PageDialog(mainDlg, dialogId, title), m_fileStem(fileStem), m_log(std::move(log)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  auto* buttons = new QHBoxLayout;
  m_buttonStart = PageButton("Start", 1290, this);
  m_buttonStop = PageButton("Stop", 1291, this);
  // A button of this program's own, so a name rather than a control id.
  m_buttonSaveCsv = PageButton("Save CSV", 0, this);
  m_buttonSaveCsv->setObjectName("buttonSaveCsv");
  m_buttonSaveCsv->setAccessibleDescription("Saves the readings since Start as a CSV file");
  buttons->addWidget(m_buttonStart);
  buttons->addWidget(m_buttonStop);
  buttons->addSpacing(12);
  buttons->addWidget(m_buttonSaveCsv);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  m_body = new QVBoxLayout;
  layout->addLayout(m_body, 1);
  connect(m_buttonStop, &QPushButton::clicked, this, &MonitorPage::OnBnClickedStop);
  connect(m_buttonSaveCsv, &QPushButton::clicked, this, &MonitorPage::OnBnClickedSaveCsv);
}

void MonitorPage::OnBnClickedStop() {
  StopJob();
}

void MonitorPage::OnBnClickedSaveCsv() {
  if (m_log.Count() == 0) {
    Refuse("No samples to save.");
    return;
  }
  const QString name =
      m_fileStem + m_log.StartTime().toString(QStringLiteral("-yyyyMMdd-HHmmss")) + ".csv";
  const QString path = AskSaveFile(kCsvFilter, name);
  if (path.isEmpty()) return;
  QString error;
  if (!m_log.SaveCsv(path, &error)) {
    ShowMessage(SaveFailureMessage(path, error));
    return;
  }
  if (m_log.Dropped() > 0) {
    ShowMessage(TrFormat(N_("This run has more samples than are kept. The file holds the last "
                            "%lld; the %lld before them were dropped."),
                         static_cast<long long>(m_log.Count()),
                         static_cast<long long>(m_log.Dropped())));
  }
}

void MonitorPage::LogSample(float value, const QString& unit, std::initializer_list<float> more) {
  m_log.Add(SampleTime(), value, unit, more);
}

QLineEdit* MonitorPage::ValueRow(QGridLayout* grid, int row, const QString& label, int editId,
                                 const QString& unitText, int unitId, QLabel** unit) {
  auto* text = new QLabel(label, this);
  text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::number(editId));
  edit->setAccessibleName(label);
  edit->setReadOnly(true);
  edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(14, QChar('0'))) + 12);
  text->setBuddy(edit);
  auto* unitLabel = new QLabel(unitText, this);
  if (unitId) unitLabel->setObjectName(QString::number(unitId));
  unitLabel->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("kg/cm2")));
  grid->addWidget(text, row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(unitLabel, row, 2);
  if (unit) *unit = unitLabel;
  return edit;
}

MonitorPage::ChartPanel MonitorPage::MakeChartPanel(int chartId, const QString& caption, float low,
                                                    float high, const QString& unitText,
                                                    int unitId) {
  ChartPanel panel;
  auto* box = new QGroupBox(caption, this);
  box->setAccessibleName(caption);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  panel.box = box;
  panel.unit = new QLabel(unitText, box);
  if (unitId) panel.unit->setObjectName(QString::number(unitId));
  panel.unit->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  panel.axis = new TrendAxis(box);
  panel.chart = new TrendChart(chartId, caption, low, high, box);
  grid->addWidget(panel.unit, 0, 0);
  grid->addWidget(panel.axis, 1, 0);
  grid->addWidget(panel.chart, 1, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  return panel;
}

void MonitorPage::AddFixedAxis(TrendAxis* axis, const QStringList& topToBottom) {
  // From the band's high value at 10 % of the height to its low value at 90 %.
  const double step = topToBottom.size() > 1 ? 0.8 / (topToBottom.size() - 1) : 0;
  for (int i = 0; i < topToBottom.size(); ++i)
    axis->AddLabel(topToBottom[i], 0.1 + step * i);
}

void MonitorPage::StartSampling(Sampling sampling) {
  // The run's start time (for the file name) is when the log empties.
  sampling.clear = [this, clearRings = std::move(sampling.clear)] {
    m_log.Start(SampleTime());
    if (clearRings) clearRings();
  };
  auto s = std::make_shared<const Sampling>(std::move(sampling));
  auto sample = [this, s] { StartJob([s](JobContext& c) { MonitorThreadProc(c, s->turn); }); };
  if (!s->showBand) {
    if (!JobIdle()) {
      Refuse(Texts::kBusy);
      return;
    }
    StartJob([s](JobContext& c) {
      if (!OpenPortOrReport(c.ds, c.host) || !PrepareDeviceAddress(c.ds, c.host)) return;
      c.host.OnUiThread(s->clear);
      MonitorThreadProc(c, s->turn);
    });
    return;
  }
  auto info = std::make_shared<HartOutputInfo>();
  DeviceOperation op;
  op.busyCheck = true;
  op.progressHigh = 2;
  // Once the device is addressed the rings empty, whatever command 15 then brings.
  op.Check([s] {
    TheUiQueue().Call(s->clear);
    return std::string();
  });
  op.Step([info](DeviceState& ds) { return HartCmd15(ds, *info); },
          [s, info] { s->showBand(*info); });
  RunOperation(std::move(op), [sample](OperationResult result) {
    if (result == OperationResult::Done) sample();
  });
}

void MonitorPage::MonitorThreadProc(JobContext& c, const std::vector<Reading>& turn) {
  while (c.job.Running()) {
    for (const Reading& reading : turn) {
      const HartResult result = reading.exchange(c.ds);
      if (result != HART_OK) {
        // What the turn already showed stays; nothing of it went into the rings.
        c.host.ShowMessage(Texts::CommunicationFailure(result));
        return;
      }
      c.host.OnUiThread(reading.show);
    }
    c.job.Pause(kSamplePeriodMs);
  }
}
