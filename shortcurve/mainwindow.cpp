#include "mainwindow.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "program.h"
#include "sounds.h"

using namespace lk;
using namespace shortcurve;

namespace {

// Layout of the window, in pixels (twips are 15 to a pixel).
constexpr int kTw = 15;
constexpr int kClientW = 1080, kClientH = 760;
constexpr TwipsRect kTitleRect{40, 6, 560, 44};
constexpr TwipsRect kBoardRect{40, 54, 560, 560};
constexpr TwipsRect kFrameRect{40, 642, 232, 78};
constexpr TwipsRect kOpt1Rect{14, 34, 92, 30};
constexpr TwipsRect kOpt2Rect{112, 34, 112, 30};
constexpr TwipsRect kExactRect{286, 660, 112, 46};
constexpr TwipsRect kRestartRect{406, 660, 124, 46};
constexpr TwipsRect kExitRect{538, 660, 112, 46};
constexpr double kPanelLeft = 668;
constexpr double kLblTop[3] = {14, 42, 72};
// picWork is tall enough for a full series of results with the answer below.
constexpr TwipsRect kFormulaRect{kPanelLeft, 106, 392, 72};
constexpr TwipsRect kWorkRect{kPanelLeft, 184, 400, 570};
// The end-point labels beside the board: their size and gap.
constexpr int kLabelW = 28, kLabelH = 22, kLabelGap = 3;

constexpr float kTitleFontSize = 16, kLabelFontSize = 13, kButtonFontSize = 11;
constexpr float kAxisFontSize = 11, kFormulaFontSize = 15;
constexpr float kResultFontSize = 12, kAnswerFontSize = 13;

constexpr int kTimerMs = 100;
constexpr int kMarkRadius = 4;
constexpr double kGridStep = 0.2;

void Place(QWidget* w, const TwipsRect& r) {
  PlaceTw(w, r.left * kTw, r.top * kTw, r.width * kTw, r.height * kTw);
}

const QString kFont = QStringLiteral("メイリオ");

// Runs a handler from a control's signal, as the frame runs its own.
template <class F>
auto Guarded(F f) {
  return [f](auto&&...) {
    if (!Ending()) Guard(f);
  };
}

}  // namespace

// ---------------------------------------------------------------------------
// The window and its controls

FrameParams frmVar::Params() {
  FrameParams p;
  p.caption = QStringLiteral("変分問題 ( 28-29 ページ )");
  p.clientWidth = kClientW * kTw;
  p.clientHeight = kClientH * kTw;
  p.fontName = kFont;
  p.fontSize = kButtonFontSize;
  return p;
}

frmVar::frmVar() : LessonWindow(Params()) {
  setObjectName(QStringLiteral("frmVar"));
  BuildControls();
  // Off the board, a move of the pointer abandons the path being drawn.
  setMouseTracking(true);
}

void frmVar::BuildControls() {
  title_ = new QLabel(QStringLiteral("《 変 分 問 題 》"), this);
  title_->setFont(MakeFont(kFont, kTitleFontSize, true, false));
  title_->setAlignment(Qt::AlignCenter);
  Place(title_, kTitleRect);

  const QString lines[3] = {QStringLiteral("変分問題とは，与えられた積分汎関数を"),
                            QStringLiteral("最小にする経路を見つける問題です。"),
                            QStringLiteral("マウスを使って 経路を指定して下さい｡")};
  for (int i = 0; i < 3; ++i) {
    lbl_[i] = new QLabel(lines[i], this);
    Place(lbl_[i], {kPanelLeft, kLblTop[i], 400, 30});
  }

  picB_ = AddPicture(kBoardRect.left * kTw, kBoardRect.top * kTw, kBoardRect.width * kTw,
                     kBoardRect.height * kTw, ScaleMode::Pixels);
  picB_->setObjectName(QStringLiteral("picB"));
  picB_->setMouseTracking(true);
  picB_->onMouseDown = [this](int b, float x, float y) { picB_MouseDown(b, x, y); };
  picB_->onMouseMove = [this](int b, float x, float y) { picB_MouseMove(b, x, y); };

  const QString ends[4] = {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("1")};
  for (int i = 0; i < 4; ++i) {
    L_[i] = new QLabel(ends[i], this);
    L_[i]->setFont(MakeFont(kFont, kAxisFontSize, false, false));
    L_[i]->setAlignment(i < 2 ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter);
  }

  picI_ = AddPicture(kFormulaRect.left * kTw, kFormulaRect.top * kTw, kFormulaRect.width * kTw,
                     kFormulaRect.height * kTw, ScaleMode::Pixels);
  picI_->setObjectName(QStringLiteral("picI"));
  picI_->setPaintHandler([this](Surface& s) { picI_Paint(s); });

  picWork_ = AddPicture(kWorkRect.left * kTw, kWorkRect.top * kTw, kWorkRect.width * kTw,
                        kWorkRect.height * kTw, ScaleMode::Pixels);
  picWork_->setObjectName(QStringLiteral("picWork"));

  frame_ = new QGroupBox(QStringLiteral("変分問題を選択"), this);
  frame_->setFont(MakeFont(kFont, kButtonFontSize, false, false));
  Place(frame_, kFrameRect);
  opt1_ = new QRadioButton(QStringLiteral("(2.28)"), frame_);
  opt2_ = new QRadioButton(QStringLiteral("追加問題"), frame_);
  opt1_->setObjectName(QStringLiteral("opt1"));
  opt2_->setObjectName(QStringLiteral("opt2"));
  Place(opt1_, kOpt1Rect);
  Place(opt2_, kOpt2Rect);
  opt1_->setChecked(true);

  btnExact_ = new QPushButton(QStringLiteral(" 正解 (End)"), this);
  btnRestart_ = new QPushButton(QStringLiteral("再実行 (Home)"), this);
  btnExit_ = new QPushButton(QStringLiteral(" 終了  (Esc)"), this);
  btnExact_->setObjectName(QStringLiteral("btnExact"));
  btnRestart_->setObjectName(QStringLiteral("btnRestart"));
  btnExit_->setObjectName(QStringLiteral("btnExit"));
  Place(btnExact_, kExactRect);
  Place(btnRestart_, kRestartRect);
  Place(btnExit_, kExitRect);

  // The keys of the lesson (Enter, Home, End, Esc) belong to the window, not
  // to whichever control was clicked last.
  for (QWidget* w : std::initializer_list<QWidget*>{opt1_, opt2_, btnExact_, btnRestart_, btnExit_}) {
    w->setFocusPolicy(Qt::NoFocus);
  }
  // Only a change of problem starts a new series; clicking the chosen one
  // again keeps the learner's paths.
  connect(opt1_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Guarded([this] { opt_Click(Problem::Quadratic); })();
  });
  connect(opt2_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Guarded([this] { opt_Click(Problem::Extra); })();
  });
  connect(btnExact_, &QPushButton::clicked, this, Guarded([this] { btnExact_Click(); }));
  connect(btnRestart_, &QPushButton::clicked, this, Guarded([this] { btnRestart_Click(); }));
  connect(btnExit_, &QPushButton::clicked, this, Guarded([this] { btnExit_Click(); }));
}

void frmVar::Form_Load() {
  for (QLabel* l : lbl_) l->setFont(MakeFont(kFont, kLabelFontSize, false, false));
  Surface& b = picB_->surface();
  b.Resize(picB_->width(), picB_->height());
  b.SetBackColor(kBoardBack);
  map_ = BoardMap{b.ScaleWidth(), b.ScaleHeight()};
  plot = PlotFrame{kXMin, kXMax, kYMin, kYMax, int(map_.W), int(map_.H)};
  SetProblem(opt2_->isChecked() ? Problem::Extra : Problem::Quadratic);
  Exec();
  StartTimer1(kTimerMs);
}

void frmVar::SetProblem(Problem problem) {
  problem_ = problem;
  path_ = PathDraft(problem);
  PlaceEndLabels();
}

// "1" and "0" under the board at x = 1 and 0, "0" and "1" left of it at
// y = 0 and 1.
void frmVar::PlaceEndLabels() {
  const int left = int(kBoardRect.left), top = int(kBoardRect.top);
  const int below = top + int(kBoardRect.height) + kLabelGap;
  const double xs[2] = {1, 0}, ys[2] = {0, 1};
  for (int i = 0; i < 2; ++i) {
    L_[i]->setGeometry(left + px(xs[i]) - kLabelW / 2, below, kLabelW, kLabelH);
    L_[i + 2]->setGeometry(left - kLabelW - kLabelGap, top + py(ys[i]) - kLabelH / 2, kLabelW,
                           kLabelH);
  }
}

// ---------------------------------------------------------------------------
// Events

void frmVar::Form_KeyDown(int keyCode, int /*shift*/) {
  switch (keyCode) {
    case key::End: reqExact_ = true; break;
    case key::Home: btnRestart_Click(); break;
    case key::Enter:
      if (drawingEnabled_) reqPathEnd_ = true;
      break;
    case key::Esc: Form_Unload(); break;
    default: break;
  }
}

void frmVar::mouseMoveEvent(QMouseEvent* e) {
  if (!BlockedByModal(this)) Guard([this] { Form_MouseMove(); });
  e->accept();
}

void frmVar::Form_MouseMove() {
  if (path_.started()) reqAbandon_ = true;
}

void frmVar::opt_Click(Problem problem) {
  // The old board and results no longer belong to the chosen problem; the
  // new series starts at the next tick.
  drawingEnabled_ = false;
  SetProblem(problem);
  picWork_->surface().Cls();
  picI_->update();
  Surface& s = picI_->surface();
  s.Cls();
  picI_Paint(s);
  reqRestart_ = true;
}

void frmVar::picB_MouseMove(int /*button*/, float x, float y) {
  if (!drawingEnabled_) return;
  // The board counts in whole units, as the pointer did on the classic board.
  const Point at{map_.qx(std::round(x)), map_.qy(std::round(y))};
  if (Recordable(problem_, at)) {
    pointer_ = at;
    hasPointer_ = true;
  }
  reqMove_ = true;
}

void frmVar::picB_MouseDown(int button, float x, float y) {
  if (!drawingEnabled_) {
    // A full series takes no more paths; say so rather than stay mute.
    if (series_.full() && !exactShown_) SoundDing();
    return;
  }
  picB_MouseMove(button, x, y);
  if (button == 1) reqVertex_ = true;
  if (button == 2) reqPathEnd_ = true;
}

void frmVar::btnExact_Click() { reqExact_ = true; }

void frmVar::btnRestart_Click() {
  picWork_->surface().Cls();
  reqRestart_ = true;
}

void frmVar::btnExit_Click() { Form_Unload(); }

// ---------------------------------------------------------------------------
// The timer and its workers

void frmVar::Timer1_Timer() {
  DoEvents();
  if (reqAbandon_) {
    reqAbandon_ = false;
    procAbandon();
  }
  if (reqMove_) {
    reqMove_ = false;
    procMouseMove();
  }
  if (reqPathEnd_) {
    reqPathEnd_ = false;
    procPathEnd();
  }
  if (reqVertex_) {
    reqVertex_ = false;
    procMouseDown();
  }
  if (reqRestart_) {
    reqRestart_ = false;
    Exec();
  }
  if (reqExact_) {
    reqExact_ = false;
    procHelp();
  }
}

void frmVar::procAbandon() {
  if (!path_.started()) return;
  path_.Reset();
  picB_Paint(picB_->surface());
}

// The rubber band from the last fixed vertex to the pending point, drawn in
// XOR: drawing it again erases it, whatever lies beneath.
void frmVar::DrawBand(Surface& s) {
  const Point a = path_.last(), b = path_.pending();
  s.Mode = DrawMode::Xor;
  s.DrawWidth = 1;
  s.Line(px(a.x), py(a.y), px(b.x), py(b.y), kBandPen);
  s.Mode = DrawMode::Copy;
}

void frmVar::procMouseMove() {
  if (!drawingEnabled_ || !hasPointer_) return;
  Point at = pointer_;
  const bool near = NearEnd(problem_, map_, at);
  if (near) {
    at = endPoint();
    // Arriving at the end point closes the path; lingering there does not
    // close one straight path after another.
    if (!inSnapZone_) {
      if (Now() >= nextDing_) {
        SoundDing();
        nextDing_ = Now() + kDingPause;
      }
      reqPathEnd_ = true;
    }
  }
  inSnapZone_ = near;
  if (path_.hasPending() && path_.pending() == at) return;
  Surface& s = picB_->surface();
  if (path_.hasPending()) DrawBand(s);
  path_.SetPending(at);
  DrawBand(s);
}

void frmVar::procPathEnd() {
  if (!drawingEnabled_) return;
  Surface& s = picB_->surface();
  if (path_.hasPending()) DrawBand(s);
  path_.SetPending(endPoint());
  DrawBand(s);
  reqVertex_ = true;
}

void frmVar::procMouseDown() {
  if (!drawingEnabled_ || !path_.hasPending()) return;
  Surface& s = picB_->surface();
  const Point from = path_.last();
  DrawBand(s);
  if (path_.FixPending() == PathDraft::Fixed::Refused) {
    DrawBand(s);
    return;
  }
  const Point to = path_.last();
  s.Line(px(from.x), py(from.y), px(to.x), py(to.y), kPathColor);
  if (path_.last() != endPoint()) return;

  PrintResult(path_.I());
  series_.Add(path_.vertices());
  // The finished path joins the earlier ones in grey; the next one is white.
  path_.Reset();
  picB_Paint(s);
  if (series_.full()) {
    // Twenty paths fill a series: Home starts another, End shows the answer.
    drawingEnabled_ = false;
    return;
  }
  NextPath();
}

void frmVar::procHelp() {
  // Once shown, the answer stays on the board and in picWork.
  if (exactShown_) return;
  btnExact_->setEnabled(false);
  drawingEnabled_ = false;
  Surface& s = picB_->surface();
  if (path_.hasPending()) DrawBand(s);
  path_.ClearPending();
  exactShown_ = true;
  DrawMinimiser(s, true);
  if (reqRestart_) return;  // a restart came while the curve grew
  PrintAnswer();
}

void frmVar::Exec() {
  btnExact_->setEnabled(true);
  drawingEnabled_ = true;
  exactShown_ = false;
  inSnapZone_ = false;
  series_.Clear();
  p_ = 0;
  resultRow_ = 0;
  picWork_->surface().Cls();
  path_.Reset();
  picB_Paint(picB_->surface());
  NextPath();
}

void frmVar::NextPath() {
  p_ += 1;
  path_.Reset();
}

// ---------------------------------------------------------------------------
// Drawing

void frmVar::picB_Paint(Surface& s) {
  s.Cls();
  s.DrawWidth = 1;
  s.Mode = DrawMode::Copy;
  for (int i = 0; i * kGridStep <= (kXMax - kXMin) + 1e-9; ++i) {
    const double v = kXMin + i * kGridStep;
    s.Line(px(v), 0, px(v), s.ScaleHeight(), kGridColor);
    s.Line(0, py(v), s.ScaleWidth(), py(v), kGridColor);
  }
  const Point e = endPoint();
  s.Circle(px(0), py(0), kMarkRadius, kMarkColor);
  s.Circle(px(e.x), py(e.y), kMarkRadius, kMarkColor);

  auto polyline = [&](const std::vector<Point>& v, Color c) {
    for (std::size_t i = 1; i < v.size(); ++i)
      s.Line(px(v[i - 1].x), py(v[i - 1].y), px(v[i].x), py(v[i].y), c);
  };
  for (const auto& old : series_.paths()) polyline(old, kOldPathColor);
  polyline(path_.vertices(), kPathColor);
  if (exactShown_) DrawMinimiser(s, false);
  // What was drawn in XOR is gone: the band starts afresh at the next move.
  path_.ClearPending();
}

// The minimiser in red, growing point by point when paced.
void frmVar::DrawMinimiser(Surface& s, bool paced) {
  s.DrawWidth = 2;
  s.PSet(px(0), py(0), kExactColor);
  s.CurrentX = px(0);
  s.CurrentY = py(0);
  const double t0 = Now();
  int i = 0;
  for (const Point& q : MinimiserPoints(problem_)) {
    s.LineTo(px(q.x), py(q.y), kExactColor);
    if (!paced) continue;
    WaitUntil(t0 + (++i) * kCurveStep);
    if (reqRestart_) break;
  }
  s.DrawWidth = 1;
}

float frmVar::ResultLineHeight() const {
  Surface probe;
  probe.FontName = kFont;
  probe.FontSize = kResultFontSize;
  return probe.TextHeight(QStringLiteral("A"));
}

void frmVar::PrintResult(double value) {
  Surface& w = picWork_->surface();
  w.FontName = kFont;
  w.FontSize = kResultFontSize;
  w.ForeColor = col::Black;
  float x = 0;
  const float y = float(resultRow_) * w.TextHeight(QStringLiteral("A"));
  PrintText(w, x, y,
            QStringLiteral("この経路での積分汎関数の値は ") + Q(ValueText(value)) +
                QStringLiteral(" です."));
  resultRow_ += 1;
}

void frmVar::PrintAnswer() {
  Surface& w = picWork_->surface();
  w.FontName = kFont;
  w.FontSize = kResultFontSize;
  w.ForeColor = col::Black;
  const float y = (float(resultRow_) + 0.5f) * w.TextHeight(QStringLiteral("A"));
  w.FontSize = kAnswerFontSize;
  const float h = w.TextHeight(QStringLiteral("A"));
  const float wA = w.TextWidth(QStringLiteral("A"));
  // The fraction of problem 1 needs half a line above the text.
  const float y1 = problem_ == Problem::Quadratic ? y + 0.5f * h : y;
  float x = 0;
  PrintText(w, x, y1, QStringLiteral("正解は ‥‥ ") + Q(ValueText(Minimum(problem_))) + QStringLiteral("，"));
  PrintVar(w, x, y1, QStringLiteral("y"));
  PrintText(w, x, y1, QStringLiteral(" ="));
  x += 0.3f * wA;
  if (problem_ == Problem::Quadratic) {
    // sinh x over sinh 1, both centred on the bar.
    const float top = y1 - 0.55f * h, bottom = y1 + 0.5f * h;
    const float den = w.TextWidth(QStringLiteral("sinh 1"));
    float xn = x + 0.1f * wA;
    PrintText(w, xn, top, QStringLiteral("sinh "));
    PrintVar(w, xn, top, QStringLiteral("x"));
    const float num = xn - (x + 0.1f * wA);
    const float bar = std::max(num, den) + 0.2f * wA;
    w.Line(x, y1 + 0.5f * h, x + bar, y1 + 0.5f * h, col::Black);
    float xd = x + (bar - den) / 2;
    PrintText(w, xd, bottom + 0.05f * h, QStringLiteral("sinh 1"));
  } else {
    PrintVar(w, x, y1, QStringLiteral("x"));
    PrintText(w, x, y1, QStringLiteral("(1"));
    x += 0.15f * wA;
    PrintSign(w, x, y1, QStringLiteral("-"));
    x += 0.15f * wA;
    PrintVar(w, x, y1, QStringLiteral("x"));
    PrintSup(w, x, y1, QStringLiteral("2"));
    PrintText(w, x, y1, QStringLiteral(")"));
  }
  x = 0;
  const float y2 = y1 + (problem_ == Problem::Quadratic ? 2.0f : 1.3f) * h;
  PrintText(w, x, y2, QStringLiteral("求める経路は，図のようになります。"));
}

// The integral sign with its limits 0 and 1.  The sign is set a size larger
// than the text, so that it spans the squares and primes beside it.
void frmVar::ShowIntegralSymbol(Surface& s, float& x, float y) {
  const float h = s.TextHeight(QStringLiteral("A"));
  const float w = s.TextWidth(QStringLiteral("A"));
  const float saved = s.FontSize;
  s.FontSize = 1.25f * saved;
  PrintIntegral(s, x, y - 0.12f * h);
  s.FontSize = 0.7f * saved;
  float xu = x + 0.05f * w;
  PrintText(s, xu, y - 0.6f * h, QStringLiteral("1"));
  float xl = x - 0.15f * w;
  PrintText(s, xl, y + 0.95f * h, QStringLiteral("0"));
  s.FontSize = saved;
  x = std::max({x, xu, xl}) + 0.2f * w;
}

void frmVar::picI_Paint(Surface& s) {
  s.FontName = kFont;
  s.FontSize = kFormulaFontSize;
  s.ForeColor = col::Black;
  const float h = s.TextHeight(QStringLiteral("A"));
  const float y = 0.5f * (s.ScaleHeight() - h);
  float x = 0.5f * s.TextWidth(QStringLiteral("A"));
  PrintVar(s, x, y, QStringLiteral("I"));
  PrintText(s, x, y, QStringLiteral(" = "));
  ShowIntegralSymbol(s, x, y);
  PrintText(s, x, y, QStringLiteral("( "));
  PrintVar(s, x, y, QStringLiteral("y"));
  PrintPrime(s, x, y);
  PrintSup(s, x, y, QStringLiteral("2"));
  if (problem_ == Problem::Quadratic) {
    PrintText(s, x, y, QStringLiteral(" ＋ "));
    PrintVar(s, x, y, QStringLiteral("y"));
    PrintSup(s, x, y, QStringLiteral("2"));
  } else {
    PrintText(s, x, y, QStringLiteral(" － "));
    PrintText(s, x, y, QStringLiteral("12"));
    PrintVar(s, x, y, QStringLiteral("x"));
    PrintVar(s, x, y, QStringLiteral("y"));
  }
  PrintText(s, x, y, QStringLiteral(" ) "));
  PrintVar(s, x, y, QStringLiteral("d"));
  PrintVar(s, x, y, QStringLiteral("x"));
}
