// The navigation tree of the main window. It acts only on a mouse click on an item's label
// (or icon): a click on the blank part of a row, on an expand button, or a selection moved
// with the keyboard does nothing beyond what the tree itself does.
#pragma once

#include <QTreeWidget>

class NavigationTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit NavigationTree(QWidget* parent = nullptr);

  // The item whose label or icon lies under `pos` (viewport coordinates), or null.
  QTreeWidgetItem* LabelItemAt(const QPoint& pos) const;
  // Width the widest label needs, indentation included, in pixels.
  int LabelsWidth() const { return sizeHintForColumn(0); }

 signals:
  void itemLabelClicked(QTreeWidgetItem* item);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QTreeWidgetItem* pressedItem_ = nullptr;
};
