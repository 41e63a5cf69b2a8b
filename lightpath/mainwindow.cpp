#include "mainwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "dspcommon.h"
#include "fonts.h"
#include "program.h"
#include "sounds.h"

using namespace lk;
using namespace lightpath;

namespace {

// The window and its controls, in twips.
constexpr int kClientWidth = 9510, kClientHeight = 6720;
constexpr TwipsRect kHeadRect{1575, 240, 5145, 465};
constexpr TwipsRect kLblRect[5] = {
    {4740, 6315, 765, 300},  // lblN
    {4650, 750, 4770, 300},  {4695, 1095, 4830, 300},
    {4650, 1605, 4770, 300}, {4650, 1965, 4800, 300}};
constexpr TwipsRect kPicRect{105, 735, 4485, 5895};
constexpr TwipsRect kScrollRect{5640, 6300, 1665, 270};
constexpr TwipsRect kIndexRect{7425, 6225, 1035, 405};
constexpr TwipsRect kRestartRect{8535, 5655, 900, 495};
constexpr TwipsRect kEndRect{8535, 6180, 900, 495};
// The result rows run from the middle of the window to its right edge, down
// to the highest of the controls at the bottom right: "再実行" (shown with the
// answer), "終 了" and the index.
constexpr double kRowsBottom = std::min({kRestartRect.top, kEndRect.top, kIndexRect.top,
                                         kScrollRect.top, kLblRect[0].top});
// The step between result rows, in letter heights.
constexpr float kLineStep = 1.2f;
// The answer takes half a row of space, its heading and its result row.
constexpr float kAnswerRows = 1.5f + 1;

constexpr float kFormFontSize = 10;
constexpr float kHeadFontSize = 14;
constexpr float kLabelFontSize = 11;
constexpr float kIndexFontSize = 12;
constexpr float kSceneFontSize = 12;

// Colours of the experiment.
constexpr Color kAir = RGB(192, 192, 192);
constexpr Color kWater = RGB(112, 112, 192);
constexpr Color kTrial = RGB(136, 255, 102);
constexpr Color kFixed = RGB(255, 255, 255);
constexpr Color kAnswer = RGB(230, 0, 0);

// P and Q are white discs of this radius in the picture's corners.
constexpr float kMarkerRadius = 12;

void Place(QWidget* w, const TwipsRect& r) { PlaceTw(w, r.left, r.top, r.width, r.height); }

QLabel* MakeLabel(QWidget* parent, const QString& text, const TwipsRect& r, float size) {
  auto* l = new QLabel(text, parent);
  l->setFont(MakeFont(QStringLiteral("メイリオ"), size, false, false));
  Place(l, r);
  return l;
}

}  // namespace

lk::FrameParams mainWindow::Params() {
  FrameParams p;
  p.caption = QStringLiteral("フェルマの原理 ( 19 ページ， 27-28ページ， 問題 2．1 ) ");
  p.clientWidth = kClientWidth;
  p.clientHeight = kClientHeight;
  p.fontName = QStringLiteral("メイリオ");
  p.fontSize = kFormFontSize;
  return p;
}

mainWindow::mainWindow() : LessonWindow(Params()) {
  setObjectName(QStringLiteral("mainWindow"));
  lblHead_ = MakeLabel(this, QStringLiteral("《 光の屈折 －－ フェルマの原理 》"), kHeadRect,
                       kHeadFontSize);
  lblHead_->setObjectName(QStringLiteral("lblHead"));
  const QString texts[5] = {QStringLiteral("屈折率"),
                            QStringLiteral("  フェルマの原理によれば，光学的距離が"),
                            QStringLiteral("最小となるように光線の経路が決まります。"),
                            QStringLiteral("　必要に応じて屈折率を変更してから，"),
                            QStringLiteral("マウスにより光線の経路を指定して下さい。")};
  for (int i = 0; i < 5; ++i) {
    lbl_[i] = MakeLabel(this, texts[i], kLblRect[i], kLabelFontSize);
    lbl_[i]->setObjectName(i == 0 ? QStringLiteral("lblN") : QStringLiteral("lbl%1").arg(i));
  }

  picB_ = AddPicture(kPicRect.left, kPicRect.top, kPicRect.width, kPicRect.height,
                     ScaleMode::Pixels);
  picB_->setObjectName(QStringLiteral("picB"));
  // The trial path follows the pointer along the surface without a button
  // held down, so the picture must see every move.
  picB_->setMouseTracking(true);
  picB_->onMouseMove = [this](int button, float X, float Y) { picB_MouseMove(button, X, Y); };
  picB_->onMouseDown = [this](int button, float X, float Y) { picB_MouseDown(button, X, Y); };

  hsbN_ = new QScrollBar(Qt::Horizontal, this);
  hsbN_->setObjectName(QStringLiteral("hsbN"));
  Place(hsbN_, kScrollRect);
  connect(hsbN_, &QScrollBar::valueChanged, this, [this] { Guard([this] { hsbN_Change(); }); });

  txtN_ = new QLineEdit(this);
  txtN_->setObjectName(QStringLiteral("txtN"));
  txtN_->setFont(MakeFont(QStringLiteral("Courier New"), kIndexFontSize, false, false));
  txtN_->setMaxLength(40);
  Place(txtN_, kIndexRect);

  btnRestart_ = new QPushButton(QStringLiteral("再実行"), this);
  btnRestart_->setObjectName(QStringLiteral("btnRestart"));
  Place(btnRestart_, kRestartRect);
  connect(btnRestart_, &QPushButton::clicked, this, [this] { Guard([this] { btnRestart_Click(); }); });
  btnEnd_ = new QPushButton(QStringLiteral("終 了"), this);
  btnEnd_->setObjectName(QStringLiteral("btnEnd"));
  Place(btnEnd_, kEndRect);
  connect(btnEnd_, &QPushButton::clicked, this, [this] { Guard([this] { btnEnd_Click(); }); });
  for (QWidget* w : {static_cast<QWidget*>(btnRestart_), static_cast<QWidget*>(btnEnd_)})
    w->setFont(MakeFont(QStringLiteral("メイリオ"), kLabelFontSize, false, false));

  // Home and End are the lesson's keys wherever the focus is: the index box
  // and the scroll bar would take them for themselves.
  txtN_->installEventFilter(this);
  hsbN_->installEventFilter(this);
}

void mainWindow::Form_Load() {
  hsbN_->setRange(kIndexMin, kIndexMax);
  hsbN_->setPageStep(kIndexLargeStep);
  hsbN_->setSingleStep(kIndexSmallStep);
  {
    const QSignalBlocker quiet(hsbN_);
    hsbN_->setValue(kIndexDefault);
  }
  hsbN_Change();

  Surface& p = picB_->surface();
  p.Resize(picB_->width(), picB_->height());
  p.FontSize = kSceneFontSize;
  scene_ = Scene(std::int32_t(p.ScaleWidth()), std::int32_t(p.ScaleHeight()));

  Surface& f = form();
  textHeight_ = f.TextHeight(QStringLiteral("A"));
  lh_ = kLineStep * textHeight_;
  xt_ = int(f.ScaleWidth()) / 2;
  yt_ = int(6 * lh_);
  r_ = 0;
  loaded_ = true;
  Exec();
}

void mainWindow::hsbN_Change() { txtN_->setText(Q(IndexText(hsbN_->value()))); }

void mainWindow::btnRestart_Click() { Exec(); }
void mainWindow::btnEnd_Click() { Form_Unload(); }

bool mainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Home || k->key() == Qt::Key_End) {
      keyPressEvent(k);
      return true;
    }
  }
  return LessonWindow::eventFilter(watched, event);
}

void mainWindow::Form_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == key::Home) {
    Exec();
  } else if (keyCode == key::End) {
    // Once the answer is on the screen, asking again would only print it
    // again.
    if (finished_ || curColor_ == kAnswer) return;
    if (std::fabs(xDrag_ - xs_.last()) < kDistinctFromFixed) return;
    // The trials go on after this answer, so the rows must still hold the
    // last one.
    if (!RowsFree(2 * kAnswerRows)) {
      SoundDing();
      return;
    }
    HelpShow();
  }
}

// ---------------------------------------------------------------------------
// The picture

void mainWindow::picB_Paint(Surface& p) {
  const std::int32_t W = scene_.W(), H = scene_.H(), yline = scene_.yline();
  p.Box(0, 0, float(W), float(yline), kAir, true);
  p.Box(0, float(yline + 1), float(W), float(H), kWater, true);

  // P and Q, and the names of the points and of the media.
  const double b = scene_.b();
  p.FillSolid = true;
  p.FillColor = col::White;
  p.Circle(0, float(H - 1), kMarkerRadius, col::White);
  p.Circle(float(W - 1), 0, kMarkerRadius, col::White);
  p.FillSolid = false;
  p.ForeColor = col::Black;
  p.FontSize = kSceneFontSize;
  struct Label {
    double x, y;
    const char* text;
  };
  const Label labels[] = {{0.82, 0.99 * b, "Ｐ"}, {-0.6, 0.7 * b, "空 気"},
                          {0.6, -0.7 * b, "水"}, {-0.9, -0.88 * b, "Ｑ"}};
  for (const Label& l : labels) {
    float x = float(scene_.px(l.x));
    PrintText(p, x, float(scene_.py(l.y)), Q(l.text));
  }
}

void mainWindow::DrawPath(double x, Color c) {
  Surface& p = picB_->surface();
  const float X = float(scene_.px(x)), yline = float(scene_.yline());
  p.DrawWidth = c == kAnswer ? 2 : 1;
  p.Line(X, yline, float(scene_.W()), 0, c);
  p.Line(0, float(scene_.H()), X, yline, c);
  p.DrawWidth = 1;
}

void mainWindow::SetLine(double x, Color c) {
  DrawPath(x, c);
  curColor_ = c;
}

// The trial goes back to the colours of the media, and every fixed path is
// drawn again over it.  The whole picture is repainted rather than the two
// segments alone: a segment painted over in air or water colour would also
// take bites out of P, Q and their names, and leave a water-coloured point
// on the air side of the surface.
void mainWindow::Eraseline(double /*x*/) {
  Surface& p = picB_->surface();
  picB_Paint(p);
  for (std::int32_t i = 1; i <= xs_.count(); ++i) DrawPath(xs_.at(i), kFixed);
}

// ---------------------------------------------------------------------------
// The experiment

void mainWindow::Exec() {
  hsbN_->show();
  txtN_->setReadOnly(false);
  btnRestart_->hide();
  xs_.Clear();
  Surface& p = picB_->surface();
  p.Cls();
  picB_Paint(p);
  r_ = 0;
  form().Cls();
  xCur_ = 0;
  xDrag_ = 0;
  started_ = false;
  finished_ = false;
  SetLine(0, kTrial);
}

// The index is fixed by the first drag, click or answer: from then on the
// box shows the index in use and the scroll bar is gone until a restart.
void mainWindow::ReadIndex() {
  if (hsbN_->isHidden()) return;
  hsbN_->hide();
  const IndexReading reading = lightpath::ReadIndex(S(txtN_->text()));
  scene_.setN(reading.n);
  if (txtN_->text() != Q(reading.text)) txtN_->setText(Q(reading.text));
  {
    const QSignalBlocker quiet(hsbN_);
    hsbN_->setValue(IndexValue(reading.n));
  }
  txtN_->setReadOnly(true);
}

void mainWindow::picB_MouseMove(int /*button*/, float X, float Y) {
  if (finished_ || !loaded_) return;
  double xm = 0;
  if (!DragAccepted(scene_, xDrag_, X, Y, xm)) return;
  xDrag_ = xm;
  if (!started_) {
    started_ = true;
    ReadIndex();
  }
  if (std::fabs(xCur_ - xDrag_) > kTrialStep) {
    if (xCur_ != xs_.last()) Eraseline(xCur_);
    xCur_ = xDrag_;
    SetLine(xCur_, kTrial);
  }
}

void mainWindow::picB_MouseDown(int button, float /*X*/, float /*Y*/) {
  if (finished_ || !loaded_) return;
  if (button == 1) {
    ReadIndex();
    // No row is left for another result and the answer after it (or the
    // list of fixed paths is full): the click is refused with a sound.
    if (xs_.full() || !RowsFree(1 + kAnswerRows)) {
      SoundDing();
      return;
    }
    SetLine(xCur_, kFixed);
    dspResult(xCur_);
    xs_.Add(xCur_);
  } else if (button == 2) {
    finished_ = true;
    HelpShow();
  }
}

bool mainWindow::RowsFree(float rows) const {
  return RowTop(r_ + rows) + textHeight_ <= float(kRowsBottom);
}

void mainWindow::dspResult(double x) {
  const OpticalLength t = ResultOf(scene_, x);
  r_ += 1;
  Surface& f = form();
  float X = float(xt_);
  const float y = RowTop(r_);
  PrintText(f, X, y, QStringLiteral("光学的距離 ＝"));
  PrintText(f, X, y, Q(ResultText(t.air)));
  PrintText(f, X, y, QStringLiteral("＋"));
  PrintText(f, X, y, Q(ResultText(t.water)));
  PrintText(f, X, y, QStringLiteral("＝"));
  PrintText(f, X, y, Q(ResultText(t.total)));
}

void mainWindow::HelpShow() {
  ReadIndex();
  xCur_ = scene_.Answer();
  r_ += 1.5f;
  float X = float(xt_);
  PrintText(form(), X, RowTop(r_), QStringLiteral("正解は ･ ･ ･"));
  SetLine(xCur_, kAnswer);
  dspResult(xCur_);
  btnRestart_->show();
}
