#include "LoopValueMonitor.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "PageForm.h"

LoopValueMonitor::LoopValueMonitor(CMorvaneDlg* mainDlg, const Face& face)
    : MonitorPage(mainDlg, face.dialogId, face.title, face.fileStem, SampleLog(face.csvValue)),
      m_value(face.value),
      m_unit(face.unit) {
  auto* values = new QGridLayout;
  m_edit = ValueRow(values, 0, face.label, face.editId, face.unit);
  values->setColumnStretch(3, 1);
  Body()->addLayout(values);

  ChartPanel panel = MakeChartPanel(face.chartId, face.caption, face.low, face.high, face.unit);
  m_chart = panel.chart;
  AddFixedAxis(panel.axis, face.axis);
  Body()->addWidget(panel.box, 1);

  connect(m_buttonStart, &QPushButton::clicked, this, &LoopValueMonitor::OnBnClickedStart);
}

void LoopValueMonitor::OnBnClickedStart() {
  auto loop = std::make_shared<HartLoopReading>();
  Sampling sampling;
  sampling.clear = [this] {
    m_samples.Clear();
    m_chart->ShowSamples(m_samples);
  };
  sampling.turn.push_back({[loop](DeviceState& ds) { return HartCmd2(ds, *loop); },
                           [this, loop] {
                             const float value = (*loop).*m_value;
                             m_edit->setText(Fixed4(value));
                             m_samples.Add(value);
                             LogSample(value, m_unit);
                             m_chart->ShowSamples(m_samples);
                           }});
  StartSampling(std::move(sampling));
}
