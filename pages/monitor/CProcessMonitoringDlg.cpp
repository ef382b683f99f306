#include "CProcessMonitoringDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "PageForm.h"

CProcessMonitoringDlg::CProcessMonitoringDlg(CMorvaneDlg* mainDlg)
    : MonitorPage(mainDlg, 157, "Monitor Process", "monitor-process",
                  SampleLog(N_("PV"), {N_("current (mA)"), N_("percentage (%)")})) {
  auto* grid = new QGridLayout;
  Body()->addLayout(grid, 1);

  ChartPanel pv = MakeChartPanel(1284, N_("PV Trend Chart"), m_chartLower, m_chartUpper, {}, 1293);
  m_pvChart = pv.chart;
  m_labelChartUnit = pv.unit;
  m_labelUpper = pv.axis->AddLabel({}, 0.1, 1295);
  m_labelLower = pv.axis->AddLabel({}, 0.9, 1294);
  grid->addWidget(pv.box, 0, 0);

  ChartPanel current = MakeChartPanel(1285, N_("Loop Trend Chart"), 4, 20, N_("mA"));
  m_currentChart = current.chart;
  AddFixedAxis(current.axis, {"20", "16", "12", "8", "4"});
  grid->addWidget(current.box, 0, 1);

  ChartPanel percent = MakeChartPanel(1286, N_("Percentage Trend Chart"), 0, 100, N_("%"));
  m_percentChart = percent.chart;
  AddFixedAxis(percent.axis, {"100", "75", "50", "25", "0"});
  grid->addWidget(percent.box, 1, 0);

  auto* valuesBox = new QGroupBox(this);
  auto* values = new QGridLayout(valuesBox);
  m_editPv = ValueRow(values, 0, N_("PV"), 1287, {}, 1292, &m_labelUnit);
  m_editCurrent = ValueRow(values, 1, N_("Loop Current"), 1288, N_("mA"));
  m_editPercent = ValueRow(values, 2, N_("Percentage"), 1289, N_("%"));
  values->setRowStretch(3, 1);
  grid->addWidget(valuesBox, 1, 1);
  grid->setRowStretch(0, 1);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  connect(m_buttonStart, &QPushButton::clicked, this, &CProcessMonitoringDlg::OnBnClickedStart);
}

void CProcessMonitoringDlg::OnBnClickedStart() {
  auto pv = std::make_shared<HartPvReading>();
  auto loop = std::make_shared<HartLoopReading>();
  Sampling sampling;
  sampling.clear = [this] {
    for (TrendRing* ring : {&m_currentSamples, &m_pvSamples, &m_percentSamples})
      ring->Clear();
    m_currentChart->ShowSamples(m_currentSamples);
    m_pvChart->ShowSamples(m_pvSamples);
    m_percentChart->ShowSamples(m_percentSamples);
  };
  sampling.showBand = [this](const HartOutputInfo& range) {
    m_chartUpper = range.upperRange;
    m_chartLower = range.lowerRange;
    m_labelUpper->setText(QString::asprintf("%.3f", m_chartUpper));
    m_labelLower->setText(QString::asprintf("%.3f", m_chartLower));
    const QString unit = PvUnitName(range.rangeUnits);
    m_labelUnit->setText(unit);
    m_labelChartUnit->setText(unit);
    m_pvChart->SetBand(m_chartLower, m_chartUpper);
  };
  sampling.turn.push_back({[pv](DeviceState& ds) { return HartCmd1(ds, *pv); },
                           [this, pv] { m_editPv->setText(Fixed4(pv->pv)); }});
  // The turn's values enter the rings and the log only once both readings have succeeded;
  // the log's line is stamped with the loop reading's arrival.
  sampling.turn.push_back(
      {[loop](DeviceState& ds) { return HartCmd2(ds, *loop); },
       [this, pv, loop] {
         m_editCurrent->setText(Fixed4(loop->current));
         m_editPercent->setText(Fixed4(loop->percent));
         m_currentSamples.Add(loop->current);
         m_pvSamples.Add(pv->pv);
         m_percentSamples.Add(loop->percent);
         LogSample(pv->pv, PvUnitName(pv->unitCode), {loop->current, loop->percent});
         m_currentChart->ShowSamples(m_currentSamples);
         m_pvChart->ShowSamples(m_pvSamples);
         m_percentChart->ShowSamples(m_percentSamples);
       }});
  StartSampling(std::move(sampling));
}
