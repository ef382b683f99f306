// The window's one observer of the link. Every frame the link writes or receives, on any
// thread, is copied and handed to the UI thread, where it goes into the log of the last
// 10 000 frames and updates what the status bar shows: the device the last exchange
// talked to and the status of its last reply.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "HartLink.h"
#include "LinkObserver.h"

struct LoggedFrame {
  uint64_t serial = 0;  // counts every frame since start; never reused
  int64_t timeUs = 0;
  bool fromDevice = false;
  std::vector<uint8_t> bytes;
  int result = 0;
  int command = -1;  // of the frame; -1 when the bytes hold none
  // A reply: where its answering frame starts in `bytes` (-1: none), and how many frames
  // that did not answer the request came before it.
  int replyAt = -1;
  int skippedFrames = 0;

  // The bytes of the frame that answered, or all of them when none did.
  std::vector<uint8_t> AnswerBytes() const;
};

// "FF 02 80", "REQ short M1 poll 0 cmd 0 bc 0" or "no reply" ...: the log's decode column.
QString FrameDecodeText(const LoggedFrame& frame);

class LinkMonitor : public QObject, public LinkObserver {
  Q_OBJECT

 public:
  static constexpr size_t kCapacity = 10000;

  explicit LinkMonitor(QObject* parent = nullptr);

  // Any thread, with the link's lock held: copies the frame and queues it to the UI thread.
  void OnFrame(const LinkFrame& frame) override;

  // Any thread: the long address of the device whose reply came last ("26-05-0A0001"), as
  // the reply names it; empty before any did. In "Broadcast" mode this is how the program
  // knows which device answered.
  std::string LastAnsweringDevice() const;

  // UI thread.
  const std::deque<LoggedFrame>& Frames() const { return m_frames; }
  void Clear();
  QString DeviceText() const { return m_deviceText; }
  QString StatusText() const { return m_statusText; }
  QString StatusToolTip() const { return m_statusToolTip; }

 signals:
  // A frame went onto the end of the log; when the log was full its oldest frame left
  // first (`dropped`).
  void frameAdded(bool dropped);
  void cleared();
  void statusChanged();

 private:
  void Add(LoggedFrame frame, bool parsed, const HartResponse& reply);
  void NoteRequest(const LoggedFrame& frame);
  void NoteReply(const LoggedFrame& frame, bool parsed, const HartResponse& reply);

  mutable std::mutex m_answeringLock;
  std::string m_lastAnswering;

  std::deque<LoggedFrame> m_frames;
  uint64_t m_nextSerial = 1;

  // Polling addresses learnt from command 0 replies, by long address text.
  std::map<QString, int> m_pollByAddress;
  int m_lastRequestCommand = -1;
  int m_lastShortPoll = -1;  // of the last request, when it was a short frame
  QString m_lastAddress;     // long address text of the last request
  QString m_deviceText;
  QString m_statusText;
  QString m_statusToolTip;
};
