// The window of the lattice vibration lesson.  It has no menu and asks for
// nothing: a timer starts the lesson, which narrates with pauses, displaces
// atom 0 of a chain of twelve atoms in a short animation, and then lets the
// chain move for t = 0 .. 32 while the record of every atom's path rises from
// behind the chain strip.  A button runs it again with atom 0 moved between
// the centre of the strip and its left end.
//
// Every frame of the chain is drawn off-screen and shown in one copy, so the
// strip never shows a half-drawn chain.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "lattice.h"
#include "lessonwindow.h"

class QPushButton;

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();
  ~mainWindow() override;

  // 0: the lesson is to be (re)started by the timer; 1 .. 5: markers of the
  // pauses it has reached.
  int stage() const { return stage_; }
  // 0: atom 0 in the centre of the strip; 1: second from the left.
  int origin() const { return origin_; }
  bool animating() const { return animating_; }
  // The last time step of the motion that was drawn (-1 before the motion).
  int step() const { return step_; }
  float displacement() const { return displacement_; }
  // How many pauses have begun since the window opened.
  int pauseCount() const { return pauseCount_; }

  lk::Picture* picTitle() const { return picTitle_; }
  lk::Picture* picA() const { return picA_; }
  lk::Picture* picB() const { return picB_; }
  lk::Picture* picCover() const { return picCover_; }
  lk::Picture* lblMask(int index) const { return lblMask_[index]; }
  lk::ClickLabel* lblHitKey() const { return lblHitKey_; }
  QPushButton* btnAgain() const { return btnAgain_; }
  const lk::Surface& picMass(int index) const { return picMass_.at(std::size_t(index)); }
  // The record of the run in progress (null before the first run).
  const springchain::Record* record() const { return rec_ ? &*rec_ : nullptr; }
  float u() const { return u_; }
  int d() const { return d_; }
  int r() const { return r_; }
  // The text of the sliding line, and how much of it is shown.
  const QString& maskText() const { return maskText_; }
  const QString& maskShown() const { return maskShown_; }

  void btnAgain_Click();

 protected:
  void Form_Load() override;
  void Timer1_Timer() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Exec(int item) override;

 private:

  void HitAnyKey();
  void PrintTitle();
  void Layout();
  void PreparePicMasses();
  void CalcData();
  void DrawMasses(int i);
  void DrawSprings(lk::Surface& p, const springchain::Frame& pos);
  void DrawPicRecord();
  void ShowMask(const QString& text);
  void PrintTime(float time);

  // Steps of the lesson.
  void Narrate1();
  void Narrate2();
  void Displace();
  void Narrate3();
  void Move();

  lk::Picture* picTitle_ = nullptr;
  lk::Picture* picA_ = nullptr;
  lk::Picture* picB_ = nullptr;
  lk::Picture* picCover_ = nullptr;
  lk::Picture* lblMask_[2] = {nullptr, nullptr};
  lk::ClickLabel* lblHitKey_ = nullptr;
  QPushButton* btnAgain_ = nullptr;
  // The stamps of the atoms, one per label.
  std::vector<lk::Surface> picMass_;
  // Where a frame of the chain is drawn before it is shown.
  lk::Surface frame_;

  int stage_ = 0;
  int origin_ = 0;
  bool animating_ = false;
  bool pauseEnded_ = false;
  int pauseCount_ = 0;
  int step_ = -1;
  float displacement_ = 0;

  std::optional<springchain::Record> rec_;
  float u_ = 1;
  int d_ = 1, r_ = 0;
  int titleBottom_ = 0;

  // Narration cursor: letter width and height, line pitch, margins.
  float w_ = 0, L_ = 0, x0_ = 0, y0_ = 0, xs_ = 0;
  QString maskText_, maskShown_;
};
