#include "CMorvaneApp.h"

#include "AppIcon.h"
#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "DeviceRecorder.h"
#include "Retranslate.h"

CMorvaneApp::CMorvaneApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Morvane");
  setWindowIcon(MorvaneIcon());
}

bool CMorvaneApp::InitInstance() {
  StartLanguage();
  // The records are kept from the window's start to the program's end; what the store has
  // not taken by then waits in the journal for the next start.
  DeviceRecorder recorder(QString::fromStdString(TheAppSettings().records), RecordsJournalPath());
  CMorvaneDlg dlg;
  dlg.SetRecorder(&recorder);
  dlg.exec();
  return false;
}
