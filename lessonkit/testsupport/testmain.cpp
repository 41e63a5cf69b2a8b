// Test main for tests that need Qt: a headless QApplication, a jumping lesson
// clock (paced drawings finish at once) and silent sounds.
#include <QApplication>
#include <gtest/gtest.h>

#include "program.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("LESSONS_TEST_DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LESSONS_SILENT", "1");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  lk::SetSpeed(50);
  lk::SetJumpingClock(true);
  return RUN_ALL_TESTS();
}
