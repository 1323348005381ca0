// The GUI tests run headless inside one QApplication.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SCREENSHOT_DIR", DEFAULT_SCREENSHOT_DIR, 0);
  setenv("EXAMPLES_DIR", DEFAULT_EXAMPLES_DIR, 0);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
