// The results panel pic(4): the closure of the angle after one period, then
// the Fourier coefficients of r(t) beside Bessel's values, row by row.
#include <functional>

#include "drawing.h"
#include "mainwindow.h"

using namespace orbitspectrum;
using namespace orbitspectrum::drawing;
using lk::Surface;

void mainWindow::FourierTransform() {
  orbitspectrum::FourierTransform(orbit_->data(), table_, kSamples);
  c_ = FourierCoefficients(orbit_->data());
}

void mainWindow::pic4_Working(int k) {
  Surface& s = pic_[4]->surface();
  s.ForeColor = lk::col::Black;
  s.FontSize = 12;
  cw4_ = s.TextWidth(QStringLiteral("d"));
  lh4_ = 0.9f * s.TextHeight(QStringLiteral("d"));
  const float y = 3 * lh4_;
  float x;
  switch (k) {
    case 4: DspDiff(); break;
    case 7:
      x = Tab(1) + 0.1f * cw4_;
      lk::PrintText(s, x, y, QStringLiteral("次数"));
      x = Tab(2);
      lk::PrintText(s, x, y, QStringLiteral("Fourier 係数"));
      break;
    case 9:
      x = Tab(3) + 2 * cw4_;
      lk::PrintText(s, x, y, QStringLiteral("理論値"));
      x = Tab(4) + 2 * cw4_;
      lk::PrintText(s, x, y, QStringLiteral("差"));
      break;
    default: break;
  }
}

// Column k of the results table (1 order, 2 Fourier, 3 theory, 4 difference).
float mainWindow::Tab(int k) const {
  static constexpr float kTabs[] = {0, 2, 8, 19, 30};
  return kTabs[k] * cw4_;
}

// Rows n = 0 .. 8 of the table, a quarter of a second apart.
void mainWindow::PacedRows(const std::function<void(Surface&, int n, float y)>& printRow) {
  Surface& s = pic_[4]->surface();
  const double t0 = lk::Now();
  for (int n = 0; n < kCoefficients; ++n) {
    lk::WaitUntil(t0 + RowDeadline(n));
    printRow(s, n, (4.4f + n) * lh4_);
  }
}

// A coefficient in column k, one character further right where it has no minus.
void mainWindow::PrintCoefficient(Surface& s, int k, float y, double value) {
  float x = Tab(k) + (ShiftsForSign(value) ? cw4_ : 0);
  lk::PrintText(s, x, y, lk::Q(lk::Trim(lk::Format(value, "#0.00000"))));
}

// The closure of the angle after one period.
void mainWindow::DspDiff() {
  Surface& s = pic_[4]->surface();
  // Lines 1 and 2 of the panel; the table's headings follow on line 3.
  const float y1 = lh4_, y2 = 2 * lh4_;
  float x = 3 * cw4_;
  lk::PrintText(s, x, y1, QStringLiteral("結果: "));
  PrintTheta(s, x, y1);
  lk::PrintText(s, x, y1, QStringLiteral("("));
  lk::PrintVar(s, x, y1, QStringLiteral("T"));
  lk::PrintText(s, x, y1, QStringLiteral(")－"));
  PrintTheta(s, x, y1);
  lk::PrintText(s, x, y1, QStringLiteral("(0) ＝"));
  lk::PrintText(s, x, y1, lk::FormatQ(orbit_->current().theta, "#.#######"));

  x = 2 * cw4_;
  lk::PrintText(s, x, y2, QStringLiteral(" 2"));
  lk::PrintPi(s, x, y2);
  lk::PrintText(s, x, y2, QStringLiteral(" ("));
  lk::PrintText(s, x, y2, lk::FormatQ(2 * Pi(), "#.#######"));
  lk::PrintText(s, x, y2, QStringLiteral(") からのずれ ＝ "));
  lk::PrintENum(s, x, y2, lk::FormatQ(thetaError_, "0.0E-00"));
}

void mainWindow::dspFourierCoeff() {
  PacedRows([this](Surface& s, int n, float y) {
    float x = Tab(1) + (n < 10 ? cw4_ : 0);
    lk::PrintText(s, x, y, QString::number(n));
    PrintCoefficient(s, 2, y, c_[n]);
  });
}

void mainWindow::ExecCompare() {
  theory_ = TheoryCoefficients(e_);
  const Coefficients diff = Differences(c_, theory_);
  PacedRows([&](Surface& s, int n, float y) {
    PrintCoefficient(s, 3, y, theory_[n]);
    float x = Tab(4) + (diff[n] < 0 ? 0 : cw4_);
    lk::PrintENum(s, x, y, lk::FormatQ(diff[n], "0.00E-##"));
  });
  float x = 9.5f * cw4_;
  lk::PrintText(pic_[4]->surface(), x, (4.4f + kCoefficients - 1 + 1.5f) * lh4_,
                QStringLiteral(" よく合っていますか ?"));
}
