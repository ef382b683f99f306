#include "UiThreadQueue.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "Clock.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#include <QSocketNotifier>
#endif

UiThreadQueue::UiThreadQueue(QObject* parent) : QObject(parent) {
#ifndef _WIN32
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    wakeRead_ = fds[0];
    wakeWrite_ = fds[1];
    notifier_ = new QSocketNotifier(wakeRead_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UiThreadQueue::RunPending);
  }
#endif
}

UiThreadQueue::~UiThreadQueue() {
#ifndef _WIN32
  delete notifier_;
  if (wakeRead_ >= 0) ::close(wakeRead_);
  if (wakeWrite_ >= 0) ::close(wakeWrite_);
#endif
}

bool UiThreadQueue::OnUiThread() const {
  return QThread::currentThread() == thread();
}

void UiThreadQueue::Wake() {
#ifndef _WIN32
  if (wakeWrite_ >= 0) {
    const char byte = 1;
    // A full pipe already holds a wake-up: nothing to do then.
    [[maybe_unused]] ssize_t n = ::write(wakeWrite_, &byte, 1);
    return;
  }
#endif
  QMetaObject::invokeMethod(this, &UiThreadQueue::RunPending, Qt::QueuedConnection);
}

void UiThreadQueue::Post(std::function<void()> fn) {
  {
    std::lock_guard<std::mutex> lock(mu_);
    queue_.push_back(std::move(fn));
  }
  Wake();
}

void UiThreadQueue::Call(const std::function<void()>& fn) {
  if (OnUiThread()) {
    fn();
    return;
  }
  bool finished = false;
  Post([this, &fn, &finished] {
    fn();
    std::lock_guard<std::mutex> lock(mu_);
    finished = true;
    done_.notify_all();
  });
  std::unique_lock<std::mutex> lock(mu_);
  done_.wait(lock, [&finished] { return finished; });
}

void UiThreadQueue::RunPending() {
#ifndef _WIN32
  if (wakeRead_ >= 0) {
    char buf[64];
    while (::read(wakeRead_, buf, sizeof buf) > 0) {
    }
  }
#endif
  // One at a time: a prompt's modal loop may run this again meanwhile, and the order holds.
  for (;;) {
    std::function<void()> fn;
    {
      std::lock_guard<std::mutex> lock(mu_);
      if (queue_.empty()) return;
      fn = std::move(queue_.front());
      queue_.pop_front();
    }
    fn();
  }
}

UiThreadQueue& TheUiQueue() {
  static UiThreadQueue* queue = [] {
    QCoreApplication* app = QCoreApplication::instance();
    Q_ASSERT(app && QThread::currentThread() == app->thread());
    return new UiThreadQueue(app);
  }();
  return *queue;
}

void AfterMs(QObject* context, int ms, std::function<void()> fn) {
  Clock& clock = TheClock();
  if (dynamic_cast<RealClock*>(&clock)) {
    QTimer::singleShot(ms, context, std::move(fn));
    return;
  }
  clock.SleepMs(ms);
  QTimer::singleShot(0, context, std::move(fn));
}
