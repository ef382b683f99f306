// The page host of the main window: a tab control that is never shown. It keeps the pages
// in index order, lays them over its own area and knows which one is current.
#pragma once

#include <QTabBar>
#include <QWidget>
#include <vector>

class CMyTabCtrl : public QTabBar {
  Q_OBJECT

 public:
  explicit CMyTabCtrl(QWidget* parent = nullptr);
  ~CMyTabCtrl() override;

  // Appends a page (and a tab item with empty text); its index is the page index.
  void AddPage(QWidget* page);
  // Places every page over the tab area enlarged by 4 pixels in width and 15 in height,
  // in the coordinates of the tab's parent; page 0 is shown, the others hidden.
  void LayoutPages();

  int PageCount() const { return static_cast<int>(m_pages.size()); }
  QWidget* Page(int index) const { return m_pages.at(index); }

  std::vector<QWidget*> m_pages;
  std::vector<int> m_autoDelete;  // non-zero: the tab deletes that page (none here)
  int m_nCurrentPage = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};
