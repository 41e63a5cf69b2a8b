// The window of the variational problem lesson.  The learner draws polygonal
// paths from (0, 0) to the end point on the board with the mouse: a rubber
// band follows the pointer from the last fixed vertex, a left click fixes a
// vertex, a right click, Enter or moving onto the end point closes the path
// with a straight segment.  Each finished path prints the value of the
// functional for it; on request the true minimiser grows across the board in
// red and the minimum is printed beside it.
//
// Mouse, keys and buttons only raise request flags; Timer1 serves them in a
// fixed order, so a step never starts inside another.  The numbers come from
// variation.h; the window only draws and prints.
#pragma once

#include "lessonwindow.h"
#include "variation.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frmVar : public lk::LessonWindow {
 public:
  frmVar();

  // Colours of the board.
  static constexpr lk::Color kBoardBack = lk::RGB(0, 0, 72);
  static constexpr lk::Color kGridColor = lk::RGB(40, 64, 128);
  static constexpr lk::Color kMarkColor = lk::RGB(255, 255, 0);
  static constexpr lk::Color kPathColor = lk::RGB(255, 255, 255);
  static constexpr lk::Color kOldPathColor = lk::RGB(128, 128, 128);
  static constexpr lk::Color kExactColor = lk::RGB(240, 0, 0);
  // The rubber band shows in this colour over the bare board.
  static constexpr lk::Color kBandColor = lk::RGB(0, 255, 160);
  static constexpr lk::Color kBandPen = kBandColor ^ kBoardBack;

  shortcurve::Problem problem() const { return problem_; }
  shortcurve::Point endPoint() const { return shortcurve::EndPoint(problem_); }
  const shortcurve::PathDraft& path() const { return path_; }
  const shortcurve::Series& series() const { return series_; }
  int pathIndex() const { return p_; }
  int resultRow() const { return resultRow_; }
  bool drawingEnabled() const { return drawingEnabled_; }
  bool exactShown() const { return exactShown_; }

  lk::Picture* picB() const { return picB_; }
  lk::Picture* picI() const { return picI_; }
  lk::Picture* picWork() const { return picWork_; }
  QRadioButton* opt1() const { return opt1_; }
  QRadioButton* opt2() const { return opt2_; }
  QPushButton* btnExact() const { return btnExact_; }
  QPushButton* btnRestart() const { return btnRestart_; }
  QPushButton* btnExit() const { return btnExit_; }
  QLabel* L(int index) const { return L_[index]; }

  // The height of one result line in picWork, in its units.
  float ResultLineHeight() const;

  void Form_KeyDown(int keyCode, int shift) override;

 protected:
  void Form_Load() override;
  void Timer1_Timer() override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  static lk::FrameParams Params();
  void BuildControls();

  // Events: they only raise requests.
  void Form_MouseMove();
  void opt_Click(shortcurve::Problem problem);
  void picB_MouseDown(int button, float x, float y);
  void picB_MouseMove(int button, float x, float y);
  void btnExact_Click();
  void btnRestart_Click();
  void btnExit_Click();

  // Workers, called only from the timer.
  void procAbandon();
  void procMouseMove();
  void procPathEnd();
  void procMouseDown();
  void procHelp();
  void Exec();
  void NextPath();

  void SetProblem(shortcurve::Problem problem);
  void PlaceEndLabels();
  void picB_Paint(lk::Surface& s);
  void picI_Paint(lk::Surface& s);
  void ShowIntegralSymbol(lk::Surface& s, float& x, float y);
  void DrawBand(lk::Surface& s);
  void DrawMinimiser(lk::Surface& s, bool paced);
  void PrintResult(double value);
  void PrintAnswer();

  lk::Picture* picB_ = nullptr;
  lk::Picture* picI_ = nullptr;
  lk::Picture* picWork_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* lbl_[3] = {};
  QLabel* L_[4] = {};
  QGroupBox* frame_ = nullptr;
  QRadioButton* opt1_ = nullptr;
  QRadioButton* opt2_ = nullptr;
  QPushButton* btnExact_ = nullptr;
  QPushButton* btnRestart_ = nullptr;
  QPushButton* btnExit_ = nullptr;

  shortcurve::Problem problem_ = shortcurve::Problem::Quadratic;
  shortcurve::BoardMap map_;
  shortcurve::PathDraft path_;
  shortcurve::Series series_;
  int p_ = 0;
  int resultRow_ = 0;

  shortcurve::Point pointer_;
  bool hasPointer_ = false;
  bool inSnapZone_ = false;
  double nextDing_ = 0;

  // Requests raised by events and served by the timer.
  bool reqAbandon_ = false, reqMove_ = false, reqPathEnd_ = false, reqVertex_ = false,
       reqRestart_ = false, reqExact_ = false;

  bool drawingEnabled_ = false;
  bool exactShown_ = false;
};
