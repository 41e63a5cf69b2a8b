#include "memorycheck.h"

#include <QCoreApplication>
#include <QPixmapCache>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <cstdio>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "dialogs.h"
#include "learner.h"
#include "lessonwindow.h"
#include "program.h"

namespace lk::test {

namespace {

void Open(LessonWindow& w, DialogKind kind) {
  NumEntry entry;
  if (kind == DialogKind::NumberWithChoice) {
    StrOptInput(w, true);
    return;
  }
  if (kind == DialogKind::NumberWithScrollBar) {
    entry.proposal = QStringLiteral("0.5");
    entry.scroll = true;
  }
  StrInput(w, entry);
}

// The innermost dialog, once the window system shows it, gets the answer of
// its turn: a typed entry, Esc, the window manager's close.
void AnswerShownDialog(int& answers) {
  auto* d = qobject_cast<EntryDialog*>(ModalWidget());
  if (!d || !d->windowHandle() || !d->windowHandle()->isExposed()) return;
  switch (answers++ % 3) {
    case 0:
      QTest::keyClicks(d->txtNum, QStringLiteral("1"));
      QTest::keyClick(d->txtNum, Qt::Key_Return);
      break;
    case 1: QTest::keyClick(d->txtNum, Qt::Key_Escape); break;
    default: d->close(); break;
  }
}

// Resident memory without the freed memory the allocator still holds.
long HeldKb() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
  return ResidentKb();
}

}  // namespace

void ExpectDialogUsesKeepMemoryFlat(const std::function<std::unique_ptr<LessonWindow>()>& make,
                                    std::initializer_list<DialogKind> kinds) {
  if (!MemoryFiguresMeaningful()) return;
  constexpr int kWarmUp = 30, kUses = 300;
  const std::vector<DialogKind> turns(kinds);
  std::unique_ptr<LessonWindow> w = make();
  int answers = 0, uses = 0;
  long base = 0, growth = 0;
  bool over = false;
  QTimer answerer, starter;
  QObject::connect(&answerer, &QTimer::timeout, [&] { AnswerShownDialog(answers); });
  // The uses begin once the window takes input and no dialog of the lesson
  // is open; they run nested in whatever the lesson waits for, and the end
  // of the program afterwards unwinds that wait.
  QObject::connect(&starter, &QTimer::timeout, [&] {
    if (LessonWindow::Placing() || !w->isVisible() || OpenDialog() != nullptr) return;
    starter.stop();
    Guard([&] {
      w->StopTimer1();  // no step of the lesson opens a dialog of its own meanwhile
      // What the test drew before fills the cache of pictures, which would
      // drop it while the uses run and hide what they add.
      QPixmapCache::clear();
      for (; uses < kWarmUp + kUses; ++uses) {
        if (uses == kWarmUp) base = HeldKb();
        Open(*w, turns[std::size_t(uses) % turns.size()]);
      }
      growth = HeldKb() - base;
    });
    over = true;
    EndProgram();
  });
  answerer.start(1);
  starter.start(1);
  w->Start();
  RunUntil([&] { return over; });
  if (!Ending()) EndProgram();
  QCoreApplication::processEvents();
  w.reset();
  ResetProgram();
  ASSERT_EQ(uses, kWarmUp + kUses) << "the dialog uses stopped half-way";
  std::printf("resident memory over %d dialog uses: %+ld kB\n", kUses, growth);
  // A use that kept a few kilobytes (a new picture of its buttons) passes
  // this bound well within the uses.
  EXPECT_LT(growth, 1024) << "kB over " << kUses << " dialog uses";
}

}  // namespace lk::test
