#include "RecordStore.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {

// The filter searches one column: the searchable fields case-folded, kept apart by a
// character no filter typed into a box contains, so a match never spans two fields.
QString SearchText(const DeviceRecord& r) {
  const QChar sep(0x1F);
  return (r.operation + sep + r.detail + sep + r.result + sep + r.tag + sep + r.station + sep +
          r.user)
      .toCaseFolded();
}

// Qt binds a null QString as SQL NULL, and the text columns are NOT NULL. PostgreSQL takes
// no NUL character in a text: one would stop every later record, so it is stored as U+FFFD.
QVariant Text(const QString& s) {
  if (s.isNull()) return QVariant(QStringLiteral(""));
  if (s.contains(QChar(0))) return QVariant(QString(s).replace(QChar(0), QChar(0xFFFD)));
  return QVariant(s);
}

QString ErrorText(const QSqlError& e) {
  const QString text = e.databaseText().isEmpty() ? e.text() : e.databaseText();
  return text.simplified();
}

// SQLite's codes for a file that is not a database, or a damaged one.
bool IsDamagedFile(const QSqlError& e) {
  const QString code = e.nativeErrorCode();
  return code == QLatin1String("26") || code == QLatin1String("11");
}

// The steps from each schema version to the next: kSteps[v] takes a database at version v
// to v + 1. %1 is the key column's type, %2 the type of binary data.
const char* const kSteps[RecordStore::kSchemaVersion][4] = {
    {"CREATE TABLE records (id %1, uid TEXT NOT NULL UNIQUE, time_utc_ms BIGINT NOT NULL, "
     "station TEXT NOT NULL, user_name TEXT NOT NULL, device TEXT NOT NULL, tag TEXT NOT NULL, "
     "operation TEXT NOT NULL, kind TEXT NOT NULL, detail TEXT NOT NULL, result TEXT NOT NULL, "
     "search TEXT NOT NULL, image %2)",
     // Device History: a device's records newest first, and all records newest first.
     "CREATE INDEX records_device_time ON records (device, time_utc_ms, id)",
     "CREATE INDEX records_time ON records (time_utc_ms, id)", nullptr},
};

const char kColumns[] =
    "uid, time_utc_ms, station, user_name, device, tag, operation, kind, detail, result";

}  // namespace

struct RecordStore::Impl {
  QString name;  // the connection's, unique to this object
  QSqlDatabase db;
  bool postgres = false;
  QString where;  // the location's text

  QSqlQuery Query() {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    return q;
  }
  bool Exec(const QString& sql, QString* error) {
    QSqlQuery q = Query();
    if (q.exec(sql)) return true;
    if (error) *error = ErrorText(q.lastError());
    return false;
  }
  // A write transaction: SQLite takes the file's write lock at once, so a locked file is
  // waited for (up to the busy timeout) here and not half-way through.
  bool Begin(QString* error) {
    return Exec(postgres ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"), error);
  }
  bool Commit(QString* error) {
    if (Exec(QStringLiteral("COMMIT"), error)) return true;
    Exec(QStringLiteral("ROLLBACK"), nullptr);
    return false;
  }
  bool Rollback() {
    Exec(QStringLiteral("ROLLBACK"), nullptr);
    return false;
  }

  // The schema's version: 0 for a new database, -1 with the reason on failure.
  int Version(QString* error) {
    QSqlQuery q = Query();
    const QString exists =
        postgres
            ? QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL")
            : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'");
    if (!q.exec(exists) || !q.next()) {
      if (error) *error = ErrorText(q.lastError());
      return -1;
    }
    if (!q.value(0).toBool()) return 0;
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next()) {
      if (error) *error = ErrorText(q.lastError());
      return -1;
    }
    return q.value(0).toInt();
  }

  // Brings an older schema to this program's version, in one transaction that also keeps
  // other programs creating it at the same moment out.
  bool Upgrade(QString* error) {
    if (!Begin(error)) return false;
    if (postgres && !Exec(QStringLiteral("SELECT pg_advisory_xact_lock(735100118)"), error))
      return Rollback();
    if (!Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version "
                             "(version INTEGER NOT NULL)"),
              error))
      return Rollback();
    int version = Version(error);
    if (version < 0) return Rollback();
    const QString key =
        postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY");
    const QString blob = postgres ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    for (; version < kSchemaVersion; ++version) {
      for (const char* step : kSteps[version]) {
        if (!step) continue;
        QString sql = QString::fromLatin1(step);
        if (!Exec(sql.replace(QLatin1String("%1"), key).replace(QLatin1String("%2"), blob), error))
          return Rollback();
      }
      // Each version reached is a row of its own: the table is only ever added to.
      if (!Exec(QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(version + 1),
                error))
        return Rollback();
    }
    return Commit(error);
  }

  bool Connect(const RecordsLocation& w, QString* error, bool* lasting) {
    static std::atomic<int> counter{0};
    name = QStringLiteral("records-%1").arg(counter++);
    where = w.text;
    postgres = w.kind == RecordsLocation::Kind::PostgreSQL;
    db = QSqlDatabase::addDatabase(postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                   name);
    if (!db.isValid()) {
      *error = QStringLiteral("%1: the Qt SQL driver %2 is not installed")
                   .arg(where, postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"));
      *lasting = true;
      return false;
    }
    if (postgres) {
      db.setHostName(w.host);
      db.setPort(w.port);
      db.setUserName(w.user);
      db.setPassword(w.password);
      db.setDatabaseName(w.database);
      db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
      if (QFileInfo(w.file).isDir()) {
        *error = QStringLiteral("%1 is a folder, not a records database").arg(w.file);
        *lasting = true;
        return false;
      }
      db.setDatabaseName(w.file);
      db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(w.lockWaitMs));
    }
    if (!db.open()) {
      *error = QStringLiteral("%1: %2").arg(where, ErrorText(db.lastError()));
      return false;
    }
    QString why;
    if (postgres) {
      // A lock held elsewhere fails the write with the reason instead of holding it forever.
      // Notices ("relation ... already exists, skipping" when stations create the schema at
      // once) are not the user's business.
      if (!Exec(QStringLiteral("SET client_min_messages = warning"), &why) ||
          !Exec(QStringLiteral("SET lock_timeout = %1").arg(w.lockWaitMs), &why)) {
        *error = QStringLiteral("%1: %2").arg(where, why);
        return false;
      }
    } else {
      // The first statement reads the file's header: a file that is not a database says so.
      QSqlQuery q = Query();
      if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        *lasting = IsDamagedFile(q.lastError());
        *error = *lasting ? QStringLiteral("%1 is not a records database: %2")
                                .arg(w.file, ErrorText(q.lastError()))
                          : QStringLiteral("%1: %2").arg(w.file, ErrorText(q.lastError()));
        return false;
      }
      // Readers and the writer do not block each other; a read-only file keeps its mode.
      Exec(QStringLiteral("PRAGMA journal_mode=WAL"), nullptr);
    }
    int version = Version(&why);
    if (version >= 0 && version < kSchemaVersion) {
      if (!Upgrade(&why)) version = -1;
      if (version >= 0) version = Version(&why);
    }
    if (version < 0) {
      *error = QStringLiteral("%1: %2").arg(where, why);
      return false;
    }
    if (version > kSchemaVersion) {
      *error = QStringLiteral("%1 has schema version %2; this program knows version %3")
                   .arg(where)
                   .arg(version)
                   .arg(kSchemaVersion);
      *lasting = true;
      return false;
    }
    return true;
  }

  ~Impl() {
    if (name.isEmpty()) return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
  }
};

RecordStore::RecordStore() : impl_(std::make_unique<Impl>()) {}
RecordStore::~RecordStore() = default;

std::unique_ptr<RecordStore> RecordStore::Open(const RecordsLocation& where, QString* error,
                                               bool* lasting) {
  QString why;
  bool lastingFailure = false;
  if (where.kind == RecordsLocation::Kind::None) {
    why = QStringLiteral("no records store (none)");
    lastingFailure = true;
  } else {
    std::unique_ptr<RecordStore> store(new RecordStore());
    if (store->impl_->Connect(where, &why, &lastingFailure)) return store;
  }
  if (error) *error = why;
  if (lasting) *lasting = lastingFailure;
  return nullptr;
}

bool RecordStore::Append(const std::vector<DeviceRecord>& records, QString* error) {
  Impl& d = *impl_;
  if (records.empty()) return true;
  if (!d.Begin(error)) return false;
  {
    QSqlQuery q = d.Query();
    const QString insert =
        QStringLiteral(
            "INSERT %1 INTO records (%2, search, image) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            " %3")
            .arg(d.postgres ? QString() : QStringLiteral("OR IGNORE"), QLatin1String(kColumns),
                 d.postgres ? QStringLiteral("ON CONFLICT (uid) DO NOTHING") : QString());
    if (!q.prepare(insert)) {
      if (error) *error = ErrorText(q.lastError());
      return d.Rollback();
    }
    for (const DeviceRecord& r : records) {
      const QVariant values[] = {
          Text(r.uid),
          QVariant(static_cast<qlonglong>(r.timeUtcMs)),
          Text(r.station),
          Text(r.user),
          Text(r.device),
          Text(r.tag),
          Text(r.operation),
          Text(r.kind),
          Text(r.detail),
          Text(r.result),
          Text(SearchText(r)),
          r.image.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray)) : QVariant(r.image)};
      for (int i = 0; i < 12; ++i)
        q.bindValue(i, values[i]);
      if (!q.exec()) {
        if (error) *error = ErrorText(q.lastError());
        return d.Rollback();
      }
    }
  }
  return d.Commit(error);
}

std::vector<DeviceSummary> RecordStore::Devices(QString* error) {
  QSqlQuery q = impl_->Query();
  std::vector<DeviceSummary> devices;
  const QString sql = QStringLiteral(
      "SELECT d.device, d.last_seen, d.n, (SELECT r.tag FROM records r WHERE r.device = d.device"
      " AND r.tag <> '' ORDER BY r.time_utc_ms DESC, r.id DESC LIMIT 1)"
      " FROM (SELECT device, MAX(time_utc_ms) AS last_seen, COUNT(*) AS n FROM records"
      " WHERE device <> '' GROUP BY device) d ORDER BY d.last_seen DESC, d.device");
  if (!q.exec(sql)) {
    if (error) *error = ErrorText(q.lastError());
    return devices;
  }
  while (q.next()) {
    devices.push_back({q.value(0).toString(), q.value(3).toString(), q.value(1).toLongLong(),
                       q.value(2).toLongLong()});
  }
  return devices;
}

std::vector<DeviceRecord> RecordStore::Records(const QString& device, const QString& filter,
                                               int limit, QString* error) {
  Impl& d = *impl_;
  std::vector<DeviceRecord> records;
  QStringList where;
  if (!device.isEmpty()) where << QStringLiteral("device = ?");
  if (!filter.isEmpty())
    where << (d.postgres ? QStringLiteral("strpos(search, ?) > 0")
                         : QStringLiteral("instr(search, ?) > 0"));
  // Newest first along the index, so the scan stops once `limit` rows have matched.
  const QString sql =
      QStringLiteral(
          "SELECT %1 FROM records %2 ORDER BY time_utc_ms DESC, id DESC"
          " LIMIT ?")
          .arg(QLatin1String(kColumns),
               where.isEmpty() ? QString()
                               : QStringLiteral("WHERE ") + where.join(QStringLiteral(" AND ")));
  QSqlQuery q = d.Query();
  if (!q.prepare(sql)) {
    if (error) *error = ErrorText(q.lastError());
    return records;
  }
  int bound = 0;
  if (!device.isEmpty()) q.bindValue(bound++, device);
  if (!filter.isEmpty()) q.bindValue(bound++, filter.toCaseFolded());
  q.bindValue(bound, qMax(0, limit));
  if (!q.exec()) {
    if (error) *error = ErrorText(q.lastError());
    return records;
  }
  while (q.next()) {
    DeviceRecord r;
    r.uid = q.value(0).toString();
    r.timeUtcMs = q.value(1).toLongLong();
    r.station = q.value(2).toString();
    r.user = q.value(3).toString();
    r.device = q.value(4).toString();
    r.tag = q.value(5).toString();
    r.operation = q.value(6).toString();
    r.kind = q.value(7).toString();
    r.detail = q.value(8).toString();
    r.result = q.value(9).toString();
    records.push_back(std::move(r));
  }
  return records;
}

std::optional<QByteArray> RecordStore::Image(const QString& uid, QString* error) {
  QSqlQuery q = impl_->Query();
  if (!q.prepare(QStringLiteral("SELECT image FROM records WHERE uid = ?"))) {
    if (error) *error = ErrorText(q.lastError());
    return std::nullopt;
  }
  q.bindValue(0, uid);
  if (!q.exec()) {
    if (error) *error = ErrorText(q.lastError());
    return std::nullopt;
  }
  if (!q.next() || q.isNull(0)) return std::nullopt;
  return q.value(0).toByteArray();
}

namespace {

// RFC 4180: a field with a comma, a quote or a line break goes in quotes, its quotes doubled.
void AppendCsvField(QByteArray& out, const QString& field) {
  const QByteArray utf8 = field.toUtf8();
  if (utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r')) {
    out += '"';
    out += QByteArray(utf8).replace("\"", "\"\"");
    out += '"';
  } else {
    out += utf8;
  }
}

}  // namespace

QByteArray RecordsCsv(const std::vector<DeviceRecord>& records,
                      const std::function<QString(const char*)>& headerName) {
  static const char* const kColumns[] = {"time", "station",   "user",   "device",
                                         "tag",  "operation", "detail", "result"};
  QByteArray out;
  for (const char* column : kColumns) {
    if (column != kColumns[0]) out += ',';
    AppendCsvField(out, headerName ? headerName(column) : QString(column));
  }
  out += "\r\n";
  for (const DeviceRecord& r : records) {
    const QString time = QDateTime::fromMSecsSinceEpoch(r.timeUtcMs, Qt::UTC)
                             .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
    const QString* fields[] = {&time,  &r.station,   &r.user,   &r.device,
                               &r.tag, &r.operation, &r.detail, &r.result};
    for (const QString* field : fields) {
      if (field != fields[0]) out += ',';
      AppendCsvField(out, *field);
    }
    out += "\r\n";
  }
  return out;
}
