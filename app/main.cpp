// Start-up and exit order: the link record, the settings (read now, written at exit), the
// application object and its main window; at exit the reverse, the port closing last.
#include "AppSettings.h"
#include "CMorvaneApp.h"
#include "HartLink.h"

int main(int argc, char** argv) {
  DeviceState& link = TheDeviceState();
  {
    SettingsFileScope settingsFile(TheAppSettings());
    CMorvaneApp app(argc, argv);
    app.InitInstance();
  }
  HartClosePort(link);
  return 0;
}
