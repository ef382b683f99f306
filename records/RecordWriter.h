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
    int pending = 0;  // records handed over (or found in the journal) and not yet stored
    // Why they wait: the store's last error (or the journal's); empty once a write succeeded.
    QString reason;
    // No store in this run: "none" (reason empty; records handed over are dropped, there is
    // no journal), or a store that cannot work for a lasting reason (a location that does not
    // parse, a damaged file, a newer schema; the reason says which): the records then wait in
    // the journal, for a run that can store them.
    bool disabled = false;
  };

  // Starts the writer thread; it opens the store itself and first stores what the journal
  // holds. `journalPath`: the journal file (e.g. "Records.journal" beside Morvane.ini); empty
  // for none (records that cannot be stored are then lost when the program ends).
  RecordWriter(RecordsLocation where, QString journalPath);
  // The location as the settings give it; a text that does not parse disables the writer
  // with ParseRecordsLocation's reason.
  RecordWriter(const QString& locationText, QString journalPath);
  // Close() if not done.
  ~RecordWriter();

  // Hands a record over; never blocks on the store. After Close records are not taken.
  void Add(DeviceRecord record);
  Status CurrentStatus() const;
  // Called on the writer thread whenever the status changes.
  void SetStatusListener(std::function<void(const Status&)> listener);
  // Waits until everything handed over is stored or `timeoutMs` passed; true when all is
  // stored. For tests and for the end of hartctl.
  bool Flush(int timeoutMs);
  // Tries once more to store what waits (batches are begun until `timeoutMs` has passed; one
  // already begun may take up to the location's lockWaitMs, or 5 s to reach a server), keeps
  // the rest in the journal, and stops the thread. Called from the owner's thread.
  void Close(int timeoutMs = 2000);

 private:
  RecordWriter(RecordsLocation where, QString refused, QString journalPath);
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
