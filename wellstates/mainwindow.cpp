#include "mainwindow.h"

#include <QLabel>
#include <cmath>

#include "dialogs.h"
#include "entry.h"
#include "fonts.h"
#include "layout.h"
#include "program.h"
#include "sounds.h"

using namespace lk;
using namespace wellstates;

namespace {

// Layout of the window, in twips.
constexpr int kClientWidth = 15270, kClientHeight = 11040;

// Where the introduction pic(0) and the plot pic(1) go.
constexpr TwipsRect kIntroRect{300, 600, kClientWidth - 100, kClientHeight - 1000};
constexpr TwipsRect kPlotRect{10, 600, kClientWidth - 100, 0.75 * kClientHeight};

// Colours of the plot.
constexpr Color kHeadColor = RGB(0, 0, 190);
constexpr Color kAxisColor = RGB(64, 64, 64);
constexpr Color kWellColor = RGB(200, 200, 200);
constexpr Color kLevelColor = RGB(180, 0, 180);
constexpr Color kCurveColor = RGB(0, 160, 80);
constexpr Color kPromptColor = RGB(0, 0, 128);

constexpr float kIntroFontSize = 13.5f, kFormulaFontSize = 14.5f, kPlotFontSize = 12.0f;
constexpr int kTimerMs = 10;

// Short names for the lesson's fixed values.
constexpr double L = kHalfWidth;
constexpr double Emax = kEnergyTop;

// The legend keeps left of the energy axis's widest number, "10".
constexpr double kLegendEnd = -1.2 * L - 0.15;

}  // namespace

lk::FrameParams mainWindow::Params() {
  FrameParams p;
  p.caption = QStringLiteral(" エルミート多項式 ( 66-73 ページ )");
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.style.spaceAfterArgX = false;
  p.promptA = 0.1f;
  p.promptB = 0.92f;
  p.promptWait = PromptWait::Modal;
  p.promptEscEnds = true;
  return p;
}

mainWindow::mainWindow() : LessonWindow(Params()) {
  title_ = new QLabel(QStringLiteral("《 １次元調和振動子の固有関数　》"), this);
  title_->setFont(MakeFont(QStringLiteral("メイリオ"), 15, false, false));
  title_->setAlignment(Qt::AlignCenter);
  PlaceTw(title_, (kClientWidth - 7000) / 2.0, 90, 7000, 480);

  pic_[0] = AddPicture(kIntroRect.left, kIntroRect.top, kIntroRect.width, kIntroRect.height,
                       ScaleMode::Twips);
  pic_[1] = AddPicture(kPlotRect.left, kPlotRect.top, kPlotRect.width, kPlotRect.height,
                       ScaleMode::Pixels);
  pic_[0]->hide();
  pic_[1]->hide();
}

void mainWindow::Form_Load() {
  E_ = kDefaultEnergy;
  ShowIntroduction();
  StartTimer1(kTimerMs);
}

void mainWindow::Timer1_Timer() {
  // The frame keeps the busy flag: a tick that comes while a step waits in a
  // dialog or in the pacing of a sweep does nothing.
  switch (stage_) {
    case IntroLast: ShowIntroduction(); break;
    case Series: Exec11(); break;
    case Ask: Exec12(); break;
    case Sweep: Exec13(); break;
    default: break;
  }
}

// ---------------------------------------------------------------------------
// Introduction

void mainWindow::ShowIntroduction() {
  Picture* intro = pic_[0];
  PlacePicture(intro, kIntroRect);
  intro->show();
  RepaintIntroduction();
  if (stage_ != IntroLast) {
    HitAnyKey();
    stage_ = Intro1;
    RepaintIntroduction();
    HitAnyKey();
    stage_ = Intro2;
    RepaintIntroduction();
  }
  HitAnyKey();
  intro->hide();
  PreparePlot();
  stage_ = Series;
}

void mainWindow::RepaintIntroduction() {
  Surface& p = pic_[0]->surface();
  p.Cls();
  PaintIntroduction(p);
}

void mainWindow::PaintIntroduction(Surface& p) {
  p.FontSize = kIntroFontSize;
  p.ForeColor = col::Black;
  const float w = p.TextWidth(QStringLiteral("A"));
  const float d = 1.2f * p.TextHeight(QStringLiteral("A"));
  const float left = 4 * w, top = 0.8f * d;

  float x = left, y = top;
  PrintText(p, x, y, QStringLiteral("　よく知られているように， 調和振動子の "));
  PrintVar(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral(" 番目のエネルギー固有値は"));

  // E_n = (n + 1/2) hbar omega
  p.ForeColor = col::Blue;
  p.FontSize = kFormulaFontSize;
  x = 16 * w;
  y = top + 2 * d;
  PrintVar(p, x, y, QStringLiteral("E"));
  PrintSub(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral("  ＝ （ "));
  PrintVar(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral(" ＋ "));
  PrintHalf(p, x, y);
  PrintText(p, x, y, QStringLiteral("）"));
  x += 0.1f * w;
  PrintHbar(p, x, y + 0.05f * d);
  x += 0.3f * w;
  PrintOmega(p, x, y + 0.1f * d);
  p.FontSize = kIntroFontSize;
  p.ForeColor = col::Black;

  x = left;
  y = top + 4 * d;
  PrintText(p, x, y, QStringLiteral("で与えられ， 固有関数は エルミート多項式 "));
  PrintVar(p, x, y, QStringLiteral("H"));
  PrintSub(p, x, y, QStringLiteral("n"));
  PrintArgX(p, x, y);
  PrintText(p, x, y, QStringLiteral("を用いて表されます。"));
  if (stage_ < Intro1) return;

  x = left;
  y = top + 5.5f * d;
  PrintText(p, x, y, QStringLiteral("  このプログラムは，シュレディンガー方程式を数値計算により直接に解き，"));
  x = left;
  y += d;
  PrintText(p, x, y, QStringLiteral("「波動関数が"));
  PrintVar(p, x, y, QStringLiteral("x"));
  PrintText(p, x, y, QStringLiteral("→ ±∞ の極限で 0 になる」 という境界条件を満たすように，"));
  x = left;
  y += d;
  PrintText(p, x, y, QStringLiteral("試行錯誤 (Trial and Error) により固有値と固有関数を求めます。"));
  if (stage_ < Intro2) return;

  x = left;
  y = top + 10 * d;
  PrintText(p, x, y, QStringLiteral("　入力パラメタは， エネルギー "));
  PrintVar(p, x, y, QStringLiteral("E"));
  PrintText(p, x, y, QStringLiteral("  だけです。"));
  x = left;
  y += d;
  PrintText(p, x, y, QStringLiteral("　簡単のため， "));
  PrintVar(p, x, y, QStringLiteral("m"));
  PrintText(p, x, y, QStringLiteral("＝1，"));
  PrintOmega(p, x, y);
  PrintText(p, x, y, QStringLiteral("＝1，"));
  PrintHbar(p, x, y);
  PrintText(p, x, y, QStringLiteral("＝1  とします。"));
  x = left;
  y += 1.5f * d;
  PrintText(p, x, y, QStringLiteral("どれかのキーを押せば， 実行を開始します。"));
}

// ---------------------------------------------------------------------------
// The plot

void mainWindow::PreparePlot() {
  Picture* pic1 = pic_[1];
  PlacePicture(pic1, kPlotRect);
  pic1->show();
  Surface& p = pic1->surface();
  p.SetBackColor(col::FormBack);
  p.FontSize = kPlotFontSize;
  plot.xmin = kPlotXMin;
  plot.xmax = kPlotXMax;
  plot.ymin = kPlotYMin;
  plot.ymax = kPlotYMax;
  plot.W = int(p.ScaleWidth());
  plot.H = int(p.ScaleHeight());
  Paint1(p);
}

void mainWindow::Paint1(Surface& p) {
  p.FontSize = kPlotFontSize;
  p.DrawWidth = 1;
  p.Style = DrawStyle::Solid;

  p.ForeColor = kHeadColor;
  float x = 1;
  PrintText(p, x, 5, QStringLiteral("　固有関数と固有値を試行計算により求めましょう。"));

  // The x axis below the well, with a tick and a number at every whole x.
  p.ForeColor = kAxisColor;
  const double y0 = -0.125 * Emax;
  p.Line(px(-L), py(y0), px(L), py(y0), kAxisColor);
  for (int i = -int(L); i <= int(L); ++i) {
    p.Line(px(i), py(y0), px(i), py(y0 - 0.03 * Emax), kAxisColor);
    const float yl = float(py(y0 - 0.05 * Emax));
    if (i >= 0) {
      x = float(px(i - 0.11));
      PrintText(p, x, yl, NumStrQ(i));
    } else {
      x = float(px(i - 0.2));
      PrintText(p, x, yl, QStringLiteral("-") + NumStrQ(-i));
    }
  }
  x = float(px(L + 0.2));
  PrintVar(p, x, float(py(y0 + 0.35)), QStringLiteral("x"));

  // The energy axis on the left, numbered at even energies.
  const double xe = -1.1 * L;
  p.Line(px(xe), py(0), px(xe), py(Emax), kAxisColor);
  for (int e = 0; e <= int(Emax); ++e) {
    p.Line(px(xe - 0.1), py(e), px(xe), py(e), kAxisColor);
    if (e % 2 != 0) continue;
    x = float(px(-1.2 * L - (e > 9 ? 0.1 : 0.0)));
    PrintText(p, x, float(py(e + 0.25)), NumStrQ(e));
  }
  x = float(px(xe - 0.2));
  PrintVar(p, x, float(py(1.1 * Emax)), QStringLiteral("E"));

  // The potential well, shaded column by column.
  for (int i = px(-L); i <= px(L); ++i) {
    p.Line(i, py(0), i, py(potentialTop(columnX(i, plot.W))), kWellColor);
  }

  // The eigenvalues n + 1/2: a tick on the energy axis, and dotted lines in
  // the forbidden region outside the turning points.
  for (double level : levelEnergies()) {
    const double turn = turningPoint(level);
    p.Line(px(xe), py(level), px(xe + 0.1), py(level), kLevelColor);
    p.Style = DrawStyle::Dot;
    p.Line(px(-L), py(level), px(-turn), py(level), kLevelColor);
    p.Line(px(L), py(level), px(turn), py(level), kLevelColor);
    p.Style = DrawStyle::Solid;
  }

  // The potential x^2/2.
  p.DrawWidth = 2;
  for (int dir : {1, -1}) {
    const auto branch = potentialBranch(dir);
    for (std::size_t k = 1; k < branch.size(); ++k) {
      p.Line(px(branch[k - 1].x), py(branch[k - 1].y), px(branch[k].x), py(branch[k].y),
             kCurveColor);
    }
  }
  p.DrawWidth = 1;
  p.ForeColor = col::Black;
}

// ---------------------------------------------------------------------------
// The trials

void mainWindow::Exec11() {
  if (firstPass_) {
    Surface& p = pic_[1]->surface();
    p.Cls();
    Paint1(p);
  } else {
    firstPass_ = true;
  }
  CurColor = 0;
  trialCount_ = 0;
  stage_ = Ask;
}

void mainWindow::PaintInput(Surface& pic) {
  pic.FontSize = kPlotFontSize;
  pic.ForeColor = kPromptColor;
  const float h = pic.TextHeight(QStringLiteral("A"));
  float x = 0;
  const float y = 0.2f * h;
  PrintText(pic, x, y, QStringLiteral(" エネルギー "));
  PrintVar(pic, x, y, QStringLiteral("E"));
  PrintText(pic, x, y, QStringLiteral(" を指定して下さい"));
}

void mainWindow::Exec12() {
  AllowComma = 1;
  AllowDot = 1;
  AllowMinus = 0;
  NumEntry entry;
  entry.a = 0.1f;
  entry.b = 0.91f;
  QString text;
  for (;;) {
    entry.proposal = Q(PlainNumStr(E_));
    text = StrInputOrEnd(*this, entry);
    // Above the top the top is offered; zero and below have no start
    // function (it needs ln E), so the ground state is offered instead.
    const EnergyEntry read = readEnergy(S(text));
    E_ = read.proposal;
    if (read.accepted()) break;
    SoundDing();
  }
  CurColor = NextColor(S(text));
  ++trialCount_;

  Surface& p = pic_[1]->surface();
  Legend(p);

  sweep_.emplace(E_);
  const SweepPoint& a = sweep_->first();
  const SweepPoint& b = sweep_->second();
  last_ = QPoint(px(b.x), py(b.y));
  p.Line(float(last_.x()), float(last_.y()), float(px(a.x)), float(py(a.y)), CurColor);
  startTime_ = Now();
  stage_ = Sweep;
}

// One row of the legend per trial: a stroke in the trial's colour and the
// energy it was drawn for.
void mainWindow::Legend(Surface& p) {
  p.FontSize = kPlotFontSize;
  const float w = p.TextWidth(QStringLiteral("A"));
  const float y = p.TextHeight(QStringLiteral("A")) * float(1 + trialCount_);
  float x = 0;
  PrintSwatch(p, x, y, CurColor);
  p.ForeColor = col::Black;
  PrintVar(p, x, y, QStringLiteral("E"));
  x += 0.2f * w;
  PrintArial(p, x, y, LegendEnergy(p, x));
}

// The energy as its legend row shows it: as typed where that fits left of
// the numbers of the energy axis, else rounded to as many digits as fit.
QString mainWindow::LegendEnergy(const Surface& p, float x) const {
  const float room = float(px(kLegendEnd)) - x;
  Surface slate(1, 1, ScaleMode::Pixels);
  slate.FontName = p.FontName;
  slate.FontSize = p.FontSize;
  QString text;
  for (int digits = 17; digits > 0; --digits) {
    text = QStringLiteral(": ") + Q(energyText(QString::number(E_, 'g', digits).toDouble()));
    float width = 0;
    PrintArial(slate, width, 0, text);
    if (width <= room) break;
  }
  return text;
}

// Whether the legend column has a row left for one more trial below the
// rows it holds.
bool mainWindow::LegendHasRoom() {
  Surface& p = pic_[1]->surface();
  p.FontSize = kPlotFontSize;
  return p.TextHeight(QStringLiteral("A")) * float(trialCount_ + 3) <= p.ScaleHeight();
}

void mainWindow::Exec13() {
  Surface& p = pic_[1]->surface();
  for (int k = 0; k < kStepsPerTick; ++k) {
    const std::optional<SweepPoint> pt = sweep_->next();
    if (!pt) {
      // Past the right end, or the curve ran out of bounds: the usual fate
      // of an energy that is not an eigenvalue.
      if (sweep_->state() == NumerovSweep::State::Diverged) SoundDing();
      // Once the legend column is full the series starts again on a clean
      // plot, rather than list energies below its bottom edge.
      stage_ = LegendHasRoom() ? Ask : Series;
      return;
    }
    const QPoint to(px(pt->x), py(pt->y));
    p.Line(float(last_.x()), float(last_.y()), float(to.x()), float(to.y()), CurColor);
    last_ = to;
    // Paced by the clock, not by the timer: a sweep takes two seconds on any
    // machine.
    WaitUntil(startTime_ + sweep_->dueTime(pt->x));
  }
}
