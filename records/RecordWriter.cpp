#include "RecordWriter.h"

#include <QSet>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "RecordJournal.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kBatch = 500;  // records in one transaction
constexpr int kFirstPauseMs = 250;
constexpr int kLongestPauseMs = 4000;

RecordsLocation LocationOf(const QString& text) {
  RecordsLocation where;
  ParseRecordsLocation(text, where, nullptr);
  return where;
}

QString RefusalOf(const QString& text) {
  RecordsLocation where;
  QString why;
  return ParseRecordsLocation(text, where, &why) ? QString() : why;
}

bool operator==(const RecordWriter::Status& a, const RecordWriter::Status& b) {
  return a.pending == b.pending && a.reason == b.reason && a.disabled == b.disabled;
}

}  // namespace

struct RecordWriter::Impl {
  RecordsLocation where;
  QString refused;                       // why the location text did not parse
  std::optional<RecordJournal> journal;  // none for "none" or an empty path

  // Shared with the callers, under `m`.
  mutable std::mutex m;
  std::condition_variable cv;
  std::deque<DeviceRecord> pending;  // in order, the oldest first
  bool started = false;              // the journal has been read
  bool journalDirty = false;         // records came that the journal does not hold yet
  bool journalFailed = false;        // its last write failed: tried again after a pause
  bool disabled = false;
  bool running = false;  // the thread runs and takes records
  bool stop = false;
  bool wake = false;  // Flush: try now, without the pause
  bool republish = false;
  QString reason;
  Clock::time_point retryAt{};
  Clock::time_point closeBy{};
  std::function<void(const Status&)> listener;
  std::thread thread;

  // The writer thread's own.
  std::unique_ptr<RecordStore> store;
  QSet<QString> storedSinceJournal;  // stored, perhaps still in the journal file
  int failures = 0;
  std::optional<Status> published;

  Status StatusLocked() const { return {static_cast<int>(pending.size()), reason, disabled}; }

  // Tells the listener, outside the lock, when the status is not the one it last heard.
  void Publish() {
    std::function<void(const Status&)> tell;
    Status now;
    {
      std::lock_guard lk(m);
      now = StatusLocked();
      if (published && *published == now && !republish) return;
      republish = false;
      tell = listener;
    }
    published = now;
    if (tell) tell(now);
  }

  // Brings the journal in line with what waits: the new records in, the stored ones out.
  void SyncJournal() {
    if (!journal) return;
    std::vector<DeviceRecord> all;
    {
      std::lock_guard lk(m);
      if (!journalDirty && storedSinceJournal.isEmpty()) return;
      all.assign(pending.begin(), pending.end());
      journalDirty = false;
    }
    QString why;
    const bool written = journal->Update(all, storedSinceJournal, &why);
    if (written) storedSinceJournal.clear();
    std::lock_guard lk(m);
    journalFailed = !written;
    if (written) return;
    journalDirty = true;
    reason = why;
    retryAt = std::max(retryAt, Clock::now() + std::chrono::milliseconds(kLongestPauseMs));
  }

  // One try at the oldest batch; false when it failed.
  bool StoreBatch() {
    std::vector<DeviceRecord> batch;
    {
      std::lock_guard lk(m);
      const size_t n = std::min(pending.size(), kBatch);
      batch.assign(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n));
    }
    QString why;
    if (!store) {
      bool lasting = false;
      store = RecordStore::Open(where, &why, &lasting);
      if (!store && lasting) {
        // Nothing will store them in this run: they stay in the journal for a later one.
        std::lock_guard lk(m);
        disabled = true;
        reason = why;
        return false;
      }
    }
    if (store && store->Append(batch, &why)) {
      std::lock_guard lk(m);
      pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(batch.size()));
      for (const DeviceRecord& r : batch)
        storedSinceJournal.insert(r.uid);
      reason.clear();
      failures = 0;
      return true;
    }
    // A connection that failed once is opened afresh: a restarted server needs a new one.
    store.reset();
    std::lock_guard lk(m);
    reason = why;
    ++failures;
    const int pause = std::min(kLongestPauseMs, kFirstPauseMs << std::min(failures - 1, 5));
    retryAt = Clock::now() + std::chrono::milliseconds(pause);
    return false;
  }

  // The journal takes the new records first, so a record handed over is on disk before
  // anything else happens to it; then batches go to the store (when `tryStore`) until one
  // fails; then the journal lets go of what was stored.
  void Attempt(bool tryStore, bool closing) {
    SyncJournal();
    while (tryStore) {
      {
        std::lock_guard lk(m);
        if (pending.empty() || disabled || (closing && Clock::now() >= closeBy)) break;
      }
      if (!StoreBatch()) break;
    }
    SyncJournal();
  }

  // Under `m`: whether there is work for the thread now. New records go to the journal at
  // once, unless its last write failed; tries of the store (or of a failed journal) wait for
  // the pause, or for Flush.
  bool Due() const {
    if (pending.empty()) return false;
    if (journalDirty && !journalFailed) return true;
    return (wake || Clock::now() >= retryAt) && (!disabled || journalDirty);
  }

  void Run() {
    std::vector<DeviceRecord> kept;
    QString why;
    const bool loaded = !journal || journal->Load(kept, &why);
    {
      std::lock_guard lk(m);
      // What the journal kept is stored before anything handed over since.
      pending.insert(pending.begin(), kept.begin(), kept.end());
      started = true;
      if (!loaded) reason = why;
    }
    OpenEarly();
    cv.notify_all();
    for (;;) {
      Publish();
      bool tryStore = false;
      {
        std::unique_lock lk(m);
        while (!stop && !republish && !Due()) {
          if (pending.empty() || (disabled && !journalFailed))
            cv.wait(lk);
          else
            cv.wait_until(lk, retryAt);
        }
        if (stop) break;
        if (!Due()) continue;  // only the listener to tell
        tryStore = !disabled && (wake || Clock::now() >= retryAt);
        wake = false;
      }
      Attempt(tryStore, false);
      cv.notify_all();
    }
    Attempt(!IsDisabled(), true);  // once more, then the journal keeps the rest
    store.reset();
    Publish();
    std::lock_guard lk(m);
    running = false;
    cv.notify_all();
  }

  bool IsDisabled() {
    std::lock_guard lk(m);
    return disabled;
  }

  // The store is opened at the start, so one that cannot work is known before any record.
  void OpenEarly() {
    QString why = refused;
    bool lasting = !refused.isEmpty();
    if (!lasting) store = RecordStore::Open(where, &why, &lasting);
    if (!store) {
      std::lock_guard lk(m);
      disabled = lasting;
      reason = why;
    }
  }
};

RecordWriter::RecordWriter(RecordsLocation where, QString journalPath)
    : RecordWriter(std::move(where), QString(), std::move(journalPath)) {}

RecordWriter::RecordWriter(const QString& locationText, QString journalPath)
    : RecordWriter(LocationOf(locationText), RefusalOf(locationText), std::move(journalPath)) {}

RecordWriter::RecordWriter(RecordsLocation where, QString refused, QString journalPath)
    : impl_(std::make_unique<Impl>()) {
  Impl& d = *impl_;
  d.where = std::move(where);
  d.refused = std::move(refused);
  if (d.where.kind == RecordsLocation::Kind::None) {
    // No records at all: nothing is kept, not even in a journal.
    d.disabled = true;
    d.started = true;
    return;
  }
  if (!journalPath.isEmpty()) d.journal.emplace(std::move(journalPath));
  d.running = true;
  d.thread = std::thread([&d] { d.Run(); });
}

RecordWriter::~RecordWriter() {
  Close();
}

void RecordWriter::Add(DeviceRecord record) {
  Impl& d = *impl_;
  {
    std::lock_guard lk(d.m);
    if (!d.running || d.stop) return;
    d.pending.push_back(std::move(record));
    d.journalDirty = true;
  }
  d.cv.notify_all();
}

RecordWriter::Status RecordWriter::CurrentStatus() const {
  std::lock_guard lk(impl_->m);
  return impl_->StatusLocked();
}

void RecordWriter::SetStatusListener(std::function<void(const Status&)> listener) {
  Impl& d = *impl_;
  {
    std::lock_guard lk(d.m);
    d.listener = std::move(listener);
    d.republish = true;  // the new listener hears the status as it is
  }
  d.cv.notify_all();
}

bool RecordWriter::Flush(int timeoutMs) {
  Impl& d = *impl_;
  std::unique_lock lk(d.m);
  d.wake = true;
  d.cv.notify_all();
  d.cv.wait_until(lk, Clock::now() + std::chrono::milliseconds(timeoutMs),
                  [&] { return (d.started && d.pending.empty()) || d.disabled || !d.running; });
  return d.started && d.pending.empty();
}

void RecordWriter::Close(int timeoutMs) {
  Impl& d = *impl_;
  if (!d.thread.joinable()) return;  // Close is called from the owner's thread only
  {
    std::lock_guard lk(d.m);
    d.stop = true;
    d.closeBy = Clock::now() + std::chrono::milliseconds(timeoutMs);
  }
  d.cv.notify_all();
  d.thread.join();
}
