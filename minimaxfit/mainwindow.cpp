#include "mainwindow.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <functional>

#include "dialogs.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;

namespace {

namespace mm = minimaxfit;

// ---- The window as designed (twips) ------------------------------------

constexpr double kClientWidth = 11910, kClientHeight = 8520;
constexpr double Fw = kClientWidth, Fh = kClientHeight;

constexpr int kModeIdle = 0, kModeGraphs = 10, kModeApprox = 20;
constexpr int kAskDegree = 0, kAskTruncation = 1;

// The number-entry dialog: where it opens (shares of the window) and how
// much narrower its box is than the toolkit's.
constexpr float kEntryA = 0.1f, kEntryB = 0.92f, kEntryNarrow = 0.015f;
// The press-any-key prompt.
constexpr float kPromptA = 0.1f, kPromptB = 0.94f;

// Section 1: the text area and the square plot right of it.
constexpr double kTextLeft = 0.05, kTextTop = 0.1, kText1Width = 0.36, kText1Height = 0.73;
constexpr double kSquareSize = 0.55;
// Approximation sections: the page-1 text area, the graphs of page 4.
constexpr double kTextWidth = 0.95, kTextHeight = 0.75;
constexpr double kTableRaise = 90, kTableStretch = 1.1;
constexpr double kGraphTextWidth = 0.4, kGraphTextHeight = 0.6;
constexpr double kPlotLeft = 0.48, kPlotTop = 0.1, kErrorTop = 0.47, kPlotWidth = 0.46,
                 kPlotHeight = 0.35;

constexpr float kTextSizeAtStart = 11.25f;

constexpr lk::Color kNavy = lk::RGB(0, 0, 64), kIntroColour = lk::RGB(0, 0, 64),
                    kAskColour = lk::RGB(0, 0, 192), kAxisLabelColour = lk::RGB(0, 0, 128),
                    kGridColour = lk::RGB(51, 51, 51), kTickColour = lk::RGB(51, 51, 200),
                    kEdgeColour = lk::RGB(0, 0, 64), kRemarkColour = lk::RGB(0, 0, 128);

// The menu (1 .. 4, 6 the end), the question (7) and the introduction (8 .. 10).
constexpr lk::MenuLabel kMenu[] = {
    {1, "１． チェビシェフ多項式のグラフを描く.", 2460, 3555, 14.25f},
    {2, "２． チェビシェフ多項式を関数近似に応用する（その１）", 2460, 4200, 14.25f},
    {3, "３． 関数近似（その２）", 2460, 4875, 14.25f},
    {4, "４． 関数近似（その３）", 2460, 5535, 14.25f},
    {6, "５． 終 了 (Esc)", 2460, 6180, 14.25f},
    {7, "どれにしますか ？", 2595, 6855, 12.0f, kAskColour},
    {8, "と定義される関数です。ルジャンドル多項式とよく似た性質を持ちます｡", 720, 1935,
     14.25f, kIntroColour},
    {9, "ただし，ミニマックス性を備えている点が ルジャンドル多項式との大きな違いです｡", 720, 2430,
     14.25f, kIntroColour},
    {10, "物理ではあまり使いませんが，関数近似で 重要な役割を果たします。", 720, 2910,
     14.25f, kIntroColour},
};

lk::FrameParams Params() {
  lk::FrameParams f;
  f.caption = QStringLiteral(" チェビシェフ多項式　( 97-98 ページ )");
  f.clientWidth = int(kClientWidth);
  f.clientHeight = int(kClientHeight);
  // "1" .. "4" and F1 .. F4 choose the items; "5", F5 and Esc end.  The
  // numeric pad does nothing.
  constexpr int keys = lk::kDigitKeys | lk::kFunctionKeys;
  lk::ChooseByNumber(f, 4, keys);
  f.endKeysAtMenu = lk::NumberKeys(5, keys);
  f.endKeysAtMenu.insert(lk::key::Esc);
  f.promptA = kPromptA;
  f.promptB = kPromptB;
  f.promptWait = lk::PromptWait::UntilKey;
  return f;
}

float LetterWidth(const lk::Surface& p) { return p.TextWidth(QStringLiteral("A")); }
float LetterHeight(const lk::Surface& p) { return p.TextHeight(QStringLiteral("A")); }

void Text(lk::Surface& p, float& x, float y, const char* utf8) { lk::PrintText(p, x, y, Q(utf8)); }
void Var(lk::Surface& p, float& x, float y, const char* letter) { lk::PrintVar(p, x, y, Q(letter)); }

}  // namespace

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  AddMenu(kMenu);
  title_[0] = AddPicture(3465, 165, 4575, 465);
  title_[1] = AddPicture(900, 840, 7080, 510);
  title_[2] = AddPicture(2820, 1395, 6510, 480);
  menuTimeWidgets = {title_[1], title_[2]};

  // pic(0) is the text area; pic(1) and pic(2) are made like it and serve as
  // plots.  All three measure in pixels.
  for (int i = 0; i < 3; ++i) {
    pic_[i] = AddPicture(0, 0, 100, 100, lk::ScaleMode::Pixels, i > 0);
    pic_[i]->surface().FontSize = kTextSizeAtStart;
    if (i > 0) pic_[i]->surface().SetBackColor(lk::col::PlotBack);
    pic_[i]->hide();
    sectionWidgets.push_back(pic_[i]);
  }
}

lk::Picture* mainWindow::pic(int index) const {
  if (index >= 0 && index <= 2) return pic_[index];
  if (index >= 10 && index <= 12) return title_[index - 10];
  return nullptr;
}

int mainWindow::px(double x) const {
  if (mode == kModeGraphs) return mm::SquarePx(W_, float(x));
  if (mode == kModeApprox) return mm::RangePx(model_.a, model_.b, W_, float(x));
  return 0;
}

int mainWindow::py(double y) const {
  if (mode == kModeGraphs) return mm::SquarePy(H_, float(y));
  if (mode == kModeApprox) {
    if (errorPlot_) return mm::RangePy(eMax_, eMin_, H_, float(y));
    return mm::RangePy(model_.yMax, model_.yMin, H_, float(y));
  }
  return 0;
}

void mainWindow::PlacePicture(lk::Picture* p, double left, double top, double width,
                              double height) {
  lk::PlaceTw(p, left, top, width, height);
  // The surface takes its size now, so drawing may start before the picture
  // is shown.
  p->surface().Resize(p->width(), p->height());
}

// ---- Title --------------------------------------------------------------

void mainWindow::dspTnx(lk::Surface& p, float& x, float y) {
  Var(p, x, y, "T");
  lk::PrintSub(p, x, y, QStringLiteral("n"));
  lk::PrintArgX(p, x, y);
}

void mainWindow::pic10(lk::Surface& p) {
  p.FontSize = 15.75f;
  p.ForeColor = lk::col::Black;
  float x = 0;
  Text(p, x, 0, "《 チェビシェフ多項式 ");
  dspTnx(p, x, 0);
  Text(p, x, 0, " 》");
}

void mainWindow::pic11(lk::Surface& p) {
  p.FontSize = 14.25f;
  p.ForeColor = kNavy;
  float x = 0;
  Text(p, x, 0, "チェビシェフ多項式 ");
  dspTnx(p, x, 0);
  Text(p, x, 0, " は，三角関数により");
}

void mainWindow::pic12(lk::Surface& p) {
  p.FontSize = 14.25f;
  p.ForeColor = kNavy;
  float x = 0;
  dspTnx(p, x, 0);
  Text(p, x, 0, " ＝ ");
  Text(p, x, 0, "cos");
  x += 0.2f * LetterWidth(p);
  Text(p, x, 0, "( ");
  Var(p, x, 0, "n");
  Text(p, x, 0, " arccos");
  lk::PrintArgX(p, x, 0);
  Text(p, x, 0, " )      ");
  const float size = p.FontSize;
  p.FontSize = 0.9f * size;
  Text(p, x, 0, "(5.125)");
  p.FontSize = size;
}

void mainWindow::Form_Load() {
  // Painted once: the pictures keep what is drawn on them.
  for (lk::Picture* t : title_) {
    t->surface().Resize(t->width(), t->height());
    t->surface().Cls();
  }
  pic10(title_[0]->surface());
  pic11(title_[1]->surface());
  pic12(title_[2]->surface());
}

void mainWindow::LblA_Click(int item) {
  if (mode != kModeIdle) return;
  switch (item) {
    case 1:
      mode = kModeGraphs;
      Exec1();
      break;
    case 2:
    case 3:
    case 4:
      kind_ = item - 1;
      mode = kModeApprox;
      Exec2();
      break;
    case 6:
      Form_Unload();
      break;
    default:
      break;
  }
}

// The name of the abscissa right of the square plot, while section 1 runs.
void mainWindow::Form_Paint() {
  if (mode < 1 || mode > 19) return;
  lk::Surface& f = form();
  f.FontSize = 12;
  f.ForeColor = kAxisLabelColour;
  const QRect g = pic_[1]->geometry();
  float x = lk::kTwipsPerPixel * (g.left() + 1.02f * g.width());
  Var(f, x, lk::kTwipsPerPixel * (g.top() + 0.48f * g.height()), "x");
}

// Back to the menu: the pictures go away empty, the curve list starts
// afresh, and the window's own text is cleared.
void mainWindow::LeaveSection() {
  for (lk::Picture* p : pic_) {
    p->hide();
    p->surface().Cls();
  }
  errorPlot_ = false;
  curves_.Clear();
  mode = kModeIdle;
  form().Cls();
  Vis();
}

// ---- Number entry -------------------------------------------------------

QString mainWindow::StrInput() {
  lk::NumEntry entry;
  entry.a = kEntryA;
  entry.b = kEntryB;
  entry.narrow = kEntryNarrow;
  entry.proposal = lk::NumStrQ(degree_);
  const bool graphs = mode == kModeGraphs;
  entry.kind = graphs ? kAskDegree : kAskTruncation;
  // Section 1 takes "n,c" for a colour and accepts negative degrees; M is a
  // plain whole number.
  lk::AllowDot = 0;
  lk::AllowComma = graphs ? 1 : 0;
  lk::AllowMinus = graphs ? 1 : 0;
  return lk::StrInput(*this, entry);
}

void mainWindow::PaintInput(lk::Surface& pic) {
  const float y = 0.2f * LetterHeight(pic);
  float x = 0;
  if (lk::InputKind == kAskDegree) {
    Text(pic, x, y, "次数  ");
    Var(pic, x, y, "n");
    Text(pic, x, y, "  を指定して下さい (0～20)");
  } else {
    Text(pic, x, y, "  次数  ");
    Var(pic, x, y, "N");
    Text(pic, x, y, "  を指定して下さい");
  }
}

// ---- Section 1: graphs of T_n --------------------------------------------

void mainWindow::Exec1() {
  Invis();
  form().Cls();
  lk::Picture* text = pic_[0];
  PlacePicture(text, kTextLeft * Fw, kTextTop * Fh, kText1Width * Fw, kText1Height * Fh);
  text->surface().SetBackColor(lk::col::FormBack);
  text->show();
  ShowComment1(0);

  lk::Picture* plot = pic_[1];
  const double side = kSquareSize * Fw;
  PlacePicture(plot, (kTextLeft + kText1Width) * Fw, kTextTop * Fh, side, side);
  plot->show();
  lk::CurColor = 0;
  curves_.Clear();
  DrawFrame0(plot->surface());
  degree_ = 0;
  Form_Paint();

  for (;;) {
    const QString entry = StrInput();
    if (entry.isEmpty()) break;
    const mm::Checked<int> n = mm::CheckDegree(S(entry));
    degree_ = n.value;
    if (!n.accepted) {
      lk::SoundDing();
      continue;  // the dialog offers 20
    }
    const bool full = curves_.Count() == mm::CurveList::kCapacity;
    // The previous curve is set off with a wider pen, in its own colour,
    // which is still CurColor; a full list starts afresh with a clean plot.
    if (full)
      DrawFrame0(plot->surface());
    else if (!curves_.Empty())
      Retrace(curves_.Last().degree);
    lk::CurColor = lk::NextColor(S(entry));
    curves_.Add(n.value, lk::CurColor);
    ShowComment1(curves_.Count());
    DrawCurve(n.value);
    degree_ = n.value + 1;
  }
  LeaveSection();
}

void mainWindow::DrawFrame0(lk::Surface& s) {
  s.Cls();
  W_ = lk::RoundHalfEven(s.ScaleWidth() - 1);
  H_ = s.ScaleHeight() - 1;
  s.FontSize = 10;
  s.ForeColor = kGridColour;
  s.DrawWidth = 1;
  s.Style = lk::DrawStyle::Dot;
  const float W = float(W_), H = float(H_);
  for (double v : mm::GridValues()) {
    s.Line(float(px(v)), 0, float(px(v)), H);
    s.Line(0, float(py(v)), W, float(py(v)));
  }
  s.Style = lk::DrawStyle::Solid;
  const int halfW = int(W_) / 2, halfH = int(lk::RoundHalfEven(H_)) / 2;
  s.Line(0, float(halfH), W, float(halfH));
  s.Line(float(halfW), 0, float(halfW), H);
  for (double v : {-0.5, 0.5}) {
    s.Line(float(px(v)), float(py(-0.02)), float(px(v)), float(py(0.02)));
    s.Line(float(px(-0.02)), float(py(v)), float(px(0.02)), float(py(v)));
  }
  float x = float(px(0.45));
  Text(s, x, float(py(-0.02)), "0.5");
  x = float(px(-0.59));
  Text(s, x, float(py(-0.02)), "-0.5");
}

// The narration and the legend, in pic(0) with whatever text size it has.
void mainWindow::ShowComment1(int count) {
  lk::Surface& p = pic_[0]->surface();
  p.Cls();
  p.ForeColor = lk::col::Black;
  const float th = LetterHeight(p), w = LetterWidth(p), m = 0.2f * th;
  float x = 0;
  Text(p, x, m, "チェビシェフ多項式 ");
  dspTnx(p, x, m);
  Text(p, x, m, " の");
  x = 0;
  Text(p, x, m + th, "グラフを描きます。");
  x = 0;
  Text(p, x, m + 3 * th, "ルジャンドル多項式との類似点");
  x = 0;
  Text(p, x, m + 4 * th, "と相違点に注目しましょう。");
  // One row a letter height apart; a long list closes up so that its last
  // row, a letter height tall, stays inside the picture.
  float pitch = th;
  if (count > 1) {
    const float room = (p.ScaleHeight() - m - 6.5f * th) / float(count - 1);
    pitch = std::max(0.3f * th, std::min(th, room));
  }
  for (int i = 1; i <= count; ++i) {
    const mm::Curve& c = curves_.At(i);
    const float y = m + 5.5f * th + float(i - 1) * pitch;
    x = 2 * w;
    Text(p, x, y, "次数");
    x += w;
    Var(p, x, y, "n");
    Text(p, x, y, " ＝");
    lk::PrintText(p, x, y, Q(mm::LegendDegree(c.degree)));
    lk::PrintSwatch(p, x, y, c.color);
  }
}

// The left end of a curve: T_n(-1) = (-1)^n, so the top edge for even n and
// the bottom edge for odd n.
void mainWindow::StartAtLeftEdge(lk::Surface& s, int n) {
  s.CurrentX = 0;
  s.CurrentY = n % 2 != 0 ? float(H_) : 0.0f;
}

// T_n at the clock's pace, 4 s a curve; T_0 runs along the top edge, so it
// gets a broad pen to be seen.
void mainWindow::DrawCurve(int n) {
  lk::Surface& s = pic_[1]->surface();
  const lk::Color colour = lk::CurColor;
  s.DrawWidth = n == 0 ? 3 : 1;
  const double start = lk::Now();
  StartAtLeftEdge(s, n);
  for (int k = 1; k <= mm::kGraphLastIndex; ++k) {
    const double x = mm::GraphX(k);
    s.LineTo(float(px(x)), float(py(mm::Chebyshev(n, x))), colour);
    lk::WaitUntil(start + mm::GraphPointDue(k));
  }
  s.DrawWidth = 1;
}

void mainWindow::Retrace(int n) {
  lk::Surface& s = pic_[1]->surface();
  s.DrawWidth = 2;
  StartAtLeftEdge(s, n);
  for (int k = 1; k <= mm::kRetraceLastIndex; ++k) {
    const double x = mm::RetraceX(k);
    s.LineTo(float(px(x)), float(py(mm::Chebyshev(n, x))), lk::CurColor);
  }
  s.DrawWidth = 1;
}

// ---- The approximation sections -----------------------------------------

void mainWindow::Exec2() {
  Invis();
  form().Cls();
  c_ = mm::Coefficients{};
  degree_ = mm::kFirstTruncation;
  model_ = mm::ModelOf(kind_);
  errorPlot_ = false;
  Introduce();
  c_ = mm::ChebyshevInterpolation(kind_, model_.a, model_.b);
  ListCoefficients();
  if (ChooseTruncation()) {
    CompareTable();
    ShowGraphs();
  }
  LeaveSection();
}

// The function's name: X as an italic x with a little room on both sides,
// the letters of log and exp in the fixed-width font.
void mainWindow::ShowFuncName(lk::Surface& p, float& x, float y, const QString& name) {
  const float w = LetterWidth(p);
  for (const QChar ch : name) {
    if (ch == QLatin1Char('X')) {
      x += 0.2f * w;
      Var(p, x, y, "x");
      x += 0.2f * w;
    } else if (QStringLiteral("logexp").contains(ch)) {
      lk::PrintMono(p, x, y, QString(ch));
    } else {
      lk::PrintText(p, x, y, QString(ch));
    }
  }
}

// Page 1: why approximations are needed, and what this section does.
void mainWindow::Introduce() {
  lk::Picture* text = pic_[0];
  PlacePicture(text, kTextLeft * Fw, kTextTop * Fh, kTextWidth * Fw, kTextHeight * Fh);
  lk::Surface& p = text->surface();
  p.SetBackColor(lk::col::FormBack);
  text->show();
  p.ForeColor = lk::col::Black;
  p.FontSize = 14;
  w_ = LetterWidth(p);
  th_ = LetterHeight(p);
  th14_ = th_;
  L_ = 1.4f * th_;
  x0_ = 2 * w_;
  y0_ = 0.1f * L_;
  auto line = [this](int k) { return y0_ + float(k) * L_; };
  // The invitation to go on stands twelve lines down.  Where the text area
  // is too short for it, the area reaches down to the key prompt and the
  // line rises just enough to end above the prompt.
  float lastLine = line(12);
  if (lastLine + th_ > p.ScaleHeight()) {
    PlacePicture(text, kTextLeft * Fw, kTextTop * Fh, kTextWidth * Fw, (kPromptB - kTextTop) * Fh);
    lastLine = std::min(lastLine, p.ScaleHeight() - th_);
  }
  const QString name = Q(model_.name);
  float x = x0_;
  Text(p, x, line(0), "　複雑な関数（たとえば ガンマ関数，ベッセル関数）の数値を計算するには");
  x = x0_;
  Text(p, x, line(1), "かなり時間がかかります。 短い時間内に計算するには，適当な近似式を用意する");
  x = x0_;
  Text(p, x, line(2), "ことが必要です。 ");
  if (firstRun_) HitAnyKey();
  Text(p, x, line(2), "コンピュータの内部では，三角関数，指数関数，平方根なども");
  x = x0_;
  Text(p, x, line(3), "全て 近似式により計算されています。");
  if (firstRun_) HitAnyKey();
  x = x0_;
  Text(p, x, line(4), "　このような近似式を作る例として，ここでは");
  ShowFuncName(p, x, line(4), name);
  Text(p, x, line(4), "を");
  x = x0_;
  Text(p, x, line(5), "有限区間内でチェビシェフ多項式により近似する ･･･ という問題を取り上げます。");
  if (firstRun_) HitAnyKey();
  x = x0_;
  Text(p, x, line(7), "　チェビシェフ多項式は ミニマックス性を備えているので，関数の近似式を");
  x = x0_;
  Text(p, x, line(8), "作る上で有効なことが分かります。");
  HitAnyKey();
  firstRun_ = false;
  x = x0_;
  ShowFuncName(p, x, line(10), name);
  Text(p, x, line(10), "を 区間");
  x += w_;
  Text(p, x, line(10), model_.aText);
  Text(p, x, line(10), " ≦ ");
  Var(p, x, line(10), "x");
  Text(p, x, line(10), " ≦ ");
  Text(p, x, line(10), model_.bText);
  x += w_;
  Text(p, x, line(10), "でチェビシェフ補間します。");
  x = x0_;
  Text(p, x, lastLine, " どれかのキーを押して下さい。 実行を開始します。");
  HitAnyKey();
}

// A number in its column: positive one letter width in, negative as "-"
// and its magnitude, zero as its own text (coefficients at the column start,
// the others one letter width in).  Plain texts go through PrintText, the
// others through PrintENum, which sets an exponent as a power of ten.
void mainWindow::PrintCell(lk::Surface& p, float column, float y, const mm::Cell& cell,
                           bool plain) {
  float x = column;
  switch (cell.sign) {
    case mm::Cell::Zero:
      if (!plain) x += w_;
      lk::PrintText(p, x, y, Q(cell.text));
      return;
    case mm::Cell::Negative:
      Text(p, x, y, "-");
      break;
    case mm::Cell::Positive:
      x += w_;
      break;
  }
  if (plain)
    lk::PrintText(p, x, y, Q(cell.text));
  else
    lk::PrintENum(p, x, y, Q(cell.text));
}

// Page 2: the coefficients, one row every tenth of a second.
void mainWindow::ListCoefficients() {
  lk::Surface& p = pic_[0]->surface();
  p.Cls();
  p.FontSize = 12;
  w_ = LetterWidth(p);
  th_ = LetterHeight(p);
  L_ = 0.9f * th_;
  float y = y0_, x = x0_;
  ShowFuncName(p, x, y, Q(model_.name));
  lk::PrintText(p, x, y, QStringLiteral("を区間  ") + Q(model_.aText) + QStringLiteral(" ≦ "));
  Var(p, x, y, "x");
  lk::PrintText(p, x, y,
                QStringLiteral(" ≦ ") + Q(model_.bText) + QStringLiteral(" で チェビシェフ補間した結果は"));
  y += L_;
  x = x0_;
  Text(p, x, y, "次のようになりました。");

  const double start = lk::Now();
  y += 1.4f * L_;
  x = x0_ + 3 * w_;
  Text(p, x, y, "次数");
  x += w_;
  Var(p, x, y, "k");
  x += 4 * w_;
  Text(p, x, y, "係数");
  x += w_;
  p.FontSize = 10;
  Var(p, x, y + 0.1f * L_, "C");
  p.FontSize = 11;
  lk::PrintSub(p, x, y + 0.1f * L_, QStringLiteral("k"));
  y += 0.2f * L_;
  for (int j = 0; j <= mm::N; ++j) {
    y += L_;
    x = x0_ + (j < 10 ? 5 : 4) * w_;
    lk::PrintText(p, x, y, lk::NumStrQ(j));
    PrintCell(p, x0_ + 8 * w_, y, mm::CoefficientCell(c_[std::size_t(j)]), true);
    lk::WaitUntil(start + (j + 1) * 0.1);
  }
  HitAnyKey();
}

// The choice of M in the right half of the page.  False when the learner
// leaves with an empty entry.
bool mainWindow::ChooseTruncation() {
  lk::Surface& p = pic_[0]->surface();
  float y = y0_ + 3 * L_;
  L_ = 1.2f * LetterHeight(p);  // at 11 points
  const float left = x0_ + 26 * w_;
  float x = left;
  Text(p, x, y, "　次に，これを ");
  Var(p, x, y, "N ");
  Text(p, x, y, "( <");
  x += 0.5f * w_;
  lk::PrintSign(p, x, y, Q(lk::Trim(lk::NumStr(mm::N))));
  x += 0.5f * w_;
  Text(p, x, y, ") 次までで打ち切って, ");
  y += L_;
  x = left;
  Text(p, x, y, "近似式を作ります｡");
  y += L_;
  x = left;
  Var(p, x, y, "N");
  x += 0.8f * w_;
  Text(p, x, y, "をいくらにしますか ?");

  for (;;) {
    const QString entry = StrInput();
    if (entry.isEmpty()) return false;
    const mm::Checked<int> m = mm::CheckTruncation(kind_, S(entry));
    degree_ = m.value;
    if (m.accepted) break;
  }

  y += L_;
  x = left;
  Text(p, x, y, "では，");
  Var(p, x, y, "N");
  x += 0.5f * w_;
  Text(p, x, y, "＝");
  x += 0.5f * w_;
  lk::PrintSign(p, x, y, lk::NumStrQ(degree_));
  x += 0.5f * w_;
  Text(p, x, y, "として");
  y += L_;
  x = left;
  Text(p, x, y, "この近似式の精度を調べましょう。");
  y += 1.5f * L_;
  x = left;
  Text(p, x, y, "テキストに書かれているように，係数");
  y += L_;
  x = left;
  const int j = mm::RememberedIndex(kind_, degree_);
  Text(p, x, y, "C");
  lk::PrintSub(p, x, y, lk::NumStrQ(j));
  Text(p, x, y, " の大きさ (");
  lk::PrintENum(p, x, y, Q(mm::SmallText(std::fabs(c_[std::size_t(j)]))));
  Text(p, x, y, ") をメモしておきましょう。");
  HitAnyKey();
  return true;
}

// Page 3: approximation and true value at 17 points, a row every tenth of a
// second.
void mainWindow::CompareTable() {
  const double start = lk::Now();
  lk::Picture* text = pic_[0];
  lk::Surface& p = text->surface();
  p.Cls();
  PlacePicture(text, kTextLeft * Fw, kTextTop * Fh - kTableRaise, kTextWidth * Fw,
               kTableStretch * kTextHeight * Fh);
  x0_ = 2 * w_;
  tableX_.clear();
  float x = x0_ + 22 * w_, y = y0_;
  p.FontSize = 13;
  Text(p, x, y, "近似式と真値との比較");
  p.FontSize = 12;
  y += L_;
  x = x0_ + 8 * w_;
  Var(p, x, y, "x");
  x = x0_ + 18 * w_;
  Text(p, x, y, "近 似 式");
  x = x0_ + 36 * w_;
  Text(p, x, y, "真  値");
  x = x0_ + 51 * w_;
  Text(p, x, y, "誤 差");
  y += 0.4f * L_;
  L_ = 0.8f * th14_;
  for (int j = -mm::kTableHalf; j <= mm::kTableHalf; ++j) {
    y += L_;
    const double xv = mm::TableX(model_.a, model_.b, j);
    const double t = mm::func(kind_, xv);
    const double v = mm::fnCheb(c_, degree_, model_.a, model_.b, xv);
    const mm::Cell xCell = mm::ValueCell(xv, "#.00000");
    tableX_.push_back((xCell.sign == mm::Cell::Negative ? "-" : "") + xCell.text);
    PrintCell(p, x0_ + 4 * w_, y, xCell, false);
    PrintCell(p, x0_ + 14 * w_, y, mm::ValueCell(v, "0.#############0"), false);
    PrintCell(p, x0_ + 32 * w_, y, mm::ValueCell(t, "0.#############0"), false);
    PrintCell(p, x0_ + 49 * w_, y, mm::ValueCell(v - t, "0.000E+00"), false);
    lk::WaitUntil(start + (j + 9) * 0.1);
  }
  y += 1.1f * L_;
  x = x0_;
  Text(p, x, y, "続いて，この結果をグラフに示します。");
  HitAnyKey();
}

// A line of page 4 that says which curve is being drawn, while it is drawn.
void mainWindow::Announce(lk::Surface& p, float y, lk::Color colour, const QString& what, int k) {
  p.ForeColor = colour;
  lk::CurColor = colour;
  float x = 3 * w_;
  lk::PrintText(p, x, y, what);
  p.FontBold = true;
  Text(p, x, y, " → ");
  p.FontBold = false;
  const float busyAt = x;
  Text(p, x, y, "描画中");
  DrawGraph(pic_[1]->surface(), k);
  lk::SoundRecycle();
  p.Box(busyAt, y, busyAt + 10 * w_, y + L_, p.BackColor(), true);
}

// Page 4: the function and its approximation, then the error.
void mainWindow::ShowGraphs() {
  lk::Picture* text = pic_[0];
  PlacePicture(text, kTextLeft * Fw, kTextTop * Fh, kGraphTextWidth * Fw, kGraphTextHeight * Fh);
  lk::Surface& p = text->surface();
  p.SetBackColor(lk::col::FormBack);
  lk::Picture* plot = pic_[1];
  PlacePicture(plot, kPlotLeft * Fw, kPlotTop * Fh, kPlotWidth * Fw, kPlotHeight * Fh);
  plot->surface().SetBackColor(lk::col::PlotBack);
  drawFrame1(plot->surface());
  plot->show();

  float y = L_;
  Announce(p, y, lk::Palette[3], QStringLiteral("真値のグラフ "), 1);
  HitAnyKey();
  y += 1.2f * L_;
  Announce(p, y, lk::Palette[2], QStringLiteral("近似式のグラフ"), 2);
  y += 1.2f * L_;
  p.ForeColor = kRemarkColour;
  float x = 3 * w_;
  Text(p, x, y, "ふたつのグラフは，");
  y += L_;
  x = 3 * w_;
  Text(p, x, y, "ほとんど重なっています！");
  HitAnyKey();
  y += 4 * L_;
  p.ForeColor = lk::Palette[9];
  lk::CurColor = lk::Palette[9];
  x = 3 * w_;
  Text(p, x, y, "次は，誤差曲線のグラフです ===>");

  lk::Picture* errors = pic_[2];
  PlacePicture(errors, kPlotLeft * Fw, kErrorTop * Fh, kPlotWidth * Fw, kPlotHeight * Fh);
  errors->surface().SetBackColor(lk::col::PlotBack);
  errorPlot_ = true;
  eMax_ = mm::ErrorRange(c_, degree_);
  eMin_ = -eMax_;
  DrawFrame2(errors->surface());
  errors->show();
  HitAnyKey();
  DrawErrorGraph(errors->surface());
  lk::SoundRecycle();
  HitAnyKey();

  p.ForeColor = lk::col::Black;
  y += 1.2f * L_;
  x = 2 * w_;
  Text(p, x, y, "チェビシェフ多項式を関数近似に使うと，");
  y += L_;
  x = 2 * w_;
  Text(p, x, y, "近似の精度が区間内でこのように ほぼ");
  y += L_;
  x = 2 * w_;
  Text(p, x, y, "一様に押さえられることが分かります。");
  y += 2 * L_;
  x = 2 * w_;
  Text(p, x, y, "最大誤差 ＝ ");
  lk::PrintENum(p, x, y, Q(mm::SmallText(maxError_)));
  HitAnyKey();
}

// The function (k = 1) or its approximation (k = 2), 4 s a curve.
void mainWindow::DrawGraph(lk::Surface& s, int k) {
  PlotPaced(s, [this, k](double x) {
    return k == 1 ? mm::func(kind_, x) : mm::fnCheb(c_, degree_, model_.a, model_.b, x);
  });
}

// The error of the cut sum, noting its largest size on the way.
void mainWindow::DrawErrorGraph(lk::Surface& s) {
  maxError_ = 0;
  PlotPaced(s, [this](double x) {
    const double e = mm::ErrorAt(c_, degree_, kind_, model_.a, model_.b, x);
    maxError_ = std::max(maxError_, float(std::fabs(e)));
    return e;
  });
  errorPlot_ = false;
}

// A curve over [a, b] in CurColor: a dot at a, then a line to each further
// point, each one due i/256 s after the start.
void mainWindow::PlotPaced(lk::Surface& s, const std::function<double(double)>& value) {
  const lk::Color colour = lk::CurColor;
  const double start = lk::Now();
  for (int i = 0; i <= mm::kCurveLastIndex; ++i) {
    const double x = mm::CurveX(model_.a, model_.b, i);
    const float X = float(px(x)), Y = float(py(value(x)));
    if (i == 0) {
      s.PSet(X, Y, colour);
      s.CurrentX = X;
      s.CurrentY = Y;
    } else {
      s.LineTo(X, Y, colour);
    }
    lk::WaitUntil(start + mm::CurvePointDue(i));
  }
}

void mainWindow::DrawTicks(lk::Surface& s) {
  s.Cls();
  W_ = lk::RoundHalfEven(s.ScaleWidth() - 1);
  H_ = s.ScaleHeight() - 1;
  const float W = float(W_), H = float(H_);
  const float axisY = errorPlot_ ? float(lk::RoundHalfEven(H_ / 2)) : float(py(0));
  s.ForeColor = kTickColour;
  s.DrawWidth = 1;
  s.Style = lk::DrawStyle::Solid;
  s.Line(0, axisY, W, axisY);
  const float axisX = float(model_.a > 0 ? px(1) : px(0));
  s.Line(axisX, 0, axisX, H);
  for (const mm::Tick& t : mm::Ticks(model_.a, model_.b)) {
    const float at = float(px(t.v));
    s.Line(at, axisY, at, axisY - 10);
    const QString label = Q(t.label);
    float x = t.whole ? at - 0.6f * s.TextWidth(QStringLiteral("1"))
                      : at - 0.5f * s.TextWidth(label);
    lk::PrintText(s, x, axisY + 0.02f * H, label);
  }
  float x = float(px(model_.b)) - 0.05f * W;
  Var(s, x, float(py(0)) - 0.1f * H, "x");
  s.Line(0, H, W, H, kEdgeColour);
  s.Line(W, 0, W, H, kEdgeColour);
}

void mainWindow::drawFrame1(lk::Surface& s) {
  DrawTicks(s);
  float x = 0.02f * float(W_);
  const float y = 0.02f * float(H_);
  lk::PrintFx(s, x, y);
  Text(s, x, y, " ＝ ");
  ShowFuncName(s, x, y, Q(model_.name).mid(5));
}

void mainWindow::DrawFrame2(lk::Surface& s) {
  DrawTicks(s);
  float x = 0.02f * float(W_);
  Text(s, x, 0.02f * float(H_), "誤 差");
}
