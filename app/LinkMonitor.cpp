#include "LinkMonitor.h"

#include <QMetaObject>
#include <QStringList>
#include <utility>

#include "FrameText.h"
#include "Language.h"
#include "Texts.h"

namespace {

// Where the address, command and byte count of the frame starting at `start` lie.
struct FrameLayout {
  int start = -1;
  bool isLong = false;
  int command = -1;
};

FrameLayout Layout(const std::vector<uint8_t>& bytes) {
  FrameLayout f;
  f.start = FindFrameStart(bytes);
  if (f.start < 0) return f;
  f.isLong = (bytes[static_cast<size_t>(f.start)] & 0x80) != 0;
  const size_t commandAt = static_cast<size_t>(f.start) + 1 + (f.isLong ? 5 : 1);
  if (commandAt < bytes.size()) f.command = bytes[commandAt];
  return f;
}

QString Poll(int address) {
  return Tr("poll %1").arg(address);
}

}  // namespace

std::vector<uint8_t> LoggedFrame::AnswerBytes() const {
  if (replyAt <= 0 || static_cast<size_t>(replyAt) >= bytes.size()) return bytes;
  return {bytes.begin() + replyAt, bytes.end()};
}

QString FrameDecodeText(const LoggedFrame& frame) {
  if (!frame.fromDevice && frame.result == HART_WRITE_FAILED) return Tr("not written");
  if (frame.fromDevice && frame.bytes.empty()) return Tr("no reply");
  QString text = QString::fromStdString(DescribeFrame(frame.AnswerBytes()));
  if (frame.fromDevice && frame.result == HART_BAD_CHECKSUM) text += Tr(", wrong check byte");
  if (frame.fromDevice && frame.result == HART_NO_REPLY) text += Tr(", incomplete");
  if (frame.skippedFrames > 0)
    text += (frame.skippedFrames == 1 ? Tr(", after %1 frame not answering the request")
                                      : Tr(", after %1 frames not answering the request"))
                .arg(frame.skippedFrames);
  return text;
}

LinkMonitor::LinkMonitor(QObject* parent) : QObject(parent) {}

void LinkMonitor::OnFrame(const LinkFrame& frame) {
  if (frame.fromDevice && frame.reply) {
    // A long frame carries its sender's address; a command 0 reply names it in its data.
    const HartResponse& r = *frame.reply;
    std::string address;
    if (r.longFrame)
      address = LongAddressText(r.manufacturerId, r.deviceType, r.deviceId);
    else if (r.command == 0 && r.responseCode == 0 && r.byteCount >= 2 + 12)
      address = LongAddressText(r.data[1], r.data[2], r.data + 9);
    if (!address.empty()) {
      std::lock_guard hold(m_answeringLock);
      m_lastAnswering = std::move(address);
    }
  }
  LoggedFrame copy;
  copy.timeUs = frame.timeUs;
  copy.fromDevice = frame.fromDevice;
  copy.bytes = frame.bytes;
  copy.result = frame.result;
  copy.replyAt = frame.replyAt;
  copy.skippedFrames = frame.skippedFrames;
  const bool parsed = frame.reply != nullptr;
  const HartResponse reply = parsed ? *frame.reply : HartResponse{};
  // Queued even on the UI thread, so frames keep their order whoever sent them.
  QMetaObject::invokeMethod(
      this,
      [this, copy = std::move(copy), parsed, reply]() mutable {
        Add(std::move(copy), parsed, reply);
      },
      Qt::QueuedConnection);
}

std::string LinkMonitor::LastAnsweringDevice() const {
  std::lock_guard hold(m_answeringLock);
  return m_lastAnswering;
}

void LinkMonitor::Clear() {
  m_frames.clear();
  emit cleared();
}

void LinkMonitor::Add(LoggedFrame frame, bool parsed, const HartResponse& reply) {
  frame.serial = m_nextSerial++;
  frame.command = parsed ? reply.command : Layout(frame.bytes).command;
  // Silence or noise is logged under the command it answered.
  if (frame.fromDevice && frame.command < 0) frame.command = m_lastRequestCommand;
  if (!frame.fromDevice) m_lastRequestCommand = frame.command;
  if (frame.fromDevice)
    NoteReply(frame, parsed, reply);
  else
    NoteRequest(frame);
  const bool dropped = m_frames.size() >= kCapacity;
  if (dropped) m_frames.pop_front();
  m_frames.push_back(std::move(frame));
  emit frameAdded(dropped);
}

void LinkMonitor::NoteRequest(const LoggedFrame& frame) {
  if (frame.result != HART_OK) return;
  const FrameLayout f = Layout(frame.bytes);
  if (f.start < 0) return;
  const uint8_t* a = frame.bytes.data() + f.start + 1;
  const size_t available = frame.bytes.size() - static_cast<size_t>(f.start) - 1;
  if (available < (f.isLong ? 5u : 1u)) return;
  if (!f.isLong) {
    m_lastShortPoll = a[0] & 0x0F;
    m_lastAddress.clear();
    m_deviceText = Tr("Short frame, %1").arg(Poll(m_lastShortPoll));
  } else {
    m_lastShortPoll = -1;
    const bool broadcast = (a[0] & 0x3F) == 0 && a[1] == 0 && a[2] == 0 && a[3] == 0 && a[4] == 0;
    if (broadcast) {
      m_lastAddress.clear();
      m_deviceText = Tr("Broadcast");
    } else {
      m_lastAddress = QString::fromStdString(LongAddressText(a[0], a[1], a + 2));
      const auto known = m_pollByAddress.find(m_lastAddress);
      m_deviceText = known == m_pollByAddress.end() ? m_lastAddress
                                                    : m_lastAddress + ", " + Poll(known->second);
    }
  }
  emit statusChanged();
}

void LinkMonitor::NoteReply(const LoggedFrame& frame, bool parsed, const HartResponse& reply) {
  if (!parsed) {
    m_statusText = frame.bytes.empty()                 ? Tr("No reply")
                   : frame.result == HART_BAD_CHECKSUM ? Tr("Reply with a wrong check byte")
                                                       : Tr("Incomplete reply");
    m_statusToolTip = m_statusText;
    emit statusChanged();
    return;
  }
  // A command 0 reply to a short frame names the long address behind the polling address.
  if (reply.command == 0 && m_lastShortPoll >= 0 && reply.responseCode == 0 &&
      reply.byteCount >= 2 + 12) {
    const QString address =
        QString::fromStdString(LongAddressText(reply.data[1], reply.data[2], reply.data + 9));
    m_pollByAddress[address] = m_lastShortPoll;
    m_deviceText = address + ", " + Poll(m_lastShortPoll);
  }

  QStringList tip;
  if (reply.responseCode & 0x80) {
    // The second byte then reports what went wrong on the wire, not the device's status.
    m_statusText = Tr("The device received a corrupted request");
    tip << m_statusText
        << Tr("Communication status 0x%1").arg(reply.responseCode, 2, 16, QChar('0'));
  } else {
    m_statusText = QString::fromStdString(Texts::DeviceStatus(reply.deviceStatus));
    if (reply.responseCode != 0) {
      const QString code =
          Tr("response code %1: %2")
              .arg(reply.responseCode)
              .arg(QString::fromStdString(HartResponseCodeText(reply.responseCode, reply.command)));
      m_statusText +=
          (HartIsWarningCode(reply.responseCode) ? Tr("; warning, %1") : Tr("; refused, %1"))
              .arg(code);
    }
    tip << Tr("Device status 0x%1 (command %2)")
               .arg(reply.deviceStatus, 2, 16, QChar('0'))
               .arg(reply.command);
    for (int bit = 7; bit >= 0; --bit)
      tip << QString("%1 %2")
                 .arg((reply.deviceStatus & (1 << bit)) ? "[x]" : "[  ]")
                 .arg(QString::fromStdString(Texts::DeviceStatusBit(bit)));
    tip << Tr("Response code %1").arg(reply.responseCode);
  }
  m_statusToolTip = tip.join('\n');
  emit statusChanged();
}
