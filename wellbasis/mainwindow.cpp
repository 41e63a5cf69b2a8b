#include "mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <utility>

#include "dialogs.h"
#include "entry.h"
#include "fonts.h"
#include "layout.h"
#include "program.h"
#include "sounds.h"

using namespace lk;
using namespace wellbasis;

namespace {

// ---- The window as designed (twips) ---------------------------------------

constexpr int kClientWidth = 12000, kClientHeight = 9000;

// The plot on the right; the statement and below it the list on the left.
constexpr TwipsRect kPlotRect{6250, 825, 5625, 6900};
constexpr TwipsRect kTextRect{112.5, kPlotRect.top, 6125, 3000};
constexpr TwipsRect kListRect{kTextRect.left, kTextRect.top + kTextRect.height, kTextRect.width,
                              4375};
constexpr TwipsRect kTitleRect{2500, 150, 7000, 540};

// Where the prompt and the number dialog open, as shares of the window.
constexpr float kPromptA = 0.1f, kPromptB = 0.91f;
constexpr float kEntryA = 0.1f, kEntryB = 0.92f;

constexpr int kTimerMs = 10;

// ---- Fonts and colours -----------------------------------------------------

constexpr float kTextFontSize = 13, kFrameFontSize = 10, kListFontSize = 12, kPromptFontSize = 12;
constexpr Color kFrameColor = RGB(51, 51, 51);
constexpr Color kBorderColor = RGB(0, 0, 64);

// ---- The list (pixels) -----------------------------------------------------

constexpr float kRowHeight = 20, kRowLeft = 30;

// ---- The frame of the plot (world units) ---------------------------------

constexpr double kLongTick = 0.8, kShortTick = 0.5;
constexpr double kNumberTop = -0.15, kLetterTop = -0.55, kLetterX = 1.06;
constexpr double kValueTicks[] = {5, 10, 15, 20};
constexpr double kValueLabelRise = 0.7, kValueTickLength = 0.03;

float LetterWidth(const Surface& p) { return p.TextWidth(QStringLiteral("A")); }
float LetterHeight(const Surface& p) { return p.TextHeight(QStringLiteral("A")); }

// How far right of the cursor a letter set by PrintVar in p's font reaches:
// its advance, or its ink where the slant carries it further.  Measured on
// a picture of its own, so nothing is drawn on p.
float VarReach(const Surface& p, const QString& letter) {
  constexpr int kProbe = 64;
  Surface probe(kProbe, kProbe, p.Scale());
  probe.FontName = p.FontName;
  probe.FontSize = p.FontSize;
  probe.FontBold = p.FontBold;
  probe.FontItalic = p.FontItalic;
  float x = 0;
  PrintVar(probe, x, 0, letter);
  for (int px = kProbe - 1; px >= 0; --px)
    for (int py = 0; py < kProbe; ++py)
      if (probe.PixelAt(px, py) != probe.BackColor()) return std::max(x, (px + 1) * probe.UnitsPerPixel());
  return x;
}

}  // namespace

lk::FrameParams mainWindow::Params() {
  FrameParams p;
  p.caption = QStringLiteral(" エルミート多項式 ( 76-77 ページ )");
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.promptA = kPromptA;
  p.promptB = kPromptB;
  p.promptWait = PromptWait::Modal;
  p.promptEscEnds = true;
  return p;
}

mainWindow::mainWindow() : LessonWindow(Params()) {
  title_ = new QLabel(QStringLiteral("《 エルミート多項式の完全性 》"), this);
  title_->setFont(MakeFont(QStringLiteral("メイリオ"), 15, false, false));
  title_->setAlignment(Qt::AlignCenter);
  Place(title_, kTitleRect);

  // The plot and the list are measured in pixels: px and py give plot
  // pixels, and the list's rows are 20 pixels apart.  The statement uses
  // twips like the window.
  pic_[1] = AddPicture(kPlotRect.left, kPlotRect.top, kPlotRect.width, kPlotRect.height,
                       ScaleMode::Pixels);
  pic_[2] = AddPicture(kTextRect.left, kTextRect.top, kTextRect.width, kTextRect.height,
                       ScaleMode::Twips);
  pic_[3] = AddPicture(kListRect.left, kListRect.top, kListRect.width, kListRect.height,
                       ScaleMode::Pixels);
  for (int i = 1; i <= 3; ++i) pic_[i]->hide();
  pic_[2]->setPaintHandler([this](Surface& p) { Paint2(p); });
}

lk::Picture* mainWindow::pic(int index) const {
  return index >= 1 && index <= 3 ? pic_[index] : nullptr;
}

int mainWindow::px(double x) const { return PlotX(x, W_); }
int mainWindow::py(double v) const { return PlotY(v, H_); }
float mainWindow::RowTop(int r) { return kRowHeight * float(r); }

void mainWindow::Form_Load() {
  y_ = kFirstPoint;
  N_ = kFirstTerms;
  ShowIntroduction();
  StartTimer1(kTimerMs);
}

void mainWindow::Timer1_Timer() {
  // The frame keeps the busy flag: a tick that comes while a step waits in a
  // dialog or in the pacing of a sweep does nothing.
  switch (stage_) {
    case Clear: Exec11(); break;
    case AskPoint: Exec12(); break;
    case AskTerms: Exec13(); break;
    case Sweep: Exec14(); break;
    default: break;
  }
}

// ---------------------------------------------------------------------------
// Introduction and frame

void mainWindow::ShowIntroduction() {
  PlacePicture(pic_[1], kPlotRect);
  PlacePicture(pic_[2], kTextRect);
  PlacePicture(pic_[3], kListRect);
  Surface& plot = pic_[1]->surface();
  plot.SetBackColor(col::PlotBack);
  Paint1(plot);
  pic_[3]->surface().Cls();
  for (int i = 1; i <= 3; ++i) pic_[i]->show();
  HitAnyKey();
  stage_ = Clear;
}

// The statement of completeness, seven lines on pic(2).
void mainWindow::Paint2(Surface& p) {
  p.FontSize = kTextFontSize;
  p.ForeColor = col::Black;
  const float w = LetterWidth(p);
  const float d = 1.1f * LetterHeight(p);
  const float left = 0.5f * w;
  auto line = [&](int i) { return 0.2f * d + float(i - 1) * d; };

  float x = left, y = line(1);
  PrintText(p, x, y, QStringLiteral("　１次元調和振動子の固有関数 "));
  print_Un(p, x, y);
  PrintArgX(p, x, y);
  PrintText(p, x, y, QStringLiteral(" は"));

  x = left;
  y = line(2);
  PrintText(p, x, y, QStringLiteral("完全系を成します。すなわち，"));
  print_Un(p, x, y);
  PrintArgX(p, x, y);
  x += 0.2f * w;
  print_Un(p, x, y);
  PrintArgY(p, x, y);
  x += 0.2f * w;
  PrintText(p, x, y, QStringLiteral("を"));

  x = left;
  y = line(3);
  PrintVar(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral("＝0 から ∞ まで加えると，その結果は"));

  x = left;
  y = line(4);
  PrintText(p, x, y, QStringLiteral("デルタ関数"));
  PrintText(p, x, y, QStringLiteral("δ"));
  x += 0.3f * w;
  PrintText(p, x, y, QStringLiteral("("));
  PrintVar(p, x, y, QStringLiteral("x"));
  PrintText(p, x, y, QStringLiteral("－"));
  PrintVar(p, x, y, QStringLiteral("y"));
  x += 0.3f * w;
  PrintText(p, x, y, QStringLiteral(") になります。"));

  for (const auto& [i, text] : {std::pair{5, "　無限項の和を そのまま数値計算することは"},
                                std::pair{6, "できませんが，和の項数を増していったときに"},
                                std::pair{7, "デルタ関数に近づく様子を観察しましょう。"}}) {
    x = left;
    PrintText(p, x, line(i), Q(text));
  }
}

// u with the subscript n, at the cursor.
void mainWindow::print_Un(Surface& p, float& x, float y) {
  PrintVar(p, x, y, QStringLiteral("u"));
  PrintSub(p, x, y, QStringLiteral("n"));
}

// The axes of the plot: x from -1.1 to 1.1 in tenths, the values 5 .. 20 on
// a vertical axis at x = 0, and a border.
void mainWindow::Paint1(Surface& p) {
  W_ = p.ScaleWidth();
  H_ = p.ScaleHeight();
  p.FontSize = kFrameFontSize;
  p.ForeColor = kFrameColor;
  p.DrawWidth = 1;
  p.Style = DrawStyle::Solid;

  p.Line(0, float(py(0)), float(W_), float(py(0)));
  for (int k = -11; k <= 11; ++k) {
    const double x = 0.1 * k;
    const bool long_ = std::abs(k) == 5 || std::abs(k) == 10;
    p.Line(float(px(x)), float(py(0)), float(px(x)), float(py(long_ ? kLongTick : kShortTick)));
  }
  struct Label {
    double x;
    const char* text;
  };
  for (const Label& l : {Label{0, "0"}, Label{0.5, "0.5"}, Label{-0.5, "-0.5"}, Label{1, "1"},
                         Label{-1, "-1"}}) {
    const QString text = Q(l.text);
    float x = float(px(l.x)) - 0.5f * p.TextWidth(text);
    PrintText(p, x, float(py(kNumberTop)), text);
  }
  // The letter of the axis stands at x = 1.06 where it fits; otherwise it
  // moves left just enough to end inside the border.
  const QString letter = QStringLiteral("x");
  float x = std::min(float(px(kLetterX)), float(W_) - 2 * p.UnitsPerPixel() - VarReach(p, letter));
  PrintVar(p, x, float(py(kLetterTop)), letter);

  p.Line(float(px(0)), float(py(0)), float(px(0)), float(py(kValueTop)));
  for (double v : kValueTicks) {
    p.Line(float(px(0)), float(py(v)), float(px(kValueTickLength)), float(py(v)));
    const QString label = NumStrQ(v);
    x = float(px(-0.04 - 0.06 * label.size()));
    PrintText(p, x, float(py(v + kValueLabelRise)), label);
  }

  p.Box(0, 0, float(W_ - 1), float(H_ - 1), kBorderColor, false);
  p.ForeColor = col::Black;
}

// ---------------------------------------------------------------------------
// Entries

QString mainWindow::StrInput(InputMode mode) {
  NumEntry entry;
  entry.a = kEntryA;
  entry.b = kEntryB;
  entry.kind = mode;
  if (mode == PointInput) {
    if (y_ != 0) entry.proposal = Q(PlainNumStr(y_));
  } else {
    if (N_ != 0) entry.proposal = NumStrQ(N_);
  }
  // Esc ends the lesson here; an empty entry is the lesson's own business.
  return StrInputOrEnd(*this, entry);
}

void mainWindow::PaintInput(Surface& pic) {
  pic.FontSize = kPromptFontSize;
  pic.ForeColor = col::Black;
  const float y = 8;
  float x = 0;
  if (InputKind == PointInput) {
    PrintVar(pic, x, y, QStringLiteral("y"));
    PrintText(pic, x, y, QStringLiteral("の値を指定して下さい"));
  } else if (InputKind == TermsInput) {
    PrintText(pic, x, y, QStringLiteral(" 加える項の数"));
    PrintVar(pic, x, y, QStringLiteral("N"));
    PrintText(pic, x, y, QStringLiteral("(99<"));
    PrintVar(pic, x, y, QStringLiteral("N"));
    PrintText(pic, x, y, QStringLiteral("<5001)"));
  }
}

// ---------------------------------------------------------------------------
// The trials

// A new series: the list starts empty, and so does the plot, so that every
// curve in sight has its row in the list and the colours start over.
void mainWindow::Exec11() {
  pic_[3]->surface().Cls();
  if (drawn_) {
    Surface& plot = pic_[1]->surface();
    plot.Cls();
    Paint1(plot);
    drawn_ = false;
  }
  CurColor = 0;
  row_ = 0;
  stage_ = AskPoint;
}

float mainWindow::BeginRow(int r) {
  Surface& list = pic_[3]->surface();
  list.FontSize = kListFontSize;
  list.ForeColor = col::Black;
  // A wrapped list writes over an old row: clear it first.
  const float top = RowTop(r);
  list.Box(0, top, list.ScaleWidth(), top + kRowHeight - 1, list.BackColor(), true);
  return top;
}

void mainWindow::Exec12() {
  AllowComma = 0;
  AllowMinus = 1;
  AllowDot = 1;
  const QString text = StrInput(PointInput);
  if (text.isEmpty()) {
    if (row_ > 0) {
      stage_ = Clear;
    } else {
      Form_Unload();  // nothing tried yet: the learner is done
    }
    return;
  }
  const Checked<double> point = CheckPoint(Val(S(text)));
  y_ = point.value;
  if (!point.accepted) {
    SoundDing();
    return;  // the next tick offers +-1.9
  }
  Surface& list = pic_[3]->surface();
  const float top = BeginRow(row_);
  float x = kRowLeft;
  PrintVar(list, x, top, QStringLiteral("   y "));
  PrintText(list, x, top, QStringLiteral("の値: ") + Q(PointText(y_)));
  row_ = NextRow(row_);
  stage_ = AskTerms;
}

void mainWindow::Exec13() {
  AllowComma = 0;
  AllowMinus = 0;
  AllowDot = 0;
  const QString text = StrInput(TermsInput);
  if (text.isEmpty()) {
    stage_ = AskPoint;
    return;
  }
  const Checked<int> terms = CheckTerms(S(text));
  N_ = terms.value;
  if (!terms.accepted) {
    SoundDing();
    return;  // the next tick offers 100 or 5000
  }
  CurColor = NextColor(S(text));
  Surface& list = pic_[3]->surface();
  const float top = BeginRow(row_);
  float x = kRowLeft;
  PrintVar(list, x, top, QStringLiteral("    N "));
  PrintText(list, x, top, QStringLiteral("＝") + NumStrQ(N_));
  PrintSwatch(list, x, top, CurColor);
  row_ = NextRow(row_);

  startTime_ = Now();
  k_ = 0;
  stage_ = Sweep;
}

// Up to eight points of S_N(x, y) per tick, each joined to the one before
// and paced by the clock: a sweep takes about 2.1 s on any machine.
void mainWindow::Exec14() {
  Surface& p = pic_[1]->surface();
  const int points = SweepPoints();
  for (int i = 0; i < kPointsPerTick && k_ < points; ++i, ++k_) {
    const double x = SweepX(k_);
    const QPoint to(px(x), py(PartialSum(N_, x, y_)));
    if (k_ > 0) p.Line(float(last_.x()), float(last_.y()), float(to.x()), float(to.y()), CurColor);
    last_ = to;
    drawn_ = true;
    WaitUntil(startTime_ + SweepDue(x));
  }
  if (k_ >= points) stage_ = AskTerms;
}
