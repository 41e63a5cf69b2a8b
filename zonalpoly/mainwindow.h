// The window of the Legendre polynomial lesson: a menu with two sections.
//
// Section 1 draws P_n(x) for the degrees the learner enters one after another,
// each curve at a fixed pace, and lists them with their colours.  Section 2
// shows completeness: it draws the partial sums S_N(x; y) of
// sum (n + 1/2) P_n(x) P_n(y) for growing N, which close in on delta(x - y).
// Section 1 runs to its end inside its procedure; section 2 is a small state
// machine driven by Timer1 (20 set-up, 22 ask for y, 23 ask for N and draw).
#pragma once

#include <QString>
#include <functional>

#include "legendre.h"
#include "lessonwindow.h"

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // The controls, for the tests: 1 the plot, 2 the narration of section 2,
  // 3 the list of y and N.
  lk::Picture* pic(int index) const;
  lk::Picture* picTitle() const { return picTitle_; }

  // World to plot pixels for the running mode (graphs below 20, sums above).
  int px(double x) const;
  int py(double y) const;

  const zonalpoly::CurveList& curves() const { return curves_; }
  int degree() const { return n_; }
  double pointY() const { return y_; }
  int terms() const { return N_; }
  int rowCount() const { return rows_; }

  void LblA_Click(int item) override;
  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;
  void Form_Paint() override;
  void Timer1_Timer() override;

 private:
  QString StrInput(int kind);
  void ShowPn(lk::Surface& p, float& x, float y);

  // Section 1: graphs of P_n.
  void Exec1();
  void DrawFrame1();
  void DrawGraph(int n, bool paced);

  // Section 2: completeness.
  void Exec2();
  void Exec22();
  void Exec23();
  void DrawFrame2();
  void PaintCompleteness(lk::Surface& p);
  void DrawPartialSum();
  float NextRow(bool keepPoint);
  void PrintPointRow();

  // Both sections.
  void DrawCurve(int last, const std::function<zonalpoly::PlotPoint(int)>& point, int width,
                 double (*due)(int));
  void LeaveSection();

  void PlacePicture(lk::Picture* p, double left, double top, double width, double height);

  lk::Picture* picTitle_ = nullptr;
  lk::Picture* pic_[4] = {nullptr, nullptr, nullptr, nullptr};

  // Section 1.
  int n_ = 0;  // the degree; after each curve the next one is proposed
  zonalpoly::CurveList curves_;

  // Section 2.
  double y_ = zonalpoly::kPresetPoint;
  int N_ = zonalpoly::kFirstTerms;
  int rows_ = 0;  // rows printed in pic(3)

  // Scale width and height of the plot.
  double W_ = 1, H_ = 1;
};
