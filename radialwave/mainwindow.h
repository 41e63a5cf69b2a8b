// The window of the confluent hypergeometric lesson: a menu of three
// sections and the end.
//
// Sections 1 and 2 let the learner find the bound states of the hydrogen atom
// and of the three-dimensional oscillator by trial and error: pick the
// azimuthal number l, type an energy, and watch the radial wave function
// built from Kummer's function run over the effective potential; it stays
// bounded only at an eigenvalue.  Section 3 checks Kummer's transformation
// M(a, c, -x) = e^(-x) M(c - a, c, x) numerically for triples the learner
// types, keeping the four latest results in a scrolling stack of boxes.
//
// Every section runs to its end inside its procedure; the numbers come from
// kummer.h, the window narrates, asks, draws and paces.  The menu and the
// frame are in mainwindow.cpp, sections 1 and 2 in wavefunctions.cpp,
// section 3 in transformation.cpp.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "kummer.h"
#include "lessonwindow.h"

class QLabel;

class mainWindow : public lk::LessonWindow {
 public:
  mainWindow();

  // For the tests: the controls and the state a learner sees.
  lk::Picture* pic() const { return pic_; }
  QLabel* lblEs(int i) const { return lblEs_[i]; }
  QWidget* picErr() const { return picErr_; }
  QLabel* Label1() const { return label1_; }
  lk::Picture* ku(int i) const { return ku_[i]; }
  QLabel* sTitle() const { return sTitle_; }
  // 0 at the menu, 1 hydrogen, 2 oscillator, 3 Kummer's transformation.
  int sectionKind() const { return kind_; }
  int rowCount() const { return rows_; }
  // The energies as the rows show them, in the order entered in this set.
  const QStringList& rowTexts() const { return rowTexts_; }
  // Points drawn of the last curve (221 when it ran to the end).
  int lastCurvePoints() const { return lastCurvePoints_; }
  const radialwave::ResultStack& results() const { return results_; }

  void LblA_Click(int item) override;
  void Form_KeyDown(int keyCode, int shift) override;
  void PaintInput(lk::Surface& pic) override;

 private:
  // Sections 1 and 2.
  void Exec(radialwave::Kind kind);
  void Note(radialwave::Kind kind, lk::Surface& p);
  void PrepareHints(radialwave::Kind kind);
  void StartTrialSet();
  void pic_Paint();
  void drawX(lk::Surface& p);
  void drawE(lk::Surface& p);
  void DrawPot(lk::Surface& p);
  struct AxisLabel {
    QString text;
    float x, y;
    bool letter;  // an italic variable
  };
  std::vector<AxisLabel> EnergyLabels() const;
  float PrintRow(const QString& text, double E);
  QString RowText(const QString& typed, double E, float room) const;
  float RowEnd(float y) const;
  bool RowLeft() const;
  void MarkEnergy(double E);
  void ShowNotice();
  void DrawCurve(double E, lk::Color colour);
  void LeaveSection();

  // Section 3.
  void Kummer();
  void ShowResult(int k);
  void ku_Paint(int index, lk::Surface& p);
  void PaintHeader(lk::Surface& p);
  void PaintResult(const radialwave::KummerRecord& r, lk::Surface& p);

  QLabel* sTitle_ = nullptr;
  lk::Picture* pic_ = nullptr;
  QLabel* lblEs_[4] = {nullptr, nullptr, nullptr, nullptr};
  QWidget* picErr_ = nullptr;
  QLabel* label1_ = nullptr;
  lk::Picture* ku_[7] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

  int kind_ = 0;
  radialwave::SectionFrame frame_ = radialwave::kHydrogenFrame;
  int W_ = 1, H_ = 1;
  int rows_ = 0;
  QStringList rowTexts_;
  int lastCurvePoints_ = 0;

  radialwave::ResultStack results_;
  double boxTop_[radialwave::kResultBoxes + 1] = {};  // twips, as first placed
};
