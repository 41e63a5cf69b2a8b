// The window of the delta function lesson: a menu with two sections.
//
// Section 1 shows, one picture at a time, a function with a kink, its
// derivative (the step function theta) and its second derivative (the delta
// function delta), and narrates each step on the window.  Section 2 plots
// sin(Lx)/(pi x) for the values of L the learner enters, each curve drawn
// slowly from left to right, and lists them with their colours: the curves
// close in on the delta function as L grows.  Both sections run to their end
// inside their procedures; Esc ends the program at any time.
#pragma once

#include <QString>

#include "lessonwindow.h"
#include "spike.h"

class QLabel;

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // pic(0) the plot of section 2, pic(1) .. pic(3) the pictures of section 1.
  lk::Picture* pic(int index) const;
  QLabel* title() const { return title_; }

  double L() const { return L_; }
  const spikelimit::CurveList& curves() const { return curves_; }
  // How many rows of the list of curves fit on the window above the entry
  // dialog (never more than the list holds).
  int ListRoom();

  void LblA_Click(int item) override;
  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;
  void Form_Paint() override;

 private:
  QString StrInput();

  // Section 1.
  void Exec1();
  void DrawPic(int index);
  void ShowStep(int nextMode, int picture);
  void PaintNarration(lk::Surface& f);

  // Section 2.
  void Exec2();
  void DrawPic0();
  void DrawSpike(double L);
  void LeaveSection2();
  void PaintLimit(lk::Surface& f);
  void PaintList(lk::Surface& f, float x0, float y0);
  float ListColumnWidth(const lk::Surface& f) const;
  int RowsPerColumn();
  int ListColumns();

  // Maps the world window onto the whole of s (px, py of the frame).
  void SetFrame(const lk::Surface& s, double xmin, double xmax, double ymin, double ymax);
  void PlacePicture(lk::Picture* p, double left, double top, double width, double height);

  QLabel* title_ = nullptr;
  lk::Picture* pic_[4] = {nullptr, nullptr, nullptr, nullptr};

  double L_ = spikelimit::kFirstL;  // the last accepted value, proposed next
  spikelimit::CurveList curves_;
};
