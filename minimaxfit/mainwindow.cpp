#include "mainwindow.h"

#include "dialogs.h"
#include "drawing.h"

using namespace minimaxfit::drawing;

namespace {

namespace mm = minimaxfit;

constexpr int kModeIdle = 0, kModeGraphs = 10, kModeApprox = 20;
constexpr int kAskDegree = 0, kAskTruncation = 1;

// The number-entry dialog: where it opens (shares of the window) and how
// much narrower its box is than the toolkit's.
constexpr float kEntryA = 0.1f, kEntryB = 0.92f, kEntryNarrow = 0.015f;

constexpr float kTextSizeAtStart = 11.25f;

constexpr lk::Color kNavy = lk::RGB(0, 0, 64), kIntroColour = lk::RGB(0, 0, 64),
                    kAskColour = lk::RGB(0, 0, 192), kAxisLabelColour = lk::RGB(0, 0, 128);

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
