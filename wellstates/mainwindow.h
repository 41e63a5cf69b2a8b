// The window of the oscillator eigenstate lesson: an introduction in three
// stages, then an endless series of trials.  Each trial asks for an energy,
// integrates the Schroedinger equation across the well with Numerov's method
// and draws the wave function live over the potential, so that the learner
// sees it run away unless the energy is an eigenvalue.
//
// A timer drives the trials as a small stage machine; the numbers come from
// numerov.h, the window only asks, draws and paces.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "lessonwindow.h"
#include "numerov.h"

class QLabel;

class mainWindow : public lk::LessonWindow {
 public:
  // Stages of the lesson.  0..2: how much of the introduction is shown;
  // 5: the introduction from its last pause (dispatched, never set);
  // 11: clear the plot and start a series; 12: ask for an energy;
  // 13: integrating.
  enum Stage { Intro0 = 0, Intro1 = 1, Intro2 = 2, IntroLast = 5, Series = 11, Ask = 12, Sweep = 13 };

  mainWindow();

  int stage() const { return stage_; }
  int trialCount() const { return trialCount_; }
  double energy() const { return E_; }
  // pic(0) the introduction, pic(1) the plot.
  lk::Picture* pic(int index) const { return pic_[index]; }
  QLabel* Title() const { return title_; }

  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;
  void Timer1_Timer() override;

 private:
  static lk::FrameParams Params();

  void ShowIntroduction();
  void PaintIntroduction(lk::Surface& p);
  void RepaintIntroduction();
  void PreparePlot();
  void Paint1(lk::Surface& p);
  void Exec11();
  void Exec12();
  void Exec13();
  void Legend(lk::Surface& p);
  QString LegendEnergy(const lk::Surface& p, float x) const;
  bool LegendHasRoom();

  lk::Picture* pic_[2] = {nullptr, nullptr};
  QLabel* title_ = nullptr;

  int stage_ = Intro0;
  bool firstPass_ = false;
  int trialCount_ = 0;
  double E_ = wellstates::kDefaultEnergy;

  std::optional<wellstates::NumerovSweep> sweep_;
  QPoint last_;             // end of the last drawn segment, in pixels
  double startTime_ = 0;    // lesson clock at the start of the sweep
};
