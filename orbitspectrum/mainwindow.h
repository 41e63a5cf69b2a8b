// The window of the planetary-orbit lesson.
//
// No menu: an introduction narrates that r(t) and theta(t) of a planet are
// periodic and may be expanded in a Fourier series, while two small figures
// (a static one that defines r and theta, then a Kepler animation) turn on
// Timer1.  Then runs repeat until the learner ends the program: choose the
// eccentricity, integrate one period while drawing the orbit and the r(t),
// theta(t) graph at 12 s per period, check the closure of the angle,
// Fourier-analyse r(t) and set the coefficients beside Bessel's values.
// The numbers come from orbit.h; this class lays out, narrates, waits and
// draws.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "lessonwindow.h"
#include "orbit.h"

class QLabel;

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // ---- What the learner sees (read by the tests) ----
  // Number of the message in the panel: 0 in the introduction, 1 .. 10 in a run.
  int step() const { return step_; }
  // 1 while the static introduction figure shows, 2 once the animation does.
  int demoPhase() const { return demoPhase_; }
  // F1 was pressed: short pauses, no pacing of the orbit.
  bool fast() const { return keyFlag; }
  double eccentricity() const { return e_; }
  // Lesson clock when message k was last shown.
  double StepTime(int k) const { return stepTimes_.at(k); }
  // Integration steps drawn so far in the current run.
  int samplesDrawn() const { return samplesDrawn_; }
  double thetaError() const { return thetaError_; }
  const orbitspectrum::Coefficients& fourier() const { return c_; }
  const orbitspectrum::Coefficients& theory() const { return theory_; }
  const orbitspectrum::DemoPlanet& demo() const { return demo_; }
  lk::Picture* pic(int i) const { return pic_.at(i); }          // 1 .. 4
  lk::Picture* picDemo(int i) const { return picDemo_.at(i); }  // 0, 1
  QLabel* sTitle() const { return sTitle_; }

  // One tick of the introduction figures (public so that a test can turn
  // the animation by hand).
  void Timer1_Timer() override;

  QPointF PromptPlace() const override;
  float PromptAutoWait() const override;
  // The prompt of the eccentricity dialog (PaintNum).
  void PaintInput(lk::Surface& pic) override;

 protected:
  void Form_Load() override;

 private:
  // Introduction.
  void ExecIntro();
  void DspEq(float y);
  void ExecDemo();
  void ExecDemo1();
  // Runs.
  void Exec2();
  void RunOnce();
  void ReadEccentricity();
  void PrepareFigure();
  void PrepareGraph();
  void Orbit();
  void FourierTransform();
  void dspFourierCoeff();
  void ExecCompare();
  void pic3_ShowMsg(int k);
  void pic4_Working(int k);
  void DspDiff();
  float Tab(int k) const;
  void PacedRows(const std::function<void(lk::Surface&, int n, float y)>& printRow);
  void PrintCoefficient(lk::Surface& s, int k, float y, double value);
  // Pauses.
  void HitAnyKey();
  void Wait();

  int step_ = 0;
  int demoPhase_ = 1;
  std::array<double, 11> stepTimes_{};

  QLabel* sTitle_ = nullptr;
  std::array<lk::Picture*, 2> picDemo_{};
  std::array<lk::Picture*, 5> pic_{};  // 1 .. 4 used

  // The introduction's animated planet and its trail in pixels.
  orbitspectrum::DemoPlanet demo_;
  std::array<int, orbitspectrum::DemoPlanet::kTrailCapacity> trailX_{}, trailY_{};

  // The current run.
  double e_ = orbitspectrum::kInitialEccentricity;
  std::vector<double> table_;
  std::optional<orbitspectrum::Orbit> orbit_;
  std::optional<orbitspectrum::OrbitFigure> figure_;
  std::optional<orbitspectrum::OrbitGraph> graph_;
  int plotW_ = 1, plotH_ = 1;
  int samplesDrawn_ = 0;
  double thetaError_ = 0;
  orbitspectrum::Coefficients c_{}, theory_{};

  // Text metrics: the introduction's (window) and the results panel's.
  float cw_ = 1, lh_ = 1;
  float cw4_ = 1, lh4_ = 1;
};
