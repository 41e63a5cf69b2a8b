#include "mainwindow.h"

#include <algorithm>

#include "dialogs.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;

namespace {

namespace zp = zonalpoly;

// ---- The window as designed (twips) ------------------------------------

constexpr int kClientWidth = 11910, kClientHeight = 8520;

// The plot of section 1: a square at its designed place.  Section 2 moves the
// same picture; section 1 puts it back, or the square would run off the
// window's right edge.
constexpr double kGraphLeft = 4785, kGraphTop = 930, kGraphSize = 6720;

// Section 2: the plot on the right, the narration and the list on the left.
constexpr double kSumLeftShare = 0.52, kSumTop = 690, kSumWidth = 5508, kSumHeight = 6732;
constexpr double kTextLeft = 420, kTextWidth = 5700, kNarrationHeight = 3240;
constexpr double kListGap = 120, kListHeight = 3500;

// Where the number-entry dialog opens, as shares of the window.
constexpr float kEntryA = 0.13f, kEntryB = 0.91f;
// While y is asked for, the box grows to the left by this share of the
// dialog: a signed entry is longer than a degree or a number of terms.
constexpr float kPointWiden = 0.05f;

constexpr lk::Color kGridColor = lk::RGB(51, 51, 51);
constexpr lk::Color kBorderColor = lk::RGB(160, 160, 160);
constexpr lk::Color kSumFrameColor = lk::RGB(51, 51, 160);

enum InputKinds { kAskDegree = 0, kAskPoint = 1, kAskTerms = 2 };

// The menu and the introduction; LblA(4) asks for a choice, LblA(5) .. LblA(9)
// introduce the lesson.  All of them go away while a section runs.
constexpr lk::MenuLabel kMenu[] = {
    {1, "１． ルジャンドル多項式のグラフを描く", 2010, 3660, 14.25f},
    {2, "２． ルジャンドル多項式の完全性を確かめる", 2010, 4470, 14.25f},
    {3, "３． 終 了 (Esc)", 1995, 5295, 14.25f},
    {4, "どれにしますか ？", 2655, 6105, 12.0f},
    {5, "　ルジャンドル多項式は，球対称性を持つ物理系について偏微分方程式を解くときに", 195, 1005,
     14.25f},
    {6, "必ず登場する直交多項式です。", 465, 1455, 14.25f},
    {7, "このため，物理ではよく使われます。", 705, 1905, 14.25f},
    {8, "　このプログラムでは，ルジャンドル多項式のグラフを描いてその特徴を理解し，", 165, 2400,
     14.25f},
    {9, "また，直接の数値計算により ルジャンドル多項式の完全性を確認します。", 420, 2895, 14.25f},
};

lk::FrameParams Params() {
  lk::FrameParams f;
  f.caption = QStringLiteral(" ルジャンドル多項式 ( 77-84 ページ  )");
  f.clientWidth = kClientWidth;
  f.clientHeight = kClientHeight;
  // "1", numeric pad 1 and F1 choose item 1; likewise for 2; 3 and Esc end.
  constexpr int keys = lk::kDigitKeys | lk::kPadKeys | lk::kFunctionKeys;
  lk::ChooseByNumber(f, 2, keys);
  f.endKeysAtMenu = lk::NumberKeys(3, keys);
  f.endKeysAtMenu.insert(lk::key::Esc);
  f.promptA = 0.1f;
  f.promptB = 0.9f;
  f.promptWait = lk::PromptWait::Modal;
  f.style.spaceAfterArgX = false;  // "(x)" closes right after the letter here
  return f;
}

float LetterWidth(const lk::Surface& p) { return p.TextWidth(QStringLiteral("A")); }
float LetterHeight(const lk::Surface& p) { return p.TextHeight(QStringLiteral("A")); }

}  // namespace

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  AddMenu(kMenu);
  picTitle_ = AddPicture(3180, 195, 5415, 630, lk::ScaleMode::Twips);
  // pic(1) is measured in pixels, so px and py give its pixel positions;
  // the text pictures use twips like the window.
  pic_[1] = AddPicture(kGraphLeft, kGraphTop, kGraphSize, kGraphSize, lk::ScaleMode::Pixels);
  pic_[2] = AddPicture(kTextLeft, kSumTop, kTextWidth, kNarrationHeight, lk::ScaleMode::Twips);
  pic_[3] = AddPicture(kTextLeft, kSumTop + kNarrationHeight + kListGap, kTextWidth, kListHeight,
                       lk::ScaleMode::Twips);
  for (int i = 1; i <= 3; ++i) {
    pic_[i]->hide();
    sectionWidgets.push_back(pic_[i]);
  }
  pic_[2]->setPaintHandler([this](lk::Surface& p) { PaintCompleteness(p); });
}

lk::Picture* mainWindow::pic(int index) const {
  return index >= 1 && index <= 3 ? pic_[index] : nullptr;
}

int mainWindow::px(double x) const { return zp::px(mode, W_, x); }
int mainWindow::py(double y) const { return zp::py(mode, H_, y); }

void mainWindow::PlacePicture(lk::Picture* p, double left, double top, double width,
                              double height) {
  lk::PlaceTw(p, left, top, width, height);
  // The surface takes its size now, so drawing may start before the picture
  // has been shown.
  p->surface().Resize(p->width(), p->height());
}

// P with the subscript n, at the cursor.
void mainWindow::ShowPn(lk::Surface& p, float& x, float y) {
  lk::PrintVar(p, x, y, QStringLiteral("P"));
  lk::PrintSub(p, x, y, QStringLiteral("n"));
}

void mainWindow::Form_Load() {
  lk::Surface& t = picTitle_->surface();
  t.Resize(picTitle_->width(), picTitle_->height());
  t.Cls();
  t.FontSize = 18;
  float x = 0;
  lk::PrintText(t, x, 0, QStringLiteral("《 ルジャンドル多項式 "));
  ShowPn(t, x, 0);
  lk::PrintArgX(t, x, 0);
  lk::PrintText(t, x, 0, QStringLiteral(" 》"));
}

void mainWindow::LblA_Click(int item) {
  if (mode != zp::kModeIdle) return;
  switch (item) {
    case 1:
      mode = zp::kModeGraphs;
      Exec1();
      break;
    case 2:
      mode = zp::kModeSums;
      Exec2();
      break;
    case 3:
      Form_Unload();
      break;
    default:
      break;
  }
}

// ---- Number entry -------------------------------------------------------

QString mainWindow::StrInput(int kind) {
  lk::NumEntry entry;
  entry.a = kEntryA;
  entry.b = kEntryB;
  entry.kind = kind;
  // No decimal point anywhere; the comma picks a colour in section 1, the
  // minus sign puts y left of the middle.
  lk::AllowDot = 0;
  lk::AllowComma = kind == kAskDegree ? 1 : 0;
  lk::AllowMinus = kind == kAskPoint ? 1 : 0;
  switch (kind) {
    case kAskDegree:
      entry.proposal = lk::NumStrQ(n_);
      break;
    case kAskPoint:
      if (y_ != 0) entry.proposal = Q(lk::PlainNumStr(y_));
      lk::WidenFactor = kPointWiden;
      break;
    case kAskTerms:
      if (N_ != 0) entry.proposal = lk::NumStrQ(N_);
      break;
    default:
      break;
  }
  return lk::StrInput(*this, entry);
}

void mainWindow::PaintInput(lk::Surface& pic) {
  const float w = LetterWidth(pic), h = LetterHeight(pic);
  const float y = 0.2f * h;
  float x = 0;
  switch (lk::InputKind) {
    case kAskDegree:
      lk::PrintText(pic, x, y, QStringLiteral("次数 "));
      lk::PrintVar(pic, x, y, QStringLiteral(" n "));
      lk::PrintText(pic, x, y, QStringLiteral(" を指定して下さい (0～20)"));
      break;
    case kAskPoint:
      x = 4 * w;
      lk::PrintVar(pic, x, y, QStringLiteral("y"));
      x += 0.5f * w;
      lk::PrintText(pic, x, y, QStringLiteral("の値を指定して下さい"));
      break;
    case kAskTerms:
      lk::PrintText(pic, x, y, QStringLiteral(" 加える項の数 "));
      lk::PrintVar(pic, x, y, QStringLiteral("N"));
      x += 0.5f * w;
      lk::PrintText(pic, x, y, QStringLiteral("(9<"));
      x += 0.2f * w;
      lk::PrintVar(pic, x, y, QStringLiteral("N"));
      x += 0.2f * w;
      lk::PrintText(pic, x, y, QStringLiteral("<101)"));
      break;
    default:
      break;
  }
}

// ---- Section 1: graphs of P_n ------------------------------------------

void mainWindow::Exec1() {
  Invis();
  lk::Picture* plot = pic_[1];
  PlacePicture(plot, kGraphLeft, kGraphTop, kGraphSize, kGraphSize);
  plot->surface().SetBackColor(lk::col::PlotBack);
  plot->show();
  W_ = plot->surface().ScaleWidth();
  H_ = plot->surface().ScaleHeight();
  DrawFrame1();
  lk::CurColor = 0;
  curves_.Clear();
  n_ = 0;
  Form_Paint();

  for (;;) {
    const QString text = StrInput(kAskDegree);
    if (text.isEmpty()) {
      LeaveSection();
      return;
    }
    // The curve before the new one is set off by a thicker line, also when
    // the new entry is then refused.
    if (!curves_.Empty()) DrawGraph(curves_.Last().degree, false);
    const zp::Checked<int> degree = zp::CheckDegree(lk::Val(S(text)));
    n_ = degree.value;
    if (!degree.accepted) {
      lk::SoundDing();
      continue;  // the dialog offers the nearest allowed degree
    }
    lk::CurColor = lk::NextColor(S(text));
    // A full list starts afresh; so does the picture, so that every curve
    // shown has its row in the list.
    if (curves_.Add(n_, lk::CurColor)) DrawFrame1();
    Form_Paint();
    DrawGraph(n_, true);
    ++n_;
  }
}

// Back to the menu from either section: the pictures go away empty, the
// lists start afresh, and the window's own text is cleared.
void mainWindow::LeaveSection() {
  StopTimer1();
  for (int i = 1; i <= 3; ++i) {
    pic_[i]->hide();
    pic_[i]->surface().Cls();
  }
  curves_.Clear();
  rows_ = 0;
  mode = zp::kModeIdle;
  form().Cls();
  Vis();
}

// Draws P_n over the graph grid: paced, a curve takes 4 s (the constant P_0
// with a broad pen, so it shows along the top edge); not paced, at once with
// the medium pen, to set off the previous curve.
void mainWindow::DrawGraph(int n, bool paced) {
  DrawCurve(
      zp::kGraphLastIndex, [n](int k) { return zp::GraphPoint(n, k); },
      !paced ? 2 : (n == 0 ? 3 : 1), paced ? zp::GraphPointDue : nullptr);
}

// A curve on the plot in the current colour: a dot at point 0, then a line to
// each further point.  With due, point k waits until due(k) seconds after the
// start, so the pace does not depend on the machine; without, all at once.
void mainWindow::DrawCurve(int last, const std::function<zp::PlotPoint(int)>& point, int width,
                           double (*due)(int)) {
  lk::Surface& s = pic_[1]->surface();
  const lk::Color c = lk::CurColor;
  const double start = lk::Now();
  s.DrawWidth = width;
  for (int k = 0; k <= last; ++k) {
    const zp::PlotPoint p = point(k);
    if (k == 0)
      s.PSet(float(px(p.x)), float(py(p.y)), c);
    else
      s.LineTo(float(px(p.x)), float(py(p.y)), c);
    if (due) lk::WaitUntil(start + due(k));
  }
  s.DrawWidth = 1;
}

void mainWindow::DrawFrame1() {
  lk::Surface& s = pic_[1]->surface();
  s.Cls();
  s.FontSize = 11;
  s.ForeColor = lk::col::Black;
  s.DrawWidth = 1;
  // The single border of the picture.
  s.Box(0, 0, float(W_ - 1), float(H_ - 1), kBorderColor, false);

  s.Style = lk::DrawStyle::Dot;
  for (double v : zp::GraphGridValues()) {
    s.Line(float(px(v)), float(py(1)), float(px(v)), float(py(-1)), kGridColor);
    s.Line(float(px(1)), float(py(v)), float(px(-1)), float(py(v)), kGridColor);
  }
  s.Style = lk::DrawStyle::Solid;

  s.Line(float(px(-1)), float(py(0)), float(px(1)), float(py(0)));
  s.Line(float(px(0)), float(py(-1)), float(px(0)), float(py(1)));
  for (double v : {-0.5, 0.5}) {
    s.Line(float(px(v)), float(py(-0.02)), float(px(v)), float(py(0.02)));
    s.Line(float(px(-0.02)), float(py(v)), float(px(0.02)), float(py(v)));
  }

  s.FontSize = 10;
  float x = float(px(0.45));
  lk::PrintText(s, x, float(py(-0.02)), QStringLiteral("0.5"));
  x = float(px(-0.58));
  lk::PrintSign(s, x, float(py(-0.02)), QStringLiteral("-"));
  lk::PrintText(s, x, float(py(-0.02)), QStringLiteral("0.5"));
}

// The heading and the list of the curves drawn, printed on the window.
void mainWindow::Form_Paint() {
  if (mode < zp::kModeGraphs || mode > zp::kModeGraphs + 9) return;
  lk::Surface& f = form();
  f.Cls();
  f.FontSize = 13;
  f.ForeColor = lk::col::Black;
  f.FontBold = false;
  float x = 0.97f * f.ScaleWidth();
  lk::PrintVar(f, x, 0.46f * f.ScaleHeight(), QStringLiteral("x"));

  const float w = LetterWidth(f), t = LetterHeight(f);
  x = w;
  f.FontBold = true;
  lk::PrintText(f, x, 3 * t, QStringLiteral("ルジャンドル多項式 "));
  f.FontBold = false;
  ShowPn(f, x, 3 * t);
  lk::PrintArgX(f, x, 3 * t);
  lk::PrintText(f, x, 3 * t, QStringLiteral(" の"));
  x = w;
  lk::PrintText(f, x, 4 * t, QStringLiteral("グラフを描きます."));

  // One row per curve, a letter height apart from the sixth line on; a long
  // list closes up so that its last row stays above the entry dialog.
  const int count = curves_.Count();
  float step = t;
  if (count > 1) step = std::min(t, (kEntryB * f.ScaleHeight() - 7 * t) / float(count - 1));
  for (int i = 1; i <= count; ++i) {
    const zp::Curve& c = curves_.At(i);
    const float y = 6 * t + float(i - 1) * step;
    x = 4 * w;
    lk::PrintText(f, x, y, QStringLiteral("次数"));
    x += 1.2f * w;
    lk::PrintVar(f, x, y, QStringLiteral("n "));
    lk::PrintText(f, x, y, QStringLiteral("＝ ") + lk::NumStrQ(c.degree));
    lk::PrintSwatch(f, x, y, c.color);
  }
}

// ---- Section 2: completeness -------------------------------------------

void mainWindow::Exec2() {
  Invis();
  PlacePicture(pic_[1], kSumLeftShare * kClientWidth, kSumTop, kSumWidth, kSumHeight);
  PlacePicture(pic_[2], kTextLeft, kSumTop, kTextWidth, kNarrationHeight);
  PlacePicture(pic_[3], kTextLeft, kSumTop + kNarrationHeight + kListGap, kTextWidth,
               kListHeight);
  W_ = pic_[1]->surface().ScaleWidth();
  H_ = pic_[1]->surface().ScaleHeight();

  pic_[2]->show();
  HitAnyKey();

  pic_[1]->show();
  pic_[3]->show();
  lk::CurColor = 0;
  y_ = zp::kPresetPoint;
  rows_ = 0;
  DrawFrame2();
  pic_[3]->surface().Cls();
  mode = zp::kModeAskPoint;
  StartTimer1(10);
}

void mainWindow::Timer1_Timer() {
  if (mode == zp::kModeAskPoint)
    Exec22();
  else if (mode == zp::kModeAskTerms)
    Exec23();
}

// Asks for the point y; an empty entry leaves the section.
void mainWindow::Exec22() {
  const QString text = StrInput(kAskPoint);
  if (text.isEmpty()) {
    LeaveSection();
    return;
  }
  const zp::Checked<double> point = zp::CheckPoint(lk::Val(S(text)));
  y_ = point.value;
  if (!point.accepted) return;  // the next tick offers +-0.9
  PrintPointRow();
  mode = zp::kModeAskTerms;
}

// Asks for numbers of terms and draws their partial sums; an empty entry
// goes back to asking for y.  Every new y starts the series 10, 20, 40, 100
// afresh.
void mainWindow::Exec23() {
  N_ = zp::kFirstTerms;
  for (;;) {
    const QString text = StrInput(kAskTerms);
    if (text.isEmpty()) {
      mode = zp::kModeAskPoint;
      return;
    }
    const zp::Checked<int> terms = zp::CheckTerms(lk::Val(S(text)));
    N_ = terms.value;
    if (!terms.accepted) continue;
    lk::CurColor = lk::NextColor(S(text));

    lk::Surface& list = pic_[3]->surface();
    const float top = NextRow(true);
    const float w = LetterWidth(list);
    float x = 6 * w;
    lk::PrintVar(list, x, top, QStringLiteral("N "));
    lk::PrintText(list, x, top, QStringLiteral("＝ ") + lk::NumStrQ(N_));
    lk::PrintSwatch(list, x, top, lk::CurColor);

    DrawPartialSum();
    N_ = zp::NextTerms(N_);
  }
}

// The top of the next row of pic(3).  When the picture is full it starts
// again from the top; an N row then gets its y row above it again.
float mainWindow::NextRow(bool keepPoint) {
  lk::Surface& list = pic_[3]->surface();
  list.FontSize = 12;
  const float t = LetterHeight(list);
  if ((float(rows_) + 0.2f) * t + t > list.ScaleHeight()) {
    list.Cls();
    rows_ = 0;
    if (keepPoint) PrintPointRow();
  }
  ++rows_;
  return (float(rows_) - 0.8f) * t;
}

void mainWindow::PrintPointRow() {
  lk::Surface& list = pic_[3]->surface();
  const float top = NextRow(false);
  float x = 4 * LetterWidth(list);
  lk::PrintVar(list, x, top, QStringLiteral(" y "));
  lk::PrintText(list, x, top, QStringLiteral("の値: ") + lk::FormatQ(y_, "#0.###"));
}

// S_N(x; y) over the sum grid with the medium pen; a curve takes 2 s.
void mainWindow::DrawPartialSum() {
  const int N = N_;
  const double y = y_;
  DrawCurve(
      zp::kSumLastIndex, [N, y](int k) { return zp::SumPoint(N, y, k); }, 2, zp::SumPointDue);
}

void mainWindow::DrawFrame2() {
  lk::Surface& s = pic_[1]->surface();
  s.SetBackColor(lk::col::PlotBack);
  s.ForeColor = kSumFrameColor;
  s.DrawWidth = 1;
  s.Style = lk::DrawStyle::Solid;

  s.FontSize = 11;
  float x = float(px(1.03));
  lk::PrintVar(s, x, float(py(0.65)), QStringLiteral("x"));
  s.FontSize = 10;

  const float labelY = float(py(zp::kSumLabelY));
  for (const zp::AxisTick& tick : zp::SumXTicks()) {
    if (tick.top > 0)
      s.Line(float(px(tick.v)), float(py(tick.top)), float(px(tick.v)), float(py(0)));
    if (!tick.label.empty()) {
      x = float(px(tick.labelX));
      lk::PrintText(s, x, labelY, Q(tick.label));
    }
  }
  x = float(px(-1.05));
  lk::PrintText(s, x, labelY, QStringLiteral("-1"));
  x = float(px(0.92));
  lk::PrintText(s, x, labelY, QStringLiteral("1"));

  s.Box(float(px(-1)), float(py(zp::kSumBoxTop)), float(px(1)), float(py(zp::kSumBoxBottom)),
        s.ForeColor, false);
  s.Line(float(px(0)), float(py(zp::kSumBoxBottom)), float(px(0)), float(py(zp::kSumBoxTop)));
  s.Line(float(px(-1)), float(py(0)), float(px(1)), float(py(0)));

  for (double v : zp::kSumYTicks) {
    s.Line(float(px(0.05)), float(py(v)), float(px(0)), float(py(v)));
    const QString label = lk::NumStrQ(v);
    x = float(px(-0.08)) - 0.5f * s.TextWidth(label);
    lk::PrintText(s, x, float(py(v + 0.6)), label);
  }
}

// The statement of completeness, on pic(2).
void mainWindow::PaintCompleteness(lk::Surface& p) {
  p.FontSize = 13;
  p.ForeColor = lk::col::Black;
  const float t = LetterHeight(p);
  auto line = [t](int i) { return 0.6f * t + 1.2f * t * float(i - 1); };
  float x = 0, y = line(1);
  lk::PrintText(p, x, y, QStringLiteral("　ルジャンドル多項式 "));
  ShowPn(p, x, y);
  lk::PrintArgX(p, x, y);
  lk::PrintText(p, x, y, QStringLiteral(" は，完全系を成し"));

  x = 0;
  y = line(2);
  lk::PrintText(p, x, y, QStringLiteral("ます。すなわち  ("));
  lk::PrintVar(p, x, y, QStringLiteral("n"));
  lk::PrintText(p, x, y, QStringLiteral("＋"));
  lk::PrintHalf(p, x, y);
  lk::PrintText(p, x, y, QStringLiteral(")"));
  ShowPn(p, x, y);
  lk::PrintArgX(p, x, y);
  ShowPn(p, x, y);
  lk::PrintArgY(p, x, y);
  lk::PrintText(p, x, y, QStringLiteral("を"));
  lk::PrintVar(p, x, y, QStringLiteral("n"));
  lk::PrintText(p, x, y, QStringLiteral("＝0"));

  x = 0;
  y = line(3);
  lk::PrintText(p, x, y, QStringLiteral("から"));
  lk::PrintText(p, x, y, QStringLiteral("∞"));
  lk::PrintText(p, x, y, QStringLiteral("まで加えると，その結果は デルタ関数"));

  x = 0;
  y = line(4);
  lk::PrintText(p, x, y, QStringLiteral("δ"));
  lk::PrintText(p, x, y, QStringLiteral("("));
  lk::PrintVar(p, x, y, QStringLiteral("x"));
  lk::PrintText(p, x, y, QStringLiteral("－"));
  lk::PrintVar(p, x, y, QStringLiteral("y"));
  lk::PrintText(p, x, y, QStringLiteral(") になります。"));

  lk::PrintStay(p, line(5), QStringLiteral("　無限項の和をまともに計算することは不可能"));
  lk::PrintStay(p, line(6), QStringLiteral("ですが，和の項数を増していったときに"));
  lk::PrintStay(p, line(7), QStringLiteral("デルタ関数に近づく様子を観察しましょう。"));
}
