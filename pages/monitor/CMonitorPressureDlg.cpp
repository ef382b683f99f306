#include "CMonitorPressureDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "PageForm.h"

CMonitorPressureDlg::CMonitorPressureDlg(CMorvaneDlg* mainDlg)
    : MonitorPage(mainDlg, 155, "Monitor PV", "monitor-pv", SampleLog(N_("PV"))) {
  auto* values = new QGridLayout;
  m_editPv = ValueRow(values, 0, N_("PV"), 1287, {}, 1292, &m_labelUnit);
  values->setColumnStretch(3, 1);
  Body()->addLayout(values);

  // Label 1293 is the unit's place on the other charts; here it stays empty.
  ChartPanel panel =
      MakeChartPanel(1284, N_("PV Trend Chart"), m_chartLower, m_chartUpper, {}, 1293);
  m_chart = panel.chart;
  m_labelUpper = panel.axis->AddLabel({}, 0.1, 1295);
  m_labelLower = panel.axis->AddLabel({}, 0.9, 1294);
  Body()->addWidget(panel.box, 1);

  connect(m_buttonStart, &QPushButton::clicked, this, &CMonitorPressureDlg::OnBnClickedStart);
}

void CMonitorPressureDlg::OnBnClickedStart() {
  auto pv = std::make_shared<HartPvReading>();
  Sampling sampling;
  sampling.clear = [this] {
    m_samples.Clear();
    m_chart->ShowSamples(m_samples);
  };
  sampling.showBand = [this](const HartOutputInfo& range) {
    m_chartUpper = range.upperRange;
    m_chartLower = range.lowerRange;
    m_labelUpper->setText(QString::asprintf("%.3f", m_chartUpper));
    m_labelLower->setText(QString::asprintf("%.3f", m_chartLower));
    m_labelUnit->setText(PvUnitName(range.rangeUnits));
    m_chart->SetBand(m_chartLower, m_chartUpper);
  };
  sampling.turn.push_back({[pv](DeviceState& ds) { return HartCmd1(ds, *pv); },
                           [this, pv] {
                             m_editPv->setText(Fixed4(pv->pv));
                             m_samples.Add(pv->pv);
                             LogSample(pv->pv, PvUnitName(pv->unitCode));
                             m_chart->ShowSamples(m_samples);
                           }});
  StartSampling(std::move(sampling));
}
