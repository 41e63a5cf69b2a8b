#include "mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "fonts.h"
#include "program.h"
#include "sounds.h"

using namespace orbitspectrum;
using lk::Color;
using lk::RGB;
using lk::Surface;

namespace {

// ---- Constants of the window ---------------------------------------------------

const QString kCaption = QStringLiteral(" 惑星の運動とベッセル関数 (  172 ページ )");
const QString kTitle = QStringLiteral("《 惑星の公転運動のフーリエ解析 》");

// The client area, 840 x 600 pixels: wide enough for the longest narration
// line at 14 points, with the introduction figures below and right of it.
constexpr int kClientWidth = 12600, kClientHeight = 9000;  // twips
constexpr double kDemoWidth = 4500, kDemoHeight = 3600;    // twips, 300 x 240 pixels

constexpr Color kDemoBack = RGB(220, 220, 220);
constexpr Color kRunBack = RGB(224, 224, 224);
constexpr Color kFigureInk = RGB(51, 51, 160);   // labels of the run's figures
constexpr Color kOrbitInk = RGB(0, 224, 224);    // orbit and r(t)
constexpr Color kThetaInk = RGB(192, 0, 192);    // theta(t)
constexpr Color kMessageInk = RGB(0, 0, 128);
constexpr Color kDemoAxis = RGB(0, 0, 205);
constexpr Color kDemoSunRim = RGB(255, 200, 160);

constexpr float kPromptA = 0.15f;
constexpr float kPromptBOverFigure = 0.2f, kPromptBLow = 0.92f;
constexpr float kAutoContinueSeconds = 10;
constexpr float kDialogA = 0.1f, kDialogB = 0.2f;
const QString kEndCaption = QStringLiteral("終 了");

// The static introduction figure's fixed sizes, in pixels.
constexpr float kStaticSunRadius = 10, kStaticPlanetRadius = 6, kReferenceLength = 100;
// Time the animated planet leaves the event loop between two positions.
constexpr double kDemoPause = 0.005;
// The upper limit of the sum stands clear of the large serif sign.
constexpr float kInfinityRise = 0.6f;
// A long pause is waited in slices, so that F1 can still shorten it.
constexpr double kWaitSlice = 0.05;

constexpr int kTrailLast = DemoPlanet::kTrailCapacity - 1;

lk::FrameParams Params() {
  lk::FrameParams p;
  p.caption = kCaption;
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.endKeysAnyTime = {lk::key::Esc};
  p.keyClearsWaiting = true;
  p.keyStoresLastKey = true;
  p.flagKey = lk::key::F1;
  p.promptA = kPromptA;
  p.promptB = kPromptBLow;
  p.promptWait = lk::PromptWait::UntilWaitingClear;
  p.promptEscEnds = true;
  return p;
}

// ---- Formula pieces ----------------------------------------------------------------

// r(t) with italic r and t, the pieces 0.3 of an "n" apart.
void ShowRt(Surface& s, float& x, float y) {
  const float w = s.TextWidth(QStringLiteral("n"));
  lk::PrintVar(s, x, y, QStringLiteral("r"));
  x += 0.3f * w;
  lk::PrintText(s, x, y, QStringLiteral("("));
  x += 0.3f * w;
  lk::PrintVar(s, x, y, QStringLiteral("t"));
  x += 0.3f * w;
  lk::PrintText(s, x, y, QStringLiteral(")"));
}

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

void PrintTheta(Surface& s, float& x, float y) { lk::PrintSymItalic(s, x, y, QStringLiteral("q")); }

// "離心率 ε ＝ 0.7 " as the orbit figure labels it.
void PrintEccentricityLabel(Surface& s, float& x, float y, double e) {
  lk::PrintText(s, x, y, QStringLiteral("離心率 "));
  lk::PrintEpsilon(s, x, y);
  lk::PrintText(s, x, y, QStringLiteral(" ＝"));
  lk::PrintText(s, x, y, lk::Q(EccentricityText(e)) + QLatin1Char(' '));
}

// The width a printer would take, measured on a scratch surface in the same font.
template <typename Printer>
float Advance(const Surface& like, Printer print) {
  Surface scratch(1, 1, like.Scale());
  scratch.FontName = like.FontName;
  scratch.FontSize = like.FontSize;
  float x = 0;
  print(scratch, x);
  return x;
}

float Rounded(float v) { return std::round(v); }

}  // namespace

// ---- Window ----------------------------------------------------------------------

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  sTitle_ = new QLabel(kTitle, this);
  sTitle_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 16, false, false));
  sTitle_->setAlignment(Qt::AlignCenter);
  sTitle_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  lk::PlaceTw(sTitle_, 0, 120, kClientWidth, 600);

  for (auto& p : picDemo_) {
    p = AddPicture(0, 0, kDemoWidth, kDemoHeight);
    p->hide();
  }
  for (int i = 1; i <= 4; ++i) {
    pic_[i] = AddPicture(0, 0, 15, 15, lk::ScaleMode::Pixels, i <= 2);
    pic_[i]->hide();
  }
}

void mainWindow::Form_Load() {
  table_ = MakeTable(kSamples);
  ExecIntro();
  Exec2();
}

QPointF mainWindow::PromptPlace() const {
  return {kPromptA, pic_[1]->isVisible() ? kPromptBOverFigure : kPromptBLow};
}

// During a run the lesson goes on by itself; the introduction and the end
// of a run wait for the learner.
float mainWindow::PromptAutoWait() const {
  return step_ >= 1 && step_ <= 9 ? kAutoContinueSeconds : 0;
}

void mainWindow::PaintInput(Surface& pic) {
  pic.FontSize = 12;
  float x = 8;
  const float y = 2;
  lk::PrintText(pic, x, y, QStringLiteral("離心率 "));
  lk::PrintEpsilon(pic, x, y);
  lk::PrintText(pic, x, y, QStringLiteral(" を指定して下さい"));
}

// F1 counts at a pause too, where the prompt rather than the window has the key.
void mainWindow::HitAnyKey() {
  LessonWindow::HitAnyKey();
  if (lk::LastKey == lk::key::F1) keyFlag = true;
  // Keys during the drawing that follows (F1, Esc) belong to the window.
  activateWindow();
}

void mainWindow::Wait() {
  const double t0 = lk::Now();
  for (;;) {
    const double end = t0 + (keyFlag ? kFastWaitSeconds : kWaitSeconds);
    const double now = lk::Now();
    if (now >= end) return;
    lk::WaitUntil(std::min(end, now + kWaitSlice));
  }
}

// ---- Introduction ----------------------------------------------------------------

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

namespace {

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

// ---- Runs ------------------------------------------------------------------------------

void mainWindow::Exec2() {
  Surface& f = form();
  f.SetScale(lk::ScaleMode::Twips);
  e_ = kInitialEccentricity;
  const double W = f.ScaleWidth(), H = f.ScaleHeight();
  lk::PlaceTw(pic_[1], 0.5 * W, 0.092 * H, 0.4875 * W, 0.417 * H);
  lk::PlaceTw(pic_[2], 0.5 * W, 0.51 * H, 0.4875 * W, 0.417 * H);
  lk::PlaceTw(pic_[3], W * 30 / 9600, H * 690 / 7200, W * 4770 / 9600, H * 420 / 7200);
  lk::PlaceTw(pic_[4], 0, H * 1500 / 7200, W * 4770 / 9600, H * 5400 / 7200);
  for (int i = 1; i <= 4; ++i) {
    // A hidden control learns its size only when shown; the surface needs it now.
    pic_[i]->surface().Resize(pic_[i]->width(), pic_[i]->height());
    pic_[i]->surface().SetBackColor(i <= 2 ? kRunBack : lk::col::FormBack);
    pic_[i]->show();
  }
  plotW_ = int(Rounded(pic_[1]->surface().ScaleWidth()));
  plotH_ = int(Rounded(pic_[1]->surface().ScaleHeight()));
  f.Cls();
  for (;;) RunOnce();
}

void mainWindow::RunOnce() {
  pic3_ShowMsg(1);
  ReadEccentricity();

  const OrbitShape shape = MakeShape(e_);
  figure_.emplace(shape, plotW_, plotH_);
  graph_.emplace(shape, kSamples, plotW_, plotH_);
  samplesDrawn_ = 0;
  pic_[3]->surface().Cls();
  pic_[4]->surface().Cls();
  PrepareFigure();
  PrepareGraph();

  pic3_ShowMsg(2);
  HitAnyKey();
  pic3_ShowMsg(3);
  Orbit();
  pic3_ShowMsg(4);
  pic4_Working(4);

  HitAnyKey();
  pic3_ShowMsg(5);
  HitAnyKey();
  pic3_ShowMsg(6);
  FourierTransform();
  Wait();
  pic3_ShowMsg(7);
  pic4_Working(7);

  HitAnyKey();
  pic3_ShowMsg(8);
  dspFourierCoeff();
  HitAnyKey();
  pic3_ShowMsg(9);
  pic4_Working(9);
  HitAnyKey();
  ExecCompare();
  pic3_ShowMsg(10);
  HitAnyKey();
}

void mainWindow::ReadEccentricity() {
  double proposal = e_;
  for (;;) {
    lk::AllowDot = 1;
    lk::AllowMinus = 0;
    lk::AllowComma = 0;
    lk::NumEntry entry;
    entry.a = kDialogA;
    entry.b = kDialogB;
    entry.proposal = lk::Q(lk::PlainNumStr(proposal));
    entry.scroll = true;
    entry.lo = kDialogMin;
    entry.hi = kDialogMax;
    entry.scrollMin = kScrollMin;
    entry.scrollMax = kScrollMax;
    entry.typedKeysToLastKey = true;
    entry.cancelCaption = kEndCaption;
    const QString text = lk::StrInput(*this, entry);
    activateWindow();
    if (text.isEmpty()) {  // "終 了", Esc, or an emptied box
      Form_Unload();
      lk::CheckEnd();
      return;
    }
    const double v = lk::Val(lk::S(text));
    const EccentricityCheck check = CheckEccentricity(v);
    if (check.accepted) {
      e_ = v;
      return;
    }
    lk::SoundDing();
    proposal = check.proposal;
  }
}

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

void mainWindow::FourierTransform() {
  orbitspectrum::FourierTransform(orbit_->data(), table_, kSamples);
  c_ = FourierCoefficients(orbit_->data());
}

void mainWindow::pic3_ShowMsg(int k) {
  step_ = k;
  stepTimes_.at(k) = lk::Now();
  Surface& s = pic_[3]->surface();
  s.Cls();
  s.FontSize = 14;
  s.ForeColor = kMessageInk;
  float x = 0;
  const float y = 0;
  switch (k) {
    case 1:
      lk::PrintText(s, x, y, QStringLiteral("　　楕円の離心率  "));
      lk::PrintEpsilon(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral("  を指定して下さい｡"));
      break;
    case 2: lk::PrintText(s, x, y, QStringLiteral("　運動方程式を数値計算により解きます｡")); break;
    case 3: lk::PrintText(s, x, y, QStringLiteral("２次 Runge-Kutta 公式により解いています｡")); break;
    case 4: lk::PrintText(s, x, y, QStringLiteral("   結果の精度を確認して下さい｡")); break;
    case 5:
      lk::PrintText(s, x, y, QStringLiteral("  次に，"));
      ShowRt(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral(" をフーリエ級数に展開します｡"));
      break;
    case 6: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析を実行しています｡")); break;
    case 7: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析の結果を表示します｡")); break;
    case 8: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析の結果：")); break;
    case 9: lk::PrintText(s, x, y, QStringLiteral(" 最後に，ベッセルの理論値と比較します｡")); break;
    case 10:
      lk::PrintText(s, x, y, QStringLiteral("   離心率  "));
      lk::PrintEpsilon(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral("  を変えて再実行できます｡"));
      break;
    default: break;
  }
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
