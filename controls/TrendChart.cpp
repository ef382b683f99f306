#include "TrendChart.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "Language.h"

namespace {

const QColor kGridColour(100, 100, 100);
const QColor kTraceColour(100, 255, 50);

// Far enough outside any chart to be clipped, near enough to stay an int.
constexpr double kBeyondEdges = 1e6;

int Trunc(double v) {
  if (std::isnan(v)) return static_cast<int>(kBeyondEdges);  // an infinite band: off the chart
  return static_cast<int>(std::clamp(v, -kBeyondEdges, kBeyondEdges));
}

QString SamplesText(int count) {
  return count == 1 ? Tr("1 sample") : Tr("%1 samples").arg(count);
}

}  // namespace

// ---- TrendRing ----

void TrendRing::Clear() {
  m_samples.fill(kEmpty);
  m_sampleCount = 0;
}

void TrendRing::Add(float value) {
  m_samples[static_cast<size_t>(m_sampleCount)] = value;
  if (++m_sampleCount == kSlots) Clear();
}

int TrendRing::Count() const {
  return static_cast<int>(std::count_if(m_samples.begin(), m_samples.end(), Holds));
}

// ---- TrendChart ----

TrendChart::TrendChart(int id, const QString& caption, float low, float high, QWidget* parent)
    : QWidget(parent), m_low(low), m_high(high) {
  setObjectName(QString::number(id));
  setAccessibleName(caption);
  setAccessibleDescription(SamplesText(0));
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted: nothing to erase first
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TrendChart::SetBand(float low, float high) {
  m_low = low;
  m_high = high;
  update();
}

void TrendChart::ShowSamples(const TrendRing& ring) {
  m_ring = ring;
  const int count = m_ring.Count();
  setAccessibleDescription(SamplesText(count));
  update();
  emit samplesShown(count);
}

void TrendChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width();
  const int h = height();
  painter.fillRect(rect(), Qt::black);

  painter.setPen(QPen(kGridColour, 1));
  for (int i = 1; i <= 9; ++i) {
    const int x = static_cast<int>(std::floor(i * w / 10.0 + 0.5));
    const int y = static_cast<int>(std::floor(i * h / 10.0 + 0.5));
    painter.drawLine(x, 0, x, h);
    painter.drawLine(0, y, w, y);
  }

  // The trace starts at the top-left corner and joins the readings in slot order.
  QPolygon trace;
  trace << QPoint(0, 0);
  const double band = static_cast<double>(m_high) - m_low;
  for (int i = 0; i < TrendRing::kSlots; ++i) {
    const float v = m_ring.Slot(i);
    if (!TrendRing::Holds(v)) continue;
    const int x = Trunc(w / 100.0 * i);
    // A band of no height would divide by zero: its readings lie on the middle line.
    const int y = band == 0 ? Trunc(0.5 * h)
                            : Trunc(0.9 * h - (static_cast<double>(v) - m_low) * 0.8 * h / band);
    trace << QPoint(x, y);
  }
  if (trace.size() < 2) return;
  painter.setPen(QPen(kTraceColour, 1));
  painter.drawPolyline(trace);
}

// ---- TrendAxis ----

TrendAxis::TrendAxis(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

QLabel* TrendAxis::AddLabel(const QString& text, double fraction, int id) {
  auto* label = new QLabel(text, this);
  if (id) label->setObjectName(QString::number(id));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_labels.emplace_back(label, fraction);
  Place();
  return label;
}

QSize TrendAxis::sizeHint() const {
  // Wide enough for a range value such as "-1000.000" whatever the labels hold now.
  int w = fontMetrics().horizontalAdvance(QStringLiteral("-00000.000"));
  for (const auto& [label, fraction] : m_labels)
    w = std::max(w, label->sizeHint().width());
  return {w + 4, 120};
}

void TrendAxis::resizeEvent(QResizeEvent*) {
  Place();
}

void TrendAxis::Place() {
  for (const auto& [label, fraction] : m_labels) {
    const int lh = label->sizeHint().height();
    const int centre = static_cast<int>(fraction * height());
    const int top = std::clamp(centre - lh / 2, 0, std::max(0, height() - lh));
    label->setGeometry(0, top, width(), lh);
  }
}
