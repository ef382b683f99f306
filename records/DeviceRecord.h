// One entry of the device records: what was done to a device, when, where, by whom, and
// how it ended. Records are only ever added; nothing changes or removes one.
#pragma once

#include <QByteArray>
#include <QString>

struct DeviceRecord {
  QString uid;           // unique, made with the record: a record stored twice is kept once
  qint64 timeUtcMs = 0;  // milliseconds since 1970, UTC
  QString station;       // the computer's host name
  QString user;          // the login name
  QString device;        // long address "26-05-0A0001"; empty when the device is not known
  QString tag;           // the device's tag when known, else empty
  QString operation;  // as the user named it: "Damping Time > Update", "File > Update to computer"
  QString kind;       // what sort of record (see the constants below)
  QString detail;     // "Damping Time 2.5000 s -> 3.3000 s (device: 3.3000 s)"
  QString result;     // "OK", or the failure text the user saw
  QByteArray image;   // a 2000-byte configuration image (upload, download), else empty
};

namespace record_kind {
inline constexpr char kIdentify[] = "identify";        // a device identified, its identity
inline constexpr char kRead[] = "read";                // tag, descriptor, message, versions read
inline constexpr char kWrite[] = "write";              // a setting written
inline constexpr char kCalibration[] = "calibration";  // trims, loop check, tables, T-AD
inline constexpr char kMaintenance[] = "maintenance";  // reset, factory default, thermal
inline constexpr char kUpload[] = "upload";            // "Update to computer", with the image
inline constexpr char kDownload[] = "download";        // "Downloads to Device", with the image
}  // namespace record_kind

// A record stamped now, with a fresh uid, this computer's host name and the login name.
DeviceRecord NewDeviceRecord();

// The result text of a record that succeeded.
inline constexpr char kRecordOk[] = "OK";
