#include "SampleLog.h"

#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <charconv>
#include <utility>

#include "Language.h"
#include "SafeFile.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
// Lines gather in memory up to this size before they go to the file.
constexpr qsizetype kChunkBytes = 64 * 1024;

std::function<QDateTime()>& SampleClock() {
  static std::function<QDateTime()> clock;
  return clock;
}

constexpr qint64 kMsPerDay = 24 * 3600 * 1000;
constexpr qint64 kEpochDay = 2440588;  // the Julian day of 1970-01-01

qint64 WallMsecs(const QDateTime& at) {
  return (at.date().toJulianDay() - kEpochDay) * kMsPerDay + at.time().msecsSinceStartOfDay();
}

// The numbers are written by hand: a million lines through QString::asprintf and QDateTime
// would keep the window frozen for seconds.

void AppendDigits(QByteArray& out, int value, int width) {
  char text[8];
  for (int i = width; i-- > 0; value /= 10)
    text[i] = static_cast<char>('0' + value % 10);
  out.append(text, width);
}

// ISO 8601 local time with milliseconds: 2026-12-09T08:15:30.125.
void AppendTime(QByteArray& out, qint64 wallMsecs) {
  qint64 day = wallMsecs / kMsPerDay;
  if (wallMsecs % kMsPerDay < 0) --day;
  const auto ms = static_cast<int>(wallMsecs - day * kMsPerDay);
  const QDate date = QDate::fromJulianDay(kEpochDay + day);
  AppendDigits(out, date.year(), 4);
  out += '-';
  AppendDigits(out, date.month(), 2);
  out += '-';
  AppendDigits(out, date.day(), 2);
  out += 'T';
  AppendDigits(out, ms / 3600000, 2);
  out += ':';
  AppendDigits(out, ms / 60000 % 60, 2);
  out += ':';
  AppendDigits(out, ms / 1000 % 60, 2);
  out += '.';
  AppendDigits(out, ms % 1000, 3);
}

// The digits the pages show ("%.4f"): to_chars formats as printf does in the C locale, so
// the decimal point is a '.' whatever the user's locale.
void AppendFixed4(QByteArray& out, float value) {
  char text[64];  // a float's largest value has 39 digits
  const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                    std::chars_format::fixed, 4);
  out.append(text, result.ptr - text);
}

bool Flush(QIODevice& out, QByteArray& chunk) {
  const bool written = out.write(chunk) == chunk.size();
  chunk.clear();
  return written;
}

}  // namespace

QDateTime SampleTime() {
  const auto& clock = SampleClock();
  return clock ? clock() : QDateTime::currentDateTime();
}

void SetTheSampleClock(std::function<QDateTime()> clock) {
  SampleClock() = std::move(clock);
}

SampleLog::SampleLog(QString value, QStringList moreValues, size_t cap)
    : m_moreValues(std::min<size_t>(static_cast<size_t>(moreValues.size()), kMaxMoreValues)),
      m_cap(std::max<size_t>(cap, 1)) {
  m_columns = QStringList{QString(N_("time")), std::move(value), QString(N_("unit"))};
  m_columns += moreValues.mid(0, static_cast<qsizetype>(m_moreValues));
}

void SampleLog::Start(const QDateTime& at) {
  m_start = at;
  m_rows.clear();
  m_units.clear();
  m_dropped = 0;
}

void SampleLog::Add(const QDateTime& at, float value, const QString& unit,
                    std::initializer_list<float> more) {
  Row row{WallMsecs(at), {value}, UnitIndex(unit)};
  std::copy_n(more.begin(), std::min(more.size(), m_moreValues), row.values.begin() + 1);
  if (m_rows.size() == m_cap) {
    m_rows.pop_front();
    ++m_dropped;
  }
  m_rows.push_back(row);
}

uint16_t SampleLog::UnitIndex(const QString& unit) {
  // A run sees one unit, or a few when the device's unit is changed meanwhile.
  auto found = std::find(m_units.begin(), m_units.end(), unit);
  if (found == m_units.end()) {
    if (m_units.size() > UINT16_MAX) return 0;
    m_units.push_back(unit);
    found = m_units.end() - 1;
  }
  return static_cast<uint16_t>(found - m_units.begin());
}

bool SampleLog::WriteCsv(QIODevice& out) const {
  std::vector<QByteArray> units;
  for (const QString& unit : m_units)
    units.push_back(CsvField(unit).toUtf8());
  QStringList header;
  for (const QString& name : m_columns)
    header << CsvField(Tr(name));
  QByteArray chunk = header.join(',').toUtf8() + kLineEnd;
  for (const Row& row : m_rows) {
    AppendTime(chunk, row.wallMsecs);
    chunk += ',';
    AppendFixed4(chunk, row.values[0]);
    chunk += ',';
    chunk += units[row.unit];
    for (size_t i = 1; i <= m_moreValues; ++i) {
      chunk += ',';
      AppendFixed4(chunk, row.values[i]);
    }
    chunk += kLineEnd;
    if (chunk.size() >= kChunkBytes && !Flush(out, chunk)) return false;
  }
  return Flush(out, chunk);
}

bool SampleLog::SaveCsv(const QString& path, QString* error) const {
  return WriteFileSafely(
      path, [this](QIODevice& file) { return WriteCsv(file); }, error);
}

QString SampleLog::CsvField(const QString& text) {
  const auto special = [](QChar c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
  if (std::none_of(text.begin(), text.end(), special)) return text;
  QString quoted = text;
  quoted.replace('"', QStringLiteral("\"\""));
  return '"' + quoted + '"';
}
