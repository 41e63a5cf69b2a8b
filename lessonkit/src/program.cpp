#include "program.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "catalog.h"

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

namespace {

// Qt's own options, which QApplication reads (with one dash or two); those
// in the first list take a value.
bool IsQtOption(const std::string& name, bool* takesValue) {
  static const char* const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                          "display", "geometry", "style", "stylesheet", "name", "title",
                                          "visual"};
  static const char* const alone[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
  *takesValue = std::any_of(std::begin(withValue), std::end(withValue),
                            [&](const char* o) { return name == o; });
  return *takesValue ||
         std::any_of(std::begin(alone), std::end(alone), [&](const char* o) { return name == o; });
}

CommandLine Fail(std::string what) {
  CommandLine c;
  c.action = CommandLine::Action::Error;
  c.error = std::move(what);
  return c;
}

QString ProgramName(int argc, char** argv) {
  return argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : QStringLiteral("lessons");
}

void Print(std::FILE* to, const QString& text) { std::fputs(text.toUtf8().constData(), to); }

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine c;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h" || a == "-help") {
      c.action = CommandLine::Action::Help;
      return c;
    }
    if (a == "--version") {
      c.action = CommandLine::Action::Version;
      return c;
    }
    std::string value;
    if (a == "--speed") {
      if (i + 1 >= argc) return Fail("--speed の後に数が要ります / --speed needs a number");
      value = argv[++i];
    } else if (a.rfind("--speed=", 0) == 0) {
      value = a.substr(8);
    } else if (a.size() > 1 && a[0] == '-') {
      const std::string name = a.substr(a.rfind("--", 0) == 0 ? 2 : 1);
      bool takesValue = false;
      if (!IsQtOption(name.substr(0, name.find('=')), &takesValue))
        return Fail("知らないオプションです / unknown option: " + a);
      if (takesValue && name.find('=') == std::string::npos) {
        if (i + 1 >= argc) return Fail(a + " の後に値が要ります / " + a + " needs a value");
        ++i;
      }
      continue;
    } else {
      return Fail("余計な引数です / unexpected argument: " + a);
    }
    char* end = nullptr;
    const double f = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !(f > 0) || !(f < 1e6))
      return Fail("--speed には正の数を / --speed needs a positive number: " + value);
    c.speed = f;
  }
  return c;
}

bool AnswerCommandLine(int argc, char** argv, int* exitCode) {
  const CommandLine c = ParseCommandLine(argc, argv);
  const QString name = ProgramName(argc, argv);
  switch (c.action) {
    case CommandLine::Action::Run:
      return false;
    case CommandLine::Action::Help:
      Print(stdout, HelpText(name));
      *exitCode = 0;
      return true;
    case CommandLine::Action::Version:
      Print(stdout, VersionText(name));
      *exitCode = 0;
      return true;
    case CommandLine::Action::Error:
      Print(stderr, name + QStringLiteral(": ") + QString::fromStdString(c.error) + QLatin1Char('\n') +
                        QStringLiteral("詳しくは / see: ") + name + QStringLiteral(" --help\n"));
      *exitCode = 2;
      return true;
  }
  return false;
}

void ApplyCommandLine(int argc, char** argv) {
  const CommandLine c = ParseCommandLine(argc, argv);
  if (c.action == CommandLine::Action::Run && c.speed > 0) SetSpeed(c.speed);
}

void SetProgramIdentity() {
  const QString name = QCoreApplication::applicationName();
  const ProgramInfo* p = FindProgram(name);
  if (!p) return;
  // Matches lessons-<name>.desktop, so docks and task bars group the windows
  // under the menu entry and show its name.
  QGuiApplication::setDesktopFileName(QStringLiteral("lessons-") + name);
  QApplication::setWindowIcon(ProgramIcon(*p));
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
  int exitCode = 0;
  if (AnswerCommandLine(argc, argv, &exitCode)) return exitCode;
  QApplication app(argc, argv);
  ApplyCommandLine(argc, argv);
  SetProgramIdentity();
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&ProgramSignals::Instance(), &ProgramSignals::ended, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  Guard(make);
  const int rc = Ending() ? 0 : app.exec();
  if (done) done();
  return rc;
}

}  // namespace lk
