#include "DeviceRecord.h"

#include <QDateTime>
#include <QHostInfo>
#include <QUuid>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

QString LoginName() {
  for (const char* name : {"USER", "LOGNAME", "USERNAME"}) {
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty()) return value;
  }
#ifndef _WIN32
  // A service or a script started without a login environment still runs as someone.
  if (const passwd* user = getpwuid(geteuid())) return QString::fromLocal8Bit(user->pw_name);
#endif
  return QStringLiteral("unknown");
}

}  // namespace

DeviceRecord NewDeviceRecord() {
  DeviceRecord r;
  r.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
  r.timeUtcMs = QDateTime::currentMSecsSinceEpoch();
  r.station = QHostInfo::localHostName();
  static const QString user = LoginName();  // looked up once, by one thread
  r.user = user;
  return r;
}
