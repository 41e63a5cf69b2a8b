// Test drivers that act as a learner in front of a running lesson.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

class QTimer;

namespace lk {
class FrmNum;
class LessonWindow;
class Surface;
}

namespace lk::test {

// Answers the prompts and dialogs of a lesson in order, as they open.  Each
// step waits until its kind of window is showing, then acts.  Steps are
// carried out from a timer, so they also reach prompts opened deep inside a
// running section.
class Learner : public QObject {
  Q_OBJECT
 public:
  Learner();
  ~Learner() override;
  // At the next number dialog: type the text key by key, then Enter.
  Learner& type(const QString& text);
  // At the next number dialog: Esc.
  Learner& cancel();
  // At the next press-any-key prompt: press a key (Space unless told).
  Learner& pressKey(int qtKey = Qt::Key_Space);
  // At the next press-any-key prompt: click it.
  Learner& clickPrompt();
  // At the next number dialog: run f with it (inspect, type, click...).
  Learner& atDialog(std::function<void(QWidget* dialog)> f);
  // As soon as the previous steps are done: run f (e.g. a key to the main window).
  Learner& then(std::function<void()> f);
  // After the previous steps, as soon as cond holds: run f.
  Learner& when(std::function<bool()> cond, std::function<void()> f);
  bool done() const { return steps_.empty(); }
  // Handles events until every step is done or realMs have passed; true when done.
  bool finish(int realMs = 10000);
  int pending() const { return int(steps_.size()); }
  // Texts of the dialogs' proposals as they opened, in order.
  QStringList proposals;

 private:
  struct Step {
    enum Kind { Dialog, Prompt, Now } kind;
    std::function<void(QWidget*)> act;
    std::function<bool()> ready = {};
  };
  void Poll();
  std::deque<Step> steps_;
  QTimer* timer_;
  bool acting_ = false;
};

// The visible number dialog (FrmNum or FrmNumOpt) or press-any-key prompt, if any.
QWidget* OpenDialog();
QWidget* OpenPrompt();

// How many pixels of a picture differ from its back colour, inside a
// rectangle given in the picture's units, or in the whole picture.
int InkCount(const Surface& s, float x1, float y1, float x2, float y2);
int InkCount(const Surface& s);

// The number dialog a step was given (a failure when it is another window).
FrmNum* Dialog(QWidget* d);
// Clears the dialog's box and types as a learner would; returns what the
// filter let in.
QString TypeInto(QWidget* d, const QString& text);

// Handles events until done() holds; false when limitMs passed first.
bool RunUntil(const std::function<bool()>& done, int limitMs = 120000);

// Sends a key to the main window as a learner's key press.
void PressKey(QWidget* w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);

struct RandomRun {
  int events = 0;
  int programs = 0;  // main windows started
  // What the events met, in order (the window on top, the lesson's mode):
  // the same seed gives the same trace on an idle and on a loaded machine.
  std::uint64_t trace = 14695981039346656037ull;
};

// Lesson time that passes with each random event (a prompt's time-out of
// 3 s comes after 60 events).
constexpr double kRandomStepSeconds = 0.05;

// What the random pointer does: left clicks only, or also moves, drags with
// the left button held, and right clicks (the lessons driven by the mouse).
enum class Pointer { Clicks, MovesAndDrags };

// Sends `events` seeded random keys and clicks to whatever window of the
// program is on top, restarting the program whenever it ends.  The events go
// one a turn of the event loop, each with a step of the lesson clock, and
// the lesson's timers run on those steps, so a seed does the same whatever
// else the machine is doing.  A watchdog aborts the process, naming the
// seed, when the event loop stops turning (hangSeconds of CPU time).  A test then walks a short scripted path on a fresh window in
// the same process, so a storm that leaves the program broken (a stale
// variable, a modal scope never closed) fails on more than a crash.
RandomRun RunRandomInput(std::uint32_t seed, int events,
                         const std::function<std::unique_ptr<LessonWindow>()>& make,
                         double hangSeconds = 10, Pointer pointer = Pointer::Clicks);

// Resident memory of this process in kilobytes.
long ResidentKb();

// Starts and ends the program `restarts` times; on each window `script`
// queues a short scripted path on the learner (a prompt answered, a value
// entered, a curve drawn), after which the program is ended.  Returns the
// growth of the resident memory from after the first few starts to after the
// last, in kilobytes: a lesson that keeps something per start grows with every
// restart, one that cleans up stays flat.
long RestartGrowthKb(const std::function<std::unique_ptr<LessonWindow>()>& make,
                     const std::function<void(LessonWindow&, Learner&)>& script,
                     int restarts = 40);
// Starts a fresh window, lets `script` queue its steps (and checks), and runs
// them to the end of the program; true when every step was carried out.
bool WalkScriptedPath(const std::function<std::unique_ptr<LessonWindow>()>& make,
                      const std::function<void(LessonWindow&, Learner&)>& script);

// The random-input test of a lesson: for each seed, `events` random keys and
// clicks (restarting the program whenever it ends); then, in the same
// process, the scripted path must still go through, and starting the
// program again and again along it must not grow its memory.
void RunRandomThenScript(std::initializer_list<std::uint32_t> seeds, int events,
                         const std::function<std::unique_ptr<LessonWindow>()>& make,
                         const std::function<void(LessonWindow&, Learner&)>& script,
                         Pointer pointer = Pointer::Clicks);

// False in builds whose allocator holds freed memory back (AddressSanitizer),
// where resident memory says nothing about growth.
bool MemoryFiguresMeaningful();

// Seeds and events of a random-input run: the defaults given, unless
// LESSONS_RANDOM_SEEDS ("first-last" or one seed) and LESSONS_RANDOM_EVENTS
// say otherwise (for the long runs made by hand).
struct RandomPlan {
  std::uint32_t first = 1, last = 1;
  int events = 2000;
};
RandomPlan RandomPlanFromEnv(RandomPlan defaults);
// Runs every seed of the plan, prints what each did, and fails the current
// test for a seed whose events were not all delivered.
void RunRandomPlan(const RandomPlan& plan,
                   const std::function<std::unique_ptr<LessonWindow>()>& make,
                   Pointer pointer = Pointer::Clicks);

}  // namespace lk::test
