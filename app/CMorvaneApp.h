// The application object: runs the main window modally; the process ends when it closes.
#pragma once

#include <QApplication>

class CMorvaneApp : public QApplication {
  Q_OBJECT

 public:
  CMorvaneApp(int& argc, char** argv);
  // Runs the main window until it closes; always false (nothing more to run).
  bool InitInstance();
};
