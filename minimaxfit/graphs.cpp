// Section 1: T_n for the degrees the learner enters, on a square plot with
// a dotted grid, each curve at a fixed pace, listed with its colour.
#include <algorithm>

#include "drawing.h"
#include "mainwindow.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;
using namespace minimaxfit::drawing;

namespace {

namespace mm = minimaxfit;

// The text area and the square plot right of it.
constexpr double kText1Width = 0.36, kText1Height = 0.73;
constexpr double kSquareSize = 0.55;

constexpr lk::Color kGridColour = lk::RGB(51, 51, 51);

}  // namespace

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
