#include "InputBlocker.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputBlocker::InputBlocker(QWidget* window) : QObject(window), m_window(window) {}

InputBlocker::~InputBlocker() {
  Unblock();
}

void InputBlocker::Block() {
  if (m_blocking) return;
  m_blocking = true;
  qApp->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void InputBlocker::Unblock() {
  if (!m_blocking) return;
  m_blocking = false;
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (!IsInput(event->type()) || !watched->isWidgetType()) return false;
  return static_cast<QWidget*>(watched)->window() == m_window;
}
