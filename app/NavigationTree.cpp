#include "NavigationTree.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Rows one and a half times the usual height.
class TallRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(size.height() * 3 / 2);
    return size;
  }
};

}  // namespace

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(1);
  header()->hide();
  // Long labels scroll sideways rather than being cut short.
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setRootIsDecorated(true);
  setItemDelegate(new TallRowDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
}

QTreeWidgetItem* NavigationTree::LabelItemAt(const QPoint& pos) const {
  QTreeWidgetItem* item = itemAt(pos);
  if (!item) return nullptr;
  const QRect cell = visualItemRect(item);
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  int width = QFontMetrics(item->font(0)).horizontalAdvance(item->text(0)) + 2 * margin;
  if (!item->icon(0).isNull()) width += iconSize().width() + margin;
  const QRect label(cell.left(), cell.top(), width, cell.height());
  return label.contains(pos) ? item : nullptr;
}

void NavigationTree::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  pressedItem_ =
      event->button() == Qt::LeftButton ? LabelItemAt(event->position().toPoint()) : nullptr;
}

void NavigationTree::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  QTreeWidgetItem* item = LabelItemAt(event->position().toPoint());
  QTreeWidgetItem* pressed = pressedItem_;
  pressedItem_ = nullptr;
  if (item && item == pressed) emit itemLabelClicked(item);
}
