// What window tests look for on a lesson's pictures and around its window:
// colours near a point, rows a colour spans, where a prompt belongs, which
// menu labels are up, and learners that answer every prompt or note a
// dialog's proposal.
#pragma once

#include <QPoint>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "learner.h"
#include "surface.h"

class QWidget;

namespace lk::test {

// True when colour c is within reach pixels of (x, y): wide pens and line
// ends may put the pixel of a vertex aside.
bool ColourNear(const Surface& s, int x, int y, Color c, int reach = 1);
// How many pixels of a surface have colour c.
int CountOf(const Surface& s, Color c);
// The first and last pixel row where colour c occurs; -1 when nowhere.
std::pair<int, int> RowsOf(const Surface& s, Color c);
// True when colour c occurs in column x between rows y1 and y2 (ends included).
bool ColumnHas(const Surface& s, int x, int y1, int y2, Color c);

// Where a window placed at shares (a, b) of window w's frame must be.
QPoint PlacedAt(const QWidget& w, double a, double b);
// How many of the menu labels LblA(index) are visible.
int MenuLabelsShown(const LessonWindow& w, std::initializer_list<int> indices);

// At the next number dialog: note its proposal, run the checks, then keep
// the proposal (Enter) or leave (Esc).
enum class Then { Enter, Cancel };
Learner& AnswerProposal(Learner& l, Then then,
                        std::function<void(QWidget* dialog)> checks = [](QWidget*) {});

// At the next number dialog: note the lesson clock in at, then type text and
// Enter, or Esc when text is empty.  The time between two dialogs is what the
// drawing between them waited for.
Learner& AnswerNotingTime(Learner& l, std::vector<double>& at, const QString& text);

// Runs the lesson clock at a factor while it lives; the speed before comes
// back also when an assertion leaves the test early.
class ClockSpeed {
 public:
  explicit ClockSpeed(double factor);
  ~ClockSpeed();
  ClockSpeed(const ClockSpeed&) = delete;
  ClockSpeed& operator=(const ClockSpeed&) = delete;

 private:
  double saved_;
};

// Answers every press-any-key prompt with Space while it lives, first
// running at(prompt, i) for the i-th prompt (0 the first).
class PromptWatch {
 public:
  explicit PromptWatch(std::function<void(QWidget* prompt, int i)> at = {});
  int count() const { return count_; }

 private:
  std::function<void(QWidget*, int)> at_;
  int count_ = 0;
  QTimer timer_;
};

}  // namespace lk::test
