// morvane-shot OUTPUT.png [PAGE]: renders the main window, as it looks at start with the
// default settings (or showing page PAGE, 0..16), into a PNG file. Opens no port and reads or
// writes no settings file.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "AppIcon.h"
#include "CMorvaneDlg.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: morvane-shot OUTPUT.png [PAGE]\n");
    return 2;
  }
  app.setWindowIcon(MorvaneIcon());
  CMorvaneDlg dlg;
  if (argc == 3) {
    char* end = nullptr;
    const long page = std::strtol(argv[2], &end, 10);
    if (*end || page < 0 || page >= CMorvaneDlg::kPageCount) {
      std::fprintf(stderr, "morvane-shot: PAGE is 0..%d\n", CMorvaneDlg::kPageCount - 1);
      return 2;
    }
    dlg.ShowPage(static_cast<int>(page));
  }
  dlg.show();
  QApplication::processEvents();
  if (!dlg.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "morvane-shot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
