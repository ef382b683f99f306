// Start-up and exit order: the link record, the settings (read now, written at exit), the
// application object and its main window; at exit the reverse, the port closing last.
#include "AppSettings.h"
#include "CMorvaneApp.h"
#include "HartLink.h"
#include "Prompts.h"

int main(int argc, char** argv) {
  DeviceState& link = TheDeviceState();
  {
    SettingsFileScope settingsFile(TheAppSettings());
    CMorvaneApp app(argc, argv);
    app.InitInstance();
    // Saved while the application still exists, so a failure can be shown.
    const std::string failure = settingsFile.Save();
    if (!failure.empty()) ShowMessage(QString::fromStdString(failure));
  }
  HartClosePort(link);
  return 0;
}
