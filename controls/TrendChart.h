// The trend chart of the monitor pages: the last 100 readings of one value as a green trace
// over a 10 by 10 grid on black. The band's low value is drawn at 90 % of the height, its
// high value at 10 %; a reading's x position is its slot in the ring, not its time.
//
//   TrendRing ring;                       // 100 empty slots
//   auto* chart = new TrendChart(1285, "Loop Current Trend Chart", 4, 20, parent);
//   ring.Add(12.0f);
//   chart->ShowSamples(ring);             // repaints, and tells screen readers "1 sample"
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <utility>
#include <vector>

// The last readings of one value, slot by slot. A slot holding kEmpty has no reading. After
// the last slot has been filled the ring starts again empty, so the trace restarts at the
// chart's left edge.
class TrendRing {
 public:
  static constexpr int kSlots = 100;
  static constexpr float kEmpty = -9999.9f;

  TrendRing() { Clear(); }

  void Clear();
  void Add(float value);

  float Slot(int i) const { return m_samples[static_cast<size_t>(i)]; }
  static bool Holds(float slot) { return slot > -9999.0f; }
  // The slot the next reading goes into.
  int NextSlot() const { return m_sampleCount; }
  // How many slots hold a reading.
  int Count() const;

 private:
  std::array<float, kSlots> m_samples;
  int m_sampleCount = 0;
};

class TrendChart : public QWidget {
  Q_OBJECT

 public:
  // `id` is the chart frame's control id, `caption` the chart's name for screen readers.
  TrendChart(int id, const QString& caption, float low, float high, QWidget* parent = nullptr);

  // The values drawn at 90 % (low) and 10 % (high) of the height.
  void SetBand(float low, float high);
  float Low() const { return m_low; }
  float High() const { return m_high; }

  // Draws `ring` from now on (a copy: the chart never looks at the page's ring later).
  void ShowSamples(const TrendRing& ring);
  const TrendRing& Samples() const { return m_ring; }

  QSize sizeHint() const override { return {320, 200}; }
  QSize minimumSizeHint() const override { return {200, 120}; }

 signals:
  // After every ShowSamples, with the number of readings now drawn.
  void samplesShown(int count);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TrendRing m_ring;
  float m_low;
  float m_high;
};

// The labels down a chart's left side, each centred on its fraction of the height (0.1 is
// the band's high value, 0.9 its low value), so they stay beside the grid lines they name.
class TrendAxis : public QWidget {
  Q_OBJECT

 public:
  explicit TrendAxis(QWidget* parent = nullptr);

  // A label at `fraction` of the height; `id`, when not 0, is its control id.
  QLabel* AddLabel(const QString& text, double fraction, int id = 0);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place();

  std::vector<std::pair<QLabel*, double>> m_labels;
};
