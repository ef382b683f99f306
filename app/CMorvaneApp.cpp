#include "CMorvaneApp.h"

#include "AppIcon.h"
#include "CMorvaneDlg.h"

CMorvaneApp::CMorvaneApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Morvane");
  setWindowIcon(MorvaneIcon());
}

bool CMorvaneApp::InitInstance() {
  CMorvaneDlg dlg;
  dlg.exec();
  return false;
}
