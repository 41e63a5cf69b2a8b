#include "program.h"

#include <QApplication>
#include <QPointer>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace lk {

namespace {

struct ClockState {
  QElapsedTimer real;
  double speed = 1;
  double base = 0;       // lesson seconds at the last change of speed
  qint64 baseReal = 0;   // real nanoseconds at that moment
  bool jumping = false;
  bool paused = false;   // the clock stands at base
  bool stepped = false;  // the clock moves only by steps and jumps
};

ClockState& Clock() {
  static ClockState c = [] {
    ClockState s;
    s.real.start();
    return s;
  }();
  return c;
}

bool g_ending = false;

// Wakes the event loop at a real-time deadline so a wait can look at the clock.
void SleepUntilEventOr(qint64 realMs) {
  if (realMs <= 0) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return;
  }
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(int(std::min<qint64>(realMs, 1000)));
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace

double Now() {
  ClockState& c = Clock();
  if (c.paused || c.stepped) return c.base;
  qint64 ns = c.real.nsecsElapsed();
  return c.base + double(ns - c.baseReal) * 1e-9 * c.speed;
}

std::int64_t GetTickCount() { return std::int64_t(std::floor(Now() * 1000.0)); }

void SetSpeed(double factor) {
  if (!(factor > 0) || !std::isfinite(factor)) return;
  ClockState& c = Clock();
  double now = Now();
  c.base = now;
  c.baseReal = c.real.nsecsElapsed();
  c.speed = factor;
}

double Speed() { return Clock().speed; }

void SetJumpingClock(bool on) { Clock().jumping = on; }

namespace {
std::vector<QPointer<LessonTimer>>& Timers() {
  static std::vector<QPointer<LessonTimer>> timers;
  return timers;
}
}  // namespace

void SetSteppedClock(bool on) {
  ClockState& c = Clock();
  if (on == c.stepped) return;
  if (on) {
    c.base = Now();
  } else {
    c.baseReal = c.real.nsecsElapsed();
  }
  c.stepped = on;
}

bool SteppedClock() { return Clock().stepped; }

void StepClock(double seconds) {
  if (!Clock().stepped || !(seconds > 0)) return;
  Clock().base += seconds;
  std::erase_if(Timers(), [](const QPointer<LessonTimer>& t) { return t.isNull(); });
  const std::vector<QPointer<LessonTimer>> timers = Timers();
  for (const QPointer<LessonTimer>& t : timers)
    if (t) t->FireIfDue(Now());
}

LessonTimer::LessonTimer(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &LessonTimer::timeout);
  Timers().emplace_back(this);
}

LessonTimer::~LessonTimer() {
  std::erase_if(Timers(), [this](const QPointer<LessonTimer>& t) { return t.isNull() || t == this; });
}

void LessonTimer::start(int ms) {
  interval_ = ms;
  stepped_ = SteppedClock();
  if (stepped_) {
    timer_->stop();
    due_ = Now() + ms / 1000.0;
  } else {
    timer_->start(ms);
  }
}

void LessonTimer::stop() {
  timer_->stop();
  stepped_ = false;
}

bool LessonTimer::isActive() const { return stepped_ || timer_->isActive(); }

void LessonTimer::FireIfDue(double now) {
  if (!stepped_ || now < due_) return;
  // Like a timer of the window system: one tick however late, the next one
  // an interval on.
  due_ = now + interval_ / 1000.0;
  QMetaObject::invokeMethod(
      this, [this] { if (stepped_) emit timeout(); }, Qt::QueuedConnection);
}

void SetPaused(bool on) {
  ClockState& c = Clock();
  if (on == c.paused) return;
  if (on) {
    c.base = Now();
  } else {
    // Lesson time goes on from where it stood: the real time that passed
    // meanwhile does not count.
    c.baseReal = c.real.nsecsElapsed();
  }
  c.paused = on;
}

bool Paused() { return Clock().paused; }

namespace {
constexpr double kSpeedSteps[] = {0.25, 0.5, 1, 2, 4, 8};
}

double FasterSpeed(double current) {
  for (double s : kSpeedSteps)
    if (s > current * 1.0001) return s;
  return kSpeedSteps[std::size(kSpeedSteps) - 1];
}

double SlowerSpeed(double current) {
  for (auto it = std::rbegin(kSpeedSteps); it != std::rend(kSpeedSteps); ++it)
    if (*it < current * 0.9999) return *it;
  return kSpeedSteps[0];
}

void ApplyCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    std::string value;
    if (a == "--speed" && i + 1 < argc)
      value = argv[++i];
    else if (a.rfind("--speed=", 0) == 0)
      value = a.substr(8);
    else
      continue;
    char* end = nullptr;
    double f = std::strtod(value.c_str(), &end);
    if (end != value.c_str() && f > 0 && f < 1e6) SetSpeed(f);
  }
}

void CheckEnd() {
  if (g_ending) throw ProgramEnded{};
}

void DoEvents() {
  CheckEnd();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  CheckEnd();
}

void WaitUntil(double t) {
  CheckEnd();
  for (;;) {
    if (Paused()) {
      // Nothing is due while the clock stands; the key that restarts it is an event.
      SleepUntilEventOr(250);
      CheckEnd();
      continue;
    }
    double left = t - Now();
    if (left <= 0) break;
    if (Clock().jumping) {
      Clock().base += left;
      break;
    }
    qint64 realMs = qint64(std::ceil(left / Speed() * 1000.0));
    SleepUntilEventOr(realMs);
    CheckEnd();
  }
  // A paced step always lets the window show what was drawn.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  CheckEnd();
}

void WaitFor(double seconds) { WaitUntil(Now() + seconds); }

void WaitWhile(const std::function<bool()>& cond) {
  CheckEnd();
  while (cond()) {
    // The condition changes only through events; a periodic wake keeps a
    // condition that reads the clock honest too.
    SleepUntilEventOr(100);
    CheckEnd();
  }
}

namespace {
std::vector<QPointer<QWidget>>& ModalStack() {
  static std::vector<QPointer<QWidget>> stack;
  return stack;
}
}  // namespace

ModalScope::ModalScope(QWidget* dialog) { ModalStack().emplace_back(dialog); }
ModalScope::~ModalScope() { ModalStack().pop_back(); }

QWidget* ModalWidget() {
  for (auto it = ModalStack().rbegin(); it != ModalStack().rend(); ++it)
    if (*it && (*it)->isVisible()) return *it;
  return nullptr;
}

bool BlockedByModal(const QWidget* w) {
  QWidget* modal = ModalWidget();
  return modal != nullptr && w->window() != modal;
}

ProgramSignals& ProgramSignals::Instance() {
  static ProgramSignals s;
  return s;
}

void EndProgram() {
  if (g_ending) return;
  g_ending = true;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible()) w->close();
  }
  emit ProgramSignals::Instance().ended();
  // Wake any wait sleeping in the event loop.
  QCoreApplication::postEvent(&ProgramSignals::Instance(), new QEvent(QEvent::User));
}

bool Ending() { return g_ending; }

void ResetProgram() {
  g_ending = false;
  SetPaused(false);
}

void Guard(const std::function<void()>& f) {
  try {
    f();
  } catch (const ProgramEnded&) {
    // The program is ending; the section stops where it was.
  }
}

int RunLesson(int& argc, char** argv, const std::function<void()>& make,
              const std::function<void()>& done) {
  QApplication app(argc, argv);
  ApplyCommandLine(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&ProgramSignals::Instance(), &ProgramSignals::ended, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  Guard(make);
  const int rc = Ending() ? 0 : app.exec();
  if (done) done();
  return rc;
}

}  // namespace lk
