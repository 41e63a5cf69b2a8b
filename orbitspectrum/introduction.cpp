// The introduction: the narration of Fourier's series for r(t), the figure
// that defines r and theta, and the Kepler animation that follows it.
#include <algorithm>
#include <cmath>

#include "drawing.h"
#include "mainwindow.h"

using namespace orbitspectrum;
using namespace orbitspectrum::drawing;
using lk::Color;
using lk::RGB;
using lk::Surface;

namespace {

constexpr Color kDemoBack = RGB(220, 220, 220);
constexpr Color kDemoAxis = RGB(0, 0, 205);
constexpr Color kDemoSunRim = RGB(255, 200, 160);

// The static introduction figure's fixed sizes, in pixels.
constexpr float kStaticSunRadius = 10, kStaticPlanetRadius = 6, kReferenceLength = 100;
// Time the animated planet leaves the event loop between two positions.
constexpr double kDemoPause = 0.005;
// The upper limit of the sum stands clear of the large serif sign.
constexpr float kInfinityRise = 0.6f;

constexpr int kTrailLast = DemoPlanet::kTrailCapacity - 1;

// c with the subscript n: the letter at 1.2 times the line's size, the
// subscript set 0.2 of a line's letter height lower than usual.
void ShowCn(Surface& s, float& x, float y) {
  const float size = s.FontSize;
  const float h = s.TextHeight(QStringLiteral("A"));
  s.FontSize = 1.2f * size;
  lk::PrintVar(s, x, y, QStringLiteral("c"));
  s.FontSize = size;
  lk::PrintSub(s, x, y + 0.2f * h, QStringLiteral("n"));
}

// The frame both introduction figures share: the picture's size, the
// mapping, the Sun and the radii of the animation.
struct DemoFrame {
  int W, H;
  OrbitFigure fig;
  float sunX, sunY, sunR, planetR;
  DemoFrame(const Surface& s, const OrbitShape& shape)
      : W(int(Rounded(s.ScaleWidth()))),
        H(int(Rounded(s.ScaleHeight()))),
        fig(OrbitFigure::ForIntroduction(shape.a, W, H)),
        sunX(float(fig.px(-shape.a * shape.e))),
        sunY(float(fig.py(0))),
        sunR(float(ToPixel32(0.1 * shape.a * (W / 2.0) / fig.xmax()))),
        planetR(float(ToPixel32(0.7 * sunR))) {}
};

}  // namespace

void mainWindow::ExecIntro() {
  step_ = 0;
  demoPhase_ = 1;
  Surface& f = form();
  f.SetScale(lk::ScaleMode::Pixels);
  f.FontSize = 14;
  f.ForeColor = lk::col::Black;
  cw_ = f.TextWidth(QStringLiteral("A"));
  lh_ = 1.1f * f.TextHeight(QStringLiteral("A"));
  const float left = 2 * cw_;
  float x = left;
  float y = 0;
  // Starts narration line `row` at the left margin; more pieces may follow on it.
  auto line = [&](float row, const QString& text) {
    x = left;
    y = row * lh_;
    lk::PrintText(f, x, y, text);
  };

  line(2, QStringLiteral("　よく知られているように，惑星の公転運動は，太陽を焦点とする楕円を描きます。"));
  Wait();

  for (lk::Picture* p : picDemo_) {
    p->move(int(std::lround(0.6 * f.ScaleWidth())), int(std::lround(0.35 * f.ScaleHeight())));
    p->surface().SetBackColor(kDemoBack);
  }
  picDemo_[0]->show();
  StartTimer1(kTimerMs);

  line(3, QStringLiteral("図のように太陽を原点として 動径  "));
  lk::PrintVar(f, x, y, QStringLiteral("r"));
  lk::PrintText(f, x, y, QStringLiteral("，角度 "));
  PrintTheta(f, x, y + 0.05f * lh_);
  lk::PrintText(f, x, y, QStringLiteral("  を定義すると，どちらも時間  "));
  lk::PrintVar(f, x, y, QStringLiteral("t"));
  lk::PrintText(f, x, y, QStringLiteral("  の関数"));
  Wait();

  line(4, QStringLiteral("として変化します。変化のしかたは，公転周期  "));
  lk::PrintVar(f, x, y, QStringLiteral("T"));
  lk::PrintText(f, x, y, QStringLiteral("  を周期とする周期関数です。"));
  Wait();

  line(5, QStringLiteral("　したがって，これを フーリエ級数"));
  Wait();
  DspEq(6.5f * lh_);
  line(8.5f, QStringLiteral("に展開できるはずです。"));
  Wait();

  demoPhase_ = 2;
  picDemo_[0]->hide();
  picDemo_[1]->show();

  line(10, QStringLiteral("　この問題は，"));
  lk::PrintText(f, x, y, QStringLiteral("1817"));
  x += 0.4f * cw_;
  lk::PrintText(f, x, y, QStringLiteral("年 ベッセルにより解決され，"));
  Wait();
  line(11, QStringLiteral("ベッセル関数の誕生のきっかけとなりました。"));
  Wait();
  line(12, QStringLiteral("このプログラムでは，実際に運動方程式を解いて"));
  Wait();
  line(13, QStringLiteral("時間"));
  lk::PrintVar(f, x, y, QStringLiteral("  t  "));
  lk::PrintText(f, x, y, QStringLiteral("の関数として  "));
  ShowRt(f, x, y);
  lk::PrintText(f, x, y, QStringLiteral("  を求め，その結果を"));
  Wait();
  line(14, QStringLiteral("フーリエ解析して，ベッセルの理論と比較します。"));
  Wait();

  line(15.5f, QStringLiteral("　どれかのキーを押すと，作業を開始します。"));
  HitAnyKey();
  StopTimer1();
  for (lk::Picture* p : picDemo_) p->hide();
}

// r(t) = Σ c_n cos(2πnt/T), the sum with its limits and a built-up fraction.
void mainWindow::DspEq(float y) {
  Surface& f = form();
  const float size = f.FontSize;
  float x = 6 * cw_;
  ShowRt(f, x, y);
  lk::PrintText(f, x, y, QStringLiteral("＝ "));
  const float sumX = x;
  lk::PrintSum(f, x, y - 10);
  x = std::max(x, sumX + 1.5f * cw_);
  ShowCn(f, x, y);

  f.FontSize = 1.1f * size;
  lk::PrintText(f, x, y + 0.1f * lh_, QStringLiteral("cos"));
  f.FontSize = size;
  const float barX = x + 0.3f * cw_;
  float xn = barX;
  lk::PrintText(f, xn, y - 0.3f * lh_, QStringLiteral("2"));
  lk::PrintPi(f, xn, y - 0.3f * lh_);
  lk::PrintVar(f, xn, y - 0.3f * lh_, QStringLiteral("n t "));
  const float barLength = 5 * cw_;
  f.Line(barX, y + 0.5f * lh_, barX + barLength, y + 0.5f * lh_, f.ForeColor);
  const float tWidth = Advance(f, [](Surface& s, float& ax) { lk::PrintVar(s, ax, 0, QStringLiteral("T")); });
  float xd = barX + 0.5f * (barLength - tWidth);
  lk::PrintVar(f, xd, y + 0.55f * lh_, QStringLiteral("T"));

  f.FontSize = 0.85f * size;
  float xl = sumX + 0.5f * cw_;
  lk::PrintText(f, xl, y - kInfinityRise * lh_, QStringLiteral("∞"));
  xl = sumX - 0.4f * cw_;
  lk::PrintVar(f, xl, y + lh_, QStringLiteral("n"));
  lk::PrintText(f, xl, y + lh_, QStringLiteral("＝0"));
  f.FontSize = size;
}

// The static figure: the Sun, a planet at 30 degrees, r and theta.
void mainWindow::ExecDemo() {
  Surface& s = picDemo_[0]->surface();
  s.Cls();
  demo_ = DemoPlanet();
  const OrbitShape& shape = demo_.shape();
  const DemoFrame d(s, shape);
  const OrbitFigure& fig = d.fig;
  const float sunX = d.sunX, sunY = d.sunY;

  s.FontSize = 12;
  s.ForeColor = kFigureInk;
  float x = fig.px(-0.1);
  lk::PrintVar(s, x, fig.py(0.55), QStringLiteral("r"));
  x = fig.px(-0.35);
  PrintTheta(s, x, fig.py(0.17));

  const OrbitSample planet = PointAtAngle(shape, Pi() / 6);  // 30 degrees past the aphelion
  const float planetX = fig.px(planet.x), planetY = fig.py(planet.y);
  s.FillSolid = true;
  s.Line(planetX, planetY, sunX, sunY, lk::col::White);
  s.Line(sunX, sunY, sunX + kReferenceLength, sunY, lk::col::White);
  s.FillColor = lk::col::Red;
  s.Circle(sunX, sunY, kStaticSunRadius, lk::col::Yellow);
  s.FillColor = lk::col::DarkCyan;
  s.Circle(planetX, planetY, kStaticPlanetRadius, lk::col::Cyan);
  s.FillSolid = false;
}

// The Kepler animation: equal areas in equal times, a fresh trail each revolution.
void mainWindow::ExecDemo1() {
  if (!picDemo_[1]->isVisible()) return;
  Surface& s = picDemo_[1]->surface();
  s.Cls();
  s.FillSolid = true;
  const DemoFrame d(s, demo_.shape());
  const OrbitFigure& fig = d.fig;
  const float sunX = d.sunX, sunY = d.sunY, sunR = d.sunR, planetR = d.planetR;
  const float midX = d.W / 2.0f, midY = d.H / 2.0f;

  s.Line(0, midY, sunX - sunR, midY, kDemoAxis);
  s.Line(sunX + sunR, midY, float(d.W - 1), midY, kDemoAxis);
  s.Line(midX, 0, midX, float(d.H - 1), kDemoAxis);

  const OrbitSample planet = demo_.Position();
  const int k = std::min(demo_.trailCount(), kTrailLast);
  trailX_[k] = fig.px(planet.x);
  trailY_[k] = fig.py(planet.y);
  s.PSet(trailX_[0], trailY_[0], lk::col::Cyan);
  for (int j = 1; j <= k; ++j)
    s.Line(trailX_[j - 1], trailY_[j - 1], trailX_[j], trailY_[j], lk::col::Cyan);

  s.Line(sunX, sunY, trailX_[k], trailY_[k], lk::col::White);
  s.FillColor = lk::col::Cyan;
  s.Circle(trailX_[k], trailY_[k], planetR, lk::col::DarkCyan);
  s.FillColor = lk::col::Red;
  s.Circle(sunX, sunY, sunR, kDemoSunRim);
  s.FillSolid = false;

  lk::WaitFor(kDemoPause);
  demo_.Advance();
}

void mainWindow::Timer1_Timer() {
  if (demoPhase_ == 1)
    ExecDemo();
  else
    ExecDemo1();
}
