// The window of the Chebyshev polynomial lesson: a menu with four sections.
//
// Section 1 draws T_n(x) for the degrees the learner enters one after
// another, each curve at a fixed pace on a square plot, and lists them with
// their colours.  Sections 2 to 4 are one approximation section for three
// model functions: they interpolate the function at 15 Chebyshev nodes, list
// the coefficients, let the learner cut the sum off at a degree M, compare
// the cut sum with the function in a table, draw both and then the error,
// whose nearly even ripple shows the minimax property.  Every section runs
// to its end inside its procedure.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "chebyshev.h"
#include "lessonwindow.h"

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // The pictures: 0 the text area of the sections, 1 and 2 the plots,
  // 10 to 12 the title and the formula above the menu.
  lk::Picture* pic(int index) const;

  // World to plot pixels for the running section (0 at the menu).
  int px(double x) const;
  int py(double y) const;

  // What the sections hold, for the tests.
  const minimaxfit::CurveList& curves() const { return curves_; }
  int degree() const { return degree_; }
  int kind() const { return kind_; }
  const minimaxfit::Coefficients& coefficients() const { return c_; }
  bool errorPlot() const { return errorPlot_; }
  float eMax() const { return eMax_; }
  float maxError() const { return maxError_; }
  // The x column of the comparison table as printed, row by row.
  const std::vector<std::string>& tableX() const { return tableX_; }
  float textSize() const { return pic_[0]->surface().FontSize; }

  void LblA_Click(int item) override;
  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;
  void Form_Paint() override;

 private:
  QString StrInput();
  void PlacePicture(lk::Picture* p, double left, double top, double width, double height);
  void LeaveSection();

  // Title pictures.
  void pic10(lk::Surface& p);
  void pic11(lk::Surface& p);
  void pic12(lk::Surface& p);
  void dspTnx(lk::Surface& p, float& x, float y);

  // Section 1: graphs of T_n.
  void Exec1();
  void DrawFrame0(lk::Surface& p);
  void ShowComment1(int count);
  void DrawCurve(int n);
  void Retrace(int n);
  void StartAtLeftEdge(lk::Surface& s, int n);

  // The approximation sections.
  void Exec2();
  void Introduce();
  void ListCoefficients();
  bool ChooseTruncation();
  void CompareTable();
  void ShowGraphs();
  void ShowFuncName(lk::Surface& p, float& x, float y, const QString& name);
  void PrintCell(lk::Surface& p, float column, float y, const minimaxfit::Cell& cell, bool plain);
  void Announce(lk::Surface& p, float y, lk::Color colour, const QString& what, int k);
  void DrawGraph(lk::Surface& p, int k);
  void DrawErrorGraph(lk::Surface& p);
  void PlotPaced(lk::Surface& s, const std::function<double(double)>& value);
  void DrawTicks(lk::Surface& p);
  void drawFrame1(lk::Surface& p);
  void DrawFrame2(lk::Surface& p);

  lk::Picture* pic_[3] = {nullptr, nullptr, nullptr};
  lk::Picture* title_[3] = {nullptr, nullptr, nullptr};  // pic(10) .. pic(12)

  // Section 1.
  minimaxfit::CurveList curves_;

  // Both: the degree of section 1, or the truncation degree M.
  int degree_ = 0;

  // Approximation sections.
  int kind_ = 0;
  minimaxfit::Model model_ = minimaxfit::ModelOf(0);
  minimaxfit::Coefficients c_{};
  bool firstRun_ = true;
  bool errorPlot_ = false;
  float eMax_ = 1, eMin_ = -1;
  float maxError_ = 0;
  std::vector<std::string> tableX_;
  // Letter width and height, margins and line pitch of the text area.
  float w_ = 1, th_ = 1, th14_ = 1, x0_ = 0, y0_ = 0, L_ = 1;

  // Scale width and height (less one) of the current plot.
  double W_ = 1, H_ = 1;
};
