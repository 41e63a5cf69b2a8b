// The window of the Fourier series lesson: an introduction and a menu of four
// sections (square wave, triangle wave, x(pi - x), and a close-up of the
// Gibbs overshoot).  A section draws its function, then asks in the entry row
// at the foot of the window for a number of terms and draws that partial sum
// over it, paced at one period per 2 s, until the learner cancels.
#pragma once

#include <QString>
#include <map>

#include "fourier.h"
#include "lessonwindow.h"

class QLabel;
class QPushButton;
namespace lk {
class NumBox;
}

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // Controls, for the tests.  pic(0) the figure, pic(1) menu item 3.
  lk::Picture* pic(int index) const;
  lk::Picture* pic2pi() const { return pic2pi_; }
  QLabel* lblA(int index) const;  // menu items, introduction, equation numbers
  QLabel* Title() const { return title_; }
  QLabel* lblN() const { return lblN_; }
  lk::NumBox* txtN() const { return txtN_; }
  QPushButton* btnOK() const { return btnOK_; }
  QPushButton* btnCancel() const { return btnCancel_; }

  const wavesum::Section& section() const { return *section_; }
  int terms() const { return M_; }
  int curveCount() const { return count_; }
  // True while the entry row waits for "O K" or "キャンセル".
  bool entryWaiting() const { return reply_ == kWaiting; }
  const std::vector<double>& samples() const { return synth_.samples(); }

  void LblA_Click(int item) override;
  void btnOK_Click();
  void btnCancel_Click();

 protected:
  void Form_Load() override;

 private:
  static constexpr int kWaiting = -1, kAccepted = 1, kCancelled = 2;

  void BuildIntroduction();
  void BuildEntryRow();
  void ShowEntryRow();
  void LeaveSection();

  void ExecSeries();
  QString GetNterms();
  void PaintFigure();
  void DrawCurve();
  void DrawExact();
  void PrintPiLabels(const double (&offsets)[3]);
  bool LegendHasRoom() const;
  void PrintLegend();
  void Display();

  void Paint2pi(lk::Surface& p);
  void PaintItem3(lk::Surface& p);
  float BaselineShift(const QLabel* label, const lk::Picture* picture) const;

  std::map<int, QLabel*> labels_;
  QLabel* title_ = nullptr;
  lk::Picture* pic_[2] = {nullptr, nullptr};
  lk::Picture* pic2pi_ = nullptr;
  QLabel* lblN_ = nullptr;
  lk::NumBox* txtN_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnCancel_ = nullptr;

  const wavesum::Section* section_ = &wavesum::SectionOf(1);
  int M_ = 1;
  int count_ = 0;
  int reply_ = 0;
  bool loaded_ = false;
  QString accepted_;
  wavesum::Synthesizer synth_;
};
