// The number-entry dialogs driven with real key and mouse events.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QMimeData>
#include <QTimer>

#include "dialogs.h"
#include "learner.h"
#include "program.h"
#include "sounds.h"

using namespace lk;
using lk::test::Learner;

namespace {

FrameParams Params() {
  FrameParams p;
  p.caption = QStringLiteral("dialogs");
  p.clientWidth = 9000;
  p.clientHeight = 6000;
  return p;
}

class Asking : public LessonWindow {
 public:
  Asking() : LessonWindow(Params()) {}
  int painted = 0;
  void PaintInput(Surface& pic) override {
    ++painted;
    float x = 0;
    PrintText(pic, x, 2, QStringLiteral("次数を入力して下さい (0～20)"));
  }
};

NumEntry At(float a, float b, const QString& proposal = QString()) {
  NumEntry e;
  e.a = a;
  e.b = b;
  e.proposal = proposal;
  return e;
}

// Runs f against the dialog once it is open.
QString Ask(Asking& w, const NumEntry& e, std::function<void(FrmNum*)> f) {
  Learner l;
  l.atDialog([f](QWidget* d) { f(qobject_cast<FrmNum*>(d)); });
  return StrInput(w, e);
}

struct Dialogs : ::testing::Test {
  void SetUp() override {
    w.Start();
    AllowDot = AllowMinus = AllowComma = 0;
    InputText.clear();
  }
  Asking w;
};

}  // namespace

TEST_F(Dialogs, TheFilterBeepsAtWhatIsNotAllowed) {
  const int beeps = BeepCount();
  QString got = Ask(w, {}, [](FrmNum* d) {
    QTest::keyClicks(d->txtNum, QStringLiteral("1a2-.,"));
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("12"));
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_EQ(got, QStringLiteral("12"));
  EXPECT_EQ(LastKey, 13);
  EXPECT_EQ(BeepCount() - beeps, 4);
  AllowMinus = AllowDot = AllowComma = 1;
  got = Ask(w, {}, [](FrmNum* d) {
    QTest::keyClicks(d->txtNum, QStringLiteral("-2.5,4"));
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_EQ(got, QStringLiteral("-2.5,4"));
  EXPECT_EQ(BeepCount() - beeps, 4);
}

TEST_F(Dialogs, ProposalEnterKeepsItAndTheCaretIsAtItsEnd) {
  QString got = Ask(w, At(0.13f, 0.91f, QStringLiteral("3")), [](FrmNum* d) {
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("3"));
    EXPECT_EQ(d->txtNum->cursorPosition(), 1);
    QTest::keyClicks(d->txtNum, QStringLiteral("5"));  // typed after the proposal
    QTest::mouseClick(d->cmdNum[1], Qt::LeftButton);
  });
  EXPECT_EQ(got, QStringLiteral("35"));
  EXPECT_EQ(LastKey, 13);
  EXPECT_GT(w.painted, 0) << "the lesson paints the prompt";
}

TEST_F(Dialogs, UpRecallsIntoAnEmptyBoxDownEmptiesLeftRightAreSwallowed) {
  InputText = QStringLiteral("2.5");
  Ask(w, {}, [](FrmNum* d) {
    QTest::keyClick(d->txtNum, Qt::Key_Up);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("2.5"));
    EXPECT_EQ(d->txtNum->cursorPosition(), 3);
    QTest::keyClick(d->txtNum, Qt::Key_Left);
    QTest::keyClicks(d->txtNum, QStringLiteral("7"));
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("2.57")) << "the caret did not move";
    InputText = QStringLiteral("9");
    QTest::keyClick(d->txtNum, Qt::Key_Up);  // a non-empty box ignores Up
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("2.57"));
    QTest::keyClick(d->txtNum, Qt::Key_Down);
    EXPECT_EQ(d->txtNum->text(), QString());
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_EQ(InputText, QString());
}

TEST_F(Dialogs, EscAndCancelReturnNothingWith27) {
  QString got = Ask(w, At(0.1f, 0.9f, QStringLiteral("4")), [](FrmNum* d) {
    QTest::keyClick(d->txtNum, Qt::Key_Escape);
  });
  EXPECT_EQ(got, QString());
  EXPECT_EQ(LastKey, 27);
  got = Ask(w, At(0.1f, 0.9f, QStringLiteral("4")), [](FrmNum* d) {
    QTest::mouseClick(d->cmdNum[2], Qt::LeftButton);
  });
  EXPECT_EQ(got, QString());
  EXPECT_EQ(LastKey, 27);
}

TEST_F(Dialogs, DialogSitsWhereTheLessonSaysAndWidens) {
  WidenFactor = 0.1f;
  QRect box, pic;
  QPoint at;
  Ask(w, At(0.13f, 0.91f, QString()), [&](FrmNum* d) {
    at = d->pos();
    box = d->txtNum->geometry();
    pic = d->picNum->geometry();
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_EQ(WidenFactor, 0);
  const QRect g = w.frameGeometry();
  EXPECT_EQ(at, QPoint(g.left() + qRound(0.13 * g.width()), g.top() + qRound(0.91 * g.height())));
  QRect narrowBox;
  Ask(w, At(0.13f, 0.91f, QString()), [&](FrmNum* d) {
    narrowBox = d->txtNum->geometry();
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_LT(box.left(), narrowBox.left());
  EXPECT_EQ(box.right(), narrowBox.right());
  EXPECT_LT(pic.right(), box.left());
}

TEST_F(Dialogs, ScrollBarMapsIntoTheRangeAndTypedKeysAreStored) {
  NumEntry e;
  e.scroll = true;
  e.lo = 0;
  e.hi = 0.95;
  e.typedKeysToLastKey = true;
  e.proposal = QStringLiteral("0.7");
  AllowDot = 1;
  QString got = Ask(w, e, [](FrmNum* d) {
    ASSERT_NE(d->hsbNum, nullptr);
    d->hsbNum->setValue(50);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("0.48"));  // 0.475 -> 47.5 -> 48 (halves to even)
    d->hsbNum->setValue(100);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("0.95"));
    d->hsbNum->setValue(0);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("0"));
    QTest::keyClick(d->txtNum, Qt::Key_Down);
    QTest::keyClicks(d->txtNum, QStringLiteral("0.3"));
    EXPECT_EQ(LastKey, '3');
    QTest::keyClick(d->txtNum, Qt::Key_Escape);
  });
  EXPECT_EQ(got, QString());
  EXPECT_EQ(LastKey, 27);
}

TEST_F(Dialogs, OptionLabelsChooseAndClose) {
  OptIndex = 1;
  const int recycles = SoundCount(Sound::Recycle);
  Learner l;
  l.atDialog([](QWidget* d) {
    auto* o = qobject_cast<FrmNumOpt*>(d);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->Label[1]->styleSheet().contains(QStringLiteral("0,0,255")), true);
    QTest::keyClicks(o->txtNum, QStringLiteral("-0.5"));
    QTest::mouseClick(o->Label[1], Qt::LeftButton);  // the marked one: nothing
    EXPECT_TRUE(o->isVisible());
    QTest::mouseClick(o->Label[2], Qt::LeftButton);
  });
  const std::int32_t keyBefore = LastKey = 77;
  QString got = StrOptInput(w, true);
  EXPECT_EQ(got, QStringLiteral("-0.5"));
  EXPECT_EQ(OptIndex, 2);
  EXPECT_TRUE(OptChanged);
  EXPECT_EQ(LastKey, keyBefore);
  EXPECT_EQ(SoundCount(Sound::Recycle) - recycles, 1);
  // Without the minus for the second problem; Left/Right move the caret here.
  Learner l2;
  l2.atDialog([](QWidget* d) {
    auto* o = qobject_cast<FrmNumOpt*>(d);
    QTest::keyClicks(o->txtNum, QStringLiteral("-12"));
    QTest::keyClick(o->txtNum, Qt::Key_Left);
    QTest::keyClicks(o->txtNum, QStringLiteral("5"));
    QTest::keyClick(o->txtNum, Qt::Key_Return);
  });
  got = StrOptInput(w, false);
  EXPECT_EQ(got, QStringLiteral("152"));
  EXPECT_FALSE(OptChanged);
  EXPECT_EQ(LastKey, 13);
}

TEST_F(Dialogs, EndingWhileADialogIsOpenStopsTheSection) {
  bool after = false;
  Learner l;
  l.atDialog([](QWidget*) { QTimer::singleShot(0, [] { EndProgram(); }); });
  Guard([&] {
    StrInput(w, {});
    after = true;
  });
  EXPECT_FALSE(after);
  EXPECT_TRUE(Ending());
  EXPECT_EQ(lk::test::OpenDialog(), nullptr);
}

TEST_F(Dialogs, ClosingTheLessonWindowUnderAnOpenDialogEndsTheProgram) {
  bool after = false;
  Learner l;
  l.atDialog([this](QWidget*) { QTimer::singleShot(0, [this] { w.close(); }); });
  Guard([&] {
    StrInput(w, {});
    after = true;
  });
  EXPECT_FALSE(after);
  EXPECT_TRUE(Ending());
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(lk::test::OpenDialog(), nullptr);
}

TEST_F(Dialogs, TheWindowBeneathPassesItsKeysToTheDialogAndTakesNoClicks) {
  int clicks = 0;
  Picture* pic = w.AddPicture(0, 0, 3000, 3000);
  pic->onClick = [&] { ++clicks; };
  pic->show();
  QString got = Ask(w, At(0.1f, 0.9f), [&](FrmNum*) {
    QTest::mouseClick(pic, Qt::LeftButton);
    QTest::keyClicks(&w, QStringLiteral("42"));
    QTest::keyClick(&w, Qt::Key_Return);
  });
  EXPECT_EQ(got, QStringLiteral("42"));
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(pic, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Dialogs, TheWindowManagersCloseCountsAsCancelNeverAsTheLastEntry) {
  // An entry of 1.5 first, so a stale InputText would be there to reread.
  QString got = Ask(w, {}, [](FrmNum* d) {
    QTest::keyClicks(d->txtNum, QStringLiteral("15"));
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  ASSERT_EQ(got, QStringLiteral("15"));
  got = Ask(w, {}, [](FrmNum* d) {
    QTest::keyClicks(d->txtNum, QStringLiteral("3"));
    d->close();  // what Alt+F4 or a close button does to the window
  });
  EXPECT_EQ(got, QString());
  EXPECT_EQ(InputText, QString());
  EXPECT_EQ(LastKey, 27);

  // The same for the dialog with the three-way choice.
  OptIndex = 0;
  Learner l;
  l.atDialog([](QWidget* d) {
    auto* opt = qobject_cast<FrmNumOpt*>(d);
    QTest::keyClicks(opt->txtNum, QStringLiteral("-0.5"));
    opt->close();
  });
  EXPECT_EQ(StrOptInput(w, true), QString());
  EXPECT_EQ(LastKey, 27);
  EXPECT_EQ(OptChanged, 0);
}

TEST_F(Dialogs, PastedDroppedAndComposedTextPassesTheSameFilter) {
  const int beeps = BeepCount();
  AllowMinus = 1;
  QString got = Ask(w, {}, [](FrmNum* d) {
    // Dropped text: only the characters that could have been typed go in.
    QMimeData mime;
    mime.setText(QStringLiteral("abc-1e5,xyz"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d->txtNum, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(d->txtNum, &drop);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("-15"));
    // An input method commits a whole string at once; full-width digits are digits.
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("２.x"));
    QCoreApplication::sendEvent(d->txtNum, &ime);
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("-152"));
    // The middle-click paste goes through the same insertion.
    d->txtNum->InsertFiltered(QStringLiteral("abc-1e5,xyz"));
    EXPECT_EQ(d->txtNum->text(), QStringLiteral("-152-15"));
    QTest::keyClick(d->txtNum, Qt::Key_Return);
  });
  EXPECT_EQ(got, QStringLiteral("-152-15"));
  EXPECT_EQ(BeepCount() - beeps, 3) << "each refused insertion beeps once";
}

TEST_F(Dialogs, PromptsFollowTheLessonWindowWhenItMoves) {
  QPoint before, after;
  QRect gBefore, gAfter;
  Ask(w, At(0.13f, 0.91f), [&](FrmNum* d) {
    gBefore = w.frameGeometry();
    before = d->pos();
    w.move(w.pos() + QPoint(70, 40));
    QTest::qWait(20);
    gAfter = w.frameGeometry();
    after = d->pos();
    QTest::keyClick(d->txtNum, Qt::Key_Escape);
  });
  ASSERT_NE(gBefore.topLeft(), gAfter.topLeft()) << "the window did not move";
  EXPECT_EQ(after - before, gAfter.topLeft() - gBefore.topLeft());
  EXPECT_EQ(after.x(), gAfter.left() + qRound(0.13 * gAfter.width()));
}
