#include "CMyTabCtrl.h"

#include <QAccessibleWidget>

namespace {

// The page host is never seen: screen readers get no tabs of it, only the pages themselves,
// which are children of the main window.
class HiddenHostAccessible final : public QAccessibleWidget {
 public:
  explicit HiddenHostAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
};

QAccessibleInterface* HiddenHostFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("CMyTabCtrl") && object && object->isWidgetType())
    return new HiddenHostAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

CMyTabCtrl::CMyTabCtrl(QWidget* parent) : QTabBar(parent) {
  // It only hosts and positions the pages: the user never sees its tabs.
  setVisible(false);
  setFocusPolicy(Qt::NoFocus);
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(HiddenHostFactory);
    return true;
  }();
  (void)factoryInstalled;
}

CMyTabCtrl::~CMyTabCtrl() {
  for (size_t i = 0; i < m_pages.size(); ++i) {
    if (m_autoDelete[i]) delete m_pages[i];
  }
}

void CMyTabCtrl::AddPage(QWidget* page) {
  addTab(QString());
  m_pages.push_back(page);
  m_autoDelete.push_back(0);
}

void CMyTabCtrl::LayoutPages() {
  const QRect area = geometry();
  const QRect place(area.left(), area.top(), area.width() + 4, area.height() + 15);
  for (size_t i = 0; i < m_pages.size(); ++i) {
    m_pages[i]->setGeometry(place);
    m_pages[i]->setVisible(i == 0);
  }
}

void CMyTabCtrl::mousePressEvent(QMouseEvent* event) {
  QTabBar::mousePressEvent(event);
  const int focused = currentIndex();
  if (focused < 0 || focused == m_nCurrentPage) return;
  m_pages[m_nCurrentPage]->hide();
  m_nCurrentPage = focused;
  m_pages[m_nCurrentPage]->show();
  m_pages[m_nCurrentPage]->setFocus();
}
