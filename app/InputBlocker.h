// Keeps mouse and keyboard input away from one window while a device operation runs, and
// shows the wait cursor: the window keeps painting but takes no clicks or keys. Prompts the
// operation shows are windows of their own and take input as usual.
#pragma once

#include <QObject>

class QWidget;

class InputBlocker : public QObject {
  Q_OBJECT

 public:
  explicit InputBlocker(QWidget* window);
  ~InputBlocker() override;

  void Block();
  void Unblock();
  bool Blocking() const { return m_blocking; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_window;
  bool m_blocking = false;
};
