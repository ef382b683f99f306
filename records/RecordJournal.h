// The journal of records not yet stored: one JSON object a line, the image in base64,
// written whole through the one file writer. Programs that share a working folder (the
// program and hartctl) share its journal: every change happens under a lock file and merges
// with what the file holds, so one writer never drops another's records from it.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <vector>

#include "DeviceRecord.h"

class RecordJournal {
 public:
  explicit RecordJournal(QString path) : path_(std::move(path)) {}

  // The records the file holds (none when there is no file). False with the reason when it
  // could not be read; lines that are not records are skipped here and kept in the file.
  bool Load(std::vector<DeviceRecord>& out, QString* error) const;
  // Makes the file hold, after what it holds already, the records `waiting`, and no longer
  // the records whose uid is in `stored`. The file is removed when nothing is left.
  bool Update(const std::vector<DeviceRecord>& waiting, const QSet<QString>& stored,
              QString* error) const;

  const QString& Path() const { return path_; }

  static QByteArray Line(const DeviceRecord& record);
  static bool FromLine(const QByteArray& line, DeviceRecord& record);

 private:
  // The file's lines, under the lock the caller holds.
  bool ReadLines(std::vector<QByteArray>& lines, QString* error) const;

  QString path_;
};
