// The program's clock, its waits and its end.
//
// One monotonic clock paces every drawing and time-out.  It can run faster
// than real time (--speed X, and tests), so a paced section that takes a
// minute for a learner runs in milliseconds in a test.
//
// Every wait sleeps in an event loop until the next event or its deadline,
// so a waiting lesson uses no CPU.  Ending the program (Esc, the end item,
// closing the window) sets a flag and wakes every wait; a wait that finds the
// flag set throws ProgramEnded, which unwinds the section that was running up
// to the event handler that started it (see Guard).  Nothing keeps drawing
// after the end.
#pragma once

#include <QObject>

class QTimer;

class QWidget;
#include <cstdint>
#include <functional>
#include <string>

namespace lk {

struct ProgramEnded {};

// Seconds since the program started, on the (possibly faster) lesson clock.
double Now();
// Milliseconds on the same clock.
std::int64_t GetTickCount();
// How many lesson seconds pass per real second (1 by default).
void SetSpeed(double factor);
double Speed();
// In a test: paced waits jump the clock to their deadline at once instead of
// sleeping (time-outs of prompts still run, at the clock's speed).
void SetJumpingClock(bool on);
// In a random-input test: the lesson clock stands between the steps the test
// makes with StepClock, and the lesson timers fall due on those steps only,
// so a run of seeded events does the same on an idle and on a loaded machine.
// Paced waits still jump.
void SetSteppedClock(bool on);
bool SteppedClock();
// Moves the stepped clock on and lets the lesson timers that fell due fire
// (from the event loop, as a timer would).
void StepClock(double seconds);
// Stops and restarts the lesson clock.  While it stands, every paced drawing,
// animation and prompt time-out stands too, and after the restart they go on
// from where they were, without a jump.
void SetPaused(bool on);
bool Paused();
// The speeds the learner's keys step through: 1/4, 1/2, 1, 2, 4, 8.  From
// any speed, the next listed one above or below (or the end of the list).
double FasterSpeed(double current);
double SlowerSpeed(double current);
// What a program's command line asks for.  Besides its own options a
// program takes Qt's (-platform, -style, -display, ...) and leaves them to Qt.
struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  double speed = 0;    // --speed X (or --speed=X); 0 when not given
  std::string error;   // what is wrong, for Error
};
CommandLine ParseCommandLine(int argc, char** argv);
// Answers --help and --version on standard output (exit code 0) and a bad
// option on standard error (exit code 2), without a window or a display.
// True, with *exitCode set, when the program has nothing more to do.
bool AnswerCommandLine(int argc, char** argv, int* exitCode);
// Sets the clock's speed from --speed X.
void ApplyCommandLine(int argc, char** argv);
// Tells the window system which program this is (its desktop entry) and
// gives every window the program's own icon, installed or not.
void SetProgramIdentity();

// Processes events until the clock passes t.  Throws ProgramEnded.
void WaitUntil(double t);
void WaitFor(double seconds);
// Processes events while cond() holds.  Throws ProgramEnded.
void WaitWhile(const std::function<bool()>& cond);
// Handles pending events without waiting.  Throws ProgramEnded.
void DoEvents();
// Throws ProgramEnded when the program is ending.
void CheckEnd();

// Ends the program: every wait unwinds, every top-level window closes, and
// Ending() becomes true.  Safe to call more than once and from any handler.
void EndProgram();
bool Ending();
// Starts afresh after an end (tests run one program after another); the
// clock runs again if it was stopped.
void ResetProgram();

// Runs f, which may wait; an end of the program inside it stops it quietly.
// Every entry from the event loop into lesson code goes through here.
void Guard(const std::function<void()>& f);

// Marks a prompt or dialog as modal for as long as the scope lives: the
// lesson window beneath it takes no clicks and passes its keys on to it.
// Unlike a modality of the window system, closing the lesson window still
// ends the program at once.
class ModalScope {
 public:
  explicit ModalScope(QWidget* dialog);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;
};
// The innermost open modal prompt or dialog, or nullptr.
QWidget* ModalWidget();
// True when input to w must wait for the open modal prompt or dialog.
bool BlockedByModal(const QWidget* w);

// A timer of the lessons (a stage machine's tick, a prompt's time-out): a
// QTimer of the given real interval, except under the stepped clock, where
// it falls due on the clock's steps, as much lesson time apart.
class LessonTimer : public QObject {
  Q_OBJECT
 public:
  explicit LessonTimer(QObject* parent = nullptr);
  ~LessonTimer() override;
  void setInterval(int ms) { interval_ = ms; }
  void start(int ms);
  void start() { start(interval_); }
  void stop();
  bool isActive() const;
  // Under the stepped clock: fires (queued) when due at the clock's time.
  void FireIfDue(double now);

 signals:
  void timeout();

 private:
  QTimer* timer_;
  int interval_ = 0;
  bool stepped_ = false;  // started under the stepped clock
  double due_ = 0;
};

// Emits ended() once per end of the program; main() quits on it.
class ProgramSignals : public QObject {
  Q_OBJECT
 public:
  static ProgramSignals& Instance();
 signals:
  void ended();
};

// Runs a lesson's main window: answers --help, --version and bad options
// without opening a window, applies --speed, shows the window made by
// make(), and returns when the program ends.  done() runs while the
// application still exists (to delete the window).
int RunLesson(int& argc, char** argv, const std::function<void()>& make,
              const std::function<void()>& done = {});

}  // namespace lk
