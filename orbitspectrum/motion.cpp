// One period of the planet: the orbit in pic(1), r(t) and theta(t) in
// pic(2), drawn step by step as the equations of motion are integrated.
#include <algorithm>

#include "drawing.h"
#include "mainwindow.h"

using namespace orbitspectrum;
using namespace orbitspectrum::drawing;
using lk::Color;
using lk::RGB;
using lk::Surface;

namespace {

constexpr Color kOrbitInk = RGB(0, 224, 224);  // orbit and r(t)
constexpr Color kThetaInk = RGB(192, 0, 192);  // theta(t)

// "離心率 ε ＝ 0.7 " as the orbit figure labels it.
void PrintEccentricityLabel(Surface& s, float& x, float y, double e) {
  lk::PrintText(s, x, y, QStringLiteral("離心率 "));
  lk::PrintEpsilon(s, x, y);
  lk::PrintText(s, x, y, QStringLiteral(" ＝"));
  lk::PrintText(s, x, y, lk::Q(EccentricityText(e)) + QLatin1Char(' '));
}

}  // namespace

void mainWindow::PrepareFigure() {
  Surface& s = pic_[1]->surface();
  const OrbitFigure& fig = *figure_;
  const OrbitShape shape = MakeShape(e_);
  s.Cls();
  s.DrawWidth = 1;
  s.Style = lk::DrawStyle::Solid;
  s.FontSize = 11;
  s.ForeColor = kFigureInk;
  const float labelWidth =
      Advance(s, [this](Surface& m, float& x) { PrintEccentricityLabel(m, x, 0, e_); });
  float x = float(plotW_) - labelWidth - 4;
  PrintEccentricityLabel(s, x, 2, e_);

  const float cx = fig.figX(0), cy = fig.figY(0);
  s.Line(0, cy, float(plotW_ - 1), cy, lk::col::Blue);
  s.Line(cx, 0, cx, float(plotH_ - 1), lk::col::Blue);

  s.FillSolid = true;
  s.FillColor = lk::col::Red;
  s.Circle(fig.figX(-shape.a * shape.e), fig.figY(0), float(fig.Pixels(0.05 * shape.a)), lk::col::Yellow);
  s.FillSolid = false;

  s.ForeColor = kOrbitInk;
  s.DrawWidth = 2;
  s.CurrentX = fig.figX(shape.a);
  s.CurrentY = fig.figY(0);
}

void mainWindow::PrepareGraph() {
  Surface& s = pic_[2]->surface();
  const OrbitGraph& g = *graph_;
  const int N = kSamples;
  s.Cls();
  s.DrawWidth = 1;
  s.Style = lk::DrawStyle::Solid;
  const float x0 = g.grphX(0), y0 = g.grphY(0), xT = g.grphX(N), xHalf = g.grphX(N / 2);

  s.Line(x0, y0, x0, g.grphY(g.rmax()), lk::col::Blue);
  s.Line(x0, y0, xT, y0, lk::col::Blue);
  if (g.rmax() > g.rmin()) {
    s.Style = lk::DrawStyle::Dot;
    for (double level : g.Levels()) s.Line(x0, g.grphY(level), xT, g.grphY(level), lk::col::Blue);
    s.Style = lk::DrawStyle::Solid;
  }
  const float tick = g.grphY(0.04 * g.rmax());
  s.Line(xHalf, y0, xHalf, tick, lk::col::Blue);
  s.Line(xT, y0, xT, tick, lk::col::Blue);

  s.FontSize = 10;
  const float th = s.TextHeight(QStringLiteral("A"));
  s.ForeColor = kThetaInk;
  float x = x0 + 6;
  PrintTheta(s, x, 1);
  lk::PrintText(s, x, 1, QStringLiteral("("));
  lk::PrintVar(s, x, 1, QStringLiteral("t"));
  lk::PrintText(s, x, 1, QStringLiteral(")"));
  const float twoPi = Advance(s, [](Surface& m, float& ax) {
    lk::PrintText(m, ax, 0, QStringLiteral("2"));
    lk::PrintPi(m, ax, 0);
  });
  x = std::max(1.0f, x0 - twoPi - 2);
  lk::PrintText(s, x, g.grphY(g.rmax()) - 0.5f * th, QStringLiteral("2"));
  lk::PrintPi(s, x, g.grphY(g.rmax()) - 0.5f * th);

  s.ForeColor = kOrbitInk;
  x = x0 + 6 + 5 * s.TextWidth(QStringLiteral("A"));
  ShowRt(s, x, 1);

  s.ForeColor = kFigureInk;
  x = x0 - s.TextWidth(QStringLiteral("0")) - 2;
  lk::PrintText(s, x, y0 + 1, QStringLiteral("0"));
  const auto printHalfT = [](Surface& m, float& ax, float ay) {
    lk::PrintVar(m, ax, ay, QStringLiteral("T"));
    lk::PrintText(m, ax, ay, QStringLiteral("/2"));
  };
  const float halfWidth = Advance(s, [&](Surface& m, float& ax) { printHalfT(m, ax, 0); });
  x = xHalf - 0.5f * halfWidth;
  printHalfT(s, x, y0 + 1);
  const float tWidth = Advance(s, [](Surface& m, float& ax) { lk::PrintVar(m, ax, 0, QStringLiteral("T")); });
  x = xT - 0.5f * tWidth;
  lk::PrintVar(s, x, y0 + 1, QStringLiteral("T"));
  x = xT + 8;
  lk::PrintVar(s, x, y0 - 0.6f * th, QStringLiteral("t"));

  s.ForeColor = kOrbitInk;
  s.DrawWidth = 2;
  s.CurrentX = x0;
  s.CurrentY = g.grphY(MakeShape(e_).p / (1 - e_));
}

// One period, step by step: the orbit in pic(1), r(t) and theta(t) in pic(2),
// paced so that the period takes 12 s unless F1 asked for speed.
void mainWindow::Orbit() {
  orbit_.emplace(e_, kSamples);
  Surface& fig = pic_[1]->surface();
  Surface& gr = pic_[2]->surface();
  const OrbitFigure& f = *figure_;
  const OrbitGraph& g = *graph_;
  OrbitSample prev = orbit_->start();
  const double t0 = lk::Now();
  for (int i = 1; i <= kSamples; ++i) {
    const OrbitSample s = orbit_->Step();
    fig.LineTo(f.figX(s.x), f.figY(s.y), fig.ForeColor);
    gr.Line(g.grphX(i - 1), g.grphY(prev.r), g.grphX(i), g.grphY(s.r), gr.ForeColor);
    gr.Line(g.grphX(i - 1), g.grphY(g.ThetaValue(prev.theta)), g.grphX(i), g.grphY(g.ThetaValue(s.theta)),
            kThetaInk);
    prev = s;
    samplesDrawn_ = i;
    lk::DoEvents();
    if (!keyFlag) lk::WaitUntil(t0 + StepDeadline(i));
  }
  thetaError_ = orbit_->ThetaError();
}
