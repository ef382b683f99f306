// Device History against a store holding 100,000 records of one device (and 20,000 of 20
// others): opening it (the store, the device list and the device's newest 500 records) and
// a filter over the device's records, on SQLite and on PostgreSQL (a private server, as the
// tests start it, vacuumed and analysed as its autovacuum leaves a table). Times in
// milliseconds.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "PostgresServer.h"
#include "RecordStore.h"

namespace {

constexpr int kDeviceRecords = 100000;
constexpr int kOtherDevices = 20, kOtherRecords = 1000;
constexpr int kPage = 500;
const QString kDevice = QStringLiteral("26-05-0A0001");

const char* const kOperations[] = {
    "Damping Time > Update",
    "Rerange Without Pressure > Update",
    "Instrument Detail > Read",
    "Loop & PGA Settings > Loop Check",
    "Two Point Trim > Lower Trim",
    "File > Update to computer",
    "Online Test",
    "Instrument Number > Update",
};

DeviceRecord Make(int i, const QString& device, qint64 time) {
  DeviceRecord r;
  r.uid = QStringLiteral("%1-%2").arg(device).arg(i);
  r.timeUtcMs = time;
  r.station = QStringLiteral("LINE3-PC%1").arg(i % 4);
  r.user = QStringLiteral("tech%1").arg(i % 7);
  r.device = device;
  r.tag = QStringLiteral("PT-%1").arg(100 + i / 20000);
  r.operation = QString::fromLatin1(kOperations[i % 8]);
  r.kind = QStringLiteral("write");
  r.detail = QStringLiteral("Damping Time %1.%2 s -> %3.%4 s (device: %3.%4 s)")
                 .arg(i % 30)
                 .arg(i % 10000, 4, 10, QLatin1Char('0'))
                 .arg((i + 1) % 30)
                 .arg((i * 7) % 10000, 4, 10, QLatin1Char('0'));
  r.result = i % 50 == 0 ? QStringLiteral("No response,timeout!") : QStringLiteral("OK");
  return r;
}

// Fills a new store: the device's records one a second, the others' in between.
bool Fill(const RecordsLocation& where) {
  QString error;
  auto store = RecordStore::Open(where, &error);
  if (!store) {
    std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
    return false;
  }
  const qint64 start = 1796804130000;
  std::vector<DeviceRecord> batch;
  auto flush = [&] {
    const bool ok = store->Append(batch, &error);
    if (!ok) std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
    batch.clear();
    return ok;
  };
  for (int i = 0; i < kDeviceRecords; ++i) {
    batch.push_back(Make(i, kDevice, start + i * 1000LL));
    if (batch.size() == 5000 && !flush()) return false;
  }
  for (int d = 0; d < kOtherDevices; ++d) {
    const QString device = QStringLiteral("26-05-0B%1").arg(d, 4, 10, QLatin1Char('0'));
    for (int i = 0; i < kOtherRecords; ++i) {
      batch.push_back(Make(i, device, start + i * 100000LL + 500));
      if (batch.size() == 5000 && !flush()) return false;
    }
  }
  return flush();
}

struct Stores {
  QTemporaryDir dir;
  RecordsLocation sqlite, postgres;
  bool sqliteReady = false, postgresReady = false;

  static Stores& Get() {
    static Stores stores;
    return stores;
  }

 private:
  Stores() {
    ParseRecordsLocation(dir.filePath(QStringLiteral("Records.db")), sqlite, nullptr);
    sqliteReady = Fill(sqlite);
    PostgresServer& pg = PostgresServer::Shared();
    if (!pg.ready()) {
      std::fprintf(stderr, "bench_records: no PostgreSQL: %s\n", pg.problem().c_str());
      return;
    }
    postgresReady =
        pg.CreateDatabase("bench_records") &&
        ParseRecordsLocation(QString::fromStdString(pg.Url("bench_records")), postgres, nullptr) &&
        Fill(postgres) && Settle(postgres);
  }

 public:
  // A server's autovacuum looks at a table soon after many rows came in; the figures are
  // for that steady state, not for the minute after the bulk load.
  static bool Settle(const RecordsLocation& where) {
    bool ok = false;
    {
      QSqlDatabase db =
          QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("settle"));
      db.setHostName(where.host);
      db.setUserName(where.user);
      db.setDatabaseName(where.database);
      ok = db.open() && QSqlQuery(db).exec(QStringLiteral("VACUUM ANALYZE records"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("settle"));
    return ok;
  }
};

const RecordsLocation* Location(benchmark::State& state) {
  Stores& stores = Stores::Get();
  const bool postgres = state.range(0) == 1;
  if (postgres ? !stores.postgresReady : !stores.sqliteReady) {
    state.SkipWithError("store not available");
    return nullptr;
  }
  state.SetLabel(postgres ? "PostgreSQL" : "SQLite");
  return postgres ? &stores.postgres : &stores.sqlite;
}

// The window opens: its own connection, the device list, the chosen device's newest page.
void BM_HistoryOpen(benchmark::State& state) {
  const RecordsLocation* where = Location(state);
  if (!where) return;
  for (auto _ : state) {
    QString error;
    auto store = RecordStore::Open(*where, &error);
    const auto devices = store->Devices(&error);
    const auto records = store->Records(kDevice, QString(), kPage, &error);
    if (devices.size() != kOtherDevices + 1 || records.size() != kPage)
      state.SkipWithError("wrong answer");
    benchmark::DoNotOptimize(records.data());
  }
}

// A filter typed into the box, on an open store. `range(1)`: 0 a text that few records
// hold (fewer than a page: every record of the device is looked at), 1 a common one.
void BM_HistoryFilter(benchmark::State& state) {
  const RecordsLocation* where = Location(state);
  if (!where) return;
  QString error;
  auto store = RecordStore::Open(*where, &error);
  const QString filter =
      state.range(1) == 0 ? QStringLiteral("12.0042 s ->") : QStringLiteral("damping time >");
  size_t found = 0;
  for (auto _ : state) {
    const auto records = store->Records(kDevice, filter, kPage, &error);
    found = records.size();
    benchmark::DoNotOptimize(records.data());
  }
  if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
  state.counters["found"] = static_cast<double>(found);
}

BENCHMARK(BM_HistoryOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryFilter)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
