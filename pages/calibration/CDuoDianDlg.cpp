#include "CDuoDianDlg.h"

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "CReadOnlyEdit.h"
#include "ConfigImage.h"
#include "Encoding.h"
#include "NumberText.h"
#include "PageForm.h"
#include "PageRecord.h"
#include "Texts.h"

namespace {

constexpr int kTempEditIds[CDuoDianDlg::kTemperatures] = {1395, 1340, 1362, 1396, 1382, 1111, 1390};
// Only the first four captions change with the room-temperature point.
constexpr int kTempCaptionIds[4] = {1418, 1419, 1420, 1438};
constexpr int kTableCommandRoom = 230;

int PressureEditId(int row) {
  if (row <= 16) return 1421 + row;
  if (row == 17) return 1440;
  return 1443 + 4 * (row - 18);
}
int AdEditId(int row) {
  if (row <= 16) return 1401 + row;
  if (row == 17) return 1441;
  return 1445 + 4 * (row - 18);
}

// The name the device records keep; the page shows it in the language in force.
QString TemperatureName(int k) {
  return QStringLiteral("Temperature %1").arg(k + 1);
}
QString ShownTemperatureName(int k) {
  return TrFormat("Temperature %d", k + 1);
}

// The unit after the range: the program's unit label, except four that Read Correction
// spells its own way.
const char* RangeSuffix(uint8_t code, bool readCorrection) {
  if (readCorrection) {
    switch (code) {
      case 9:
        return "g_cm2";
      case 10:
        return "kg_cm2";
      case 40:
        return "GALLON";
      case 91:
        return "g_cm3";
      default:
        break;
    }
  }
  return HartUnitLabel(code);
}

CReadOnlyEdit* AdBox(QWidget* parent, int id, const QString& name, const QColor& text) {
  auto* box = new CReadOnlyEdit(parent);
  box->setObjectName(QString::number(id));
  box->setAccessibleName(name);
  box->setReadOnly(true);
  box->setFont(QFont("Arial", 20));
  box->SetBackColor(Qt::white);
  box->SetTextColor(text);
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance("4294967295") + 16);
  return box;
}

// The T-AD box's text as the device takes it: its leading integer, 0 when empty.
uint16_t TadOf(const QString& text) {
  return static_cast<uint16_t>(ReadCInteger(text.toStdString()));
}

// A table as the records keep it, its first counts.size() points each at its nominal
// pressure: "Temperature 2 (25.00 °C): -100.0000 kPa=123456; 10.0000 kPa=234567".
std::string TableText(const QString& caption, float lower, float upper, int n, uint8_t unit,
                      const std::vector<uint32_t>& counts) {
  QString text = caption + ":";
  for (size_t i = 0; i < counts.size(); ++i) {
    const float p = TablePointPressure(static_cast<int>(i), n, lower, upper);
    text += QString(i == 0 ? " " : "; ") + QString::fromStdString(Fixed4Text(p, UnitName(unit))) +
            "=" + QString::number(counts[i]);
  }
  return text.toStdString();
}

}  // namespace

std::string CDuoDianDlg::TableName(int temp) {
  return (TemperatureName(temp) + " table").toStdString();
}

std::string CDuoDianDlg::TadName(int temp) {
  return (TemperatureName(temp) + " T-AD").toStdString();
}

QString CDuoDianDlg::TableCaption(int temp) const {
  const QString degrees = m_editTemp[temp]->text().trimmed();
  return degrees.isEmpty() ? TemperatureName(temp)
                           : TemperatureName(temp) + " (" + degrees + " °C)";
}

CDuoDianDlg::CDuoDianDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 165, "Pressure Calibration") {
  // Denser than the other pages: 26 rows and the live readouts share the tab area. The
  // counts and temperatures above; the rows, and beside them the live point and the buttons.
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 4, 8, 4);
  outer->setSpacing(4);
  auto* top = new QHBoxLayout;
  auto* bottom = new QHBoxLayout;
  outer->addLayout(top);
  outer->addLayout(bottom);
  outer->addStretch(1);

  auto group = [this](const QString& title) {
    auto* box = new QGroupBox(title, this);
    box->setAccessibleName(title);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    return std::pair{box, grid};
  };
  auto label = [](const QString& text, QWidget* parent, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (buddy) l->setBuddy(buddy);
    return l;
  };
  // The counts.
  QStringList temps, presses, current;
  for (int t = 1; t <= kTemperatures; ++t) {
    temps << QString::number(t);
    current << TemperatureName(t - 1);
  }
  for (int n = 2; n <= kRows; ++n)
    presses << QString::asprintf("%d", n);
  auto [countsBox, counts] = group(N_("Calibration Points"));
  m_comboTempPoints = PageCombo(1394, temps, "Temperature Point", countsBox);
  m_comboPressPoints = PageCombo(1400, presses, "Pressure Points", countsBox);
  QPushButton* readCounts = PageButton("Read", 1392, countsBox);
  readCounts->setAccessibleDescription("Point counts");
  counts->addWidget(label(N_("Temperature Point"), countsBox, m_comboTempPoints), 0, 0);
  counts->addWidget(m_comboTempPoints, 0, 1);
  counts->addWidget(label(N_("Pressure Points"), countsBox, m_comboPressPoints), 1, 0);
  counts->addWidget(m_comboPressPoints, 1, 1);
  counts->addWidget(readCounts, 2, 1);
  top->addWidget(countsBox);

  // The temperatures, in two columns.
  auto [tempBox, tempGrid] = group(N_("Temperature Values"));
  for (int k = 0; k < kTemperatures; ++k) {
    auto* edit = new QLineEdit(tempBox);
    edit->setObjectName(QString::number(kTempEditIds[k]));
    // The caption may read "Room Temprt n"; the field keeps its own name.
    edit->setAccessibleName(TemperatureName(k));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("-000.00") + 12);
    m_editTemp[k] = edit;
    m_captionTemp[k] = label({}, tempBox, edit);
    if (k < 4) m_captionTemp[k]->setObjectName(QString::number(kTempCaptionIds[k]));
    const int line = k % 4, col = (k / 4) * 3;
    tempGrid->addWidget(m_captionTemp[k], line, col);
    tempGrid->addWidget(edit, line, col + 1);
    tempGrid->addWidget(new QLabel("℃", tempBox), line, col + 2);
  }
  QPushButton* readTemps = PageButton("Read", 1399, tempBox);
  readTemps->setAccessibleDescription("Temperatures");
  tempGrid->addWidget(readTemps, 3, 4, 1, 2);
  top->addWidget(tempBox);
  top->addStretch(1);

  // The rows, two columns of 13: caption, pressure, AD count, Sampling.
  auto [rowsBox, grid] = group(N_("Calibration Rows"));
  constexpr int kPerColumn = kRows / 2;
  for (int i = 0; i < kRows; ++i) {
    Row& r = m_rows[i];
    const int line = i % kPerColumn;
    const int col = (i / kPerColumn) * 5;
    r.pressure = new QLineEdit(rowsBox);
    r.pressure->setObjectName(QString::number(PressureEditId(i)));
    r.pressure->setAccessibleName(QStringLiteral("Pressure %1").arg(i));
    r.ad = new QLineEdit(rowsBox);
    r.ad->setObjectName(QString::number(AdEditId(i)));
    r.ad->setAccessibleName(QStringLiteral("AD %1").arg(i));
    for (QLineEdit* edit : {r.pressure, r.ad})
      edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("4294967295") + 12);
    r.caption = label({}, rowsBox, r.pressure);
    r.sampling = PageButton("Sampling", 1600 + i, rowsBox);
    r.sampling->setAccessibleDescription(QStringLiteral("Row %1").arg(i));
    grid->addWidget(r.caption, line, col);
    grid->addWidget(r.pressure, line, col + 1);
    grid->addWidget(r.ad, line, col + 2);
    grid->addWidget(r.sampling, line, col + 3);
    connect(r.pressure, &QLineEdit::textChanged, this, [this, i] { OnEnChangePressure(i); });
    connect(r.ad, &QLineEdit::textChanged, this, [this, i] { OnEnChangeAd(i); });
    connect(r.sampling, &QPushButton::clicked, this, [this, i] { OnBnClickedSampling(i); });
  }
  grid->setColumnMinimumWidth(4, 12);
  bottom->addWidget(rowsBox);

  // The live point: labels above their fields, the page's buttons below.
  auto* side = new QVBoxLayout;
  side->setSpacing(2);
  m_comboCurTemp = PageCombo(1389, current, "Current Temperature", this);
  m_boxTad = AdBox(this, 1304, "T-AD", QColor(255, 0, 0));
  m_boxPad = AdBox(this, 1305, "P-AD", QColor(0, 0, 255));
  m_labelRange = new QLabel(this);
  m_labelRange->setObjectName("1306");
  m_labelRange->setAccessibleName("Range");
  auto stacked = [&](const QString& text, QWidget* field) {
    auto* l = new QLabel(text, this);
    l->setBuddy(field);
    side->addWidget(l);
    side->addWidget(field);
  };
  stacked(N_("Current Temperature"), m_comboCurTemp);
  stacked("T-AD", m_boxTad);
  stacked("P-AD", m_boxPad);
  stacked(N_("Range："), m_labelRange);
  side->addStretch(1);
  QPushButton* stop = PageButton("Stop", 1291, this);
  QPushButton* clear = PageButton("Clear", 1280, this);
  QPushButton* update = PageButton("Update", 1204, this);
  QPushButton* readCorrection = PageButton("Read Correction", 1096, this);
  for (QPushButton* b : {stop, clear, update, readCorrection})
    side->addWidget(b);
  bottom->addLayout(side, 1);

  connect(stop, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedStop);
  connect(clear, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedClear);
  connect(update, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedUpdate);
  connect(readCorrection, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedReadCorrection);
  connect(readCounts, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedReadCounts);
  connect(readTemps, &QPushButton::clicked, this, &CDuoDianDlg::OnBnClickedReadTemps);
  connect(m_comboTempPoints, &QComboBox::activated, this, &CDuoDianDlg::OnCbnSelchangeTempPoints);
  connect(m_comboPressPoints, &QComboBox::activated, this, &CDuoDianDlg::OnCbnSelchangePressPoints);
  connect(m_comboCurTemp, &QComboBox::activated, this, &CDuoDianDlg::OnCbnSelchangeCurTemp);
  ShowCaptions();
}

void CDuoDianDlg::ShowCaptions() {
  for (int k = 0; k < kTemperatures; ++k) {
    // Only the first four captions change with the room-temperature point.
    const bool room = k < 4 && k == m_nRoomTemp;
    m_captionTemp[k]->setText(room ? TrFormat("Room Temprt %d", k + 1) : ShownTemperatureName(k));
    m_comboCurTemp->setItemText(k, ShownTemperatureName(k));
  }
  for (int i = 0; i < kRows; ++i)
    m_rows[i].caption->setText(TrFormat(N_("%d："), i));
}

void CDuoDianDlg::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ShowCaptions();
  PageDialog::changeEvent(event);
}

// ---- Counts and rows ----

void CDuoDianDlg::OnCbnSelchangeTempPoints(int index) {
  m_nTempPoints = index + 1;
  for (int k = 0; k < kTemperatures; ++k)
    m_editTemp[k]->setEnabled(k < m_nTempPoints);
  m_nRoomTemp = m_nTempPoints / 2;
  ShowCaptions();
}

void CDuoDianDlg::OnCbnSelchangePressPoints(int index) {
  m_nPressPoints = index + 2;
  for (int i = 2; i < kRows; ++i) {
    const bool on = i < m_nPressPoints;
    for (QWidget* w :
         {static_cast<QWidget*>(m_rows[i].pressure), static_cast<QWidget*>(m_rows[i].ad),
          static_cast<QWidget*>(m_rows[i].sampling)})
      w->setEnabled(on);
  }
}

void CDuoDianDlg::OnCbnSelchangeCurTemp(int index) {
  if (index >= 0 && index < m_nTempPoints) {
    m_nCurTemp = index;
    return;
  }
  Refuse("Invalid Temperature");
  m_comboCurTemp->setCurrentIndex(m_nCurTemp);
}

void CDuoDianDlg::OnEnChangeAd(int row) {
  m_nAd[row] = static_cast<uint32_t>(ReadCInteger(m_rows[row].ad->text().toStdString()));
}

void CDuoDianDlg::OnEnChangePressure(int row) {
  m_dPressure[row] = ReadCReal(m_rows[row].pressure->text().toStdString());
}

void CDuoDianDlg::SetQuietly(QLineEdit* edit, const QString& text) {
  const bool blocked = edit->blockSignals(true);
  edit->setText(text);
  edit->blockSignals(blocked);
}

void CDuoDianDlg::ShowRange(float lower, float upper, uint8_t unitCode, bool readCorrection) {
  m_labelRange->setText(QString::asprintf("%.4f ---- %.4f", lower, upper) +
                        QString::fromUtf8(RangeSuffix(unitCode, readCorrection)));
}

// ---- Sampling and the live AD display ----

void CDuoDianDlg::OnBnClickedSampling(int row) {
  QLineEdit* edit = m_rows[row].pressure;
  const bool empty = edit->text().isEmpty();
  if (empty && m_nPressPoints < 2) {
    Refuse(QString::fromStdString(Texts::PleaseSelect(Tr("Pressure Points").toStdString())));
    return;
  }
  std::optional<double> typed;
  if (!empty) {
    typed = TypedRealOf(edit);
    if (!typed) return;
  }
  StopJob();  // ends a running Update or Read Correction at its next step

  struct Sample {
    HartRangePair limits{};
    double pressure = 0;
    int32_t pressureAd = 0;
    uint16_t temperatureAd = 0;
  };
  auto s = std::make_shared<Sample>();
  const int n = m_nPressPoints;
  DeviceOperation op;
  op.addressing = DeviceOperation::Addressing::None;
  op.progressHigh = 3;
  op.Step([s](DeviceState& ds) { return HartCmd149(ds, s->limits); },
          [this, s, row, empty, n] {
            ShowRange(s->limits.lower, s->limits.upper, s->limits.code, false);
            if (empty)
              m_rows[row].pressure->setText(
                  Fixed4(TablePointPressure(row, n, s->limits.lower, s->limits.upper)));
          },
          2);
  op.Check([s, typed, row, n] {
    s->pressure = typed ? *typed : TablePointPressure(row, n, s->limits.lower, s->limits.upper);
    // The limits themselves are in range.
    if (s->pressure > s->limits.upper || s->pressure < s->limits.lower) return N_("Pv over range");
    return "";
  });
  op.Step([s](DeviceState& ds) { return HartCmd201(ds, s->pressureAd, s->temperatureAd); },
          [this, s, row] {
            m_dPressure[row] = s->pressure;
            m_fRangeUpper = s->limits.upper;
            m_fRangeLower = s->limits.lower;
            m_rangeUnit = s->limits.code;
            const uint32_t ad = static_cast<uint32_t>(s->pressureAd);
            m_boxTad->setText(QString::number(s->temperatureAd));
            m_boxPad->setText(QString::number(ad));
            SetQuietly(m_rows[row].ad, QString::number(ad));
            m_nAd[row] = ad;
            m_bSampled[row] = 1;
          },
          3);
  RunOperation(std::move(op), [this](OperationResult result) {
    if (result == OperationResult::Done) StartAdMonitor();
  });
}

void CDuoDianDlg::StartAdMonitor() {
  if (!LoopIdle()) return;  // the display already runs
  StartLoopJob([this](JobContext& c) {
    while (c.job.Pause(500)) {
      int32_t pressureAd = 0;
      uint16_t temperatureAd = 0;
      const HartResult result = HartCmd201(c.ds, pressureAd, temperatureAd);
      if (result != HART_OK) {
        c.host.ShowMessage(Texts::CommunicationFailure(result));
        return;
      }
      const uint32_t ad = static_cast<uint32_t>(pressureAd);
      const bool diodeFault = temperatureAd == 0 || temperatureAd == 0xFFFF;
      const bool stable = !diodeFault && m_stability.Add(ad);
      c.host.OnUiThread([this, ad, temperatureAd, diodeFault, stable] {
        m_boxPad->setText(QString::number(ad));
        m_boxTad->setText(QString::number(temperatureAd));
        if (!diodeFault) m_boxPad->SetBackColor(stable ? QColor(0, 255, 0) : QColor(Qt::white));
      });
      if (diodeFault) {
        c.host.ShowMessage(
            TrFormat(N_("Temperature Diodes errors : %d"), static_cast<int>(temperatureAd))
                .toStdString());
        return;
      }
    }
  });
}

void CDuoDianDlg::OnBnClickedStop() {
  StopLoop();
}

void CDuoDianDlg::hideEvent(QHideEvent* event) {
  PageDialog::hideEvent(event);
  if (event->spontaneous()) return;  // the window minimised, not the page left
  StopJob();
  StopLoop();
}

void CDuoDianDlg::OnBnClickedClear() {
  m_boxPad->clear();
  m_boxTad->clear();
  for (int i = 0; i < kRows; ++i) {
    SetQuietly(m_rows[i].pressure, {});
    SetQuietly(m_rows[i].ad, {});
  }
  m_bSampled.fill(0);
  m_nAd.fill(0);
  m_dPressure.fill(0.0);
}

// ---- The table of the current temperature point ----

bool CDuoDianDlg::CanStartTableJob() {
  if (m_nCurTemp == -1) {
    Refuse("Select Current Temperature Level");
    return false;
  }
  if (!JobIdle()) {
    Refuse(Texts::kBusy);
    return false;
  }
  StopLoop();
  StopJob();
  return true;
}

void CDuoDianDlg::OnBnClickedUpdate() {
  if (!CanStartTableJob()) return;
  const int n = m_nPressPoints;
  std::array<CalibrationRow, kRows> rows{};
  int first = -1, last = -1;
  for (int i = 0; i < kRows; ++i) {
    rows[i] = {m_dPressure[i], m_nAd[i], m_bSampled[i] != 0};
    if (i < n && m_bSampled[i]) {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0 || first >= last) {
    Refuse("Get data of 2 points at least!");
    return;
  }
  // The whole table is worked out before anything goes out: a point whose line leaves the
  // counts would be stored as 0xFFFFFFFF.
  std::vector<uint32_t> table(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const TableAd point = InterpolateTableAdChecked(i, n, m_fRangeLower, m_fRangeUpper, rows);
    if (!point.inRange) {
      Refuse(TrFormat(N_("AD count of point %d out of range"), i));
      return;
    }
    table[static_cast<size_t>(i)] = point.count;
  }
  const int temp = m_nCurTemp;
  const bool room = temp == m_nRoomTemp;
  const uint16_t tad = TadOf(m_boxTad->text());
  // The record: the table written (all of it, or the points written before a stop or a
  // failure, the device then holding old and new points) and the T-AD.
  auto tableText = [caption = TableCaption(temp), lower = m_fRangeLower, upper = m_fRangeUpper, n,
                    unit = m_rangeUnit, table](size_t points) {
    return TableText(caption, lower, upper, n, unit,
                     std::vector<uint32_t>(table.begin(), table.begin() + points));
  };
  OperationRecord record;
  record.name = RecordName("Update");
  record.kind = record_kind::kCalibration;
  StartJob([table, temp, room, tad, n, tableText, record](JobContext& c) mutable {
    if (!OpenPortOrReport(c.ds, c.host)) return;
    const RecordedValue tadValue = Recorded(TadName(temp), std::to_string(tad));
    auto fail = [&](const HartResult& result, std::vector<RecordedValue> intended) {
      ReportFailure(c.host, result);
      record.failedWrites.insert(record.failedWrites.end(), intended.begin(), intended.end());
      record.result = Texts::CommunicationFailure(result);
      ReportToRecorder(c.host, c.ds, record);
    };
    c.host.SetProgressRange(n + 2);
    c.host.SetProgressPos(1);
    size_t written = 0;
    for (int i = 0; i < n && c.job.Running(); ++i) {
      const uint32_t v = table[static_cast<size_t>(i)];
      HartResult result;
      if (room) {
        // The room-temperature table has a command of its own, with the bare point index.
        uint8_t data[5] = {static_cast<uint8_t>(i)};
        PutI32BE(data + 1, static_cast<int32_t>(v));
        HartResponse reply;
        result = HartExchange(c.ds, kTableCommandRoom, data, 5, 0, reply);
      } else {
        result = HartCmd228(c.ds, static_cast<uint8_t>(temp * n + i), static_cast<int32_t>(v));
      }
      if (result != HART_OK)
        return fail(result, {Recorded(TableName(temp), tableText(table.size()))});
      ++written;
      c.host.SetProgressPos(i + 2);
    }
    const bool whole = written == table.size();
    if (written > 0)
      (whole ? record.writes : record.failedWrites)
          .push_back(Recorded(TableName(temp), tableText(written)));
    // The T-AD goes out even when the table was stopped part-way.
    const HartResult result = HartCmd226(c.ds, static_cast<uint8_t>(temp), tad);
    if (result != HART_OK) return fail(result, {tadValue});
    record.writes.push_back(tadValue);
    c.host.SetProgressPos(n + 2);
    c.ds.Time().SleepMs(100);
    c.host.SetProgressPos(0);
    record.result = whole ? "OK" : "Stopped";
    ReportToRecorder(c.host, c.ds, record);
  });
}

void CDuoDianDlg::OnBnClickedReadCorrection() {
  if (!CanStartTableJob()) return;
  const int temp = m_nCurTemp;
  const int n = m_nPressPoints;
  // What it read, for the records to keep as the "before" of the next Update: the T-AD,
  // and the table once all of it is in.
  OperationRecord record;
  record.name = RecordName("Read Correction");
  record.kind = record_kind::kWrite;  // a record of its own only when something was written
  StartJob([this, temp, n, caption = TableCaption(temp), record](JobContext& c) mutable {
    if (!OpenPortOrReport(c.ds, c.host)) return;
    auto fail = [&](const HartResult& result) {
      ReportFailure(c.host, result);
      record.result = Texts::CommunicationFailure(result);
      ReportToRecorder(c.host, c.ds, record);
    };
    c.host.SetProgressRange(20);
    c.host.SetProgressPos(1);
    HartRangePair limits{};
    HartResult result = HartCmd149(c.ds, limits);
    if (result != HART_OK) return fail(result);
    c.host.OnUiThread([this, limits] {
      m_fRangeUpper = limits.upper;
      m_fRangeLower = limits.lower;
      m_rangeUnit = limits.code;
      ShowRange(limits.lower, limits.upper, limits.code, true);
    });
    c.host.SetProgressPos(2);
    uint16_t tad = 0;
    result = HartCmd225(c.ds, static_cast<uint8_t>(temp), tad);
    if (result != HART_OK) return fail(result);
    record.reads.push_back(Recorded(TadName(temp), std::to_string(tad)));
    c.host.OnUiThread([this, tad] { m_boxTad->setText(QString::number(tad)); });
    std::vector<uint32_t> counts;
    for (int i = 0; i < n && c.job.Running(); ++i) {
      int32_t count = 0;
      result = HartCmd227(c.ds, static_cast<uint8_t>(temp * n + i), count);
      if (result != HART_OK) return fail(result);
      counts.push_back(static_cast<uint32_t>(count));
      const float p = TablePointPressure(i, n, limits.lower, limits.upper);
      c.host.OnUiThread([this, i, count, p] {
        const uint32_t ad = static_cast<uint32_t>(count);
        SetQuietly(m_rows[i].ad, QString::number(ad));
        m_nAd[i] = ad;
        m_bSampled[i] = 1;
        // The row keeps the unrounded pressure, not the text shown.
        SetQuietly(m_rows[i].pressure, Fixed4(p));
        m_dPressure[i] = p;
      });
      c.host.SetProgressPos(i + 3);
    }
    const bool whole = counts.size() == static_cast<size_t>(n);
    if (whole)
      record.reads.push_back(Recorded(
          TableName(temp), TableText(caption, limits.lower, limits.upper, n, limits.code, counts)));
    c.host.SetProgressPos(20);
    c.ds.Time().SleepMs(100);
    c.host.SetProgressPos(0);
    record.result = whole ? "OK" : "Stopped";
    ReportToRecorder(c.host, c.ds, record);
  });
}

// ---- The two Reads ----

void CDuoDianDlg::OnBnClickedReadCounts() {
  StopLoop();
  auto counts = std::make_shared<std::pair<uint8_t, uint8_t>>();
  DeviceOperation op;
  op.progressHigh = 2;
  op.Step([counts](DeviceState& ds) { return HartCmd221(ds, counts->first, counts->second); });
  op.Check([counts]() -> std::string {
    const int t = counts->first, n = counts->second;
    if (t >= 1 && t <= kTemperatures && n >= 2 && n <= kRows) return {};
    // A refusal is the operation's result in the records too: in the program's own words.
    return "Device reports " + std::to_string(t) + " temperature points and " + std::to_string(n) +
           " pressure points";
  });
  RunOperation(std::move(op), [this, counts](OperationResult result) {
    if (result != OperationResult::Done) return;
    m_comboTempPoints->setCurrentIndex(counts->first - 1);
    OnCbnSelchangeTempPoints(counts->first - 1);
    m_comboPressPoints->setCurrentIndex(counts->second - 2);
    OnCbnSelchangePressPoints(counts->second - 2);
  });
}

void CDuoDianDlg::OnBnClickedReadTemps() {
  StopLoop();
  DeviceOperation op;
  op.progressHigh = 8;
  for (int k = 0; k < m_nTempPoints; ++k) {
    auto value = std::make_shared<float>();
    op.Step([value, k](DeviceState& ds) { return HartCmd223(ds, static_cast<uint8_t>(k), *value); },
            [this, value, k] { m_editTemp[k]->setText(QString::asprintf("%.2f", *value)); },
            k == m_nTempPoints - 1 ? 8 : k + 2);
  }
  RunOperation(std::move(op));
}

// ---- A configuration upload or download ----

void CDuoDianDlg::ShowConfiguration(const ConfigValues& v) {
  m_fRangeUpper = v.pvUpperLimit;
  m_fRangeLower = v.pvLowerLimit;
  m_rangeUnit = v.unitCode;
  m_labelRange->setText(QString::asprintf("%.3f ---- %.3f", v.pvLowerLimit, v.pvUpperLimit) +
                        DeviceUnitName(v.unitCode));
  // Counts the lists cannot show leave them, and skip the tables.
  if (v.temperaturePoints < 1 || v.temperaturePoints > kTemperatures || v.pressurePoints < 2 ||
      v.pressurePoints > kRows)
    return;
  m_comboTempPoints->setCurrentIndex(v.temperaturePoints - 1);
  OnCbnSelchangeTempPoints(v.temperaturePoints - 1);
  m_comboPressPoints->setCurrentIndex(v.pressurePoints - 2);
  OnCbnSelchangePressPoints(v.pressurePoints - 2);
  for (size_t k = 0; k < v.temperatures.size(); ++k)
    m_editTemp[k]->setText(QString::asprintf("%.2f", v.temperatures[k]));
  const int middle = v.temperaturePoints / 2;
  m_comboCurTemp->setCurrentIndex(middle);
  OnCbnSelchangeCurTemp(middle);
  if (m_nCurTemp != middle) return;
  if (static_cast<size_t>(middle) < v.temperatureAd.size())
    m_boxTad->setText(QString::number(v.temperatureAd[static_cast<size_t>(middle)]));
  for (size_t j = 0; j < v.middleTable.size(); ++j) {
    const int row = static_cast<int>(j);
    const float p = TablePointPressure(row, v.pressurePoints, v.pvLowerLimit, v.pvUpperLimit);
    SetQuietly(m_rows[j].ad, QString::number(v.middleTable[j]));
    m_nAd[j] = v.middleTable[j];
    m_bSampled[j] = 1;
    SetQuietly(m_rows[j].pressure, Fixed4(p));
    m_dPressure[j] = p;
  }
}
