#include "learner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

#include <malloc.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include "catalog.h"
#include "dialogs.h"
#include "lessonwindow.h"
#include "program.h"
#include "surface.h"

namespace lk::test {

QWidget* OpenDialog() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) continue;
    if (qobject_cast<FrmNum*>(w) || qobject_cast<FrmNumOpt*>(w)) return w;
  }
  return nullptr;
}

QWidget* OpenPrompt() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && qobject_cast<FrmHitKey*>(w)) return w;
  return nullptr;
}

int InkCount(const Surface& s, float x1, float y1, float x2, float y2) {
  const float u = s.UnitsPerPixel();
  int n = 0;
  for (int y = int(y1 / u); y < int(y2 / u); ++y)
    for (int x = int(x1 / u); x < int(x2 / u); ++x) n += s.PixelAt(x, y) != s.BackColor();
  return n;
}

int InkCount(const Surface& s) { return InkCount(s, 0, 0, s.ScaleWidth(), s.ScaleHeight()); }

FrmNum* Dialog(QWidget* d) {
  auto* f = qobject_cast<FrmNum*>(d);
  EXPECT_NE(f, nullptr);
  return f;
}

QString TypeInto(QWidget* d, const QString& text) {
  FrmNum* f = Dialog(d);
  f->txtNum->clear();
  QTest::keyClicks(f->txtNum, text);
  return f->txtNum->text();
}

bool RunUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > limitMs) return false;
    QTest::qWait(2);
  }
  return true;
}

void PressKey(QWidget* w, int qtKey, Qt::KeyboardModifiers mods) {
  QTest::keyClick(w, Qt::Key(qtKey), mods);
}

namespace {
QLineEdit* BoxOf(QWidget* dialog) {
  if (auto* d = qobject_cast<FrmNum*>(dialog)) return d->txtNum;
  if (auto* d = qobject_cast<FrmNumOpt*>(dialog)) return d->txtNum;
  return nullptr;
}
}  // namespace

Learner::Learner() : timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, &Learner::Poll);
  timer_->start(1);
}

Learner::~Learner() = default;

Learner& Learner::type(const QString& text) {
  steps_.push_back({Step::Dialog, [this, text](QWidget* d) {
                      QLineEdit* box = BoxOf(d);
                      proposals << box->text();
                      box->clear();
                      QTest::keyClicks(box, text);
                      QTest::keyClick(box, Qt::Key_Return);
                    }});
  return *this;
}

Learner& Learner::cancel() {
  steps_.push_back({Step::Dialog, [this](QWidget* d) {
                      QLineEdit* box = BoxOf(d);
                      proposals << box->text();
                      QTest::keyClick(box, Qt::Key_Escape);
                    }});
  return *this;
}

Learner& Learner::pressKey(int qtKey) {
  steps_.push_back({Step::Prompt, [qtKey](QWidget* p) { QTest::keyClick(p, Qt::Key(qtKey)); }});
  return *this;
}

Learner& Learner::clickPrompt() {
  steps_.push_back({Step::Prompt, [](QWidget* p) { QTest::mouseClick(p, Qt::LeftButton); }});
  return *this;
}

Learner& Learner::atDialog(std::function<void(QWidget*)> f) {
  steps_.push_back({Step::Dialog, std::move(f)});
  return *this;
}

Learner& Learner::then(std::function<void()> f) {
  steps_.push_back({Step::Now, [f = std::move(f)](QWidget*) { f(); }});
  return *this;
}

Learner& Learner::when(std::function<bool()> cond, std::function<void()> f) {
  steps_.push_back({Step::Now, [f = std::move(f)](QWidget*) { f(); }, std::move(cond)});
  return *this;
}

bool Learner::finish(int realMs) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < realMs) {
    Guard([] { QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20); });
  }
  return done();
}

void Learner::Poll() {
  // A window still being placed takes no keys yet: what a step sends now
  // would be lost.
  if (steps_.empty() || acting_ || LessonWindow::Placing()) return;
  Step step = steps_.front();
  QPointer<QWidget> target;
  if (step.kind == Step::Dialog) target = OpenDialog();
  if (step.kind == Step::Prompt) target = OpenPrompt();
  if (step.kind != Step::Now && target == nullptr) return;
  if (step.ready && !step.ready()) return;
  steps_.pop_front();
  // The step may open a nested wait (a key that starts a section), and a
  // timer does not fire again while its own handler runs: act from a posted
  // call instead, so this timer keeps polling inside that wait.
  acting_ = true;
  QMetaObject::invokeMethod(
      this,
      [this, step, target] {
        acting_ = false;
        if (step.kind != Step::Now && target == nullptr) return;
        step.act(target);
      },
      Qt::QueuedConnection);
}

// ---- random input ----

namespace {

// Aborts the process, naming the seed, when the program stops turning its
// event loop: when the main thread spends limit seconds of its own CPU time
// without a beat (a loop that spins), or ten times as long in real time (a
// wait that never wakes).  CPU time, not the clock on the wall: a machine
// busy with other work slows the program down but does not make it hang.
class Watchdog {
 public:
  Watchdog(std::uint32_t seed, double seconds) : seed_(seed), limit_(seconds) {
    pthread_getcpuclockid(pthread_self(), &mainClock_);
    beat();
    thread_ = std::thread([this] { Run(); });
  }
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(m_);
      stop_ = true;
    }
    cv_.notify_all();
    thread_.join();
  }
  void beat() {
    lastWall_.store(std::chrono::steady_clock::now().time_since_epoch().count());
    lastCpu_.store(MainCpuNs());
  }

 private:
  std::int64_t MainCpuNs() const {
    timespec t{};
    clock_gettime(mainClock_, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
  }
  void Run() {
    std::unique_lock<std::mutex> lock(m_);
    while (!stop_) {
      cv_.wait_for(lock, std::chrono::milliseconds(200));
      const auto wall = std::chrono::steady_clock::now().time_since_epoch().count();
      const double idleWall = double(wall - lastWall_.load()) * 1e-9;
      const double spun = double(MainCpuNs() - lastCpu_.load()) * 1e-9;
      if (!stop_ && (spun > limit_ || idleWall > 10 * limit_)) {
        std::fprintf(stderr, "random input: the program stopped turning its event loop "
                             "(%.1f s of CPU, %.1f s in all; seed %u)\n", spun, idleWall, seed_);
        std::fflush(stderr);
        std::abort();
      }
    }
  }
  std::uint32_t seed_;
  double limit_;
  clockid_t mainClock_{};
  std::atomic<std::int64_t> lastWall_{0}, lastCpu_{0};
  std::mutex m_;
  std::condition_variable cv_;
  bool stop_ = false;
  std::thread thread_;
};

QWidget* TopWindow(QWidget* main) {
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
  // The prompt or dialog over the lesson; of several, the active one (the
  // list of top-level widgets has no order to rely on).
  QWidget* top = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == main || !w->isVisible() || (w->windowFlags() & Qt::Tool) != Qt::Tool) continue;
    if (w == QApplication::activeWindow()) return w;
    if (!top || qstrcmp(w->metaObject()->className(), top->metaObject()->className()) < 0) top = w;
  }
  return top ? top : main;
}

// The launcher decides from the catalogue whether a lesson fits the screen
// at a display size: the catalogue must know the window as the lesson makes
// it.  The test program of a lesson is named after it ("wellstates_...").
void ExpectCatalogueSize(const QWidget& window) {
  const QString program = QCoreApplication::applicationName().section(QLatin1Char('_'), 0, 0);
  if (const ProgramInfo* info = FindProgram(program)) {
    EXPECT_EQ(window.size(), info->windowSize) << "the catalogue's window size of " << program.toStdString();
  }
}

// Folds what an event met into the trace of a run.
void Trace(std::uint64_t& trace, const QWidget* top, std::int32_t mode) {
  auto mix = [&](std::uint64_t v) { trace = (trace ^ v) * 1099511628211ull; };
  for (const char* c = top->metaObject()->className(); *c; ++c) mix(std::uint8_t(*c));
  mix(std::uint32_t(mode));
}

void PostKey(QWidget* w, int qtKey, const QString& text) {
  QWidget* target = w->focusWidget() ? w->focusWidget() : w;
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, qtKey, Qt::NoModifier, text));
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, qtKey, Qt::NoModifier, text));
}

// Posts a mouse event to the child of w under `at`, as the window system
// would deliver it.
void PostMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QWidget* child = w->childAt(at);
  QWidget* target = child ? child : w;
  QPointF local = target->mapFrom(w, QPointF(at));
  QPointF global = w->mapToGlobal(QPointF(at));
  QCoreApplication::postEvent(target,
                              new QMouseEvent(type, local, global, button, held, Qt::NoModifier));
}

void PostClick(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  PostMouse(w, QEvent::MouseButtonPress, at, button, button);
  PostMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

QPoint RandomPoint(std::mt19937& rng, const QWidget* w) {
  return {int(rng() % unsigned(std::max(1, w->width()))),
          int(rng() % unsigned(std::max(1, w->height())))};
}

// A short path of small steps from a random point: what a hand on the mouse
// does, so that rules such as "only near the previous position" are met.
void PostPath(std::mt19937& rng, QWidget* w, bool dragging) {
  QPoint p = RandomPoint(rng, w);
  if (dragging) PostMouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
  const int steps = 2 + int(rng() % 8);
  const int dx = int(rng() % 13) - 6, dy = int(rng() % 13) - 6;
  for (int i = 0; i < steps; ++i) {
    p += QPoint(dx + int(rng() % 3) - 1, dy + int(rng() % 3) - 1);
    PostMouse(w, QEvent::MouseMove, p, Qt::NoButton, dragging ? Qt::LeftButton : Qt::NoButton);
  }
  if (dragging) PostMouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

RandomRun RunRandomInput(std::uint32_t seed, int events,
                         const std::function<std::unique_ptr<LessonWindow>()>& make,
                         double hangSeconds, Pointer pointer) {
  RandomRun run;
  std::mt19937 rng(seed);
  Watchdog dog(seed, hangSeconds);
  std::unique_ptr<LessonWindow> window;

  // One event a turn of the event loop, once what the one before caused has
  // been handled, and a fixed step of the lesson clock with each: the lesson
  // meets the same events at the same moments of its own time, however fast
  // the machine runs it.
  SetSteppedClock(true);
  QTimer ticker;
  ticker.setInterval(0);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    dog.beat();
    StepClock(kRandomStepSeconds);
    // A lesson that runs its sections from Form_Load may be waiting without
    // limit when the events run out; ending it lets Start() return.
    if (run.events >= events && window && !Ending()) EndProgram();
    // A window still being placed takes no input: what came now would be
    // lost, as many events as the window system takes time to place it.
    if (run.events >= events || !window || Ending() || !window->isVisible() ||
        LessonWindow::Placing())
      return;
    QWidget* top = TopWindow(window.get());
    ++run.events;
    Trace(run.trace, top, window->mode);
    int r = int(rng() % 100);
    if (pointer == Pointer::MovesAndDrags && r < 30) {
      if (r < 12) return PostPath(rng, top, false);
      if (r < 20) return PostPath(rng, top, true);
      if (r < 24) return PostClick(top, RandomPoint(rng, top), Qt::RightButton);
      return PostClick(top, RandomPoint(rng, top));
    }
    if (r < 15) return PostClick(top, RandomPoint(rng, top));
    static const char* chars = "0123456789.-,abcxyzqE";
    if (r < 60) {
      char c = chars[rng() % 21];
      int key = (c >= 'a' && c <= 'z') ? Qt::Key_A + (c - 'a')
                : c == 'E' ? Qt::Key_E : c == '.' ? Qt::Key_Period
                : c == '-' ? Qt::Key_Minus : c == ',' ? Qt::Key_Comma : Qt::Key_0 + (c - '0');
      PostKey(top, key, QString(QChar(c)));
      return;
    }
    if (r < 75) return PostKey(top, Qt::Key_Return, QStringLiteral("\r"));
    if (r < 77) return PostKey(top, Qt::Key_Escape, QString(QChar(27)));
    if (r < 83) return PostKey(top, (rng() % 2) ? Qt::Key_Up : Qt::Key_Down, QString());
    if (r < 90) return PostKey(top, Qt::Key_F1 + int(rng() % 5), QString());
    return PostKey(top, Qt::Key_Space, QStringLiteral(" "));
  });
  ticker.start();

  while (run.events < events) {
    if (!window || Ending() || !window->isVisible()) {
      window.reset();
      window = make();
      if (run.programs == 0) ExpectCatalogueSize(*window);
      ++run.programs;
      window->Start();  // may run an introduction; the ticker keeps sending
      continue;
    }
    dog.beat();
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
  ticker.stop();
  if (window && !Ending()) EndProgram();
  QCoreApplication::processEvents();
  window.reset();
  SetSteppedClock(false);
  ResetProgram();
  return run;
}

RandomPlan RandomPlanFromEnv(RandomPlan plan) {
  if (const QByteArray e = qgetenv("LESSONS_RANDOM_EVENTS"); !e.isEmpty() && e.toInt() > 0)
    plan.events = e.toInt();
  if (const QByteArray s = qgetenv("LESSONS_RANDOM_SEEDS"); !s.isEmpty()) {
    const QList<QByteArray> parts = s.split('-');
    plan.first = parts.value(0).toUInt();
    plan.last = parts.size() > 1 ? parts.value(1).toUInt() : plan.first;
  }
  return plan;
}

void RunRandomPlan(const RandomPlan& plan,
                   const std::function<std::unique_ptr<LessonWindow>()>& make, Pointer pointer) {
  for (std::uint32_t seed = plan.first; seed <= std::max(plan.first, plan.last); ++seed) {
    const RandomRun run = RunRandomInput(seed, plan.events, make, 10, pointer);
    std::printf("random input, seed %u: %d events over %d program starts\n", unsigned(seed),
                run.events, run.programs);
    EXPECT_EQ(run.events, plan.events) << "seed " << seed;
    EXPECT_GE(run.programs, 1) << "seed " << seed;
  }
}

long ResidentKb() {
  // Freed blocks the allocator keeps for later are not growth: a large
  // picture freed in one start may stay in the heap or go back to the
  // system depending on what else was allocated around it, which moved the
  // figure by megabytes from run to run on a busy machine.
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = f.readAll().simplified().split(' ');
  return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

bool MemoryFiguresMeaningful() {
#if defined(__SANITIZE_ADDRESS__)
  return false;
#else
  return true;
#endif
}

bool WalkScriptedPath(const std::function<std::unique_ptr<LessonWindow>()>& make,
                      const std::function<void(LessonWindow&, Learner&)>& script) {
  bool done = false;
  {
    std::unique_ptr<LessonWindow> w = make();
    Learner learner;
    script(*w, learner);
    learner.then([] { EndProgram(); });
    w->Start();  // a lesson that narrates from its start returns only at the end
    done = learner.finish(60000);
    if (!Ending()) EndProgram();
    QCoreApplication::processEvents();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  ResetProgram();
  return done;
}

long RestartGrowthKb(const std::function<std::unique_ptr<LessonWindow>()>& make,
                     const std::function<void(LessonWindow&, Learner&)>& script, int restarts) {
  // The first starts fill caches that live as long as the process (fonts,
  // glyphs, the sound buffers); growth is counted from after them.
  constexpr int warmUp = 5;
  long base = 0;
  for (int i = 0; i < restarts; ++i) {
    WalkScriptedPath(make, script);
    if (i + 1 == warmUp) base = ResidentKb();
  }
  return ResidentKb() - base;
}

void RunRandomThenScript(std::initializer_list<std::uint32_t> seeds, int events,
                         const std::function<std::unique_ptr<LessonWindow>()>& make,
                         const std::function<void(LessonWindow&, Learner&)>& script,
                         Pointer pointer) {
  for (std::uint32_t seed : seeds) {
    const RandomRun run = RunRandomInput(seed, events, make, 10, pointer);
    EXPECT_EQ(run.events, events) << "seed " << seed;
    EXPECT_GE(run.programs, 1) << "seed " << seed;
    EXPECT_TRUE(WalkScriptedPath(make, script)) << "after the random input of seed " << seed
                                                << ", the scripted path stopped half-way";
  }
  if (!MemoryFiguresMeaningful()) return;
  // A window's retained pictures alone take megabytes: a program that kept
  // one per start would pass this bound within a few restarts.
  constexpr long kGrowthLimitKb = 16 * 1024;
  const long growth = RestartGrowthKb(make, script, 35);
  std::printf("resident memory after 30 more starts: %+ld kB\n", growth);
  EXPECT_LT(growth, kGrowthLimitKb);
}

}  // namespace lk::test
