// Sections 1 and 2: the narration, the plot with its axes and potential, the
// rows of the energies tried and the radial functions drawn over them.
#include <QLabel>
#include <algorithm>

#include "dialogs.h"
#include "drawing.h"
#include "mainwindow.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;
namespace rw = radialwave;
using namespace radialwave::drawing;
using rw::Kind;

namespace {

// The hint labels of the eigenvalues, inside the plot.
constexpr double kHintLeft = 8850, kHintTop = 300;
const char* const kHydrogenHints[4] = {"-0.5", "-0.125", "-0.05555･･･", "-0.03125"};
const char* const kOscillatorHints[4] = {"1.5,  3.5, ･･･", "2.5,  4.5, ･･･", "3.5,  5.5, ･･･",
                                         "4.5,  6.5, ･･･"};

// Running modes of sections 1 and 2: the plot draws its frame only from 20 on.
constexpr int kModeNarration = 10, kModeTrials = 20;

// Colours.
constexpr lk::Color kAxisColor = lk::RGB(51, 51, 160);
constexpr lk::Color kRowColor = lk::RGB(51, 51, 200);
constexpr lk::Color kPotentialColor = lk::RGB(0, 210, 0);
constexpr lk::Color kMarkColor = lk::RGB(255, 0, 0);

constexpr float kNarrationSize = 14, kAxisSize = 10, kHeadingSize = 13, kRowSize = 12;

// A measuring slate in the font of picture p at a text size.
lk::Surface Slate(const lk::Surface& p, float size) {
  lk::Surface slate(1, 1, p.Scale());
  slate.FontName = p.FontName;
  slate.FontSize = size;
  return slate;
}

}  // namespace

void mainWindow::Exec(Kind kind) {
  kind_ = int(kind);
  Invis();
  mode = kModeNarration;
  lk::OptIndex = 0;  // l starts at 0 in every section

  lk::PlaceTw(pic_, kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight);
  lk::Surface& p = pic_->surface();
  p.Resize(pic_->width(), pic_->height());
  p.Cls();
  pic_->show();
  update();

  Note(kind, p);

  PrepareHints(kind);
  frame_ = rw::FrameOf(kind);
  W_ = int(p.ScaleWidth());
  H_ = int(p.ScaleHeight());
  plot.xmin = -0.4 * frame_.xmax;
  plot.xmax = 1.05 * frame_.xmax;
  plot.ymin = frame_.ymin;
  plot.ymax = frame_.ymax;
  plot.W = W_;
  plot.H = H_;

  for (;;) {
    StartTrialSet();
    for (;;) {
      const QString text = lk::StrOptInput(*this, kind == Kind::Hydrogen);
      if (text.isEmpty()) {
        // Two or more energies, or another l: a fresh set; else the end.
        if (rows_ >= 2 || lk::OptChanged) break;
        LeaveSection();
        return;
      }
      if (lk::OptChanged) {
        pic_Paint();
        rows_ = 0;
        rowTexts_.clear();
      }
      // The rows fill the height of the picture; an energy more has no
      // row until an empty entry starts a fresh set.
      if (!RowLeft()) {
        lk::SoundDing();
        continue;
      }
      const double E = lk::Val(S(text));
      ++rows_;
      const float swatchX = PrintRow(text, E);
      MarkEnergy(E);
      if (!rw::EnergyAccepted(kind, E)) {
        ShowNotice();
        continue;
      }
      lk::CurColor = lk::NextColor(S(text));
      float x = swatchX;
      lk::PrintSwatch(p, x, float(rows_ * 0.05 * H_), lk::CurColor);
      DrawCurve(E, lk::CurColor);
    }
  }
}

void mainWindow::PrepareHints(Kind kind) {
  const int h = lblEs_[0]->sizeHint().height();
  for (int i = 0; i < 4; ++i) {
    lblEs_[i]->setText(Q(kind == Kind::Hydrogen ? kHydrogenHints[i] : kOscillatorHints[i]));
    lblEs_[i]->adjustSize();
    lblEs_[i]->move(lk::Tw(kHintLeft), lk::Tw(kHintTop) + i * h);
  }
}

void mainWindow::StartTrialSet() {
  const int l = lk::OptIndex;
  for (int i = 0; i < 4; ++i) {
    // Hydrogen has levels n > l; the oscillator's hint is the row of its l.
    const bool shown = kind_ == int(Kind::Hydrogen) ? i >= l : i == l;
    lblEs_[i]->setVisible(shown);
  }
  mode = kModeTrials;
  pic_->show();
  pic_Paint();
  lk::CurColor = lk::Palette[2];
  rows_ = 0;
  rowTexts_.clear();
}

void mainWindow::LeaveSection() {
  pic_->surface().Cls();
  for (QLabel* l : lblEs_) l->hide();
  mode = 0;
  kind_ = 0;
  Vis();
}

// The narration of sections 1 and 2, with two pauses.
void mainWindow::Note(Kind kind, lk::Surface& p) {
  const bool hydrogen = kind == Kind::Hydrogen;
  p.ForeColor = lk::kButtonText;
  p.FontSize = kNarrationSize;
  p.FontBold = false;
  const float w = LetterWidth(p), d = 1.2f * LetterHeight(p);

  float x = 0, y = d;
  lk::PrintText(p, x, y, QStringLiteral("　このプログラムは，"));
  lk::PrintText(p, x, y, hydrogen ? QStringLiteral("水素原子") : QStringLiteral("３次元調和振動子"));
  lk::PrintText(p, x, y, QStringLiteral("の動径波動関数"));
  x += w;
  lk::PrintVar(p, x, y, QStringLiteral("R"));
  lk::PrintSub(p, x, y, QStringLiteral("nl"));
  x += 0.2f * w;
  lk::PrintText(p, x, y, QStringLiteral("("));
  lk::PrintVar(p, x, y, QStringLiteral("r"));
  x += 0.2f * w;
  lk::PrintText(p, x, y, QStringLiteral(")"));
  x += w;
  lk::PrintText(p, x, y, QStringLiteral("を描きます。"));

  x = w;
  y = 2 * d;
  lk::PrintText(p, x, y, QStringLiteral("  入力する変数は，角運動量 (方位量子数)"));
  x += w;
  lk::PrintVar(p, x, y + 0.05f * d, QStringLiteral("l"));
  x += 0.2f * w;
  lk::PrintText(p, x, y + 0.05f * d, QStringLiteral("，"));
  lk::PrintText(p, x, y, QStringLiteral("エネルギー"));
  x += 0.8f * w;
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  x += 1.1f * w;
  lk::PrintText(p, x, y, QStringLiteral("の２個です。"));

  x = w;
  y = 3.5f * d;
  lk::PrintText(p, x, y, QStringLiteral("　エネルギー"));
  x += 0.8f * w;
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  x += 0.8f * w;
  lk::PrintText(p, x, y, QStringLiteral("が 固有値"));

  // The eigenvalue, set as a formula.
  p.ForeColor = lk::col::Blue;
  x = 19 * w;
  y = 5 * d;
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  lk::PrintSub(p, x, y, QStringLiteral("n"));
  if (hydrogen) {
    lk::PrintText(p, x, y, QStringLiteral("  ＝ "));
    lk::PrintText(p, x, y, QStringLiteral("－ "));
    const float bar = x;
    p.Line(bar, y + 0.45f * d, bar + 4 * w, y + 0.45f * d, p.ForeColor);
    float xn = bar + 1.4f * w;
    lk::PrintText(p, xn, y - 0.4f * d, QStringLiteral("1"));
    float xd = bar + 0.5f * w;
    const float yd = y + 0.6f * d;
    lk::PrintText(p, xd, yd, QStringLiteral("2"));
    xd += 0.2f * w;
    lk::PrintVar(p, xd, yd + 0.03f * d, QStringLiteral("n"));
    xd += 0.2f * w;
    lk::PrintSup(p, xd, yd + 0.1f * d, QStringLiteral("2"));
    p.ForeColor = lk::kButtonText;
    p.FontSize = 12;
    x = 41 * w;
    lk::PrintText(p, x, y, QStringLiteral("(6.12)"));
    p.FontSize = kNarrationSize;
  } else {
    lk::PrintSub(p, x, y, QStringLiteral("l"));
    lk::PrintText(p, x, y, QStringLiteral("  ＝ "));
    lk::PrintArial(p, x, y + 0.05f * d, QStringLiteral("2"));
    x += 0.2f * w;
    lk::PrintVar(p, x, y + 0.04f * d, QStringLiteral("n"));
    x += 0.5f * w;
    lk::PrintText(p, x, y, QStringLiteral("＋"));
    x += 0.5f * w;
    lk::PrintVar(p, x, y + 0.04f * d, QStringLiteral("l"));
    x += 0.5f * w;
    lk::PrintText(p, x, y, QStringLiteral("＋ "));
    const float start = x + 0.4f * w;
    float xb = start;
    lk::PrintText(p, xb, y, QStringLiteral("―"));
    float x3 = start;
    lk::PrintArial(p, x3, y - 0.4f * d, QStringLiteral("3"));
    float x2 = start;
    lk::PrintArial(p, x2, y + 0.4f * d, QStringLiteral("2"));
  }
  p.ForeColor = lk::kButtonText;

  x = w;
  y = 6.5f * d;
  lk::PrintText(p, x, y, QStringLiteral("に一致すると，無限遠点で"));
  x += w;
  lk::PrintText(p, x, y, QStringLiteral("0"));
  x += w;
  lk::PrintText(p, x, y, QStringLiteral("に近づく波動関数を持つ束縛状態が得られます。"));

  x = 1.2f * w;
  y = 7.5f * d;
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  x += 0.8f * w;
  lk::PrintText(p, x, y,
                QStringLiteral("がこれから少しでも ずれると，波動関数は発散して 境界条件を満たしません。"));

  x = w;
  y = 8.5f * d;
  lk::PrintText(p, x, y, QStringLiteral("  この様子を 実際に確かめましょう。"));
  HitAnyKey();

  x = w;
  y = 10 * d;
  lk::PrintText(p, x, y, QStringLiteral("　入力パラメタは，方位量子数"));
  x += w;
  lk::PrintVar(p, x, y, QStringLiteral("l"));
  x += w;
  lk::PrintText(p, x, y, QStringLiteral("と エネルギー"));
  x += 0.8f * w;
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  x += 0.8f * w;
  lk::PrintText(p, x, y, QStringLiteral("です。"));

  x = w;
  y = 11 * d;
  lk::PrintText(p, x, y, QStringLiteral("　どれかのキーを押せば，実行を開始します。"));
  HitAnyKey();
  p.Cls();
}

// The plot's frame: axes, heading and potential; the curves go with it.
void mainWindow::pic_Paint() {
  if (mode < kModeTrials) return;
  lk::Surface& p = pic_->surface();
  p.Cls();
  p.DrawWidth = 1;
  p.Style = lk::DrawStyle::Solid;
  p.FontSize = kAxisSize;
  drawX(p);
  drawE(p);
  // The heading keeps the axes' colour.
  p.FontSize = kHeadingSize;
  float x = float(px(0.15 * frame_.xmax));
  lk::PrintText(p, x, float(0.01 * H_), QStringLiteral("固有関数と固有値を試行計算により求めましょう."));
  DrawPot(p);
}

void mainWindow::drawX(lk::Surface& p) {
  const bool hydrogen = kind_ == int(Kind::Hydrogen);
  const double X = frame_.xmax;
  p.ForeColor = kAxisColor;
  p.FontSize = kAxisSize;
  const float w = LetterWidth(p), t = LetterHeight(p);
  const float Y = float(py((frame_.ymin + frame_.ymax) / 2));
  p.Line(float(px(0)), Y, float(W_), Y);

  double step = 20;
  if (X < 2.2) step = 0.2;
  else if (X < 6) step = 0.5;
  else if (X < 11) step = 1;
  else if (X < 21) step = 2;
  else if (X < 51) step = 5;
  else if (X < 101) step = 10;

  const float tick = float(0.02 * H_);
  const float labelY = hydrogen ? Y + float(0.01 * H_) - 1.2f * t : Y + float(0.01 * H_);
  for (int i = 1; i * step <= X * (1 + 1e-12); ++i) {
    const double v = i * step;
    const float xv = float(px(v));
    p.Line(xv, Y, xv, hydrogen ? Y + tick : Y - tick);
    const QString label = WithLeadZero(lk::NumStrQ(v));
    float x = xv - 0.5f * float(label.size()) * w;
    lk::PrintText(p, x, labelY, label);
  }
  float x = float(px(X) + 0.01 * W_);
  lk::PrintVar(p, x, Y + float(0.01 * H_) + t, QStringLiteral("r"));
}

void mainWindow::drawE(lk::Surface& p) {
  const double X = frame_.xmax;
  p.ForeColor = kAxisColor;
  const float x0 = float(px(0)), x1 = float(px(0.02 * X));
  p.Line(x0, 0, x0, float(H_));
  if (kind_ == int(Kind::Hydrogen)) {
    for (double e : {-0.5, 0.5, -0.4, -0.3, -0.2, -0.1}) p.Line(x0, float(py(e)), x1, float(py(e)));
  } else {
    for (int i = 0; i <= lk::CInt(frame_.ymax + 0.001); ++i) p.Line(x0, float(py(i)), x1, float(py(i)));
  }
  for (const AxisLabel& l : EnergyLabels()) {
    float x = l.x;
    if (l.letter) lk::PrintVar(p, x, l.y, l.text);
    else lk::PrintText(p, x, l.y, l.text);
  }
}

// The texts of the energy axis, where drawE prints them.
std::vector<mainWindow::AxisLabel> mainWindow::EnergyLabels() const {
  const double X = frame_.xmax;
  if (kind_ == int(Kind::Hydrogen))
    return {{QStringLiteral("0.5"), float(px(-0.06 * X)), float(py(0.52)), false},
            {QStringLiteral("0"), float(px(-0.025 * X)), float(py(0.023)), false},
            {QStringLiteral("-0.5"), float(px(-0.08 * X)), float(py(-0.475)), false}};
  const lk::Surface slate = Slate(pic_->surface(), kAxisSize);
  std::vector<AxisLabel> labels;
  for (int i = 0; i <= lk::CInt(frame_.ymax + 0.001); ++i) {
    // 11 lies above the top edge (10.5): its tick is out of sight, and so
    // is its label.
    if (py(i) < 0) continue;
    const float x = float(px(0)) - slate.TextWidth(i > 9 ? QStringLiteral("123") : QStringLiteral("12"));
    labels.push_back({lk::NumStrQ(i), x, float(py(i) - 0.02 * H_), false});
  }
  labels.push_back({QStringLiteral("E"), float(px(-0.07 * X)), float(py(6.7)), true});
  return labels;
}

void mainWindow::DrawPot(lk::Surface& p) {
  const Kind kind = Kind(kind_);
  p.DrawWidth = 2;
  bool first = true;
  float lx = 0, ly = 0;
  for (const rw::PotentialPoint& pt : rw::PotentialCurve(kind, lk::OptIndex)) {
    const float x = float(px(pt.r)), y = float(py(pt.V));
    if (!first) p.Line(lx, ly, x, y, kPotentialColor);
    first = false;
    lx = x;
    ly = y;
  }
  p.DrawWidth = 1;
}

// The row of an energy: "E ＝ " and the text as typed, a bare point given
// its "0" (or the value, where the typed text is too long for the row).
// Returns where the swatch goes.
float mainWindow::PrintRow(const QString& text, double E) {
  lk::Surface& p = pic_->surface();
  p.FontSize = kRowSize;
  p.ForeColor = kRowColor;
  float x = float(0.01 * W_);
  const float y = float(rows_ * 0.05 * H_);
  lk::PrintVar(p, x, y, QStringLiteral("E"));
  lk::PrintText(p, x, y, QStringLiteral(" ＝ "));
  // The text, a letter's gap, the swatch of four letters and half a letter
  // clear of the energy axis and its labels.
  const float room = RowEnd(y) - 5.5f * LetterWidth(p) - x;
  const QString shown = RowText(text, E, room);
  lk::PrintText(p, x, y, shown);
  rowTexts_ << shown;
  return x;
}

// What a row shows of an entry within `room`: the text as typed where it
// fits; else the value in its shortest text (with the colour after a comma),
// and failing that in fewer digits, so that a row of three hundred digits
// still ends before the energy axis.
QString mainWindow::RowText(const QString& typed, double E, float room) const {
  lk::Surface slate = Slate(pic_->surface(), kRowSize);
  auto fits = [&](const QString& t) {
    float x = 0;
    lk::PrintText(slate, x, 0, t);
    return x <= room;
  };
  const QString value = Q(lk::LeadZero(lk::NumStr(E)));
  QStringList candidates{Q(lk::LeadZero(S(typed)))};
  if (const qsizetype comma = typed.indexOf(QLatin1Char(',')); comma >= 0)
    candidates << value + typed.mid(comma);
  candidates << value;
  for (int digits = 14; digits >= 1; --digits) candidates << QString::asprintf("%.*G", digits, E);
  for (const QString& t : candidates)
    if (fits(t)) return t;
  return candidates.last();
}

// Where the row whose top is y must end: at the energy axis, or before a
// label of the axis that stands beside it.
float mainWindow::RowEnd(float y) const {
  const float rowHeight = Slate(pic_->surface(), kRowSize).TextHeight(QStringLiteral("E"));
  const float labelHeight = Slate(pic_->surface(), kAxisSize).TextHeight(QStringLiteral("E"));
  float end = float(px(0));
  for (const AxisLabel& l : EnergyLabels())
    if (l.y < y + rowHeight && y < l.y + labelHeight) end = std::min(end, l.x);
  return end;
}

// True while the next row lies wholly inside the picture.
bool mainWindow::RowLeft() const {
  const float rowHeight = Slate(pic_->surface(), kRowSize).TextHeight(QStringLiteral("E"));
  return float((rows_ + 1) * 0.05 * H_) + rowHeight <= float(H_);
}

// A short red stroke at the energy on the energy axis; none for an energy
// far off the picture.
void mainWindow::MarkEnergy(double E) {
  const int y = py(E);
  if (y < -H_ || y > 2 * H_) return;
  lk::Surface& p = pic_->surface();
  p.Line(float(px(0)), float(y), float(px(0.04 * frame_.xmax)), float(y), kMarkColor);
}

// The notice for a refused energy, until a key is pressed on the window.
void mainWindow::ShowNotice() {
  lk::SoundDing();
  label1_->setText(Q(kind_ == int(Kind::Hydrogen) ? kNegativeOnly : kNotNegative));
  picErr_->show();
  activateWindow();
  setFocus();
  lk::Waiting = 1;
  lk::WaitWhile([] { return lk::Waiting != 0; });
  picErr_->hide();
}

// The radial function over the potential, 0.02 s per point by the clock;
// it stops with a beep where it runs away.
void mainWindow::DrawCurve(double E, lk::Color colour) {
  const Kind kind = Kind(kind_);
  const int l = lk::OptIndex;
  const rw::HydrogenScale h = kind == Kind::Hydrogen ? rw::HydrogenScaleOf(E, l) : rw::HydrogenScale{};
  lk::Surface& p = pic_->surface();
  p.DrawWidth = 2;
  lastCurvePoints_ = 0;
  const double start = lk::Now();
  float lx = 0, ly = 0;
  for (int i = 0; i <= rw::kLastPoint; ++i) {
    const rw::CurvePoint pt = kind == Kind::Hydrogen ? rw::HydrogenPoint(h, l, i)
                                                     : rw::OscillatorPoint(E, l, i);
    if (pt.diverged) {
      lk::Beep();
      break;
    }
    const float x = float(px(pt.r)), y = float(py(pt.y));
    if (i > 0) p.Line(lx, ly, x, y, colour);
    lx = x;
    ly = y;
    ++lastCurvePoints_;
    lk::WaitUntil(start + rw::kSecondsPerPoint * i);
  }
  p.DrawWidth = 1;
}
