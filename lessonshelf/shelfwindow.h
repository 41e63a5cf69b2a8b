// The launcher: the thirteen lessons in the book's order with their titles,
// topics, pages and a small picture each.  Arrows and Enter or a double
// click start a lesson as its own program; the launcher stays open and usable
// while lessons run.  A lesson this build does not have is shown greyed.
// A display size choice starts lessons larger, for a projector or for small
// text, and the launcher itself never opens larger than the screen.
#pragma once

#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

// Where the program of a lesson is, seen from the launcher's folder: beside
// it (installed) or in its own folder of the build tree; "" when neither.
QString LocateLesson(const QString& name, const QString& launcherDir);

// The display sizes offered.
inline constexpr double kDisplayScales[] = {1.0, 1.25, 1.5, 2.0};
// The largest offered size, up to `wanted`, at which a window of `window`
// pixels plus its `frame` fits into `area`; the smallest offered when none
// does.
double FittingScale(QSize window, QSize frame, double wanted, QSize area);

class ShelfWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ShelfWindow(const QString& launcherDir);
  // Starts a program detached; replaced in tests.
  std::function<bool(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment)>
      start;
  // Milliseconds on a monotonic clock; replaced in tests.
  std::function<qint64()> clock;
  // The part of the screen a window may take; replaced in tests.
  std::function<QRect()> screenArea;
  // Given to every lesson started (the launcher's own --speed).
  QStringList lessonArguments;

  QListWidget* list() const { return list_; }
  bool isBuilt(int row) const;
  // Starts the lesson in the row, if it is built and was not started in the
  // last second; true when started.
  bool startRow(int row);
  QString status() const;
  // The line that tells the keys every lesson has.
  QString keysLine() const;
  // The display size lessons start at (one of kDisplayScales); remembered
  // between runs.
  double scale() const;
  void setScale(double scale);
  // Sizes the window to its wish or to screenArea(), whichever is smaller,
  // and places it inside that area.
  void fitToScreen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSize frameAllowance() const;

  QListWidget* list_;
  QLabel* keys_;
  QComboBox* scaleBox_;
  QLabel* status_;
  std::vector<QString> programs_;
  int lastRow_ = -1;
  qint64 lastStartMs_ = 0;
};
