// Section 3: Kummer's transformation checked for the triples the learner
// types, the header with the formula and a box for each of the latest results.
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "drawing.h"
#include "mainwindow.h"
#include "sounds.h"

using lk::Q;
using lk::S;
namespace rw = radialwave;
using namespace radialwave::drawing;

namespace {

// The number dialog, its prompt and the boxes.
constexpr float kEntryA = 0.1f, kEntryB = 0.9f;
constexpr int kAskTriple = 3;
constexpr float kHeaderSize = 13, kFormulaSize = 15, kResultSize = 11;

// A double at the cursor, a little right of it: the sign, then the
// magnitude as its shortest text with a "0" before a bare point.
void dspNum(lk::Surface& p, float& x, float y, double v) {
  x += 5 * p.UnitsPerPixel() / lk::kTwipsPerPixel;
  if (v < 0) lk::PrintText(p, x, y, QStringLiteral("-"));
  lk::PrintText(p, x, y, WithLeadZero(Q(lk::Trim(lk::NumStr(std::fabs(v))))));
}

}  // namespace

void mainWindow::PaintInput(lk::Surface& pic) {
  if (lk::InputKind != kAskTriple) return;
  pic.FontSize = 13;
  float x = 10 / lk::kTwipsPerPixel;
  const float y = 5 / lk::kTwipsPerPixel;
  lk::PrintVar(pic, x, y, QStringLiteral(" a, c, x"));
  lk::PrintText(pic, x, y, QStringLiteral(" を指定して下さい"));
}

void mainWindow::Kummer() {
  kind_ = 3;
  Invis();
  results_.Clear();
  for (int k = 1; k <= rw::kResultBoxes; ++k) ku_[k]->hide();
  lk::PlaceTw(ku_[0], 0.1 * kWf, 0.1 * kHf, 0.8 * kWf, 0.23 * kHf);
  ku_[0]->surface().Resize(ku_[0]->width(), ku_[0]->height());
  ku_[0]->show();
  ku_[0]->repaint();
  HitAnyKey();

  lk::NumEntry entry;
  entry.a = kEntryA;
  entry.b = kEntryB;
  entry.kind = kAskTriple;
  for (;;) {
    lk::AllowDot = 1;
    lk::AllowComma = 1;
    lk::AllowMinus = 1;
    const QString text = lk::StrInput(*this, entry);
    if (text.isEmpty()) {
      for (int k = 0; k <= rw::kResultBoxes; ++k) ku_[k]->hide();
      kind_ = 0;
      Vis();
      return;
    }
    const rw::Triple t = rw::ParseTriple(S(text));
    if (t.status != rw::TripleStatus::Ok) {
      lk::SoundDing();
      continue;
    }
    // Sides that overflow have nothing to show; any deviation of finite
    // sides is shown, however large.
    const rw::KummerSides sides = rw::Transform(t.a, t.c, t.x);
    if (!sides.trusted) {
      lk::SoundDing();
      continue;
    }
    ShowResult(results_.Add(t.a, t.c, t.x, sides));
  }
}

// Puts the result box k in its place and shows it (which paints it).
void mainWindow::ShowResult(int k) {
  if (!results_.Scrolled()) {
    // A fresh box stands under the one before it, the first under the header.
    const double left = 0.1 * kWf, width = 0.8 * kWf, height = 0.12 * kHf;
    const double prevTop = k == 1 ? 0.1 * kHf : boxTop_[k - 1];
    const double prevHeight = k == 1 ? 0.23 * kHf : height;
    boxTop_[k] = prevTop + 1.1 * prevHeight;
    lk::PlaceTw(ku_[k], left, boxTop_[k], width, height);
  } else {
    // The list is full: the others move up one place and k takes the bottom.
    ku_[k]->hide();
    for (int p = 1; p <= rw::kResultBoxes; ++p) {
      lk::Picture* box = ku_[rw::ResultStack::BoxAtPlace(k, p)];
      box->move(box->x(), lk::Tw(boxTop_[p]));
    }
  }
  ku_[k]->surface().Resize(ku_[k]->width(), ku_[k]->height());
  ku_[k]->show();
  ku_[k]->repaint();
}

void mainWindow::ku_Paint(int index, lk::Surface& p) {
  if (index == 0) {
    PaintHeader(p);
    return;
  }
  if (index > rw::kResultBoxes) return;
  const rw::KummerRecord& r = results_.Record(index);
  if (r.shown) PaintResult(r, p);
}

void mainWindow::PaintHeader(lk::Surface& p) {
  p.ForeColor = lk::kButtonText;
  p.FontSize = kHeaderSize;
  const float w = LetterWidth(p), t = LetterHeight(p);
  float x = 0;
  lk::PrintText(p, x, 0, QStringLiteral("Kummer の変換"));

  // F(a, c; -x) = e^(-x) F(c - a, c; x)
  p.FontSize = kFormulaSize;
  x = 6 * w;
  const float y = 1.4f * t;
  lk::PrintVar(p, x, y, QStringLiteral("F"));
  x += 0.3f * w;
  lk::PrintText(p, x, y, QStringLiteral("("));
  x += 0.3f * w;
  lk::PrintVar(p, x, y, QStringLiteral("a, c"));
  x += 0.3f * w;
  lk::PrintText(p, x, y, QStringLiteral("; "));
  lk::PrintSign(p, x, y + 0.08f * t, QStringLiteral("-"));
  x += 0.1f * w;
  lk::PrintVar(p, x, y, QStringLiteral("x"));
  x += 0.3f * w;
  lk::PrintText(p, x, y, QStringLiteral(") ＝ "));
  lk::PrintSign(p, x, y, QStringLiteral("e"));
  p.FontBold = false;
  lk::PrintSup(p, x, y + 0.1f * t, QStringLiteral("-"));
  lk::PrintSup(p, x, y, QStringLiteral("x"));
  lk::PrintVar(p, x, y, QStringLiteral(" F"));
  x += 0.3f * w;
  lk::PrintText(p, x, y, QStringLiteral("("));
  x += 0.3f * w;
  lk::PrintVar(p, x, y, QStringLiteral("c"));
  x += 0.2f * w;
  lk::PrintText(p, x, y + 0.1f * t, QStringLiteral("-"));
  x += 0.1f * w;
  lk::PrintVar(p, x, y, QStringLiteral("a, c "));
  lk::PrintText(p, x, y, QStringLiteral("; "));
  lk::PrintVar(p, x, y, QStringLiteral("x"));
  x += 0.3f * w;
  lk::PrintText(p, x, y, QStringLiteral(")"));
  x += 5 * w;
  p.FontSize = 12;
  lk::PrintText(p, x, y, QStringLiteral("(6.57)"));

  p.FontSize = kHeaderSize;
  lk::PrintStay(p, 3 * t, QStringLiteral("を数値計算により検証します。"));
  lk::PrintStay(p, 4.5f * t, QStringLiteral("どれかのキーを押して下さい。実行を開始します。"));
}

void mainWindow::PaintResult(const rw::KummerRecord& r, lk::Surface& p) {
  p.ForeColor = lk::kButtonText;
  p.FontSize = kResultSize;
  const float w = LetterWidth(p), t = LetterHeight(p);

  float x = 0;
  lk::PrintVar(p, x, 0, QStringLiteral(" a "));
  lk::PrintText(p, x, 0, QStringLiteral("＝"));
  dspNum(p, x, 0, r.a);
  lk::PrintVar(p, x, 0, QStringLiteral(","));
  x += 2 * w;
  lk::PrintVar(p, x, 0, QStringLiteral("c "));
  lk::PrintText(p, x, 0, QStringLiteral("＝"));
  dspNum(p, x, 0, r.c);
  lk::PrintVar(p, x, 0, QStringLiteral(","));
  x += 2 * w;
  lk::PrintVar(p, x, 0, QStringLiteral("x "));
  lk::PrintText(p, x, 0, QStringLiteral("＝"));
  dspNum(p, x, 0, r.x);

  x = 0;
  lk::PrintText(p, x, t, QStringLiteral("  左辺 ＝ "));
  lk::PrintENum(p, x, t, lk::NumStrQ(r.sides.L));
  lk::PrintText(p, x, t, QStringLiteral("　差  ＝ "));
  const float dx = x;
  lk::PrintENum(p, x, t, Q(rw::DeviationText(r.sides)));

  x = 0;
  lk::PrintText(p, x, 2 * t, QStringLiteral("  右辺 ＝ "));
  lk::PrintENum(p, x, 2 * t, lk::NumStrQ(r.sides.Rt));
  lk::PrintText(p, x, 2 * t, QStringLiteral("　精度："));
  // Under the deviation, unless a longer right side has already passed it.
  x = std::max(x, dx);
  lk::PrintENum(p, x, 2 * t, Q(rw::PrecisionText(r.sides)));
}
