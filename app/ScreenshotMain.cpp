// morvane-shot PATH: renders the main window, as it looks at start with the default
// settings, into a PNG file. Opens no port and reads or writes no settings file.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "AppIcon.h"
#include "CMorvaneDlg.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: morvane-shot OUTPUT.png\n");
    return 2;
  }
  app.setWindowIcon(MorvaneIcon());
  CMorvaneDlg dlg;
  dlg.show();
  QApplication::processEvents();
  if (!dlg.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "morvane-shot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
