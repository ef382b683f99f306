// The GUI tests run with a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#if defined(__SANITIZE_THREAD__)
// Qt is not built with the thread sanitizer: its own threads (the raster engine splits large
// fills across a thread pool) hand memory over in ways the sanitizer cannot see. Calls made
// from inside Qt are left out; our code and what it hands between threads stay checked.
extern "C" const char* __tsan_default_options() {
  return "ignore_noninstrumented_modules=1";
}
#endif

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
