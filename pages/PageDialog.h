// What every page of the main window is: a child of the main window, hidden until the
// main window shows it, named by its dialog id so automation finds it, and announced to
// screen readers by the title the user picked it by.
#pragma once

#include <QString>
#include <QWidget>

class CMorvaneDlg;

class PageDialog : public QWidget {
  Q_OBJECT

 public:
  PageDialog(CMorvaneDlg* mainDlg, int dialogId, const QString& title);

  // The main window: the progress bar, the job flags and the addressing step.
  CMorvaneDlg* MainDlg() const { return m_mainDlg; }
  int DialogId() const { return m_dialogId; }

 private:
  CMorvaneDlg* m_mainDlg;
  int m_dialogId;
};
