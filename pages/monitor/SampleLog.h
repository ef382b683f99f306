// The readings of one monitor run with their time stamps, for "Save CSV": every turn since
// Start, not only the chart's last 100. The page's display step adds to it and Save CSV reads
// it, both on the UI thread, so it takes no lock.
//
//   SampleLog log("PV", {"current (mA)", "percentage (%)"});
//   log.Start(SampleTime());
//   log.Add(SampleTime(), 50.0f, "kPa", {12.0f, 50.0f});
//   log.SaveCsv("run.csv", &error);
//
// gives
//
//   time,PV,unit,current (mA),percentage (%)
//   2026-12-09T08:15:30.250,50.0000,kPa,12.0000,50.0000
//
// The header is in the language in force when the file is saved; the lines are the same in
// every language. Every file opens the same way: the time, the page's value and its unit. The PV's
// unit is the device's and may change, so it is a column; the other values have fixed units, so
// those stand in their headers. Lines end in CR LF, the line break of RFC 4180, which every
// spreadsheet reads on every system.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

class QIODevice;

class SampleLog {
 public:
  // At least three and a half days of sampling (a turn takes 300 ms plus its exchanges) in
  // 24 MB; beyond it the oldest readings go, and Save CSV says how many.
  static constexpr size_t kDefaultCap = 1'000'000;
  // Values after the first one (the process page has two).
  static constexpr size_t kMaxMoreValues = 2;

  // `value` names the first value (its unit column follows it), `moreValues` the others,
  // their units in their names: source texts, translated when the file is written.
  explicit SampleLog(QString value, QStringList moreValues = {}, size_t cap = kDefaultCap);

  // Empties the log for a run that starts at `at`.
  void Start(const QDateTime& at);
  // One turn: its readings as the page shows them, `more` as many as `moreValues` named.
  void Add(const QDateTime& at, float value, const QString& unit,
           std::initializer_list<float> more = {});

  size_t Count() const { return m_rows.size(); }
  // How many of the run's oldest readings the cap has pushed out.
  size_t Dropped() const { return m_dropped; }
  const QDateTime& StartTime() const { return m_start; }

  // The header and one line per turn. False when `out` refused a write.
  bool WriteCsv(QIODevice& out) const;
  // Writes the file whole or not at all; on failure `error` says why.
  bool SaveCsv(const QString& path, QString* error) const;

  // A field as CSV carries it: in double quotes, its quotes doubled, only when it holds a
  // comma, a quote or a line break.
  static QString CsvField(const QString& text);

 private:
  struct Row {
    // The local time as the clock showed it, in ms since 1970-01-01 00:00 of that clock:
    // written out without any time zone arithmetic.
    qint64 wallMsecs;
    std::array<float, 1 + kMaxMoreValues> values;
    uint16_t unit;  // index into m_units
  };
  uint16_t UnitIndex(const QString& unit);

  QStringList m_columns;  // the header's source texts
  size_t m_moreValues;
  size_t m_cap;
  QDateTime m_start;
  std::deque<Row> m_rows;
  std::vector<QString> m_units;  // the unit texts seen this run, each once
  size_t m_dropped = 0;
};

// The wall clock the monitor pages stamp their readings with: QDateTime::currentDateTime()
// unless a test installed another. UI thread only.
QDateTime SampleTime();
void SetTheSampleClock(std::function<QDateTime()> clock);  // empty restores the wall clock
