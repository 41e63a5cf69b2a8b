// The window of the Hermite completeness lesson: the statement of
// completeness on the left, the plot on the right, and below the statement
// the list of the values tried.  After the introduction a timer drives the
// trials as a small stage machine: clear (11), ask for the point y (12), ask
// for the number of terms N (13), draw S_N(x, y) across the plot (14), and
// back to 13 for the next N.
//
// The numbers come from hermitesum.h; the window only asks, lists, draws and
// paces.
#pragma once

#include <QPoint>
#include <QString>

#include "hermitesum.h"
#include "lessonwindow.h"

class QLabel;

class mainWindow : public lk::LessonWindow {
 public:
  enum Stage { Intro = 0, Clear = 11, AskPoint = 12, AskTerms = 13, Sweep = 14 };
  // What the number dialog asks for (InputKind), and so what PaintInput draws.
  enum InputMode { PointInput = 1, TermsInput = 2 };

  mainWindow();

  // The pictures 1 (plot), 2 (statement) and 3 (list); nullptr otherwise.
  lk::Picture* pic(int index) const;
  QLabel* Title() const { return title_; }

  int stage() const { return stage_; }
  int row() const { return row_; }
  double pointY() const { return y_; }
  int terms() const { return N_; }

  // World to plot pixels.
  int px(double x) const;
  int py(double v) const;
  // Top of list row r, in the list's pixels.
  static float RowTop(int r);

  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;
  void Timer1_Timer() override;

 private:
  static lk::FrameParams Params();

  void ShowIntroduction();
  void Paint1(lk::Surface& p);
  void Paint2(lk::Surface& p);
  void print_Un(lk::Surface& p, float& x, float y);
  QString StrInput(InputMode mode);

  void Exec11();
  void Exec12();
  void Exec13();
  void Exec14();
  // Clears list row r and sets its font; returns the row's top.
  float BeginRow(int r);

  lk::Picture* pic_[4] = {nullptr, nullptr, nullptr, nullptr};
  QLabel* title_ = nullptr;

  int stage_ = Intro;
  int row_ = 0;
  double y_ = wellbasis::kFirstPoint;
  int N_ = wellbasis::kFirstTerms;
  bool drawn_ = false;  // a curve has been drawn since the plot was last cleared

  // The running sweep.
  int k_ = 0;            // index of the next point
  QPoint last_;          // end of the last drawn segment, in pixels
  double startTime_ = 0; // lesson clock when the sweep began
  double W_ = 1, H_ = 1; // scale width and height of the plot
};
