#include "mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "fonts.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;

namespace {

namespace sl = spikelimit;

// ---- The window as designed (twips) ------------------------------------

constexpr int kClientWidth = 9510, kClientHeight = 6720;
constexpr float kNarrationSize = 12, kTitleSize = 15, kItemSize = 14.25f;

// Section 1: three pictures stacked on the right, a little apart.
constexpr double kStepLeft = 5190, kStepTop = 600, kStepWidth = 3960, kStepHeight = 2010;
constexpr double kStepGap = 1.02;

// Section 2: the plot on the right.
constexpr double kPlotLeft = 5000, kPlotTop = 600, kPlotWidth = 4500, kPlotHeight = 5400;

// Where the key prompt and the number-entry dialog open, as shares of the
// window; both sit over its lower edge, flush with its left side.
constexpr float kPromptA = 0, kPromptB = 0.94f;
constexpr float kEntryA = 0, kEntryB = 0.92f;

constexpr lk::Color kAxisColor = lk::RGB(51, 51, 192);
constexpr lk::Color kGraphColor = lk::RGB(192, 0, 96);
constexpr lk::Color kStepLabelColor = lk::RGB(51, 51, 192);
constexpr lk::Color kPlotLabelColor = lk::RGB(51, 51, 163);

// The world windows of the pictures.
constexpr double kStepXMin = -1, kStepXMax = 1, kStepYMin = -0.2, kStepYMax = 1.2;
// The labels of the section 2 plot: the tick numbers below the x axis, and
// the number beside a y tick a little above it.
constexpr double kTickLabelY = -0.2, kYLabelRise = 0.43;

// LblA(4) only asks for a choice; it is not an item.
constexpr lk::MenuLabel kMenu[] = {
    {1, "１． デルタ関数の説明", 1800, 1500, kItemSize},
    {2, "２． 関数の極限として定義されるデルタ関数", 1800, 2310, kItemSize},
    {3, "３． 終 了 (Esc)", 1800, 3150, kItemSize},
    {4, "どれにしますか ？", 2475, 4095, 12.0f},
};

lk::FrameParams Params() {
  lk::FrameParams f;
  f.caption = QStringLiteral(" デルタ関数　( 第 ３ 章 )");
  f.clientWidth = kClientWidth;
  f.clientHeight = kClientHeight;
  f.fontSize = kNarrationSize;
  lk::ChooseByNumber(f, 2, lk::kDigitKeys | lk::kFunctionKeys);
  f.endKeysAtMenu = {lk::key::Digit0 + 3};
  f.endKeysAnyTime = {lk::key::Esc};
  f.promptA = kPromptA;
  f.promptB = kPromptB;
  f.promptWait = lk::PromptWait::Modal;
  f.promptTakesBackColor = true;
  // Esc ends the lesson at any time, so also at the key prompt.
  f.promptEscEnds = true;
  return f;
}

float LetterWidth(const lk::Surface& p) { return p.TextWidth(QStringLiteral("A")); }
float LetterHeight(const lk::Surface& p) { return p.TextHeight(QStringLiteral("A")); }

// The text of L as the lesson shows it: a blank before a non-negative number.
QString LText(double L) { return (L < 0 ? QString() : QStringLiteral(" ")) + lk::NumStrQ(L); }

}  // namespace

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  title_ = new QLabel(QStringLiteral("《　デ ル タ 関 数　》"), this);
  title_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), kTitleSize, false, false));
  title_->setAlignment(Qt::AlignCenter);
  lk::PlaceTw(title_, 2835, 135, 3255, 465);

  AddMenu(kMenu);
  // All four pictures are measured in pixels, so px and py give their pixel
  // positions.
  pic_[0] = AddPicture(kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight, lk::ScaleMode::Pixels);
  for (int i = 1; i <= 3; ++i)
    pic_[i] = AddPicture(kStepLeft, kStepTop, kStepWidth, kStepHeight, lk::ScaleMode::Pixels);
  for (lk::Picture* p : pic_) {
    p->hide();
    sectionWidgets.push_back(p);
  }
}

lk::Picture* mainWindow::pic(int index) const {
  return index >= 0 && index <= 3 ? pic_[index] : nullptr;
}

void mainWindow::Form_Load() { L_ = sl::kFirstL; }

void mainWindow::LblA_Click(int item) {
  if (mode != sl::kModeMenu) return;
  switch (item) {
    case 1:
      mode = sl::kModeKink;
      Exec1();
      break;
    case 2:
      mode = sl::kModeLimit;
      Exec2();
      break;
    case 3:
      Form_Unload();
      break;
    default:
      break;  // LblA(4) is the question, not an item
  }
}

void mainWindow::PlacePicture(lk::Picture* p, double left, double top, double width,
                              double height) {
  lk::PlaceTw(p, left, top, width, height);
  // The surface takes its size now, so drawing may start before the picture
  // has been shown.
  p->surface().Resize(p->width(), p->height());
}

void mainWindow::SetFrame(const lk::Surface& s, double xmin, double xmax, double ymin,
                          double ymax) {
  plot.xmin = xmin;
  plot.xmax = xmax;
  plot.ymin = ymin;
  plot.ymax = ymax;
  plot.W = int(s.ScaleWidth());
  plot.H = int(s.ScaleHeight());
}

// ---- Section 1: kink, step and spike ------------------------------------

void mainWindow::Exec1() {
  Invis();
  for (int i = 1; i <= 3; ++i) {
    const double top = kStepTop + (i - 1) * kStepGap * kStepHeight;
    PlacePicture(pic_[i], kStepLeft, top, kStepWidth, kStepHeight);
    DrawPic(i);
  }
  Form_Paint();
  pic_[1]->show();
  HitAnyKey();
  ShowStep(sl::kModeStep, 2);
  HitAnyKey();
  ShowStep(sl::kModeDelta, 3);
  HitAnyKey();
  ShowStep(sl::kModeSummary, 0);
  HitAnyKey();
  mode = sl::kModeMenu;
  Form_Paint();  // clears the narration
  Vis();
}

// The next step of section 1: its narration and, if any, its picture.
void mainWindow::ShowStep(int nextMode, int picture) {
  mode = nextMode;
  Form_Paint();
  if (picture > 0) pic_[picture]->show();
}

// Picture 1: the function with a kink, 2: its derivative, the step,
// 3: the second derivative, the spike.
void mainWindow::DrawPic(int index) {
  lk::Surface& s = pic_[index]->surface();
  s.SetBackColor(lk::col::PlotBack);
  SetFrame(s, kStepXMin, kStepXMax, kStepYMin, kStepYMax);
  const float w = LetterWidth(s);
  const float W = float(plot.W), H = float(plot.H);
  const float X0 = float(px(0)), Y0 = float(py(0));

  s.DrawWidth = 1;
  s.Line(0, Y0, W, Y0, kAxisColor);
  s.Line(X0, 0, X0, H, kAxisColor);
  s.ForeColor = kStepLabelColor;
  float x = float(px(0.9));
  lk::PrintVar(s, x, float(py(0.2)), QStringLiteral("x"));

  s.DrawWidth = 2;
  s.ForeColor = kGraphColor;
  const float labelY = float(py(1.1));
  switch (index) {
    case 1:
      x = float(px(-0.3));
      lk::PrintVar(s, x, labelY, QStringLiteral("f"));
      x += 0.2f * w;
      lk::PrintArgX(s, x, labelY);
      s.Line(0, Y0, X0, Y0, kGraphColor);
      s.Line(X0, Y0, float(px(1)), float(py(1)), kGraphColor);
      break;
    case 2:
      x = float(px(-0.35));
      lk::PrintVar(s, x, labelY, QStringLiteral("f"));
      lk::PrintPrime(s, x, labelY);
      lk::PrintArgX(s, x, labelY);
      s.Line(0, Y0, X0, Y0, kGraphColor);
      s.Line(X0, Y0, X0, float(py(0.5)), kGraphColor);
      s.Line(X0, float(py(0.5)), W, float(py(0.5)), kGraphColor);
      break;
    default:
      x = float(px(-0.38));
      lk::PrintVar(s, x, labelY, QStringLiteral("f"));
      lk::PrintDoublePrime(s, x, labelY);
      lk::PrintArgX(s, x, labelY);
      s.Line(0, Y0, W, Y0, kGraphColor);
      s.Line(X0, Y0 - 1, X0, 0, kGraphColor);
      break;
  }
  s.DrawWidth = 1;
}

// The narration of section 1: each step adds its lines to those before.
void mainWindow::PaintNarration(lk::Surface& f) {
  const float w = LetterWidth(f), h = LetterHeight(f);
  const float x0 = 0.8f * w;
  auto line = [h](float k) { return 2 * h + k * h; };
  auto say = [&](float k, const char* text) {
    float x = x0;
    lk::PrintText(f, x, line(k), Q(text));
  };

  float x = x0, y = line(0);
  lk::PrintText(f, x, y, QStringLiteral("  右図のように折れ曲がりのある関数"));
  lk::PrintVar(f, x, y, QStringLiteral("f"));
  lk::PrintArgX(f, x, y);
  lk::PrintText(f, x, y, QStringLiteral("を"));
  x = x0 + w;
  y = line(1);
  lk::PrintVar(f, x, y, QStringLiteral("x"));
  lk::PrintText(f, x, y, QStringLiteral(" について微分すると ･ ･ ･"));
  if (mode < sl::kModeStep) return;

  x = x0;
  y = line(3.5f);
  lk::PrintText(f, x, y, QStringLiteral("　このように，階段関数"));
  x += 0.7f * w;
  lk::PrintSym(f, x, y, QStringLiteral("q"));  // theta
  lk::PrintArgX(f, x, y);
  lk::PrintText(f, x, y, QStringLiteral("が得られます。"));
  say(4.5f, "さらにこれを微分すると ･ ･ ･");
  if (mode < sl::kModeDelta) return;

  x = x0;
  y = line(6.5f);
  lk::PrintText(f, x, y, QStringLiteral("このように，デルタ関数"));
  x += 0.7f * w;
  lk::PrintSym(f, x, y, QStringLiteral("d"));  // delta
  lk::PrintArgX(f, x, y);
  lk::PrintText(f, x, y, QStringLiteral("になります。"));
  say(8, "　デルタ関数は，一点だけで値を持つ関数");
  say(9, "なので，グラフに正確には表現できません。");
  if (mode < sl::kModeSummary) return;

  say(11, "　右の図を下から上へ順に見ると ･ ･ ･");
  say(12, "デルタ関数を２回積分すると，折れ曲がりの");
  say(13, "ある関数が得られることが分かります。");
}

// ---- Section 2: the limit of sin(Lx)/(pi x) -----------------------------

void mainWindow::Exec2() {
  Invis();
  PlacePicture(pic_[0], kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight);
  pic_[0]->show();
  DrawPic0();
  curves_.Clear();
  Form_Paint();
  lk::CurColor = 0;

  for (;;) {
    const QString text = StrInput();
    if (text.trimmed().isEmpty()) break;
    // No row left for another curve: the comparison on the screen stays
    // whole until the section starts again.
    if (curves_.Full(ListRoom())) {
      lk::SoundDing();
      continue;
    }
    const sl::Checked entry = sl::CheckL(lk::Val(S(text)));
    L_ = entry.value;
    if (!entry.accepted) continue;  // the dialog offers the nearer limit
    lk::CurColor = lk::NextColor(S(text));
    curves_.Add(L_, lk::CurColor, ListRoom());
    Form_Paint();
    DrawSpike(L_);
  }
  LeaveSection2();
}

void mainWindow::LeaveSection2() {
  pic_[0]->surface().DrawWidth = 1;
  mode = sl::kModeMenu;
  curves_.Clear();
  form().Cls();
  Vis();
}

// Only whole numbers can be typed; the comma picks the colour.
QString mainWindow::StrInput() {
  lk::AllowComma = 1;
  lk::AllowMinus = 0;
  lk::AllowDot = 0;
  lk::NumEntry entry;
  entry.a = kEntryA;
  entry.b = kEntryB;
  entry.proposal = LText(L_);
  return lk::StrInput(*this, entry);
}

void mainWindow::PaintInput(lk::Surface& pic) {
  const float w = LetterWidth(pic), h = LetterHeight(pic);
  float x = 0.1f * w;
  const float y = 0.2f * h;
  lk::PrintVar(pic, x, y, QStringLiteral(" L "));
  lk::PrintText(pic, x, y, QStringLiteral("の値 [10～63] を指定して下さい."));
}

// sin(Lx)/(pi x) in the current colour with a broad pen, one sample after
// another at the pace of the clock: a curve takes 4 s, however fast the
// machine is.
void mainWindow::DrawSpike(double L) {
  lk::Surface& s = pic_[0]->surface();
  const lk::Color c = lk::CurColor;
  const double start = lk::Now();
  s.DrawWidth = 2;
  for (int k = 0; k <= sl::kLastIndex; ++k) {
    const sl::PlotPoint p = sl::SpikePoint(L, k);
    if (k == 0)
      s.PSet(float(px(p.x)), float(py(p.y)), c);
    else
      s.LineTo(float(px(p.x)), float(py(p.y)), c);
    lk::WaitUntil(start + sl::PointDue(k));
  }
  s.DrawWidth = 1;
}

// The axes of the plot, their ticks and labels, on a clean picture.
void mainWindow::DrawPic0() {
  lk::Surface& s = pic_[0]->surface();
  s.SetBackColor(lk::col::PlotBack);
  SetFrame(s, sl::kPlotXMin, sl::kPlotXMax, sl::kPlotYMin, sl::kPlotYMax);
  const float W = float(plot.W), H = float(plot.H);
  const float X0 = float(px(0)), Y0 = float(py(0));

  s.DrawWidth = 1;
  s.Line(0, Y0, W, Y0, kAxisColor);
  s.Line(X0, 0, X0, H, kAxisColor);
  for (const sl::Tick& t : sl::XTicks())
    s.Line(float(px(t.x)), Y0, float(px(t.x)), float(py(t.top)), kAxisColor);
  for (double y : sl::kYTicks) s.Line(float(px(-0.05)), float(py(y)), X0, float(py(y)), kAxisColor);

  s.ForeColor = kPlotLabelColor;
  const float size = s.FontSize;
  s.FontSize = 11;
  float x = float(px(0.9));
  lk::PrintVar(s, x, float(py(-1)), QStringLiteral("x"));
  s.FontSize = 9;
  const float below = float(py(kTickLabelY));
  x = float(px(-0.6));
  lk::PrintText(s, x, below, QStringLiteral("-0.5"));
  x = float(px(0.44));
  lk::PrintText(s, x, below, QStringLiteral("0.5"));
  for (double y : sl::kYTicks) {
    x = float(px(0.05));
    lk::PrintText(s, x, float(py(y + kYLabelRise)), lk::NumStrQ(y));
  }
  s.FontSize = size;
}

// The heading of section 2 with its formula, and the list of the curves.
void mainWindow::PaintLimit(lk::Surface& f) {
  const float w = LetterWidth(f), h = LetterHeight(f);
  const float x0 = 1.5f * w, y0 = 2 * h;

  float x = x0;
  lk::PrintText(f, x, y0, QStringLiteral("　ここでは，"));
  lk::PrintVar(f, x, y0, QStringLiteral("x"));
  lk::PrintText(f, x, y0, QStringLiteral("  の関数"));

  // sin(Lx) over pi x, stacked, with its equation number on the right.
  x = x0 + 5.1f * w;
  float y = y0 + 1.2f * h;
  lk::PrintSign(f, x, y, QStringLiteral("sin"));
  lk::PrintVar(f, x, y, QStringLiteral("L"));
  lk::PrintVar(f, x, y, QStringLiteral("x"));
  y = y0 + 2.1f * h;
  f.Line(x0 + 5 * w, y, x0 + 11 * w, y, lk::col::Black);
  x = x0 + 7 * w;
  lk::PrintPi(f, x, y);
  lk::PrintVar(f, x, y, QStringLiteral("x"));
  {
    const float size = f.FontSize;
    f.FontSize = 0.9f * size;
    x = x0 + 23 * w;
    lk::PrintText(f, x, y0 + 1.7f * h, QStringLiteral("(3.4)"));
    f.FontSize = size;
  }

  x = x0;
  y = y0 + 3.5f * h;
  lk::PrintText(f, x, y, QStringLiteral("が"));
  lk::PrintVar(f, x, y, QStringLiteral("L"));
  lk::PrintText(f, x, y, QStringLiteral("→"));
  x += 0.3f * w;
  lk::PrintText(f, x, y, QStringLiteral("∞ の極限でデルタ関数に近づく"));
  x = x0;
  lk::PrintText(f, x, y0 + 4.5f * h, QStringLiteral("様子を調べます。"));

  PaintList(f, x0, y0);
}

// One row per curve from the sixth line on; when the rows reach the entry
// dialog they go on in a second column.
void mainWindow::PaintList(lk::Surface& f, float x0, float y0) {
  const float w = LetterWidth(f), h = LetterHeight(f);
  const float column = ListColumnWidth(f);
  const int perColumn = RowsPerColumn();
  for (int i = 1; i <= curves_.Count(); ++i) {
    const sl::Curve& c = curves_.At(i);
    const sl::ListSlot at = sl::PlaceInList(i, perColumn);
    float x = x0 + 2 * w + float(at.column) * column;
    const float y = y0 + float(at.row + 5) * h;
    lk::PrintVar(f, x, y, QStringLiteral("L "));
    lk::PrintText(f, x, y, QStringLiteral("＝"));
    x += 0.3f * w;
    lk::PrintText(f, x, y, LText(c.L));
    lk::PrintSwatch(f, x, y, c.color);
  }
}

// A row with the widest number, its swatch and a gap of two letters.
float mainWindow::ListColumnWidth(const lk::Surface& f) const {
  const float w = LetterWidth(f);
  const float row = f.TextWidth(QStringLiteral("L ＝")) + 0.3f * w + f.TextWidth(LText(sl::kMaxL)) +
                    6 * w;
  return row + 2 * w;
}

// Rows of the list that stay clear of the entry dialog, which covers the
// window from kEntryB of its outer height down.
int mainWindow::RowsPerColumn() {
  lk::Surface& f = form();
  const float h = LetterHeight(f);
  const QRect outer = frameGeometry();
  const int dialogTop = outer.top() + int(std::lround(kEntryB * outer.height())) - geometry().top();
  const float bottom = float(std::min(dialogTop, height())) * f.UnitsPerPixel();
  const float firstTop = 2 * h + 6 * h;
  return std::max(1, int((bottom - firstTop) / h));
}

// Columns of the list between the left edge and the plot.
int mainWindow::ListColumns() {
  lk::Surface& f = form();
  const float w = LetterWidth(f);
  const float start = 1.5f * w + 2 * w;
  const float column = ListColumnWidth(f);
  return std::max(1, 1 + int((float(kPlotLeft) - start - (column - 2 * w)) / column));
}

int mainWindow::ListRoom() {
  return std::min(sl::CurveList::kCapacity, RowsPerColumn() * ListColumns());
}

// ---- Both sections --------------------------------------------------------

void mainWindow::Form_Paint() {
  lk::Surface& f = form();
  f.Cls();
  f.ForeColor = lk::col::Black;
  f.FontSize = kNarrationSize;
  f.FontBold = false;
  if (mode >= sl::kModeKink && mode <= sl::kModeSummary)
    PaintNarration(f);
  else if (mode >= sl::kModeLimit)
    PaintLimit(f);
}
