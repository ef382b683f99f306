#include "Certificate.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>

#include "Language.h"

namespace check {

QString FixedText(double value, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  if (text.startsWith('-') && text.toDouble() == 0) text.remove(0, 1);
  return text;
}

QString SignedText(double value, int decimals) {
  const QString text = FixedText(value, decimals);
  return text.startsWith('-') || text.toDouble() == 0 ? text : "+" + text;
}

namespace {

// ---- Texts ----

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QString WithUnit(const QString& number, const std::string& unit) {
  return unit.empty() ? number : number + " " + Q(unit);
}

QString Interval(double lower, double upper, const std::string& unit) {
  return WithUnit(FixedText(lower) + ".." + FixedText(upper), unit);
}

QString PointText(double percent) {
  return QString::number(percent + 0.0, 'g', 10) + " %";
}

// The certificate is painted in the language in force when it is saved; its numbers, dates
// and the device's own texts are the same in every language.

// A verdict as the certificate shows it.
QString ShownVerdict(Verdict v) {
  switch (v) {
    case Verdict::Pass:
      return Tr("PASS");
    case Verdict::Fail:
      return Tr("FAIL");
    case Verdict::Incomplete:
      break;
  }
  return Tr("INCOMPLETE");
}

QString TransferText(bool squareRoot) {
  return Tr(squareRoot ? N_("square root") : N_("linear"));
}

QString RuleText(const Setup& setup, const DeviceRange& range) {
  if (setup.rule == Rule::Simple) return Tr("simple acceptance");
  return TrFormat("guarded by the reference uncertainty (%s %% of span)",
                  qUtf8Printable(FixedText(UncertaintyPercentOfSpan(setup, range))));
}

QString UncertaintyText(const Setup& setup, const DeviceRange& range) {
  const std::string& unit = setup.referenceUncertaintyUnit;
  const QString typed = QString::number(setup.referenceUncertainty, 'g', 10);
  if (unit.empty() || unit == kPercentOfSpan)
    return TrFormat("%s %% of span (k = 2)", qUtf8Printable(typed));
  return TrFormat("%s %s (k = 2), %s %% of span", qUtf8Printable(typed), unit.c_str(),
                  qUtf8Printable(FixedText(UncertaintyPercentOfSpan(setup, range))));
}

QString TimeText(const QDateTime& t) {
  const int offset = t.offsetFromUtc() / 60;
  const QString zone = QString("UTC%1%2:%3")
                           .arg(offset < 0 ? '-' : '+')
                           .arg(std::abs(offset) / 60, 2, 10, QChar('0'))
                           .arg(std::abs(offset) % 60, 2, 10, QChar('0'));
  return t.toString("yyyy-MM-dd HH:mm:ss") + " " + zone;
}

QString ToleranceText(const Setup& setup) {
  return TrFormat("PV ±%s %% of span, loop current ±%s %% of span",
                  qUtf8Printable(FixedText(setup.pvTolerance)),
                  qUtf8Printable(FixedText(setup.currentTolerance)));
}

using KeyValueRows = std::vector<std::pair<QString, QString>>;

bool HasRun(const CertificateRun& run) {
  return !run.readings.empty();
}

int UnreadPoints(const CertificateRun& run) {
  return static_cast<int>(std::count_if(run.readings.begin(), run.readings.end(),
                                        [](const PointReading& r) { return !r.read; }));
}

// Only shown, never recorded: in the language in force.
std::string RunRefusal(const char* name, const CertificateRun& run) {
  const QByteArray shownName = Tr(name).toUtf8();
  if (std::string why = RangeRefusal(run.range); !why.empty())
    return TrFormat("%s: %s", shownName.constData(), why.c_str()).toStdString();
  const int unread = UnreadPoints(run);
  if (unread == 0) return {};
  const int count = static_cast<int>(run.readings.size());
  return (count == 1    ? TrFormat("the %s run is incomplete: 1 of 1 point is not read",
                                   shownName.constData())
          : unread == 1 ? TrFormat("the %s run is incomplete: 1 of %d points is not read",
                                   shownName.constData(), count)
                        : TrFormat("the %s run is incomplete: %d of %d points are not read",
                                   shownName.constData(), unread, count))
      .toStdString();
}

// One row of a run's table, as the PDF and the CSV show it.
struct RowTexts {
  QString point, nominal, reference, pv, pvError, expectedMa, measuredMa, currentError, result;
};

RowTexts Row(const PointReading& reading, const PointResult& result) {
  RowTexts row;
  row.point = PointText(reading.percent);
  row.nominal = FixedText(reading.nominal);
  row.expectedMa = FixedText(result.expectedMa);
  if (!reading.read) {
    row.result = N_("NOT READ");
    return row;
  }
  row.reference = FixedText(reading.reference);
  row.pv = FixedText(reading.pv);
  row.pvError = SignedText(result.pvError);
  row.measuredMa = FixedText(reading.currentMa);
  row.currentError = SignedText(result.currentError);
  row.result = result.pass ? N_("PASS") : N_("FAIL");
  return row;
}

QString CsvField(const QString& field) {
  if (!field.contains(',') && !field.contains('"') && !field.contains('\n') &&
      !field.contains('\r'))
    return field;
  QString quoted = field;
  quoted.replace("\"", "\"\"");
  return "\"" + quoted + "\"";
}

// ---- The page ----

constexpr int kDpi = 600;
constexpr double kPageWidth = 210, kPageHeight = 297;  // mm, A4
constexpr double kLeft = 16, kWidth = kPageWidth - 2 * kLeft;
constexpr double kTop = 14, kBottom = kPageHeight - 20;  // the foot lies below
constexpr double kGap = 5;
constexpr double kRowHeight = 4.3;

const QColor kInk(20, 20, 20);
const QColor kGray(105, 105, 105);
const QColor kRule(170, 170, 170);
const QColor kPassColor(0, 115, 45);
const QColor kFailColor(190, 20, 20);
const QColor kAsFoundColor(200, 60, 20);
const QColor kAsLeftColor(25, 80, 190);
const QColor kGuardColor(200, 120, 0);

QColor VerdictColor(Verdict v) {
  return v == Verdict::Pass ? kPassColor : v == Verdict::Fail ? kFailColor : kInk;
}

// A block of the certificate: its height and how it paints itself with its top at y mm.
struct Block {
  double height;
  std::function<void(double top)> paint;
};

struct TableColumn {
  const char* title;
  double width;  // mm
};

class Sheet {
 public:
  Sheet(QPdfWriter& writer, QPainter& painter, const CertificateData& data)
      : writer_(writer), painter_(painter), data_(data) {
    foundResult_ = EvaluateRun(data.setup, data.asFound.range, data.asFound.readings);
    leftResult_ = EvaluateRun(data.setup, data.asLeft.range, data.asLeft.readings);
  }

  void Paint();

 private:
  static double Px(double mm) { return mm * kDpi / 25.4; }
  static QRectF Box(double x, double y, double w, double h) {
    return QRectF(Px(x), Px(y), Px(w), Px(h));
  }
  static QFont Font(double points, bool bold = false) {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: "fi" stays two letters for pdftotext and for whoever copies the text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
  }
  void Text(double x, double y, double w, double h, const QString& text, const QFont& font,
            int flags = Qt::AlignLeft | Qt::AlignVCenter, const QColor& color = kInk);
  // The text cut with "…" to fit w mm.
  QString Fit(const QString& text, const QFont& font, double w) const;
  void Line(double x0, double y0, double x1, double y1, const QColor& color = kRule,
            double widthMm = 0.2, Qt::PenStyle style = Qt::SolidLine);
  // A plotted reading's mark, 2 mm across: a square or a disc.
  void Mark(double x, double y, const QColor& color, bool square);

  const DeviceRange& ShownRange() const {
    return HasRun(data_.asLeft) ? data_.asLeft.range : data_.asFound.range;
  }

  Block Header();
  Block DeviceAndMethod();
  Block ResultBox();
  Block RunTable(const char* name, const CertificateRun& run, const RunResult& result);
  Block NotAdjusted();
  Block PlotBlock();
  Block Signatures();
  void Foot(int page, int pages);
  void Section(double x, double y, double w, const QString& title);
  // A titled list of names and values, long values wrapped; KeyValuesHeight measures it.
  double ValueHeight(const QString& value, double w) const;
  double KeyValuesHeight(const KeyValueRows& rows, double w) const;
  void KeyValues(double x, double y, double w, const QString& title, const KeyValueRows& rows);
  QString RunSummary(const RunResult& result) const;

  QPdfWriter& writer_;
  QPainter& painter_;
  const CertificateData& data_;
  RunResult foundResult_, leftResult_;
};

void Sheet::Text(double x, double y, double w, double h, const QString& text, const QFont& font,
                 int flags, const QColor& color) {
  painter_.setFont(font);
  painter_.setPen(color);
  painter_.drawText(Box(x, y, w, h), flags, text);
}

QString Sheet::Fit(const QString& text, const QFont& font, double w) const {
  // Measured on the PDF writer itself: its resolution, not the screen's.
  return QFontMetricsF(font, &writer_).elidedText(text, Qt::ElideRight, Px(w));
}

void Sheet::Line(double x0, double y0, double x1, double y1, const QColor& color, double widthMm,
                 Qt::PenStyle style) {
  QPen pen(color, Px(widthMm));
  pen.setStyle(style);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(Px(x0), Px(y0)), QPointF(Px(x1), Px(y1)));
}

void Sheet::Mark(double x, double y, const QColor& color, bool square) {
  painter_.setPen(QPen(color, Px(0.2)));
  painter_.setBrush(color);
  const QRectF box = Box(x - 1, y - 1, 2, 2);
  if (square)
    painter_.drawRect(box);
  else
    painter_.drawEllipse(box);
  painter_.setBrush(Qt::NoBrush);
}

void Sheet::Section(double x, double y, double w, const QString& title) {
  Text(x, y, w, 5, title, Font(9.5, true));
  Line(x, y + 5.3, x + w, y + 5.3);
}

constexpr double kKeyWidth = 30;

double Sheet::ValueHeight(const QString& value, double w) const {
  const QRectF r =
      QFontMetricsF(Font(8.5), &writer_)
          .boundingRect(QRectF(0, 0, Px(w - kKeyWidth), Px(1000)), Qt::TextWordWrap, value);
  return std::max(kRowHeight, r.height() * 25.4 / kDpi + 0.8);
}

double Sheet::KeyValuesHeight(const KeyValueRows& rows, double w) const {
  double height = 6.5;
  for (const auto& row : rows)
    height += ValueHeight(row.second, w);
  return height;
}

void Sheet::KeyValues(double x, double y, double w, const QString& title,
                      const KeyValueRows& rows) {
  Section(x, y, w, title);
  y += 6.5;
  for (const auto& [key, value] : rows) {
    const double h = ValueHeight(value, w);
    Text(x, y, kKeyWidth, kRowHeight, Tr(key), Font(8), Qt::AlignLeft | Qt::AlignVCenter, kGray);
    Text(x + kKeyWidth, y + 0.4, w - kKeyWidth, h, value, Font(8.5),
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    y += h;
  }
}

Block Sheet::Header() {
  return {20, [this](double top) {
            Text(kLeft, top, 120, 9, Tr("Calibration Certificate"), Font(19, true));
            Text(kLeft, top + 9, 120, 5,
                 Tr("Pressure transmitter checked against a reference, as found and as left"),
                 Font(9), Qt::AlignLeft | Qt::AlignVCenter, kGray);
            const int right = Qt::AlignRight | Qt::AlignVCenter;
            Text(kLeft + 90, top + 1, kWidth - 90, 6,
                 TrFormat("No. %s", qUtf8Printable(data_.number)), Font(11, true), right);
            Text(kLeft + 90, top + 8, kWidth - 90, 5,
                 TrFormat("Issued %s", qUtf8Printable(TimeText(data_.issued))), Font(8.5), right);
            Line(kLeft, top + 17, kLeft + kWidth, top + 17, kInk, 0.4);
          }};
}

Block Sheet::DeviceAndMethod() {
  const CertificateDevice& d = data_.device;
  const DeviceRange& range = ShownRange();
  const Setup& s = data_.setup;
  const KeyValueRows device = {
      {N_("Tag"), Q(d.tag)},
      {N_("Descriptor"), Q(d.descriptor)},
      {N_("Long address"), Q(d.longAddress)},
      {N_("Manufacturer"), Q(d.manufacturer)},
      {N_("Device type"), Q(d.deviceType)},
      {N_("Device id"), Q(d.deviceId)},
      {N_("Lot id"), Q(d.lotId)},
      {N_("Versions"), Q(d.versions)},
      {N_("Sensor limits"), Interval(range.sensorLower, range.sensorUpper, range.unit)},
      {N_("PV range"), Interval(range.lower, range.upper, range.unit)},
      {N_("Transfer function"), TransferText(range.squareRoot)},
      {N_("Damping"), QString::number(d.dampingSeconds, 'g', 6) + " s"},
  };
  const auto& points = foundResult_.points;
  const int rising = static_cast<int>(
      std::count_if(points.begin(), points.end(), [](const PointResult& p) { return !p.falling; }));
  const int count = static_cast<int>(points.size());
  const KeyValueRows method = {
      {N_("Method"),
       TrFormat("comparison with the reference at %d points, %d rising and %d falling", count,
                rising, count - rising)},
      {N_("Test points"), TrFormat("%s %% of range", TestPointsText(s.points).c_str())},
      {N_("PV tolerance"), TrFormat("±%s %% of span", qUtf8Printable(FixedText(s.pvTolerance)))},
      {N_("Current tolerance"),
       TrFormat("±%s %% of span (16 mA)", qUtf8Printable(FixedText(s.currentTolerance)))},
      {N_("Decision rule"), RuleText(s, range)},
      {N_("Reference"), Q(s.referenceName)},
      {N_("Serial number"), Q(s.referenceSerial)},
      {N_("Uncertainty"), UncertaintyText(s, range)},
      {N_("Calibration due"), Q(s.referenceDueDate)},
      {N_("Ambient"),
       TrFormat("%s °C, %s %% relative humidity", qUtf8Printable(FixedText(s.ambientCelsius, 1)),
                qUtf8Printable(FixedText(s.humidityPercent, 0)))},
  };
  const double half = (kWidth - 8) / 2;
  const double height = std::max(KeyValuesHeight(device, half), KeyValuesHeight(method, half));
  return {height, [this, device, method, half](double top) {
            KeyValues(kLeft, top, half, Tr("Device"), device);
            KeyValues(kLeft + half + 8, top, half, Tr("Method, reference and ambient"), method);
          }};
}

QString Sheet::RunSummary(const RunResult& r) const {
  const QString text = TrFormat("largest errors: PV %s, loop current %s %% of span; hysteresis: ",
                                qUtf8Printable(SignedText(r.largestPvError)),
                                qUtf8Printable(SignedText(r.largestCurrentError)));
  if (!r.pvHysteresis) return text + Tr("none (no point read both ways)");
  return text + TrFormat("PV %s, loop current %s %% of span",
                         qUtf8Printable(FixedText(*r.pvHysteresis)),
                         qUtf8Printable(FixedText(*r.currentHysteresis)));
}

Block Sheet::ResultBox() {
  return {24, [this](double top) {
            const Verdict verdict = CertificateVerdict(data_);
            const int left = Qt::AlignLeft | Qt::AlignVCenter;
            painter_.setPen(QPen(kRule, Px(0.3)));
            painter_.setBrush(QColor(246, 246, 246));
            painter_.drawRect(Box(kLeft, top, kWidth, 22));
            painter_.setBrush(Qt::NoBrush);
            Text(kLeft + 4, top + 1.5, 40, 5, Tr("Result"), Font(8.5), left, kGray);
            Text(kLeft + 4, top + 6, 52, 14, ShownVerdict(verdict), Font(30, true), left,
                 VerdictColor(verdict));
            // Each run: its verdict and largest errors.
            const double x = kLeft + 58, w = kWidth - 62;
            const QFont bold = Font(8.5, true), plain = Font(8.5);
            auto runLine = [&](double y, const char* name, bool made, const RunResult& r) {
              Text(x, y, 18, 5, Tr(name), bold);
              if (!made) {
                Text(x + 18, y, w - 18, 5, Tr("not adjusted: the as-found result stands"), plain);
                return;
              }
              Text(x + 18, y, 14, 5, ShownVerdict(r.verdict), bold, left, VerdictColor(r.verdict));
              Text(x + 32, y, w - 32, 5,
                   Fit(TrFormat("largest error PV %s %%, current %s %%",
                                qUtf8Printable(SignedText(r.largestPvError)),
                                qUtf8Printable(SignedText(r.largestCurrentError))),
                       plain, w - 32),
                   plain);
            };
            runLine(top + 2.5, N_("As found"), true, foundResult_);
            runLine(top + 8, N_("As left"), HasRun(data_.asLeft), leftResult_);
            const Setup& s = data_.setup;
            const QString tolerance =
                s.pvTolerance == s.currentTolerance
                    ? TrFormat("±%s %% of span for the PV and the loop current",
                               qUtf8Printable(FixedText(s.pvTolerance)))
                    : ToleranceText(s);
            Text(x, top + 13.5, w, 8,
                 TrFormat("Tolerance %s; %s", qUtf8Printable(tolerance),
                          qUtf8Printable(RuleText(s, ShownRange()))),
                 Font(8), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kGray);
          }};
}

const TableColumn kColumns[] = {
    {N_("Point"), 17},
    {N_("Nominal"), 21},
    {N_("Reference"), 21},
    {N_("PV"), 21},
    {N_("PV error\n% of span"), 21},
    {N_("Expected\nmA"), 19},
    {N_("Measured\nmA"), 19},
    {N_("mA error\n% of span"), 21},
    {N_("Result"), 18},
};

Block Sheet::RunTable(const char* name, const CertificateRun& run, const RunResult& result) {
  const double height = 7 + 8 + static_cast<double>(run.readings.size()) * kRowHeight + 11;
  return {height, [this, name, &run, &result](double top) {
            QString title = Tr(name) + Tr(": ") + ShownVerdict(result.verdict);
            if (run.finished.isValid()) title += ", " + TimeText(run.finished);
            title +=
                TrFormat(", PV range %s, %s",
                         qUtf8Printable(Interval(run.range.lower, run.range.upper, run.range.unit)),
                         qUtf8Printable(TransferText(run.range.squareRoot)));
            Section(kLeft, top, kWidth, title);
            double y = top + 7;
            // The header, units under the pressures.
            const QFont head = Font(7.5, true), cell = Font(8), cellBold = Font(8, true);
            double x = kLeft;
            for (size_t c = 0; c < std::size(kColumns); ++c) {
              QString t = Tr(kColumns[c].title);
              if (c >= 1 && c <= 3 && !run.range.unit.empty()) t += "\n" + Q(run.range.unit);
              Text(x, y, kColumns[c].width - 1.5, 8, t, head,
                   (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
              x += kColumns[c].width;
            }
            y += 8;
            Line(kLeft, y, kLeft + kWidth, y, kGray, 0.25);
            for (size_t i = 0; i < run.readings.size(); ++i) {
              const PointResult& p = result.points[i];
              const RowTexts row = Row(run.readings[i], p);
              if (i % 2 == 1)
                painter_.fillRect(Box(kLeft, y, kWidth, kRowHeight), QColor(242, 242, 242));
              const QString point = row.point + (p.falling ? " ↓" : " ↑");
              const QString texts[] = {point,          row.nominal,      row.reference,
                                       row.pv,         row.pvError,      row.expectedMa,
                                       row.measuredMa, row.currentError, Tr(row.result)};
              const bool read = run.readings[i].read;
              const QColor colors[] = {kInk,
                                       kInk,
                                       kInk,
                                       kInk,
                                       read && !p.pvPass ? kFailColor : kInk,
                                       kInk,
                                       kInk,
                                       read && !p.currentPass ? kFailColor : kInk,
                                       !read    ? kGray
                                       : p.pass ? kPassColor
                                                : kFailColor};
              x = kLeft;
              for (size_t c = 0; c < std::size(kColumns); ++c) {
                Text(x + (c == 0 ? 1 : 0), y, kColumns[c].width - 1.5, kRowHeight, texts[c],
                     c == 8 ? cellBold : cell,
                     (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, colors[c]);
                x += kColumns[c].width;
              }
              y += kRowHeight;
            }
            Line(kLeft, y, kLeft + kWidth, y, kGray, 0.25);
            Text(kLeft, y + 1, kWidth, 5,
                 Fit(Tr(name) + Tr(": ") + RunSummary(result) + ".", cell, kWidth), cell);
            Text(kLeft, y + 5.5, kWidth, 4.5,
                 Tr("↑ approached rising, ↓ approached falling; errors positive when the "
                    "reading is high."),
                 Font(7), Qt::AlignLeft | Qt::AlignVCenter, kGray);
          }};
}

Block Sheet::NotAdjusted() {
  return {12, [this](double top) {
            Section(kLeft, top, kWidth, Tr("As left"));
            Text(kLeft, top + 6.5, kWidth, 5,
                 Tr("The device was not adjusted: the as-found readings stand as left."),
                 Font(8.5));
          }};
}

// Tick steps of 1, 2, 2.5 or 5 times a power of ten, at most `count` of them up to `size`.
double NiceStep(double size, int count) {
  const double raw = size / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
    if (m * power >= raw * (1 - 1e-9)) return m * power;
  return 10 * power;
}

int DecimalsOf(double step) {
  for (int d = 0; d < 6; ++d) {
    const double scaled = step * std::pow(10.0, d);
    if (std::fabs(scaled - std::round(scaled)) < 1e-6) return d;
  }
  return 6;
}

Block Sheet::PlotBlock() {
  return {
      92, [this](double top) {
        Section(kLeft, top, kWidth,
                Tr("PV error against input, both runs, with the tolerance band"));
        const double x0 = kLeft + 17, x1 = kLeft + kWidth - 3;
        const double y0 = top + 9, y1 = top + 80;
        const Setup& s = data_.setup;
        // The domains: the whole range at least, every error in view.
        double xmin = 0, xmax = 100, largest = s.pvTolerance;
        for (const CertificateRun* run : {&data_.asFound, &data_.asLeft})
          for (const PointReading& r : run->readings) {
            xmin = std::min(xmin, r.percent);
            xmax = std::max(xmax, r.percent);
          }
        for (const RunResult* r : {&foundResult_, &leftResult_})
          for (size_t i = 0; i < r->points.size(); ++i)
            largest = std::max(largest, std::fabs(r->points[i].pvError));
        const double ystep = NiceStep(largest * 1.25, 4);
        const double ymax = std::ceil(largest * 1.25 / ystep - 1e-9) * ystep;
        const double xstep = NiceStep(xmax - xmin, 10);
        // The end points stand 3 mm inside the frame, their marks whole.
        auto X = [&](double percent) {
          return x0 + 3 + (percent - xmin) / (xmax - xmin) * (x1 - x0 - 6);
        };
        auto Y = [&](double error) { return y0 + (ymax - error) / (2 * ymax) * (y1 - y0); };

        const QFont small = Font(7);
        // The band: green inside the tolerance; its edges dashed, the guarded limits dotted.
        painter_.fillRect(Box(x0, Y(s.pvTolerance), x1 - x0, Y(-s.pvTolerance) - Y(s.pvTolerance)),
                          QColor(224, 242, 226));
        // The grid and the axes' numbers.
        const int ticks = static_cast<int>(std::lround(ymax / ystep));
        for (int k = -ticks; k <= ticks; ++k) {
          const double y = Y(k * ystep);
          Line(x0, y, x1, y, k == 0 ? kGray : QColor(215, 215, 215), k == 0 ? 0.3 : 0.15);
          Text(x0 - 13, y - 2, 12, 4, SignedText(k * ystep, DecimalsOf(ystep)), small,
               Qt::AlignRight | Qt::AlignVCenter, kGray);
        }
        for (double p = std::ceil(xmin / xstep) * xstep; p <= xmax + 1e-9; p += xstep) {
          Line(X(p), y0, X(p), y1, QColor(215, 215, 215), 0.15);
          Text(X(p) - 8, y1 + 0.8, 16, 4, QString::number(p + 0.0, 'g', 6), small,
               Qt::AlignHCenter | Qt::AlignVCenter, kGray);
        }
        // The band's edges over the grid.
        for (double sign : {1.0, -1.0})
          Line(x0, Y(sign * s.pvTolerance), x1, Y(sign * s.pvTolerance), kPassColor, 0.3,
               Qt::DashLine);
        const double guard =
            s.rule == Rule::Guarded ? UncertaintyPercentOfSpan(s, ShownRange()) : 0;
        const bool guarded = guard > 0 && guard < s.pvTolerance;
        if (guarded)
          for (double sign : {1.0, -1.0})
            Line(x0, Y(sign * (s.pvTolerance - guard)), x1, Y(sign * (s.pvTolerance - guard)),
                 kGuardColor, 0.3, Qt::DotLine);
        Text(x1 - 60, Y(s.pvTolerance) - 4, 59, 4,
             TrFormat("tolerance +%s %%", qUtf8Printable(FixedText(s.pvTolerance))), small,
             Qt::AlignRight | Qt::AlignVCenter, kPassColor);
        Text(x1 - 60, Y(-s.pvTolerance), 59, 4,
             TrFormat("tolerance -%s %%", qUtf8Printable(FixedText(s.pvTolerance))), small,
             Qt::AlignRight | Qt::AlignVCenter, kPassColor);

        painter_.setPen(QPen(kGray, Px(0.3)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(Box(x0, y0, x1 - x0, y1 - y0));
        Text(x0, y1 + 5, x1 - x0, 4.5, Tr("input (% of range)"), Font(7.5),
             Qt::AlignHCenter | Qt::AlignVCenter, kGray);
        painter_.save();
        painter_.translate(Px(kLeft), Px((y0 + y1) / 2));
        painter_.rotate(-90);
        painter_.setFont(Font(7.5));
        painter_.setPen(kGray);
        painter_.drawText(QRectF(Px(-25), 0, Px(50), Px(4.5)), Qt::AlignCenter,
                          Tr("PV error (% of span)"));
        painter_.restore();

        // The runs: their readings in order (a loop where rising and falling part),
        // as found in squares, as left in circles.
        struct Series {
          const CertificateRun* run;
          const RunResult* result;
          QColor color;
          bool square;
          const char* name;
        };
        const Series series[] = {
            {&data_.asFound, &foundResult_, kAsFoundColor, true, N_("as found")},
            {&data_.asLeft, &leftResult_, kAsLeftColor, false, N_("as left")}};
        painter_.setClipRect(Box(x0, y0, x1 - x0, y1 - y0));
        for (const Series& sr : series) {
          QPainterPath path;
          bool drawing = false;
          for (size_t i = 0; i < sr.run->readings.size(); ++i) {
            drawing = drawing && sr.run->readings[i].read;
            if (!sr.run->readings[i].read) continue;
            const QPointF at(Px(X(sr.run->readings[i].percent)),
                             Px(Y(sr.result->points[i].pvError)));
            if (drawing)
              path.lineTo(at);
            else
              path.moveTo(at);
            drawing = true;
          }
          painter_.setPen(QPen(sr.color, Px(0.35)));
          painter_.setBrush(Qt::NoBrush);
          painter_.drawPath(path);
          for (size_t i = 0; i < sr.run->readings.size(); ++i)
            if (sr.run->readings[i].read)
              Mark(X(sr.run->readings[i].percent), Y(sr.result->points[i].pvError), sr.color,
                   sr.square);
        }
        painter_.setClipping(false);
        // The legend, top left inside the plot.
        double lx = x0 + 3;
        const double ly = y0 + 3.5;
        for (const Series& sr : series) {
          if (!HasRun(*sr.run)) continue;
          Line(lx, ly, lx + 6, ly, sr.color, 0.35);
          Mark(lx + 3, ly, sr.color, sr.square);
          Text(lx + 7.5, ly - 2, 20, 4, Tr(sr.name), small);
          lx += 26;
        }
        if (guarded) {
          Line(lx, ly, lx + 6, ly, kGuardColor, 0.25, Qt::DotLine);
          Text(lx + 7.5, ly - 2, 60, 4,
               TrFormat("guarded limit ±%s %%", qUtf8Printable(FixedText(s.pvTolerance - guard))),
               small);
        }
        painter_.setBrush(Qt::NoBrush);
      }};
}

Block Sheet::Signatures() {
  return {
      36, [this](double top) {
        Section(kLeft, top, kWidth, Tr("Signatures"));
        const QFont caption = Font(7), plain = Font(9);
        const int left = Qt::AlignLeft | Qt::AlignVCenter;
        const double nameX = kLeft + 28, signX = nameX + 62, dateX = signX + 55;
        // The technician's name is printed; the one who approves writes it.
        const QString names[] = {Q(data_.setup.technician), QString()};
        const char* roles[] = {N_("Checked by"), N_("Approved by")};
        double y = top + 13;
        for (int i = 0; i < 2; ++i) {
          Text(kLeft, y - 5, 28, 5, Tr(roles[i]), Font(8.5, true));
          Text(nameX, y - 5, 58, 5, Fit(names[i], plain, 58), plain);
          Line(nameX, y, nameX + 58, y, kInk, 0.25);
          Line(signX, y, signX + 50, y, kInk, 0.25);
          Line(dateX, y, kLeft + kWidth, y, kInk, 0.25);
          Text(nameX, y + 0.3, 58, 3.5, Tr("name"), caption, left, kGray);
          Text(signX, y + 0.3, 50, 3.5, Tr("signature"), caption, left, kGray);
          Text(dateX, y + 0.3, 30, 3.5, Tr("date"), caption, left, kGray);
          y += 11;
        }
        Text(kLeft, y - 4, kWidth, 4.5,
             TrFormat("Station %s, issued %s", data_.station.c_str(),
                      qUtf8Printable(TimeText(data_.issued))) +
                 (data_.software.empty() ? QString() : TrFormat(" by %s", data_.software.c_str())),
             Font(8), left, kGray);
      }};
}

void Sheet::Foot(int page, int pages) {
  const double y = kPageHeight - 14;
  Line(kLeft, y, kLeft + kWidth, y);
  QString left = TrFormat("Calibration certificate %s", qUtf8Printable(data_.number));
  if (!data_.device.tag.empty()) left += TrFormat(", tag %s", data_.device.tag.c_str());
  left += TrFormat(", station %s", data_.station.c_str());
  if (!data_.software.empty()) left += ", " + Q(data_.software);
  const QFont font = Font(7);
  Text(kLeft, y + 0.8, kWidth - 30, 4, Fit(left, font, kWidth - 30), font,
       Qt::AlignLeft | Qt::AlignVCenter, kGray);
  Text(kLeft + kWidth - 30, y + 0.8, 30, 4, TrFormat("page %d of %d", page, pages), font,
       Qt::AlignRight | Qt::AlignVCenter, kGray);
}

void Sheet::Paint() {
  std::vector<Block> blocks = {
      Header(),
      DeviceAndMethod(),
      ResultBox(),
      RunTable("As found", data_.asFound, foundResult_),
      HasRun(data_.asLeft) ? RunTable("As left", data_.asLeft, leftResult_) : NotAdjusted(),
      PlotBlock(),
      Signatures()};
  // Each block on the page it fits; one taller than a page starts one and runs over.
  std::vector<std::pair<int, double>> placed;
  int page = 0;
  double y = kTop;
  for (const Block& b : blocks) {
    if (y > kTop && y + b.height > kBottom) {
      ++page;
      y = kTop;
    }
    placed.emplace_back(page, y);
    y += b.height + kGap;
  }
  const int pages = page + 1;
  for (int p = 0; p < pages; ++p) {
    if (p > 0) writer_.newPage();
    for (size_t i = 0; i < blocks.size(); ++i)
      if (placed[i].first == p) blocks[i].paint(placed[i].second);
    Foot(p + 1, pages);
  }
}

}  // namespace

Verdict CertificateVerdict(const CertificateData& data) {
  const CertificateRun& run = HasRun(data.asLeft) ? data.asLeft : data.asFound;
  return EvaluateRun(data.setup, run.range, run.readings).verdict;
}

std::string CertificateRefusal(const CertificateData& data) {
  if (data.number.isEmpty()) return Tr("the certificate has no number").toStdString();
  if (!HasRun(data.asFound)) return Tr("there is no as-found run").toStdString();
  if (std::string why = RunRefusal(N_("as-found"), data.asFound); !why.empty()) return why;
  if (HasRun(data.asLeft))
    if (std::string why = RunRefusal(N_("as-left"), data.asLeft); !why.empty()) return why;
  return {};
}

QString NewCertificateNumber(const QDateTime& when, uint8_t manufacturerId, uint8_t deviceType,
                             uint32_t deviceId) {
  return QString("CC-%1-%2%3%4")
      .arg(when.toUTC().toString("yyyyMMdd-HHmmss"))
      .arg(manufacturerId, 2, 16, QChar('0'))
      .arg(deviceType, 2, 16, QChar('0'))
      .arg(deviceId & 0xFFFFFFu, 6, 16, QChar('0'))
      .toUpper();
}

QByteArray RenderCertificatePdf(const CertificateData& data) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kDpi);
    writer.setTitle("Calibration certificate " + data.number);
    writer.setCreator(data.software.empty() ? QString("calibration check") : Q(data.software));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    Sheet(writer, painter, data).Paint();
    if (!painter.end()) return {};
  }
  return bytes;
}

namespace {

// The CSV's header row in the language in force; its lines are the same in every language.
QString CsvHeader() {
  static const char* const kNames[] = {
      N_("certificate"), N_("run"),         N_("point %"),
      N_("direction"),   N_("nominal"),     N_("reference"),
      N_("pv"),          N_("unit"),        N_("pv error % of span"),
      N_("expected mA"), N_("measured mA"), N_("current error % of span"),
      N_("result")};
  QStringList names;
  for (const char* name : kNames)
    names << CsvField(Tr(name));
  return names.join(',');
}

}  // namespace

QByteArray CertificateCsv(const CertificateData& data) {
  QStringList lines = {CsvHeader()};
  const std::pair<const char*, const CertificateRun*> runs[] = {{"as found", &data.asFound},
                                                                {"as left", &data.asLeft}};
  for (const auto& [name, run] : runs) {
    const RunResult result = EvaluateRun(data.setup, run->range, run->readings);
    for (size_t i = 0; i < run->readings.size(); ++i) {
      const RowTexts row = Row(run->readings[i], result.points[i]);
      const QStringList fields = {data.number,
                                  name,
                                  QString::number(run->readings[i].percent + 0.0, 'g', 10),
                                  result.points[i].falling ? "falling" : "rising",
                                  row.nominal,
                                  row.reference,
                                  row.pv,
                                  Q(run->range.unit),
                                  row.pvError,
                                  row.expectedMa,
                                  row.measuredMa,
                                  row.currentError,
                                  row.result};
      QStringList quoted;
      for (const QString& f : fields)
        quoted << CsvField(f);
      lines << quoted.join(',');
    }
  }
  return (lines.join("\r\n") + "\r\n").toUtf8();
}

}  // namespace check
