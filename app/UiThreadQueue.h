// Work that worker threads hand to the UI thread. The hand-over is a queue of our own under
// a std::mutex, and on POSIX a pipe wakes the UI thread's event loop: no Qt object crosses
// a thread, so the thread sanitizer sees every hand-over and its happens-before.
#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class QSocketNotifier;

class UiThreadQueue : public QObject {
  Q_OBJECT

 public:
  // Made on the UI thread, whose event loop runs the work.
  explicit UiThreadQueue(QObject* parent = nullptr);
  ~UiThreadQueue() override;

  bool OnUiThread() const;
  // From any thread: `fn` runs later on the UI thread, in the order posted.
  void Post(std::function<void()> fn);
  // From any thread: `fn` runs on the UI thread (at once when called there) and the caller
  // waits until it has run.
  void Call(const std::function<void()>& fn);
  // UI thread: runs everything queued so far (also while a modal prompt's loop runs).
  void RunPending();

 private:
  void Wake();

  std::mutex mu_;
  std::condition_variable done_;
  std::deque<std::function<void()>> queue_;
  int wakeRead_ = -1;
  int wakeWrite_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

// The queue of the application's UI thread. The first call must come from that thread
// (the main window makes it before any worker starts).
UiThreadQueue& TheUiQueue();

// UI thread: runs `fn` on the UI thread `ms` milliseconds from now, by the program's clock,
// without holding up the event loop meanwhile; nothing runs when `context` is gone first.
// On the wall clock this is a timer; on a test's virtual clock the time passes at once.
void AfterMs(QObject* context, int ms, std::function<void()> fn);
