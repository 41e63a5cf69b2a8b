#include "mainwindow.h"

#include <QPushButton>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "program.h"
#include "sounds.h"

using namespace springchain;
using lk::Color;
using lk::RGB;
using lk::Surface;

namespace {

// ---- Constants of the window ----------------------------------------------------

const QString kCaption = QStringLiteral(" 格子振動とベッセル関数");
constexpr int kClientWidth = 15270, kClientHeight = 11040;  // twips: 1018 x 736 pixels
constexpr int kTimerMs = 10;

constexpr Color kStripBack = RGB(192, 224, 192);
constexpr Color kRecordBack = RGB(244, 244, 244);
constexpr Color kRecordColour = RGB(0, 30, 255);
constexpr Color kStampBack = RGB(0, 0, 255);
constexpr Color kGrey = RGB(128, 128, 128);
constexpr Color kPromptColour = RGB(0, 0, 192);
constexpr Color kSlidingColour = RGB(0, 0, 255);

constexpr float kTitleSize = 18, kNarrationSize = 15.5f, kPictureSize = 9, kStampSize = 10;
constexpr float kPromptSize = 12, kButtonSize = 11;
constexpr int kTitleTop = 8;
// The record rises until its top is this far below the title.
constexpr int kRecordClearance = 10;

// Layout as shares of the window: the strip and the record 0.95 of its width,
// the strip 0.1 of its height with its top at 0.88.
constexpr double kStripWidthShare = 0.95, kStripTopShare = 0.88, kStripHeightShare = 0.1;
constexpr int kCoverHeight = 40;
constexpr double kStampShare = 0.6;  // stamp side / u
constexpr int kTickLength = 5;

// The press-any-key label, below the narration and above the strip.
constexpr double kPromptLeftShare = 0.07, kPromptTopShare = 0.8;
// The restart button, at the right of the title line.
constexpr int kButtonWidth = 200, kButtonHeight = 36, kButtonMargin = 14;

// Pacing: the displacement takes 5 s; the motion 1.5 s per unit of time.
constexpr double kDisplaceSeconds = 5;
constexpr int kDisplaceSteps = 256;
constexpr double kSecondsPerTimeUnit = 1.5;
constexpr int kTimeScaleStep = 5;

lk::FrameParams Params() {
  lk::FrameParams p;
  p.caption = kCaption;
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.endKeysAnyTime = {lk::key::Esc};
  return p;
}

int Round(double v) { return lk::RoundPx(v); }

}  // namespace

// ---- Window ----------------------------------------------------------------------

mainWindow::mainWindow() : lk::LessonWindow(Params()), frame_(1, 1, lk::ScaleMode::Pixels) {
  // Stacking from the bottom: the sliding line and the prompt on the window,
  // the record over them (it rises over the narration), the strip and the
  // cover over the record, the title and the button on top.
  // The blank lblMask(1) lies under the line lblMask(0).
  for (int i : {1, 0}) {
    lblMask_[i] = AddPicture(0, 0, 15, 15);
    lblMask_[i]->hide();
  }
  lblHitKey_ = new lk::ClickLabel(QStringLiteral("どれかのキーを押して下さい"), this);
  lblHitKey_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), kPromptSize, false, false));
  QPalette pal = lblHitKey_->palette();
  pal.setColor(QPalette::WindowText, lk::ToQColor(kPromptColour));
  lblHitKey_->setPalette(pal);
  lblHitKey_->adjustSize();
  lblHitKey_->hide();
  lblHitKey_->onClick = [this] { pauseEnded_ = true; };

  picA_ = AddPicture(0, 0, 15, 15);
  picB_ = AddPicture(0, 0, 15, 15);
  picCover_ = AddPicture(0, 0, 15, 15);
  picA_->hide();
  picB_->hide();
  picCover_->hide();
  // The record is drawn whole while it still lies behind the strip, and its
  // rows come into view one per step as it rises; at t = 32 it stands
  // between the title and the strip.  What can be read of it is what stands
  // above the strip then, time scale and all.
  picA_->surface().VisibleArea = [this] {
    return QRegion(0, 0, picA_->width(), picB_->y() - (titleBottom_ + kRecordClearance));
  };

  picTitle_ = AddPicture(0, 0, 15, 15);

  btnAgain_ = new QPushButton(QStringLiteral("原点を移動して再実行"), this);
  btnAgain_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), kButtonSize, false, false));
  // Keys stay with the window: Esc ends the lesson whatever was clicked.
  btnAgain_->setFocusPolicy(Qt::NoFocus);
  btnAgain_->setGeometry(width() - kButtonWidth - kButtonMargin, kTitleTop, kButtonWidth,
                         kButtonHeight);
  btnAgain_->hide();
  connect(btnAgain_, &QPushButton::clicked, this, [this] {
    if (!lk::Ending()) lk::Guard([this] { btnAgain_Click(); });
  });
}

mainWindow::~mainWindow() = default;

void mainWindow::Form_Load() {
  // The window and all its pictures measure in pixels.
  form().SetScale(lk::ScaleMode::Pixels);
  PrintTitle();
  const float SW = form().ScaleWidth(), SH = form().ScaleHeight();
  lblHitKey_->move(Round(kPromptLeftShare * SW), Round(kPromptTopShare * SH));
  StartTimer1(kTimerMs);
}

// "《 １次元格子振動と偶数次ベッセル関数 J_2n(x) 》", centred.
void mainWindow::PrintTitle() {
  auto print = [](Surface& t) {
    t.FontSize = kTitleSize;
    const float w = t.TextWidth(QStringLiteral("A"));
    float x = 0;
    lk::PrintText(t, x, 0, QStringLiteral("《 １次元格子振動と偶数次ベッセル関数 "));
    lk::PrintVar(t, x, 0, QStringLiteral("J"));
    x += 0.2f * w;
    lk::PrintSub(t, x, 0, QStringLiteral("2n"));
    lk::PrintArgX(t, x, 0);
    lk::PrintText(t, x, 0, QStringLiteral(" 》"));
    return x;
  };
  Surface& t = picTitle_->surface();
  Surface measure(1, 1, lk::ScaleMode::Pixels);
  measure.FontName = t.FontName;
  const int width = int(std::ceil(print(measure))) + 2;
  measure.FontSize = kTitleSize;
  // Room below the line for the subscript.
  const int height = int(std::ceil(1.3f * measure.TextHeight(QStringLiteral("A"))));
  picTitle_->setGeometry((int(form().ScaleWidth()) - width) / 2, kTitleTop, width, height);
  t.Resize(width, height);
  t.Cls();
  print(t);
  titleBottom_ = kTitleTop + height;
}

void mainWindow::Timer1_Timer() {
  // The frame's busy flag keeps a tick from starting a second run while the
  // lesson waits.
  if (stage_ == 0) Exec(0);
}

void mainWindow::Form_KeyDown(int keyCode, int shift) {
  LessonWindow::Form_KeyDown(keyCode, shift);  // Esc ends the program
  if (keyCode != lk::key::Esc) pauseEnded_ = true;
}

void mainWindow::btnAgain_Click() {
  picA_->hide();
  origin_ = 1 - origin_;
  lblMask_[0]->hide();
  lblMask_[1]->hide();
  btnAgain_->hide();
  stage_ = 0;
}

// The pause: the prompt label until a key or a click on it.  A key pressed
// before the pause began does not end it.
void mainWindow::HitAnyKey() {
  pauseEnded_ = false;
  ++pauseCount_;
  lblHitKey_->show();
  lk::WaitWhile([this] { return !pauseEnded_; });
  lblHitKey_->hide();
}

// ---- The lesson ------------------------------------------------------------------

void mainWindow::Exec(int /*item*/) {
  step_ = -1;
  animating_ = false;
  displacement_ = 0;
  Layout();
  PreparePicMasses();
  CalcData();
  DrawMasses(0);
  DrawPicRecord();
  picB_->hide();

  Narrate1();
  Narrate2();
  Displace();
  Narrate3();
  Move();
  btnAgain_->show();
  animating_ = false;
}

// The strip and the record share one left edge and the inner width 23 u, so
// an x pixel is the same screen column in both.  The record is as high as it
// can rise between its start under the strip and the title, so that it
// reaches the title exactly at t = 32.
void mainWindow::Layout() {
  const double SW = form().ScaleWidth(), SH = form().ScaleHeight();
  const double Wp = kStripWidthShare * SW;
  const int stripWidth = Round(Wp + 4);
  float u = float(stripWidth) / kStripUnits;
  d_ = lk::CInt(kStampShare * u);
  r_ = d_ / 2;
  u_ = std::round(u);

  const int inner = kStripUnits * int(u_);
  const int left = Round((SW - inner) / 2);
  const int recordTop = Round(kStripTopShare * SH);
  const int stripTop = recordTop - 2;
  const int stripHeight = Round(kStripHeightShare * SH);
  const int recordHeight = std::max(2, recordTop - (titleBottom_ + kRecordClearance));

  picB_->setGeometry(left, stripTop, inner, stripHeight);
  picA_->setGeometry(left, recordTop, inner, recordHeight);
  picCover_->setGeometry(0, stripTop + stripHeight, int(SW), kCoverHeight);
  for (lk::Picture* p : {picA_, picB_, picCover_}) p->surface().Resize(p->width(), p->height());

  picA_->surface().FontSize = kPictureSize;
  picB_->surface().FontSize = kPictureSize;
  picA_->surface().SetBackColor(kRecordBack);
  picB_->surface().SetBackColor(kStripBack);
  picCover_->surface().SetBackColor(lk::col::FormBack);
  picCover_->show();
  frame_.Resize(inner, stripHeight);
  frame_.SetBackColor(kStripBack);
}

void mainWindow::PreparePicMasses() {
  picMass_.clear();
  for (int i = 0; i < kStamps; ++i) {
    Surface s(d_ + 1, d_ + 1, lk::ScaleMode::Pixels);
    s.SetBackColor(kStampBack);
    s.ForeColor = lk::col::White;
    s.FontName = QStringLiteral("Verdana");
    s.FontSize = kStampSize;
    const float w = s.TextWidth(QStringLiteral("A"));
    const QString label = lk::NumStrQ(StampLabel(i));
    s.CurrentX = label.size() == 1 ? w + 1 : label.size() == 2 ? w - 4 : 2;
    s.CurrentY = 4;
    s.Print(label);
    picMass_.push_back(std::move(s));
  }
}

void mainWindow::CalcData() {
  const int nT = Round(picA_->surface().ScaleHeight()) - 1;
  rec_.emplace(nT, u_, origin_);
}

// One frame of the chain: row i of the record while it moves, else the chain
// at rest with atom 0 displaced.  Drawn off-screen, then shown in one copy.
void mainWindow::DrawMasses(int i) {
  Surface& p = frame_;
  const int H = Round(p.ScaleHeight()), W = Round(p.ScaleWidth());
  const int yc = Round(H / 2.0);
  p.Cls();

  const Frame pos = animating_ ? MovingFrame(*rec_, i) : RestingFrame(*rec_, displacement_);
  if (animating_)
    for (int k = 0; k < kAtoms; ++k)
      p.Line(pos[std::size_t(k)], 0, pos[std::size_t(k)], kTickLength - 1, lk::col::Black);
  DrawSprings(p, pos);
  for (int k = 0; k < kAtoms; ++k) {
    const Surface& stamp = picMass_[std::size_t(StampOf(OrderAt(k, origin_)))];
    p.BitBlt(Round(pos[std::size_t(k)]) - r_, yc - r_, d_ + 1, d_ + 1, stamp, 0, 0);
  }
  p.Line(0, float(H - 1), float(W), float(H - 1), kGrey);
  p.Line(float(W - 1), 0, float(W - 1), float(H), kGrey);
  picB_->surface().BitBlt(0, 0, W, H, p, 0, 0);
}

void mainWindow::DrawSprings(Surface& p, const Frame& pos) {
  const float yc = Round(p.ScaleHeight() / 2);
  p.DrawWidth = 2;
  for (int k = 0; k < kAtoms; ++k) {
    for (const auto& stroke : SpringPath(pos[std::size_t(k)], pos[std::size_t(k + 1)], u_, d_, yc)) {
      std::vector<QPointF> line;
      for (const PathPoint& pt : stroke) line.emplace_back(pt.x, pt.y);
      p.Polyline(line, lk::col::Black);
    }
  }
  p.DrawWidth = 1;
}

// The record: every atom's x pixel (positions 1 .. 11) row by row, over the
// equilibrium lines and a time scale at both edges.
void mainWindow::DrawPicRecord() {
  Surface& p = picA_->surface();
  const float SW = p.ScaleWidth(), SH = p.ScaleHeight();
  const int nT = rec_->nT();
  p.Cls();
  p.Box(0, 0, SW - 1, SH - 1, lk::col::Black, false);
  p.Style = lk::DrawStyle::Dot;
  for (int i = 1; i < kAtoms; ++i) p.Line(Equilibrium(i, u_), 0, Equilibrium(i, u_), SH, kGrey);
  p.Style = lk::DrawStyle::Solid;
  for (int i = 1; i < kAtoms; ++i)
    for (int j = 0; j <= nT; ++j) p.PSet(float(rec_->at(i, j)), float(j), kRecordColour);

  const float w = p.TextWidth(QStringLiteral("A"));
  p.ForeColor = lk::col::Black;
  for (int t = 0; t <= int(kTimeEnd) - 1; t += kTimeScaleStep) {
    const float y = float(t) / kTimeEnd * float(nT);
    p.Line(0, y, w, y, kGrey);
    p.Line(SW - w, y, SW, y, kGrey);
    float x = 0.5f * w;
    lk::PrintArial(p, x, y, lk::NumStrQ(t));
  }
}

// ---- Narration ---------------------------------------------------------------------

void mainWindow::Narrate1() {
  Surface& f = form();
  f.Cls();  // a second run starts on a clean window
  f.FontSize = kNarrationSize;
  f.ForeColor = lk::col::Black;
  w_ = f.TextWidth(QStringLiteral("A"));
  L_ = 1.2f * f.TextHeight(QStringLiteral("A"));
  x0_ = 6 * w_;
  y0_ = 3 * L_;
  float x = x0_;
  lk::PrintText(f, x, y0_, QStringLiteral("　１次元格子振動は，ベッセル関数の性質を理解するのに適した問題です。"));
  stage_ = 1;
  HitAnyKey();
}

void mainWindow::Narrate2() {
  Surface& f = form();
  picB_->show();
  DrawMasses(0);
  float y = y0_ + 2 * L_, x = x0_;
  lk::PrintText(f, x, y, QStringLiteral("下の図に示すように，質量 "));
  lk::PrintVar(f, x, y, QStringLiteral("M"));
  x += w_;
  lk::PrintText(f, x, y, QStringLiteral("の原子が バネ定数 "));
  lk::PrintVar(f, x, y, QStringLiteral("k"));
  x += w_;
  lk::PrintText(f, x, y, QStringLiteral("のバネで無限個つながった"));
  x = x0_;
  y = y0_ + 3 * L_;
  lk::PrintText(f, x, y, QStringLiteral("１次元格子の振動を考えましょう。"));
  x = x0_;
  y = y0_ + 4 * L_;
  lk::PrintText(f, x, y, QStringLiteral("　このままでは，どの原子も平衡位置にいるので，何も起こりません。"));
  x = x0_;
  y = y0_ + 5.5f * L_;
  lk::PrintText(f, x, y, QStringLiteral("　ここで，･･･ "));
  xs_ = x;
  stage_ = 2;

  // The sliding line: a blank strip over the rest of the line, and the
  // line itself, which appears while atom 0 moves.
  const int top = Round(y), height = Round(1.3f * L_);
  const int left = Round(xs_), width = Round(f.ScaleWidth() - xs_);
  for (lk::Picture* m : lblMask_) {
    m->setGeometry(left, top, width, height);
    m->surface().Resize(width, height);
    m->surface().SetBackColor(lk::col::FormBack);
    m->surface().FontSize = kNarrationSize;
    m->surface().ForeColor = kSlidingColour;
  }
  lblMask_[1]->show();
  maskText_ = lk::Q(DisplaceLine(origin_));
  maskShown_.clear();
  HitAnyKey();
}

void mainWindow::ShowMask(const QString& text) {
  maskShown_ = text;
  Surface& m = lblMask_[0]->surface();
  m.Cls();
  float x = 0;
  lk::PrintText(m, x, 0, text);
}

// Atom 0 moves to the right by u over five seconds while the line appears
// letter by letter, as far as the displacement has reached.
void mainWindow::Displace() {
  const double start = lk::Now();
  const float span = form().ScaleWidth() - xs_;
  const Surface& m = lblMask_[0]->surface();
  int j = 1;
  ShowMask(maskText_.left(j));
  lblMask_[0]->show();
  for (int i = 1; i < kDisplaceSteps; i += 2) {
    const float D = span * float(i) / kDisplaceSteps;
    if (m.TextWidth(maskText_.left(j)) < D && j < maskText_.size()) ShowMask(maskText_.left(++j));
    if (i % 3 == 0) {
      displacement_ = float(i) / kDisplaceSteps;
      DrawMasses(0);
    }
    lk::WaitUntil(start + kDisplaceSeconds * i / kDisplaceSteps);
  }
  lk::Beep();
  HitAnyKey();
}

void mainWindow::Narrate3() {
  Surface& f = form();
  float x = x0_, y = y0_ + 7 * L_;
  lk::PrintText(f, x, y, QStringLiteral("この状態で初速度をすべて ０ として運動を開始すると，どうなるでしょうか。"));
  stage_ = 3;
  HitAnyKey();

  x = x0_;
  y = y0_ + 8.5f * L_;
  lk::PrintText(f, x, y, QStringLiteral("　その運動は，偶数次のベッセル関数 "));
  lk::PrintVar(f, x, y, QStringLiteral("J"));
  x += 0.3f * w_;
  lk::PrintSub(f, x, y, QStringLiteral("2"));
  f.FontSize = 1.1f * kNarrationSize;
  lk::PrintSub(f, x, y - 0.09f * L_, QStringLiteral("n"));
  f.FontSize = kNarrationSize;
  lk::PrintText(f, x, y, QStringLiteral("("));
  x += 0.3f * w_;
  lk::PrintVar(f, x, y, QStringLiteral("t"));
  x += 0.3f * w_;
  lk::PrintText(f, x, y, QStringLiteral(")"));
  lk::PrintText(f, x, y, QStringLiteral(" により表わされます。"));
  x = x0_;
  y += L_;
  lk::PrintText(f, x, y, QStringLiteral("　この様子を見てみましょう。"));
  stage_ = 4;
  HitAnyKey();

  x = x0_;
  y += 1.5f * L_;
  lk::PrintText(f, x, y, QStringLiteral("　入力するパラメタはありません。どれかのキーを押すと，運動が始まります。"));
  stage_ = 5;
  HitAnyKey();
}

// "Time： 12.5" at the top left, over the previous value.
void mainWindow::PrintTime(float time) {
  Surface& f = form();
  f.FontSize = kNarrationSize;
  const float x0 = 0.05f * f.ScaleWidth(), y = 0.04f * f.ScaleHeight();
  const float wide = f.TextWidth(lk::Q(TimeCaption(8888.8f)));
  f.Box(x0, y, x0 + wide, y + f.TextHeight(QStringLiteral("A")), lk::col::FormBack, true);
  float x = x0;
  f.ForeColor = lk::col::Black;
  lk::PrintText(f, x, y, lk::Q(TimeCaption(time)));
}

// The chain moves for t = 0 .. 32 at 1.5 s per unit of time.  The record
// rises a pixel per step, so its row of the current time stays level with
// the top of the strip and the paths come out from behind the moving chain.
void mainWindow::Move() {
  picA_->show();
  animating_ = true;
  const double start = lk::Now();
  for (int i = 0; i <= rec_->nT(); ++i) {
    const float time = rec_->time(i);
    PrintTime(time);
    DrawMasses(i);
    step_ = i;
    picA_->move(picA_->x(), picA_->y() - 1);
    if (titleBottom_ + kRecordClearance >= picA_->y()) break;
    lk::WaitUntil(start + kSecondsPerTimeUnit * time);
  }
}
