#include "DeviceRecord.h"

#include <QDateTime>
#include <QHostInfo>
#include <QUuid>

namespace {

QString LoginName() {
  for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty()) return value;
  }
  return QStringLiteral("unknown");
}

}  // namespace

DeviceRecord NewDeviceRecord() {
  DeviceRecord r;
  r.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
  r.timeUtcMs = QDateTime::currentMSecsSinceEpoch();
  r.station = QHostInfo::localHostName();
  r.user = LoginName();
  return r;
}
