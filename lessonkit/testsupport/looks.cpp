#include "looks.h"

#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "lessonwindow.h"
#include "program.h"

namespace lk::test {

bool ColourNear(const Surface& s, int x, int y, Color c, int reach) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx)
      if (s.PixelAt(x + dx, y + dy) == c) return true;
  return false;
}

int CountOf(const Surface& s, Color c) {
  int n = 0;
  for (int y = 0; y < s.HeightPx(); ++y)
    for (int x = 0; x < s.WidthPx(); ++x) n += s.PixelAt(x, y) == c;
  return n;
}

std::pair<int, int> RowsOf(const Surface& s, Color c) {
  int first = -1, last = -1;
  for (int y = 0; y < s.HeightPx(); ++y)
    for (int x = 0; x < s.WidthPx(); ++x)
      if (s.PixelAt(x, y) == c) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

bool ColumnHas(const Surface& s, int x, int y1, int y2, Color c) {
  for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
    if (s.PixelAt(x, y) == c) return true;
  return false;
}

QPoint PlacedAt(const QWidget& w, double a, double b) {
  const QRect g = w.frameGeometry();
  return {g.left() + int(std::lround(a * g.width())), g.top() + int(std::lround(b * g.height()))};
}

int MenuLabelsShown(const LessonWindow& w, std::initializer_list<int> indices) {
  int n = 0;
  for (int i : indices) n += w.LblA(i) != nullptr && w.LblA(i)->isVisible();
  return n;
}

Learner& AnswerProposal(Learner& l, Then then, std::function<void(QWidget*)> checks) {
  return l.atDialog([&l, then, checks](QWidget* d) {
    FrmNum* f = Dialog(d);
    l.proposals << f->txtNum->text();
    checks(d);
    QTest::keyClick(f->txtNum, then == Then::Enter ? Qt::Key_Return : Qt::Key_Escape);
  });
}

Learner& AnswerNotingTime(Learner& l, std::vector<double>& at, const QString& text) {
  return l.atDialog([&at, text](QWidget* d) {
    at.push_back(Now());
    TypeInto(d, text);
    QTest::keyClick(Dialog(d)->txtNum, text.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
  });
}

ClockSpeed::ClockSpeed(double factor) : saved_(Speed()) { SetSpeed(factor); }
ClockSpeed::~ClockSpeed() { SetSpeed(saved_); }

PromptWatch::PromptWatch(std::function<void(QWidget*, int)> at) : at_(std::move(at)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QWidget* p = OpenPrompt();
    if (p == nullptr) return;
    const int i = count_++;
    if (at_) at_(p, i);
    QTest::keyClick(p, Qt::Key_Space);
  });
  timer_.start(1);
}

}  // namespace lk::test
