// The append-only writer: records are handed over from any thread without waiting and are
// stored in order by a thread of its own, so recording never slows or stops device work.
// While the store cannot be written (a locked file, a server that is down, a full disk) the
// records wait, in order, and a journal file beside the settings holds them, so they survive
// the program's end and are stored at the next start. None is lost or stored twice.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "DeviceRecord.h"
#include "RecordStore.h"

class RecordWriter {
 public:
  struct Status {
    int pending = 0;        // records handed over and not yet stored
    QString reason;         // why they wait: the store's last error; empty when all is stored
    bool disabled = false;  // no store at all (none configured, or it could not be opened)
  };

  // Starts the writer thread; it opens the store itself and first stores what the journal
  // holds. `journalPath`: the journal file (e.g. "Records.journal" beside Morvane.ini).
  RecordWriter(RecordsLocation where, QString journalPath);
  // Close() if not done.
  ~RecordWriter();

  // Hands a record over; never blocks on the store.
  void Add(DeviceRecord record);
  Status CurrentStatus() const;
  // Called on the writer thread whenever the status changes.
  void SetStatusListener(std::function<void(const Status&)> listener);
  // Waits until everything handed over is stored or `timeoutMs` passed; true when all is
  // stored. For tests and for the end of hartctl.
  bool Flush(int timeoutMs);
  // Tries once more to store what waits (up to `timeoutMs`), keeps the rest in the journal,
  // and stops the thread.
  void Close(int timeoutMs = 2000);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
