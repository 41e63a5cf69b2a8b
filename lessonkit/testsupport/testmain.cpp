// Test main for tests that need Qt: a headless QApplication, a jumping lesson
// clock (paced drawings finish at once) and silent sounds.  Every test runs
// under the text watch: a text drawn cut off, under a control or over another
// text fails the test that drew it, naming the text.
#include <QApplication>
#include <gtest/gtest.h>

#include "program.h"
#include "surface.h"

namespace {

class TextWatchListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { lk::SetTextWatch(true); }
  // Runs before the result is printed, so a fault still fails the test.
  void OnTestEnd(const ::testing::TestInfo&) override {
    for (const lk::TextFault& f : lk::TakeTextFaults())
      ADD_FAILURE() << "the learner cannot read 「" << f.text.toStdString() << "」: "
                    << f.fault.toStdString() << " (its ink at " << f.box.x() << "," << f.box.y()
                    << ", " << f.box.width() << "x" << f.box.height() << ")";
    lk::SetTextWatch(false);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("LESSONS_TEST_DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LESSONS_SILENT", "1");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  lk::SetSpeed(50);
  lk::SetJumpingClock(true);
  ::testing::UnitTest::GetInstance()->listeners().Append(new TextWatchListener);
  return RUN_ALL_TESTS();
}
