// The random-input runner itself: a seed does the same run on an idle and on
// a loaded machine.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "dialogs.h"
#include "learner.h"
#include "lessonwindow.h"
#include "program.h"

using namespace lk;

namespace {

// A lesson driven by its timer, with a prompt that goes on by itself after a
// while and a dialog whose entries decide the next stage: where it stands
// after each event depends on what came when.
class StageLesson : public LessonWindow {
 public:
  StageLesson() : LessonWindow([] {
    FrameParams p;
    p.caption = QStringLiteral("stages");
    p.clientWidth = 6000;
    p.clientHeight = 4500;
    p.endKeysAnyTime = {key::Esc};
    return p;
  }()) {}

 protected:
  float PromptAutoWait() const override { return 0.5f; }
  void Form_Load() override {
    HitAnyKey();
    StartTimer1(10);
  }
  void Timer1_Timer() override {
    switch (mode) {
      case 0: {
        NumEntry e;
        e.proposal = QStringLiteral("3");
        const double v = Val(S(StrInput(*this, e)));
        mode = v > 5 ? 2 : 1;
        break;
      }
      case 1:
        HitAnyKey();
        mode = 2;
        break;
      default:
        for (int k = 0; k < 5; ++k) WaitFor(0.2);
        mode = 0;
    }
  }
};

}  // namespace

TEST(RandomInput, ASeedDoesTheSameRunOnALoadedMachine) {
  auto make = [] { return std::unique_ptr<LessonWindow>(new StageLesson); };
  const test::RandomRun idle = test::RunRandomInput(7, 600, make);
  test::RandomRun loaded;
  {
    // Every core busy while the second run goes on.
    std::atomic<bool> stop{false};
    std::vector<std::thread> load;
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
      load.emplace_back([&] {
        volatile double x = 1;
        while (!stop) x = x * 1.0000001 + 1e-9;
      });
    loaded = test::RunRandomInput(7, 600, make);
    stop = true;
    for (std::thread& t : load) t.join();
  }
  EXPECT_EQ(idle.events, 600);
  EXPECT_GT(idle.programs, 1) << "the seed never reached the lesson's end key";
  EXPECT_EQ(loaded.programs, idle.programs);
  EXPECT_EQ(loaded.trace, idle.trace);
  // Another seed goes elsewhere: the trace does tell runs apart.
  EXPECT_NE(test::RunRandomInput(8, 600, make).trace, idle.trace);
}
