#include "lessonwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QWindow>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>
#include <cmath>
#include <limits>
#include <optional>

#include "dialogs.h"
#include "fonts.h"
#include "program.h"
#include "suitekeys.h"

namespace lk {

int KeyCode(int qtKey, Qt::KeyboardModifiers mods) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return (mods & Qt::KeypadModifier) ? key::Pad0 + (qtKey - Qt::Key_0) : qtKey;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return key::F1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Escape: return key::Esc;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::Enter;
    case Qt::Key_Space: return key::Space;
    case Qt::Key_Backspace: return key::Back;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return key::End;
    case Qt::Key_Home: return key::Home;
    case Qt::Key_Left: return key::Left;
    case Qt::Key_Up: return key::Up;
    case Qt::Key_Right: return key::Right;
    case Qt::Key_Down: return key::Down;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Period: return (mods & Qt::KeypadModifier) ? 110 : 190;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return (mods & Qt::KeypadModifier) ? 109 : 189;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Slash: return (mods & Qt::KeypadModifier) ? 111 : 191;
    default: return (qtKey > 0 && qtKey < 256) ? qtKey : 0;
  }
}

std::int32_t RoundPx(double v) {
  if (std::isnan(v)) return 0;
  double r = std::nearbyint(v);  // the default rounding mode: halves to even
  if (r > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (r < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return std::int32_t(r);
}

LessonWindow::LessonWindow(const FrameParams& params)
    : QWidget(nullptr), params_(params), form_(1, 1, ScaleMode::Twips) {
  setWindowTitle(params_.caption);
  setFixedSize(Tw(params_.clientWidth), Tw(params_.clientHeight));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  form_.Resize(width(), height());
  form_.FontName = params_.fontName;
  form_.FontSize = params_.fontSize;
  form_.VisibleArea = [this] { return SeenArea(this); };
  form_.Changed = [this] {
    const QRect r = form_.TakeDirty();
    if (LeanRepaints()) update(r);
    else update();
  };
  setFont(MakeFont(params_.fontName, params_.fontSize, false, false));
  timer1_ = new LessonTimer(this);
  connect(timer1_, &LessonTimer::timeout, this, [this] {
    // A stopped clock stops the stage machines too.
    if (busy_ || Ending() || Paused()) return;
    busy_ = true;
    Guard([this] { Timer1_Timer(); });
    busy_ = false;
  });
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::InitForm() {
  InitTypesetting(params_.style);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(col::FormBack));
  pal.setColor(QPalette::Button, ToQColor(col::FormBack));
  setPalette(pal);
  setAutoFillBackground(true);
  form_.SetBackColor(col::FormBack);
}

void LessonWindow::Start() {
  ResetProgram();
  InitForm();
  mode = 0;
  show();
  WaitUntilPlaced();
  InstallSuiteKeys(this);
  loadBegun_ = true;
  Guard([this] { Form_Load(); });
}

namespace {
int placing = 0;
}

bool LessonWindow::Placing() { return placing > 0; }

void LessonWindow::WaitUntilPlaced() {
  ++placing;
  // A prompt opened by Form_Load is placed from where this window is, and the
  // window system says where that is only once it has placed and mapped it.
  QElapsedTimer t;
  t.start();
  while (windowHandle() && !windowHandle()->isExposed() && t.elapsed() < 3000)
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  --placing;
}

ClickLabel* LessonWindow::AddMenuItem(int index, const QString& caption, double left, double top,
                                      double width, double height, float fontSize) {
  auto* l = new ClickLabel(caption, this);
  l->setFont(MakeFont(params_.fontName, fontSize, false, false));
  PlaceTw(l, left, top, width, height);
  l->onClick = [this, index] { LblA_Click(index); };
  menu_[index] = l;
  return l;
}

void LessonWindow::AddMenu(std::span<const MenuLabel> labels) {
  for (const MenuLabel& m : labels) {
    ClickLabel* l = AddMenuItem(m.index, QString::fromUtf8(m.caption), m.left, m.top, 1, 1, m.size);
    if (m.colour != kButtonText) {
      QPalette pal = l->palette();
      pal.setColor(QPalette::WindowText, ToQColor(m.colour));
      l->setPalette(pal);
    }
    l->adjustSize();
  }
}

std::set<int> NumberKeys(int n, int sets) {
  std::set<int> keys;
  if (sets & kDigitKeys) keys.insert(key::Digit0 + n);
  if (sets & kPadKeys) keys.insert(key::Pad0 + n);
  if (sets & kFunctionKeys) keys.insert(key::F1 + n - 1);
  return keys;
}

void ChooseByNumber(FrameParams& f, int items, int sets) {
  for (int item = 1; item <= items; ++item)
    for (int k : NumberKeys(item, sets)) f.menuKeys[k] = item;
}

ClickLabel* LessonWindow::LblA(int index) const {
  auto it = menu_.find(index);
  return it == menu_.end() ? nullptr : it->second;
}

Picture* LessonWindow::AddPicture(double left, double top, double width, double height,
                                  ScaleMode scale, bool border) {
  auto* p = new Picture(this, scale, border);
  PlaceTw(p, left, top, width, height);
  p->surface().SetBackColor(col::FormBack);
  p->surface().FontName = params_.fontName;
  p->surface().FontSize = params_.fontSize;
  return p;
}

void LessonWindow::LblA_Click(int item) {
  if (!loadBegun_) return;
  // The last label is the end item (a lesson may leave an index out).
  if (!menu_.empty() && item >= menu_.rbegin()->first) {
    Form_Unload();
    return;
  }
  mode = SectionMode(item);
  Exec(item);
}

void LessonWindow::Form_KeyDown(int keyCode, int /*shift*/) {
  if (params_.keyClearsWaiting) Waiting = 0;
  if (params_.keyStoresLastKey) LastKey = keyCode;
  if (params_.flagKey != 0 && keyCode == params_.flagKey) keyFlag = true;
  if (params_.endKeysAnyTime.count(keyCode)) {
    Form_Unload();
    return;
  }
  if (mode != 0) return;
  if (params_.endKeysAtMenu.count(keyCode)) {
    Form_Unload();
    return;
  }
  if (auto it = params_.menuKeys.find(keyCode); it != params_.menuKeys.end()) LblA_Click(it->second);
}

void LessonWindow::Invis() {
  for (auto& [i, l] : menu_) l->setVisible(false);
  for (QWidget* w : menuTimeWidgets) w->setVisible(false);
  update();
}

void LessonWindow::Vis() {
  for (auto& [i, l] : menu_) l->setVisible(true);
  for (QWidget* w : menuTimeWidgets) w->setVisible(true);
  for (QWidget* w : sectionWidgets) w->setVisible(false);
  update();
}

void LessonWindow::HitAnyKey() {
  FrmHitKey prompt(this);
  if (params_.promptTakesBackColor) {
    QPalette pal = prompt.palette();
    pal.setColor(QPalette::Window, ToQColor(form_.BackColor()));
    prompt.setPalette(pal);
  }
  const QPointF ab = PromptPlace();
  prompt.PlaceOver(float(ab.x()), float(ab.y()));
  LastKey = 0;
  Waiting = 1;
  if (float a = PromptAutoWait(); a > 0) AutoWait = a;
  std::optional<ModalScope> modal;
  if (params_.promptWait == PromptWait::Modal) modal.emplace(&prompt);
  prompt.show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) prompt.raise();
  prompt.activateWindow();
  prompt.setFocus();
  switch (params_.promptWait) {
    case PromptWait::Modal: WaitWhile([&] { return prompt.isVisible(); }); break;
    case PromptWait::UntilKey:
      WaitWhile([&] { return LastKey == 0 && prompt.isVisible(); });
      break;
    case PromptWait::UntilWaitingClear: WaitWhile([&] { return Waiting != 0; }); break;
  }
  prompt.hide();
  AutoWait = 0;
  if (params_.promptEscEnds && LastKey == key::Esc) {
    Form_Unload();
    CheckEnd();
  }
}

void LessonWindow::Form_Unload() { EndProgram(); }

int LessonWindow::px(double x) const {
  return RoundPx((x - plot.xmin) / (plot.xmax - plot.xmin) * plot.W);
}

int LessonWindow::py(double y) const {
  return RoundPx((plot.ymax - y) / (plot.ymax - plot.ymin) * plot.H);
}

void LessonWindow::StartTimer1(int intervalMs) { timer1_->start(intervalMs); }
void LessonWindow::StopTimer1() { timer1_->stop(); }
bool LessonWindow::Timer1Enabled() const { return timer1_->isActive(); }

void LessonWindow::PaintInput(Surface&) {}

void LessonWindow::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  DrawSurfacePart(p, form_, e->rect());
}

void LessonWindow::showEvent(QShowEvent*) {
  form_.SetDevicePixelRatio(devicePixelRatioF());
  if (loaded_) Guard([this] { Form_Paint(); });
  loaded_ = true;
}

void LessonWindow::closeEvent(QCloseEvent* e) {
  e->accept();
  timer1_->stop();
  Form_Unload();
}

void LessonWindow::keyPressEvent(QKeyEvent* k) {
  // Keys the focused control does not use come here: digits, function keys,
  // Esc, Enter; the window has the focus whenever no control took it.
  if (Ending() || !loadBegun_) return;
  if (QWidget* modal = ModalWidget()) {
    // The key was meant for the open prompt or dialog.
    modal->activateWindow();
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QKeyEvent copy(k->type(), k->key(), k->modifiers(), k->text(), k->isAutoRepeat(), k->count());
    QCoreApplication::sendEvent(target, &copy);
    return;
  }
  const int code = KeyCode(k->key(), k->modifiers());
  if (code == 0) return;
  int shift = ((k->modifiers() & Qt::ShiftModifier) ? 1 : 0) |
              ((k->modifiers() & Qt::ControlModifier) ? 2 : 0) |
              ((k->modifiers() & Qt::AltModifier) ? 4 : 0);
  Guard([&] { Form_KeyDown(code, shift); });
}

}  // namespace lk
