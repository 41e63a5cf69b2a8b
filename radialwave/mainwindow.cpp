#include "mainwindow.h"

#include <QLabel>

#include "dialogs.h"
#include "drawing.h"
#include "fonts.h"

using lk::Q;
using namespace radialwave::drawing;
using radialwave::Kind;

namespace {

// ---- The window as designed (twips) ------------------------------------

constexpr int kClientWidth = 11910, kClientHeight = 8520;

constexpr lk::MenuLabel kMenu[] = {
    {1, "１． 水素原子の動径波動関数", 2580, 1470, 15.75f},
    {2, "２． ３次元調和振動子の動径波動関数", 2580, 2310, 15.75f},
    {3, "３． クンマーの変換を数値計算により検証する", 2580, 3150, 15.75f},
    {4, "４． 終 了 (Esc)", 2580, 3990, 15.75f},
    {5, "どれにしますか ?", 3270, 4935, 14.25f},
};
constexpr int kEndItem = 4;

// The hint labels of the eigenvalues take the axes' colour.
constexpr lk::Color kHintColor = lk::RGB(51, 51, 160);

// Where the notice for a refused energy stands.
constexpr double kErrLeft = 105, kErrTop = 7980, kErrWidth = 3870, kErrHeight = 480;

lk::FrameParams Params() {
  lk::FrameParams f;
  f.caption = QStringLiteral(" 合流型超幾何関数 ( 第 6 章 )");
  f.clientWidth = kClientWidth;
  f.clientHeight = kClientHeight;
  constexpr int keys = lk::kDigitKeys | lk::kPadKeys | lk::kFunctionKeys;
  lk::ChooseByNumber(f, kEndItem - 1, keys);
  f.endKeysAtMenu = lk::NumberKeys(kEndItem, keys);
  // Esc ends the lesson from anywhere, also in the middle of a curve.
  f.endKeysAnyTime = {lk::key::Esc};
  f.keyClearsWaiting = true;
  f.promptA = 0.1f;
  f.promptB = 0.9f;
  f.promptWait = lk::PromptWait::Modal;
  return f;
}

// A small round warning sign for the notice.
void PaintWarningIcon(lk::Surface& s) {
  s.FillSolid = true;
  s.FillColor = lk::RGB(220, 40, 40);
  const float r = 0.5f * float(s.WidthPx()) - 1;
  s.Circle(r + 0.5f, r + 0.5f, r, lk::RGB(220, 40, 40));
  s.FillSolid = false;
  s.FontName = QStringLiteral("Arial");
  s.FontSize = 11;
  s.FontBold = true;
  s.ForeColor = lk::col::White;
  s.CurrentX = r + 0.5f - 0.5f * s.TextWidth(QStringLiteral("!"));
  s.CurrentY = r + 0.5f - 0.5f * s.TextHeight(QStringLiteral("!"));
  s.Print(QStringLiteral("!"));
}

}  // namespace

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  sTitle_ = new QLabel(QStringLiteral("《  合流型超幾何関数　》"), this);
  sTitle_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 18, false, false));
  lk::PlaceTw(sTitle_, 3540, 180, 4200, 540);
  sTitle_->adjustSize();
  menuTimeWidgets.push_back(sTitle_);

  AddMenu(kMenu);

  pic_ = AddPicture(kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight, lk::ScaleMode::Pixels);
  pic_->hide();
  sectionWidgets.push_back(pic_);
  for (int i = 0; i < 4; ++i) {
    lblEs_[i] = new QLabel(pic_);
    lblEs_[i]->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 11, false, false));
    QPalette pal = lblEs_[i]->palette();
    pal.setColor(QPalette::WindowText, lk::ToQColor(kHintColor));
    lblEs_[i]->setPalette(pal);
    lblEs_[i]->hide();
  }

  auto* err = new lk::Picture(this, lk::ScaleMode::Twips, true);
  lk::PlaceTw(err, kErrLeft, kErrTop, kErrWidth, kErrHeight);
  auto* icon = new lk::Picture(err, lk::ScaleMode::Pixels);
  icon->setGeometry(6, (err->height() - 24) / 2, 24, 24);
  icon->setPaintHandler(PaintWarningIcon);
  label1_ = new QLabel(Q(kNegativeOnly), err);
  label1_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 11, false, false));
  label1_->setGeometry(38, 0, err->width() - 40, err->height());
  label1_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // A click on the notice goes on like a key.
  err->onClick = [] { lk::Waiting = 0; };
  err->hide();
  picErr_ = err;
  sectionWidgets.push_back(picErr_);

  for (int i = 0; i < 7; ++i) {
    ku_[i] = AddPicture(0, 0, 10, 10, lk::ScaleMode::Twips);
    ku_[i]->setPaintHandler([this, i](lk::Surface& s) { ku_Paint(i, s); });
    ku_[i]->hide();
    sectionWidgets.push_back(ku_[i]);
  }
}

void mainWindow::LblA_Click(int item) {
  // A section runs to its end; the menu does not start another inside it.
  if (kind_ != 0) return;
  switch (item) {
    case 1: Exec(Kind::Hydrogen); break;
    case 2: Exec(Kind::Oscillator); break;
    case 3: Kummer(); break;
    case kEndItem: Form_Unload(); break;
    default: break;  // "どれにしますか ?" only asks
  }
}

void mainWindow::Form_KeyDown(int keyCode, int shift) {
  // While a section runs, a key only continues the notice (and Esc ends).
  if (kind_ != 0 && keyCode != lk::key::Esc) {
    lk::Waiting = 0;
    return;
  }
  lk::LessonWindow::Form_KeyDown(keyCode, shift);
}
