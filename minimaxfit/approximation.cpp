// The approximation sections: the function interpolated at the Chebyshev
// nodes, its coefficients, the cut sum compared with it in a table, and the
// graphs of both and of the error.
#include <algorithm>
#include <cmath>
#include <functional>

#include "drawing.h"
#include "mainwindow.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;
using namespace minimaxfit::drawing;

namespace {

namespace mm = minimaxfit;

// The page-1 text area, the table of page 3 and the graphs of page 4.
constexpr double kTextWidth = 0.95, kTextHeight = 0.75;
constexpr double kTableRaise = 90, kTableStretch = 1.1;
constexpr double kGraphTextWidth = 0.4, kGraphTextHeight = 0.6;
constexpr double kPlotLeft = 0.48, kPlotTop = 0.1, kErrorTop = 0.47, kPlotWidth = 0.46,
                 kPlotHeight = 0.35;

constexpr lk::Color kTickColour = lk::RGB(51, 51, 200), kEdgeColour = lk::RGB(0, 0, 64),
                    kRemarkColour = lk::RGB(0, 0, 128);

}  // namespace

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
