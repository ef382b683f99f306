// The writer: records stored in order across an outage of the store, kept in the journal
// when the program ends before the store is back, and stored once by the next program; four
// programs writing into one PostgreSQL database at once.
#include <sys/wait.h>

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <mutex>
#include <thread>

#include "RecordJournal.h"
#include "RecordWriter.h"
#include "StoreBackends.h"

namespace {

DeviceRecord Numbered(const QString& prefix, int i, qint64 time) {
  DeviceRecord r = NewDeviceRecord();
  r.uid = QStringLiteral("%1-%2").arg(prefix).arg(i);
  r.timeUtcMs = time;
  r.device = prefix;
  r.operation = QStringLiteral("Damping Time > Update");
  r.kind = record_kind::kWrite;
  r.detail = QStringLiteral("Damping Time -> %1.0000 s").arg(i);
  r.result = kRecordOk;
  return r;
}

// The records of the journal file, in its order.
std::vector<QString> JournalUids(const QString& path) {
  std::vector<DeviceRecord> records;
  RecordJournal(path).Load(records, nullptr);
  std::vector<QString> uids;
  for (const DeviceRecord& r : records)
    uids.push_back(r.uid);
  return uids;
}

// Waits (up to 10 s) until `done` holds; the writer works on a thread of its own.
template <class Done>
bool WaitFor(Done done) {
  for (int i = 0; i < 1000; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

template <class Done>
bool WaitForStatus(const RecordWriter& writer, Done done) {
  return WaitFor([&] { return done(writer.CurrentStatus()); });
}

class RecordWriterTest : public StoreTest {
 protected:
  QString Journal() const { return dir_.filePath("Records.journal"); }
  // Every stored record's uid, newest first.
  std::vector<QString> StoredUids() {
    std::vector<QString> uids;
    auto store = OpenStore();
    if (!store) return uids;
    for (const DeviceRecord& r : store->Records("", "", 100000, nullptr))
      uids.push_back(r.uid);
    return uids;
  }
};

TEST_P(RecordWriterTest, StoresInOrderAcrossAnOutage) {
  RecordWriter writer(where_, Journal());
  std::mutex m;
  std::vector<RecordWriter::Status> heard;
  writer.SetStatusListener([&](const RecordWriter::Status& s) {
    std::lock_guard lk(m);
    heard.push_back(s);
  });
  ASSERT_TRUE(writer.Flush(10000));
  BeginOutage();
  for (int i = 0; i < 3; ++i)
    writer.Add(Numbered("26-05-0A0001", i, 1000 + i));
  EXPECT_FALSE(writer.Flush(300));
  ASSERT_TRUE(WaitForStatus(writer, [](const auto& s) { return !s.reason.isEmpty(); }));
  const RecordWriter::Status waiting = writer.CurrentStatus();
  EXPECT_EQ(waiting.pending, 3);
  EXPECT_FALSE(waiting.disabled);
  // While they wait, the journal holds them, in order.
  EXPECT_TRUE(WaitFor([&] { return JournalUids(Journal()).size() == 3; }));
  EXPECT_EQ(JournalUids(Journal()),
            (std::vector<QString>{"26-05-0A0001-0", "26-05-0A0001-1", "26-05-0A0001-2"}));
  writer.Add(Numbered("26-05-0A0001", 3, 1003));
  EndOutage();

  ASSERT_TRUE(writer.Flush(20000)) << writer.CurrentStatus().reason.toStdString();
  EXPECT_EQ(StoredUids(), (std::vector<QString>{"26-05-0A0001-3", "26-05-0A0001-2",
                                                "26-05-0A0001-1", "26-05-0A0001-0"}));
  EXPECT_FALSE(QFile::exists(Journal()));
  // The listener hears it all: why they waited, and that none waits any more.
  EXPECT_TRUE(WaitFor([&] {
    std::lock_guard lk(m);
    return !heard.empty() && heard.back().pending == 0 && heard.back().reason.isEmpty();
  }));
  std::lock_guard lk(m);
  bool toldTheReason = false;
  for (const auto& s : heard)
    toldTheReason = toldTheReason || (s.pending >= 3 && s.reason == waiting.reason);
  EXPECT_TRUE(toldTheReason) << "the listener did not hear why records waited";
}

TEST_P(RecordWriterTest, TheJournalOutlivesTheWriterAndIsStoredOnce) {
  BeginOutage();
  {
    RecordWriter writer(where_, Journal());
    for (int i = 0; i < 3; ++i)
      writer.Add(Numbered("26-05-0A0001", i, 7000));
    EXPECT_FALSE(writer.Flush(300));
    writer.Close(100);
    EXPECT_EQ(writer.CurrentStatus().pending, 3);
  }
  EXPECT_EQ(JournalUids(Journal()).size(), 3u);
  EndOutage();
  {
    // The next program: what the journal kept goes first, before a record handed over now
    // (all in one millisecond, so only the storing order puts them in this order).
    RecordWriter writer(where_, Journal());
    writer.Add(Numbered("26-05-0A0001", 3, 7000));
    ASSERT_TRUE(writer.Flush(20000)) << writer.CurrentStatus().reason.toStdString();
  }
  EXPECT_EQ(StoredUids(), (std::vector<QString>{"26-05-0A0001-3", "26-05-0A0001-2",
                                                "26-05-0A0001-1", "26-05-0A0001-0"}));
  EXPECT_FALSE(QFile::exists(Journal()));
  {
    RecordWriter writer(where_, Journal());  // nothing left to store twice
    ASSERT_TRUE(writer.Flush(20000));
  }
  EXPECT_EQ(StoredUids().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Both, RecordWriterTest,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL), BackendName);

TEST(RecordWriter, WithoutAStoreRecordsStayInTheJournal) {
  QTemporaryDir dir;
  const QString journal = dir.filePath("Records.journal");
  const QString damaged = dir.filePath("Records.db");
  {
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
  }
  // A damaged file, and a location that does not parse: nothing will store the records in
  // this run, so the writer says so and keeps them for a later one.
  const QString locations[] = {damaged, QStringLiteral("postgresql://tech@line3")};
  std::vector<QString> kept;
  for (const QString& location : locations) {
    RecordWriter writer(location, journal);
    kept.push_back(QStringLiteral("26-05-0A0001-%1").arg(kept.size()));
    writer.Add(Numbered("26-05-0A0001", static_cast<int>(kept.size() - 1), 1000));
    EXPECT_FALSE(writer.Flush(5000));
    ASSERT_TRUE(WaitForStatus(writer, [&](const auto& s) {
      return s.disabled && s.pending == static_cast<int>(kept.size());
    }));
    writer.Close(0);
    EXPECT_TRUE(writer.CurrentStatus().reason.startsWith(location + ": ") ||
                writer.CurrentStatus().reason.startsWith(location + " is not"))
        << writer.CurrentStatus().reason.toStdString();
    // The earlier program's record as well: the journal is only ever given up once stored.
    EXPECT_EQ(JournalUids(journal), kept);
  }
  // "none": no records at all, and no journal either.
  QFile::remove(journal);
  RecordWriter none(QStringLiteral("none"), journal);
  none.Add(Numbered("26-05-0A0001", 2, 1000));
  none.Close();
  EXPECT_TRUE(none.CurrentStatus().disabled);
  EXPECT_EQ(none.CurrentStatus().pending, 0);
  EXPECT_FALSE(QFile::exists(journal));
}

constexpr int kPerProcess = 400;

// Four programs at once write into one new PostgreSQL database: they race to create the
// schema, each writes its records in batches, and each hands some over twice.
TEST(RecordWriter, FourProcessesIntoOnePostgresDatabase) {
  PostgresServer& pg = PostgresServer::Shared();
  if (!pg.ready()) GTEST_SKIP() << pg.problem();
  const std::string name = "records_four_" + std::to_string(getpid());
  ASSERT_TRUE(pg.CreateDatabase(name)) << pg.problem();
  const std::string url = pg.Url(name);
  std::vector<pid_t> children;
  for (int k = 0; k < 4; ++k) {
    const pid_t pid = fork();
    if (pid == 0) {
      const std::string prefix = "STATION" + std::to_string(k);
      execl("/proc/self/exe", "records_tests", "--record-writer", url.c_str(), prefix.c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed: " << status;
  }
  RecordsLocation where;
  ASSERT_TRUE(ParseRecordsLocation(QString::fromStdString(url), where, nullptr));
  QString error;
  auto store = RecordStore::Open(where, &error);
  ASSERT_TRUE(store) << error.toStdString();
  const auto devices = store->Devices(&error);
  ASSERT_EQ(devices.size(), 4u) << error.toStdString();
  for (const DeviceSummary& d : devices) {
    EXPECT_EQ(d.records, kPerProcess) << d.device.toStdString();
    const auto records = store->Records(d.device, "", 10 * kPerProcess, &error);
    ASSERT_EQ(records.size(), static_cast<size_t>(kPerProcess));
    for (int i = 0; i < kPerProcess; ++i)
      ASSERT_EQ(records[i].uid, d.device + "-" + QString::number(kPerProcess - 1 - i));
  }
}

}  // namespace

// One of the four programs: its records, some handed over twice, all stored before it ends.
int RecordWriterProcess(const char* url, const char* prefix) {
  RecordWriter writer(QString::fromUtf8(url), QString());
  const QString device = QString::fromUtf8(prefix);
  for (int i = 0; i < kPerProcess; ++i) {
    writer.Add(Numbered(device, i, 1000 + i));
    if (i % 50 == 49) {
      writer.Add(Numbered(device, i - 10, 1000 + i - 10));  // the same record again
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  const bool stored = writer.Flush(60000);
  if (!stored) std::fprintf(stderr, "%s\n", writer.CurrentStatus().reason.toUtf8().constData());
  return stored ? 0 : 1;
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 4 && std::string(argv[1]) == "--record-writer")
    return RecordWriterProcess(argv[2], argv[3]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
