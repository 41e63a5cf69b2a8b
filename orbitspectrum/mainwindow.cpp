// The frame, the pauses and the sequence of a run with its messages; the
// introduction, the motion over a period and the results panel are drawn in
// introduction.cpp, motion.cpp and spectrum.cpp.
#include "mainwindow.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "drawing.h"
#include "fonts.h"
#include "program.h"
#include "sounds.h"

using namespace orbitspectrum;
using namespace orbitspectrum::drawing;
using lk::Color;
using lk::RGB;
using lk::Surface;

namespace {

// ---- Constants of the window ---------------------------------------------------

const QString kCaption = QStringLiteral(" 惑星の運動とベッセル関数 (  172 ページ )");
const QString kTitle = QStringLiteral("《 惑星の公転運動のフーリエ解析 》");

// The client area, 840 x 600 pixels: wide enough for the longest narration
// line at 14 points, with the introduction figures below and right of it.
constexpr int kClientWidth = 12600, kClientHeight = 9000;  // twips
constexpr double kDemoWidth = 4500, kDemoHeight = 3600;    // twips, 300 x 240 pixels

constexpr Color kRunBack = RGB(224, 224, 224);
constexpr Color kMessageInk = RGB(0, 0, 128);

constexpr float kPromptA = 0.15f;
constexpr float kPromptBOverFigure = 0.2f, kPromptBLow = 0.92f;
constexpr float kAutoContinueSeconds = 10;
constexpr float kDialogA = 0.1f, kDialogB = 0.2f;
const QString kEndCaption = QStringLiteral("終 了");

// A long pause is waited in slices, so that F1 can still shorten it.
constexpr double kWaitSlice = 0.05;

lk::FrameParams Params() {
  lk::FrameParams p;
  p.caption = kCaption;
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.endKeysAnyTime = {lk::key::Esc};
  p.keyClearsWaiting = true;
  p.keyStoresLastKey = true;
  p.flagKey = lk::key::F1;
  p.promptA = kPromptA;
  p.promptB = kPromptBLow;
  p.promptWait = lk::PromptWait::UntilWaitingClear;
  p.promptEscEnds = true;
  return p;
}

}  // namespace

// ---- Window ----------------------------------------------------------------------

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  sTitle_ = new QLabel(kTitle, this);
  sTitle_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 16, false, false));
  sTitle_->setAlignment(Qt::AlignCenter);
  sTitle_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  lk::PlaceTw(sTitle_, 0, 120, kClientWidth, 600);

  for (auto& p : picDemo_) {
    p = AddPicture(0, 0, kDemoWidth, kDemoHeight);
    p->hide();
  }
  for (int i = 1; i <= 4; ++i) {
    pic_[i] = AddPicture(0, 0, 15, 15, lk::ScaleMode::Pixels, i <= 2);
    pic_[i]->hide();
  }
}

void mainWindow::Form_Load() {
  table_ = MakeTable(kSamples);
  ExecIntro();
  Exec2();
}

QPointF mainWindow::PromptPlace() const {
  return {kPromptA, pic_[1]->isVisible() ? kPromptBOverFigure : kPromptBLow};
}

// During a run the lesson goes on by itself; the introduction and the end
// of a run wait for the learner.
float mainWindow::PromptAutoWait() const {
  return step_ >= 1 && step_ <= 9 ? kAutoContinueSeconds : 0;
}

void mainWindow::PaintInput(Surface& pic) {
  pic.FontSize = 12;
  float x = 8;
  const float y = 2;
  lk::PrintText(pic, x, y, QStringLiteral("離心率 "));
  lk::PrintEpsilon(pic, x, y);
  lk::PrintText(pic, x, y, QStringLiteral(" を指定して下さい"));
}

// F1 counts at a pause too, where the prompt rather than the window has the key.
void mainWindow::HitAnyKey() {
  LessonWindow::HitAnyKey();
  if (lk::LastKey == lk::key::F1) keyFlag = true;
  // Keys during the drawing that follows (F1, Esc) belong to the window.
  activateWindow();
}

void mainWindow::Wait() {
  const double t0 = lk::Now();
  for (;;) {
    const double end = t0 + (keyFlag ? kFastWaitSeconds : kWaitSeconds);
    const double now = lk::Now();
    if (now >= end) return;
    lk::WaitUntil(std::min(end, now + kWaitSlice));
  }
}

// ---- Runs ------------------------------------------------------------------------------

void mainWindow::Exec2() {
  Surface& f = form();
  f.SetScale(lk::ScaleMode::Twips);
  e_ = kInitialEccentricity;
  const double W = f.ScaleWidth(), H = f.ScaleHeight();
  lk::PlaceTw(pic_[1], 0.5 * W, 0.092 * H, 0.4875 * W, 0.417 * H);
  lk::PlaceTw(pic_[2], 0.5 * W, 0.51 * H, 0.4875 * W, 0.417 * H);
  lk::PlaceTw(pic_[3], W * 30 / 9600, H * 690 / 7200, W * 4770 / 9600, H * 420 / 7200);
  lk::PlaceTw(pic_[4], 0, H * 1500 / 7200, W * 4770 / 9600, H * 5400 / 7200);
  for (int i = 1; i <= 4; ++i) {
    // A hidden control learns its size only when shown; the surface needs it now.
    pic_[i]->surface().Resize(pic_[i]->width(), pic_[i]->height());
    pic_[i]->surface().SetBackColor(i <= 2 ? kRunBack : lk::col::FormBack);
    pic_[i]->show();
  }
  plotW_ = int(Rounded(pic_[1]->surface().ScaleWidth()));
  plotH_ = int(Rounded(pic_[1]->surface().ScaleHeight()));
  f.Cls();
  for (;;) RunOnce();
}

void mainWindow::RunOnce() {
  pic3_ShowMsg(1);
  ReadEccentricity();

  const OrbitShape shape = MakeShape(e_);
  figure_.emplace(shape, plotW_, plotH_);
  graph_.emplace(shape, kSamples, plotW_, plotH_);
  samplesDrawn_ = 0;
  pic_[3]->surface().Cls();
  pic_[4]->surface().Cls();
  PrepareFigure();
  PrepareGraph();

  pic3_ShowMsg(2);
  HitAnyKey();
  pic3_ShowMsg(3);
  Orbit();
  pic3_ShowMsg(4);
  pic4_Working(4);

  HitAnyKey();
  pic3_ShowMsg(5);
  HitAnyKey();
  pic3_ShowMsg(6);
  FourierTransform();
  Wait();
  pic3_ShowMsg(7);
  pic4_Working(7);

  HitAnyKey();
  pic3_ShowMsg(8);
  dspFourierCoeff();
  HitAnyKey();
  pic3_ShowMsg(9);
  pic4_Working(9);
  HitAnyKey();
  ExecCompare();
  pic3_ShowMsg(10);
  HitAnyKey();
}

void mainWindow::ReadEccentricity() {
  double proposal = e_;
  for (;;) {
    lk::AllowDot = 1;
    lk::AllowMinus = 0;
    lk::AllowComma = 0;
    lk::NumEntry entry;
    entry.a = kDialogA;
    entry.b = kDialogB;
    entry.proposal = lk::Q(lk::PlainNumStr(proposal));
    entry.scroll = true;
    entry.lo = kDialogMin;
    entry.hi = kDialogMax;
    entry.scrollMin = kScrollMin;
    entry.scrollMax = kScrollMax;
    entry.typedKeysToLastKey = true;
    entry.cancelCaption = kEndCaption;
    const QString text = lk::StrInput(*this, entry);
    activateWindow();
    if (text.isEmpty()) {  // "終 了", Esc, or an emptied box
      Form_Unload();
      lk::CheckEnd();
      return;
    }
    const double v = lk::Val(lk::S(text));
    const EccentricityCheck check = CheckEccentricity(v);
    if (check.accepted) {
      e_ = v;
      return;
    }
    lk::SoundDing();
    proposal = check.proposal;
  }
}

void mainWindow::pic3_ShowMsg(int k) {
  step_ = k;
  stepTimes_.at(k) = lk::Now();
  Surface& s = pic_[3]->surface();
  s.Cls();
  s.FontSize = 14;
  s.ForeColor = kMessageInk;
  float x = 0;
  const float y = 0;
  switch (k) {
    case 1:
      lk::PrintText(s, x, y, QStringLiteral("　　楕円の離心率  "));
      lk::PrintEpsilon(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral("  を指定して下さい｡"));
      break;
    case 2: lk::PrintText(s, x, y, QStringLiteral("　運動方程式を数値計算により解きます｡")); break;
    case 3: lk::PrintText(s, x, y, QStringLiteral("２次 Runge-Kutta 公式により解いています｡")); break;
    case 4: lk::PrintText(s, x, y, QStringLiteral("   結果の精度を確認して下さい｡")); break;
    case 5:
      lk::PrintText(s, x, y, QStringLiteral("  次に，"));
      ShowRt(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral(" をフーリエ級数に展開します｡"));
      break;
    case 6: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析を実行しています｡")); break;
    case 7: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析の結果を表示します｡")); break;
    case 8: lk::PrintText(s, x, y, QStringLiteral("    フーリエ解析の結果：")); break;
    case 9: lk::PrintText(s, x, y, QStringLiteral(" 最後に，ベッセルの理論値と比較します｡")); break;
    case 10:
      lk::PrintText(s, x, y, QStringLiteral("   離心率  "));
      lk::PrintEpsilon(s, x, y);
      lk::PrintText(s, x, y, QStringLiteral("  を変えて再実行できます｡"));
      break;
    default: break;
  }
}
