// The trend chart as it paints: rendered offscreen and read back pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "TrendChart.h"

namespace {

const QRgb kTrace = qRgb(100, 255, 50);
const QRgb kGrid = qRgb(100, 100, 100);
const QRgb kBlack = qRgb(0, 0, 0);

// 1000 by 100 pixels: slot i lies at x = 10 i, the band's low value at y = 90, its high at 10.
QImage Render(const TrendRing& ring, float low, float high) {
  TrendChart chart(1285, "Loop Current Trend Chart", low, high);
  chart.resize(1000, 100);
  chart.ShowSamples(ring);
  QImage image(chart.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  chart.render(&image);
  return image;
}

bool TraceNear(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == kTrace) return true;
  return false;
}

int TracePixels(const QImage& image, int fromX) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = fromX; x < image.width(); ++x)
      n += image.pixel(x, y) == kTrace ? 1 : 0;
  return n;
}

TrendRing RingOf(std::initializer_list<float> values) {
  TrendRing ring;
  for (float v : values)
    ring.Add(v);
  return ring;
}

TEST(TrendChart, BandEndsAtNinetyAndTenPercentTraceFromTopLeftAndNothingPastTheLastReading) {
  const QImage image = Render(RingOf({4, 20, 12}), 4, 20);
  EXPECT_EQ(image.pixel(0, 90), kTrace);   // 4 mA: 90 % of the height
  EXPECT_EQ(image.pixel(10, 10), kTrace);  // 20 mA: 10 %
  EXPECT_EQ(image.pixel(20, 50), kTrace);  // 12 mA: half way
  EXPECT_TRUE(TraceNear(image, 0, 45)) << "first segment from the top-left corner";
  EXPECT_TRUE(TraceNear(image, 5, 50));
  EXPECT_TRUE(TraceNear(image, 15, 30));
  // The 97 empty slots draw nothing: no line down to the no-value marker.
  EXPECT_EQ(TracePixels(image, 22), 0);
  // Grid at floor(i * w / 10 + 0.5) on black.
  EXPECT_EQ(image.pixel(100, 5), kGrid);
  EXPECT_EQ(image.pixel(500, 70), kGrid);
  EXPECT_EQ(image.pixel(300, 30), kGrid);
  EXPECT_EQ(image.pixel(555, 55), kBlack);
}

TEST(TrendChart, EqualBandValuesDrawAFlatLineAtMidHeight) {
  const QImage image = Render(RingOf({1, 9, 5}), 5, 5);
  for (int x : {0, 5, 10, 15, 20})
    EXPECT_EQ(image.pixel(x, 50), kTrace) << x;
  EXPECT_TRUE(TraceNear(image, 0, 25));
  EXPECT_EQ(TracePixels(image, 22), 0);
  // Nothing but the flat line right of the corner's segment.
  int offLine = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 1; x <= 21; ++x)
      offLine += std::abs(y - 50) > 1 && image.pixel(x, y) == kTrace ? 1 : 0;
  EXPECT_EQ(offLine, 0);
}

TEST(TrendChart, EmptyRingShowsOnlyTheGridAndTheDescriptionCountsReadings) {
  EXPECT_EQ(TracePixels(Render(TrendRing(), 0, 100), 0), 0);

  TrendChart chart(1286, "Percentage Trend Chart", 0, 100);
  EXPECT_EQ(chart.accessibleName(), "Percentage Trend Chart");
  EXPECT_EQ(chart.accessibleDescription(), "0 samples");
  chart.ShowSamples(RingOf({1}));
  EXPECT_EQ(chart.accessibleDescription(), "1 sample");
  chart.ShowSamples(RingOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(chart.accessibleDescription(), "12 samples");
}

}  // namespace
