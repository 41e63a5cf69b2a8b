#include "mainwindow.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "dialogs.h"
#include "fonts.h"
#include "program.h"
#include "sounds.h"

using lk::Q;
using lk::S;

namespace {

namespace ws = wavesum;

// ---- The window as designed (twips) ------------------------------------

constexpr int kClientWidth = 11910, kClientHeight = 8520;

// The figure: 300 twips from the left, 600 from the top, as wide as the
// window less 600, 0.78 of its height.
constexpr double kFigureLeft = 300, kFigureTop = 600, kFigureMargin = 600, kFigureShare = 0.78;

constexpr float kTitleFont = 14, kTextFont = 14.25f, kMenuFont = 14.25f, kAskFont = 12,
                kEquationFont = 12, kEntryFont = 11, kFigureFont = 11;

constexpr lk::Color kFigureBack = lk::RGB(192, 192, 192);
constexpr lk::Color kFigureTitle = lk::RGB(32, 32, 32);
constexpr lk::Color kAxis = lk::col::Black;
constexpr lk::Color kSquareColour = lk::col::Blue;   // the square wave
constexpr lk::Color kSmoothColour = lk::col::White;  // the triangle and x(pi - x)

struct Text {
  int index;
  const char* caption;
  double left, top, width, height;
  float size;
};

// The introduction; the "2π" of its first line is covered by pic_2pi.
constexpr Text kIntroduction[] = {
    {8, "　周期 2π を持つ周期関数は，三角関数を使って，フーリエ級数に", 720, 945, 10800, 420,
     kTextFont},
    {9, "展開できます。級数の和を有限項で打ち切ったときに，フーリエ級数が", 720, 1485, 10800, 420,
     kTextFont},
    {10, "どの程度良く もとの関数を再現するかを調べましょう。", 720, 1995, 10800, 420, kTextFont},
};
constexpr const char* kBefore2Pi = "　周期 ";

// The menu; item 3 is drawn as a formula in pic(1), so its label is empty.
// Item 6 ends the program.
constexpr Text kMenu[] = {
    {1, "１． 方 形 波", 2700, 2685, 1950, 285, kMenuFont},
    {2, "２． 三 角 波", 2700, 3375, 1950, 315, kMenuFont},
    {3, "", 2835, 4080, 3300, 285, kMenuFont},
    {4, "４． ギブスの現象を見る.", 2700, 4905, 3330, 420, kMenuFont},
    {6, "５． 終 了 (Esc)", 2700, 5670, 2115, 420, kMenuFont},
};
constexpr Text kAsk = {7, "どれにしますか ？", 3600, 6465, 2040, 300, kAskFont};
constexpr Text kEquations[] = {
    {43, "(4.3)", 6825, 2790, 900, 300, kEquationFont},
    {44, "(4.4)", 6825, 3405, 900, 300, kEquationFont},
    {45, "(4.5)", 6825, 4140, 900, 300, kEquationFont},
};

constexpr double kPic1[] = {2625, 4080, 3915, 510};
constexpr double kPic2Pi[] = {1680, 945, 405, 330};
// Item 3's text starts where the captions of the other items do.
constexpr double kItemIndent = 2700 - 2625;

// The entry row at the foot of the window.
constexpr double kLblN[] = {810, 8070, 900, 345};
constexpr double kTxtN[] = {5115, 8085, 1035, 480};
constexpr double kBtnOK[] = {6210, 8100, 1005, 360};
constexpr double kBtnCancel[] = {7290, 8100, 1470, 360};

// The labels under the ticks at -pi, pi and 2pi, shifted along x so that
// each sits clear of its section's curve.
constexpr double kPiLabelOffsets[3][3] = {{0.05, 0.05, 0.05}, {-0.18, -0.1, -0.15}, {-0.3, -0.2, 0.05}};

lk::FrameParams Params() {
  lk::FrameParams f;
  f.caption = QStringLiteral(" フーリエ級数 ( 54-55 ページ )");
  f.clientWidth = kClientWidth;
  f.clientHeight = kClientHeight;
  // "1" to "4" (also on the number pad) and F1 to F4 choose the sections;
  // "5", F5 and Esc end the program.  Only at the menu.
  constexpr int keys = lk::kDigitKeys | lk::kPadKeys | lk::kFunctionKeys;
  lk::ChooseByNumber(f, 4, keys);
  f.endKeysAtMenu = lk::NumberKeys(5, keys);
  f.endKeysAtMenu.insert(lk::key::Esc);
  return f;
}

QLabel* MakeLabel(QWidget* parent, const Text& t, bool bold = false) {
  auto* l = new QLabel(Q(t.caption), parent);
  l->setFont(lk::MakeFont(QStringLiteral("メイリオ"), t.size, bold, false));
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lk::PlaceTw(l, t.left, t.top, t.width, t.height);
  // The free fonts run a little taller and wider than the designed ones:
  // never cut a caption off.
  const QSize hint = l->sizeHint();
  l->resize(std::max(l->width(), hint.width()), std::max(l->height(), hint.height()));
  return l;
}

void Place(QWidget* w, const double (&r)[4]) { lk::PlaceTw(w, r[0], r[1], r[2], r[3]); }

}  // namespace

mainWindow::mainWindow() : lk::LessonWindow(Params()) {
  BuildIntroduction();
  BuildEntryRow();
}

void mainWindow::BuildIntroduction() {
  title_ = MakeLabel(this, {0, "《 フーリエ級数展開 》", 3570, 165, 2850, 315, kTitleFont}, true);

  for (const Text& t : kMenu) {
    lk::ClickLabel* l = AddMenuItem(t.index, Q(t.caption), t.left, t.top, t.width, t.height, t.size);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->resize(std::max(l->width(), l->sizeHint().width()),
              std::max(l->height(), l->sizeHint().height()));
    labels_[t.index] = l;
  }
  auto addText = [this](const Text& t) {
    QLabel* l = MakeLabel(this, t);
    labels_[t.index] = l;
    menuTimeWidgets.push_back(l);
  };
  for (const Text& t : kIntroduction) addText(t);
  addText(kAsk);
  for (const Text& t : kEquations) addText(t);

  // Item 3 as a formula; it lies over its empty label and takes the clicks.
  pic_[1] = AddPicture(kPic1[0], kPic1[1], kPic1[2], kPic1[3], lk::ScaleMode::Pixels);
  pic_[1]->onClick = [this] {
    if (mode == 0) LblA_Click(3);
  };
  pic2pi_ = AddPicture(kPic2Pi[0], kPic2Pi[1], kPic2Pi[2], kPic2Pi[3], lk::ScaleMode::Pixels);
  // Cover the "2π" of the label's text wherever the label's font puts it.
  const QLabel* first = labels_[8];
  const QFontMetricsF fm(first->font());
  const int left = first->x() + int(std::floor(fm.horizontalAdvance(Q(kBefore2Pi))));
  const int top = first->y() + first->contentsRect().top();
  const int width = int(std::ceil(fm.horizontalAdvance(QStringLiteral("2π")))) + 2;
  pic2pi_->setGeometry(left, top, std::max(pic2pi_->width(), width),
                       std::max(pic2pi_->height(), int(std::ceil(fm.height()))));
  menuTimeWidgets.push_back(pic_[1]);
  menuTimeWidgets.push_back(pic2pi_);

  // The figure: a retained picture in pixels, so what a section drew stays
  // drawn through every repaint.
  pic_[0] = AddPicture(kFigureLeft, kFigureTop, kClientWidth - kFigureMargin,
                       kFigureShare * kClientHeight, lk::ScaleMode::Pixels);
  pic_[0]->hide();
  sectionWidgets.push_back(pic_[0]);
}

void mainWindow::BuildEntryRow() {
  lblN_ = new QLabel(this);
  lblN_->setFont(lk::MakeFont(QStringLiteral("メイリオ"), kEntryFont, false, false));
  Place(lblN_, kLblN);
  txtN_ = new lk::NumBox(this, false);
  Place(txtN_, kTxtN);
  // The designed box reaches a little below the window; keep all of it in.
  txtN_->resize(txtN_->width(), std::min(txtN_->height(), height() - txtN_->y()));
  txtN_->onEnter = [this] { btnOK_Click(); };
  txtN_->onEscape = [this] { btnCancel_Click(); };
  btnOK_ = new QPushButton(QStringLiteral("O K"), this);
  btnCancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
  Place(btnOK_, kBtnOK);
  Place(btnCancel_, kBtnCancel);
  for (QPushButton* b : {btnOK_, btnCancel_}) {
    b->setFont(lk::MakeFont(QStringLiteral("メイリオ"), 9, false, false));
    // Typing goes on in the box while the buttons are used.
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(btnOK_, &QPushButton::clicked, this, [this] { btnOK_Click(); });
  connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
  for (QWidget* w : std::initializer_list<QWidget*>{lblN_, txtN_, btnOK_, btnCancel_}) {
    w->hide();
    sectionWidgets.push_back(w);
  }
}

lk::Picture* mainWindow::pic(int index) const {
  return index == 0 || index == 1 ? pic_[index] : nullptr;
}

QLabel* mainWindow::lblA(int index) const {
  auto it = labels_.find(index);
  return it == labels_.end() ? nullptr : it->second;
}

// Where a picture must print so that its text stands on the label's baseline:
// the label sets its font's own ascent below its top, the printers the
// designed ascent of the lesson font.
float mainWindow::BaselineShift(const QLabel* label, const lk::Picture* picture) const {
  const QFontMetricsF fm(label->font());
  const double em = label->font().pointSizeF() * 96.0 / 72.0;
  const double baseline = label->y() + label->contentsRect().top() + fm.ascent();
  return float(baseline - picture->y() - lk::DesignAscent(QStringLiteral("メイリオ")) * em);
}

void mainWindow::Form_Load() {
  pic2pi_->setPaintHandler([this](lk::Surface& p) { Paint2pi(p); });
  pic_[1]->setPaintHandler([this](lk::Surface& p) { PaintItem3(p); });
  pic_[1]->show();
  pic2pi_->show();
  setFocus();
  loaded_ = true;
}

void mainWindow::Paint2pi(lk::Surface& p) {
  p.FontSize = kTextFont;
  p.ForeColor = lk::col::Black;
  float x = 0;
  const float y = BaselineShift(labels_.at(8), pic2pi_);
  lk::PrintText(p, x, y, QStringLiteral("2"));
  lk::PrintPi(p, x, y);
}

void mainWindow::PaintItem3(lk::Surface& p) {
  p.FontSize = kMenuFont;
  p.ForeColor = lk::col::Black;
  float x = float(kItemIndent / lk::kTwipsPerPixel);
  // On the baseline of the empty label beneath, as the other items stand.
  const float y = BaselineShift(labels_.at(3), pic_[1]);
  const float h = p.TextHeight(QStringLiteral("A"));
  lk::PrintText(p, x, y, QStringLiteral("３． "));
  lk::PrintVar(p, x, y, QStringLiteral("x"));
  lk::PrintText(p, x, y, QStringLiteral(" ( "));
  lk::PrintPi(p, x, y);
  lk::PrintText(p, x, y + 0.05f * h, QStringLiteral(" － "));
  lk::PrintVar(p, x, y, QStringLiteral("x"));
  lk::PrintText(p, x, y, QStringLiteral(" )"));
}

void mainWindow::LblA_Click(int item) {
  // A click that arrives while the window is still being placed waits for
  // nothing: the lesson has not loaded yet.
  if (!loaded_ || mode != 0) return;
  if (item >= 1 && item <= 4) {
    mode = 10 * item;
    ExecSeries();
  } else if (item == 6) {
    Form_Unload();
  }
}

// ---- A section --------------------------------------------------------

void mainWindow::ShowEntryRow() {
  lblN_->show();
  txtN_->show();
  btnOK_->show();
  btnCancel_->show();
  txtN_->setFocus();
}

void mainWindow::LeaveSection() {
  pic_[0]->hide();
  mode = 0;
  Vis();
  setFocus();
}

void mainWindow::ExecSeries() {
  section_ = &ws::SectionOf(mode / 10);
  lk::Picture* fig = pic_[0];
  fig->surface().SetBackColor(kFigureBack);
  Invis();
  ShowEntryRow();
  // Whole numbers only; a comma and a palette index choose the curve's colour.
  lk::AllowDot = 0;
  lk::AllowMinus = 0;
  lk::AllowComma = 1;
  M_ = 1;
  form().Cls();
  lk::PlaceTw(fig, kFigureLeft, kFigureTop, kClientWidth - kFigureMargin,
              kFigureShare * kClientHeight);
  fig->surface().Resize(fig->width(), fig->height());
  plot = {section_->xmin, section_->xmax, ws::kYMin, ws::kYMax,
          int(std::lround(fig->surface().ScaleWidth())),
          int(std::lround(fig->surface().ScaleHeight()))};
  fig->show();
  PaintFigure();
  count_ = 0;

  for (;;) {
    const QString text = GetNterms();
    if (text.isEmpty()) {
      LeaveSection();
      return;
    }
    M_ = ws::CheckTerms(S(text), section_->maxTerms).terms;
    lk::CurColor = lk::NextColor(S(text));
    ++count_;
    PrintLegend();
    synth_.Synthesize(section_->wave, M_);
    Display();
  }
}

// ---- The entry row ----------------------------------------------------

QString mainWindow::GetNterms() {
  const std::int32_t most = section_->maxTerms;
  M_ = ws::ProposeTerms(*section_, M_);
  btnOK_->show();
  btnCancel_->show();
  lblN_->setText(QStringLiteral("フーリエ級数の項数(１～") + QString::number(most) +
                 QStringLiteral(" )"));
  lblN_->resize(std::max(lk::Tw(kLblN[2]), lblN_->sizeHint().width()), lblN_->height());
  txtN_->setText(QString::number(M_));
  txtN_->setCursorPosition(int(txtN_->text().size()));
  txtN_->setFocus();
  reply_ = kWaiting;
  lk::WaitWhile([this] { return reply_ == kWaiting; });
  btnOK_->hide();
  btnCancel_->hide();
  return reply_ == kAccepted ? accepted_ : QString();
}

void mainWindow::btnOK_Click() {
  // Enter while a curve is being drawn finds no question to answer.
  if (reply_ != kWaiting) return;
  const QString text = txtN_->text();
  const ws::TermsCheck check = ws::CheckTerms(S(text), section_->maxTerms);
  switch (check.outcome) {
    case ws::TermsCheck::Cancelled:
      btnCancel_Click();
      return;
    case ws::TermsCheck::Corrected:
      txtN_->setText(Q(check.text));
      txtN_->setCursorPosition(int(txtN_->text().size()));
      lk::Beep();
      return;
    case ws::TermsCheck::Accepted:
      // Every curve has its legend row inside the figure; once the next row
      // would fall below the lower edge, the section takes no more curves.
      if (!LegendHasRoom()) {
        lk::SoundDing();
        return;
      }
      accepted_ = text;
      lk::InputText = text;  // Up in an emptied box brings it back
      lk::LastKey = lk::key::Enter;
      reply_ = kAccepted;
      return;
  }
}

void mainWindow::btnCancel_Click() {
  if (reply_ != kWaiting) return;
  lk::LastKey = lk::key::Esc;
  reply_ = kCancelled;
}

// ---- The figure ------------------------------------------------------------

void mainWindow::PaintFigure() {
  lk::Surface& s = pic_[0]->surface();
  s.Cls();
  s.FontSize = kFigureFont;
  s.ForeColor = kFigureTitle;
  s.FontBold = true;
  const double xmin = section_->xmin, xmax = section_->xmax;
  float x = float(px(xmin + 0.01 * (xmax - xmin)));
  const float y = float(py(1.4));
  switch (section_->number) {
    case 2:
      lk::PrintText(s, x, y, QStringLiteral("三角波："));
      break;
    case 3:
      lk::PrintVar(s, x, y, QStringLiteral(" x "));
      lk::PrintText(s, x, y, QStringLiteral("( "));
      lk::PrintPi(s, x, y);
      x += 0.2f * s.TextWidth(QStringLiteral("p"));
      lk::PrintText(s, x, y, QStringLiteral("－"));
      lk::PrintVar(s, x, y, QStringLiteral(" x "));
      lk::PrintText(s, x, y, QStringLiteral(")："));
      break;
    default:
      lk::PrintText(s, x, y, QStringLiteral("方形波："));
      break;
  }
  lk::PrintText(s, x, y, QStringLiteral("　この波形をフーリエ級数により近似します."));
  s.FontBold = false;
  DrawCurve();
}

void mainWindow::DrawCurve() {
  lk::Surface& s = pic_[0]->surface();
  const int n = section_->number;
  const bool gibbs = n == 4;
  const float tw = s.TextWidth(QStringLiteral("2"));
  const double d = 0.01 * (section_->xmax - section_->xmin);
  const float x0 = float(px(0)), y0 = float(py(0));
  s.ForeColor = kAxis;
  s.DrawWidth = 1;

  s.Line(0, y0, float(plot.W), y0, kAxis);
  const double axisTop = gibbs ? 1.2 : 1;
  s.Line(x0, float(py(-axisTop)), x0, float(py(axisTop)), kAxis);
  s.Line(x0 - tw, float(py(-1)), x0, float(py(-1)), kAxis);
  if (n == 2 || n == 3) s.Line(x0 - tw, float(py(1)), x0, float(py(1)), kAxis);

  float x = float(px(d));
  lk::PrintText(s, x, float(py(-0.03)), QStringLiteral("0"));
  x = (n == 1 || gibbs) ? x0 - 14 : float(px(d));
  lk::PrintText(s, x, float(py(1.06)), QStringLiteral("1"));
  x = float(px(d));
  lk::PrintText(s, x, float(py(-0.95)), QStringLiteral("-1"));

  const double pi = ws::Pi();
  if (!gibbs) {
    for (double v : {-pi, 0.0, pi, 2 * pi})
      s.Line(float(px(v)), y0, float(px(v)), float(py(0.05)), kAxis);
    PrintPiLabels(kPiLabelOffsets[n - 1]);
  } else {
    const float up = float(py(1.18)), down = float(py(-1.18));
    s.Line(x0, up, x0 + tw, up, kAxis);
    x = float(px(d)) - 5 * tw;
    lk::PrintText(s, x, up - 10, QStringLiteral("1.18"));
    s.Line(x0 - tw, down, x0, down, kAxis);
    x = float(px(d));
    lk::PrintText(s, x, down - 9, QStringLiteral("-1.18"));
    // The first overshoot peak of the 50-term sum lies at pi/100.
    const float peak = float(px(pi / 100));
    s.Line(peak, y0, peak, float(py(0.05)), kAxis);
    x = peak - 20;
    lk::PrintPi(s, x, float(py(-0.03)));
    lk::PrintText(s, x, float(py(-0.03)), QStringLiteral("/100"));
  }
  DrawExact();
}

void mainWindow::PrintPiLabels(const double (&offsets)[3]) {
  lk::Surface& s = pic_[0]->surface();
  const double pi = ws::Pi();
  const float y = float(py(-0.03));
  float x = float(px(-pi + offsets[0]));
  lk::PrintText(s, x, y, QStringLiteral("-"));
  lk::PrintPi(s, x, y);
  x = float(px(pi + offsets[1]));
  lk::PrintPi(s, x, y);
  x = float(px(2 * pi + offsets[2]));
  lk::PrintText(s, x, y, QStringLiteral("2"));
  lk::PrintPi(s, x, y);
}

// The exact function across the whole figure; the foreground is left at its
// colour, in which the legend is printed.
void mainWindow::DrawExact() {
  lk::Surface& s = pic_[0]->surface();
  const double pi = ws::Pi(), xmin = section_->xmin, xmax = section_->xmax;
  auto P = [this](double x, double y) { return std::pair{float(px(x)), float(py(y))}; };
  auto line = [&](double xa, double ya, double xb, double yb) {
    const auto [x1, y1] = P(xa, ya);
    const auto [x2, y2] = P(xb, yb);
    s.Line(x1, y1, x2, y2, s.ForeColor);
  };
  switch (section_->wave) {
    case ws::Wave::Square: {
      s.ForeColor = kSquareColour;
      double a = xmin;
      for (std::int32_t m = ws::Floor(xmin / pi);; ++m) {
        const double v = m % 2 ? -1 : 1, b = (m + 1) * pi;
        line(a, v, b, v);
        if (b >= xmax) break;
        line(b, v, b, -v);
        a = b;
      }
      break;
    }
    case ws::Wave::Triangle: {
      s.ForeColor = kSmoothColour;
      for (std::int32_t k = ws::Floor(xmin / pi); k * pi < xmax; ++k)
        line(k * pi, k % 2 ? -1 : 1, (k + 1) * pi, k % 2 ? 1 : -1);
      break;
    }
    case ws::Wave::Parabola: {
      s.ForeColor = kSmoothColour;
      for (int i = 1; i <= 100; ++i) {
        const double xa = xmin + (i - 1) * (xmax - xmin) / 100, xb = xmin + i * (xmax - xmin) / 100;
        line(xa, ws::Exact(ws::Wave::Parabola, xa), xb, ws::Exact(ws::Wave::Parabola, xb));
      }
      break;
    }
  }
}

bool mainWindow::LegendHasRoom() const {
  const lk::Surface& s = pic_[0]->surface();
  const float top = float(py(ws::LegendY(*section_, count_ + 1)));
  return top + s.TextHeight(QStringLiteral("項数")) <= float(plot.H);
}

void mainWindow::PrintLegend() {
  lk::Surface& s = pic_[0]->surface();
  float x = float(px(section_->xmin));
  const float y = float(py(ws::LegendY(*section_, count_)));
  lk::PrintText(s, x, y, QStringLiteral("項数： ") + lk::NumStrQ(M_));
  lk::PrintSwatch(s, x, y, lk::CurColor);
}

// The partial sum just synthesised, read over the figure's range and drawn
// one sample after another: the sample at array position p is due p/16384 s
// after the start of its period, so a period takes 2 s on any machine.  Most
// samples fall on the pixel of the one before and change nothing on the
// screen; only a sample that moves the pen waits for its time, so the curve
// grows at the same pace with far fewer waits.
void mainWindow::Display() {
  const std::vector<ws::SamplePoint> points =
      ws::ReadSamples(synth_.samples(), section_->xmin, section_->xmax);
  if (points.empty()) return;
  lk::Surface& s = pic_[0]->surface();
  const lk::Color c = lk::CurColor;
  s.DrawWidth = section_->number == 4 ? 2 : 1;
  auto due = [](std::int32_t position) { return position / double(ws::kSamples); };
  const std::int32_t lastPosition = 2 * ws::kSamples - 2;
  double start = lk::Now() - due(points.front().position);
  int lastX = px(points.front().x), lastY = py(points.front().y);
  s.CurrentX = float(lastX);
  s.CurrentY = float(lastY);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const ws::SamplePoint& p = points[i];
    // A new period starts when its first sample is reached, and not before
    // the last sample of the old one was due.
    if (p.position == 0) start = std::max(lk::Now(), start + due(lastPosition));
    const int X = px(p.x), Y = py(p.y);
    if (X == lastX && Y == lastY) continue;
    lk::WaitUntil(start + due(p.position));
    s.LineTo(float(X), float(Y), c);
    lastX = X;
    lastY = Y;
  }
  s.DrawWidth = 1;
}
