#include "dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "fonts.h"
#include "program.h"
#include "sounds.h"

namespace lk {

std::int32_t LastKey = 0;
QString InputText;
int Waiting = 0;
float AutoWait = 0;
std::int32_t InputKind = 0;
float WidenFactor = 0;
int AllowDot = 0, AllowMinus = 0, AllowComma = 0;
std::int32_t OptIndex = 0;
std::int16_t OptChanged = 0;

namespace {

constexpr Qt::WindowFlags kPromptFlags = Qt::Tool | Qt::FramelessWindowHint;

void Paint(QWidget* w, Color back) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, ToQColor(back));
  pal.setColor(QPalette::Button, ToQColor(back));
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

QFont DialogFont(float size = 9) { return MakeFont(QStringLiteral("メイリオ"), size, false, false); }

// The style draws push buttons and scroll bars from pictures it keeps in the
// application's pixmap cache, named among other things by the cache key of
// the palette.  A palette set on a widget gets a key of its own, so each
// dialog, made anew in the toolkit's back colour, stored a new set of
// pictures that no later dialog could find (some 16 kB a use), and Qt 6.4's
// cache keeps the names even of the pictures it drops.  Drawn with one
// lasting palette for each set of colours, every dialog finds the pictures
// of the one before.
QPalette Lasting(const QPalette& p) {
  static std::vector<QPalette> kept;
  auto it = std::find(kept.begin(), kept.end(), p);  // the same colours
  if (it == kept.end()) it = kept.insert(kept.end(), p);
  QPalette lasting = *it;
  lasting.setCurrentColorGroup(p.currentColorGroup());
  return lasting;
}

// Draws with a copy of the option that has the lasting palette, when the
// option is of type O; false for other options.
template <class O, class Base, class Draw>
bool DrawLasting(const Base* option, const Draw& draw) {
  const auto* o = qstyleoption_cast<const O*>(option);
  if (!o) return false;
  O copy(*o);
  copy.palette = Lasting(o->palette);
  draw(&copy);
  return true;
}

// The push buttons and the scroll bar of the dialogs; whatever the style
// draws for them in turn (panels, arrows, grooves) inherits the lasting
// palette.
class LastingPaletteStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawControl(ControlElement e, const QStyleOption* o, QPainter* p,
                   const QWidget* w) const override {
    const auto draw = [&](const QStyleOption* l) { QProxyStyle::drawControl(e, l, p, w); };
    if (!DrawLasting<QStyleOptionButton>(o, draw)) draw(o);
  }
  void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                          const QWidget* w) const override {
    const auto draw = [&](const QStyleOptionComplex* l) { QProxyStyle::drawComplexControl(c, l, p, w); };
    if (!DrawLasting<QStyleOptionSlider>(o, draw)) draw(o);
  }
};

// The controls of a dialog draw through one style for the whole program.
void DrawWithLastingPalette(QWidget* control) {
  static QPointer<QStyle> style;
  if (!style) {
    style = new LastingPaletteStyle(QApplication::style()->name());
    style->setParent(qApp);
  }
  control->setStyle(style);
}

void ShowOnTop(QWidget* w) {
  w->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) w->raise();
  w->activateWindow();
}

}  // namespace

PromptWindow::PromptWindow(QWidget* owner) : QWidget(owner, kPromptFlags), owner_(owner) {
  if (owner_) owner_->installEventFilter(this);
}

void PromptWindow::PlaceOver(float a, float b) {
  a_ = a;
  b_ = b;
  placed_ = true;
  Replace();
}

void PromptWindow::Replace() {
  if (!placed_ || !owner_) return;
  // The native window knows its decorations as soon as the window manager has
  // put them on; the widget's copy of them may still be the guess of before.
  const QWindow* native = owner_->windowHandle();
  const QRect g = native ? native->frameGeometry() : owner_->frameGeometry();
  // A prompt has no decorations: its own corner goes exactly there (move()
  // would place a frame the window manager then adds nothing to).
  const QPoint at(g.left() + int(std::lround(a_ * g.width())),
                  g.top() + int(std::lround(b_ * g.height())));
  if (pos() != at) setGeometry(QRect(at, size()));
}

void PromptWindow::showEvent(QShowEvent*) { Replace(); }

bool PromptWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == owner_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                            e->type() == QEvent::Show))
    Replace();
  return false;
}

void PromptWindow::closeEvent(QCloseEvent* e) {
  e->accept();
  if (isVisible()) ClosedByWindowManager();
}

void PromptWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QColor(150, 150, 150));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- press-any-key prompt ----

FrmHitKey::FrmHitKey(QWidget* owner) : PromptWindow(owner) {
  Paint(this, col::FormBack);
  setFont(DialogFont(10));
  lblHitKey = new QLabel(QStringLiteral("  どれかのキーを押して下さい"), this);
  lblHitKey->setFont(DialogFont(10));
  lblHitKey->setGeometry(0, 0, 240, 30);
  lblHitKey->setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(240, 30);
  setFocusPolicy(Qt::StrongFocus);
  timer1_ = new LessonTimer(this);
  timer1_->setInterval(100);
  connect(timer1_, &LessonTimer::timeout, this, [this] {
    double elapsed = double(GetTickCount() - start_) / 1000.0;
    if (elapsed > AutoWait) {
      AutoWait = 0;
      timer1_->stop();
      Close(0);
    }
  });
}

void FrmHitKey::showEvent(QShowEvent* e) {
  PromptWindow::showEvent(e);
  if (AutoWait != 0) {
    start_ = GetTickCount();
    timer1_->start();
  }
  setFocus();
}

void FrmHitKey::Close(int code) {
  LastKey = code;
  Waiting = 0;
  timer1_->stop();
  hide();
}

void FrmHitKey::keyPressEvent(QKeyEvent* e) { Close(KeyCode(e->key(), e->modifiers())); }
void FrmHitKey::mousePressEvent(QMouseEvent*) { Close(key::Enter); }

// ---- number box ----

NumBox::NumBox(QWidget* parent, bool caretMoves) : QLineEdit(parent), caretMoves_(caretMoves) {
  setFont(MakeFont(QStringLiteral("Courier New"), 12, false, false));
  setContextMenuPolicy(Qt::NoContextMenu);
}

void NumBox::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Up:
      if (text().isEmpty()) {
        setText(InputText);
        setCursorPosition(int(text().size()));
      }
      return;
    case Qt::Key_Down:
      clear();
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (caretMoves_) QLineEdit::keyPressEvent(e);
      return;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Insert:
      // The caret stays where typing put it.
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (onEnter) onEnter();
      return;
    case Qt::Key_Escape:
      if (onEscape) onEscape();
      return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      QLineEdit::keyPressEvent(e);
      return;
    default:
      break;
  }
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
  const QString t = e->text();
  if (t.isEmpty()) return;  // other non-character keys change nothing
  if (storeTypedKeys) LastKey = t.front().unicode();
  bool refused = false;
  const QString ok = Allowed(t, &refused);
  if (refused) {
    Beep();
    return;
  }
  insert(ok);
}

QString NumBox::Allowed(const QString& t, bool* refused) {
  QString ok;
  *refused = false;
  // An input method in full-width mode gives "１２．５": the same number.
  for (QChar c : t.normalized(QString::NormalizationForm_KC)) {
    const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         (c == QLatin1Char('.') && AllowDot) ||
                         (c == QLatin1Char('-') && AllowMinus) ||
                         (c == QLatin1Char(',') && AllowComma);
    if (allowed) ok += c;
    else *refused = true;
  }
  return ok;
}

void NumBox::InsertFiltered(const QString& t) {
  bool refused = false;
  const QString ok = Allowed(t, &refused);
  if (refused) Beep();
  if (!ok.isEmpty()) insert(ok);
}

void NumBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::MiddleButton) return;  // the paste comes on release
  QLineEdit::mousePressEvent(e);
}

void NumBox::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::MiddleButton) {
    QLineEdit::mouseReleaseEvent(e);
    return;
  }
  QClipboard* clip = QGuiApplication::clipboard();
  if (clip->supportsSelection() && rect().contains(e->position().toPoint()))
    InsertFiltered(clip->text(QClipboard::Selection));
}

void NumBox::dropEvent(QDropEvent* e) {
  e->acceptProposedAction();
  if (e->mimeData()->hasText()) InsertFiltered(e->mimeData()->text());
  setFocus();
}

void NumBox::inputMethodEvent(QInputMethodEvent* e) {
  if (e->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(e);
    return;
  }
  bool refused = false;
  QInputMethodEvent filtered(e->preeditString(), e->attributes());
  filtered.setCommitString(Allowed(e->commitString(), &refused), e->replacementStart(),
                           e->replacementLength());
  if (refused) Beep();
  QLineEdit::inputMethodEvent(&filtered);
}

// ---- number-entry dialogs ----

EntryDialog::EntryDialog(QWidget* owner, bool caretMoves) : PromptWindow(owner) {
  Paint(this, col::FormBack);
  setFont(DialogFont());
  txtNum = new NumBox(this, caretMoves);
  cmdNum[1] = new QPushButton(QStringLiteral("O K"), this);
  cmdNum[2] = new QPushButton(QStringLiteral("キャンセル"), this);
  cmdNum[1]->setDefault(true);
  for (int i : {1, 2}) {
    cmdNum[i]->setFont(DialogFont());
    DrawWithLastingPalette(cmdNum[i]);
  }
  txtNum->onEnter = [this] { Ok(); };
  txtNum->onEscape = [this] { Cancel(); };
  connect(cmdNum[1], &QPushButton::clicked, this, &EntryDialog::Ok);
  connect(cmdNum[2], &QPushButton::clicked, this, &EntryDialog::Cancel);
}

void EntryDialog::Ok() {
  LastKey = key::Enter;
  InputText = txtNum->text();
  hide();
}

void EntryDialog::Cancel() {
  LastKey = key::Esc;
  InputText.clear();
  hide();
}

void EntryDialog::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) Cancel();
  else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) Ok();
}

void EntryDialog::RunModal() {
  ModalScope modal(this);
  ShowOnTop(this);
  txtNum->setFocus();
  WaitWhile([this] { return isVisible(); });
}

FrmNum::FrmNum(LessonWindow& owner, const NumEntry& entry)
    : EntryDialog(&owner, false), entry_(entry) {
  const int mainW = owner.frameGeometry().width();
  const int w = int(0.8 * mainW), h = entry.scroll ? 74 : 48;
  resize(w, h);
  picNum = new Picture(this);
  picNum->surface().SetBackColor(col::FormBack);
  picNum->surface().FontName = QStringLiteral("メイリオ");
  picNum->surface().FontSize = 11;
  txtNum->storeTypedKeys = entry.typedKeysToLastKey;
  if (!entry.cancelCaption.isEmpty()) cmdNum[2]->setText(entry.cancelCaption);

  int boxLeft = int(0.60 * w), boxWidth = int(0.14 * w);
  boxWidth -= int(entry.narrow * mainW);
  // A long prompt takes room from the box's left side.
  const int widen = int(WidenFactor * w);
  int picWidth = boxLeft - 8 - widen;
  boxLeft -= widen;
  boxWidth += widen;
  picNum->setGeometry(4, 4, std::max(10, picWidth), 40);
  txtNum->setGeometry(boxLeft, 9, std::max(30, boxWidth), 30);
  cmdNum[1]->setGeometry(int(0.76 * w), 9, int(0.1 * w), 30);
  cmdNum[2]->setGeometry(int(0.875 * w), 9, int(0.115 * w), 30);
  if (entry.scroll) {
    hsbNum = new QScrollBar(Qt::Horizontal, this);
    DrawWithLastingPalette(hsbNum);
    hsbNum->setRange(entry.scrollMin, entry.scrollMax);
    hsbNum->setSingleStep(1);
    hsbNum->setPageStep(10);
    // Placed before it reports changes, so the proposal's text stays as given.
    if (entry.hi != entry.lo) {
      const double at = entry.scrollMin + (Val(S(entry.proposal)) - entry.lo) / (entry.hi - entry.lo) *
                                              (entry.scrollMax - entry.scrollMin);
      hsbNum->setValue(std::clamp(int(CLng(at)), entry.scrollMin, entry.scrollMax));
    }
    hsbNum->setGeometry(boxLeft, 46, int(0.39 * w), 20);
    connect(hsbNum, &QScrollBar::valueChanged, this, &FrmNum::Scrolled);
    connect(hsbNum, &QScrollBar::sliderMoved, this, &FrmNum::Scrolled);
  }
  picNum->setPaintHandler([&owner](Surface& pic) { owner.PaintInput(pic); });
  PlaceOver(entry.a, entry.b);
  txtNum->setText(entry.proposal);
  txtNum->setCursorPosition(int(entry.proposal.size()));
}

void FrmNum::Scrolled(int value) {
  const double span = hsbNum->maximum() - hsbNum->minimum();
  double v = entry_.lo + (value - hsbNum->minimum()) * (entry_.hi - entry_.lo) / (span > 0 ? span : 1);
  v = RoundHalfEven(100 * v) / 100;
  txtNum->setText(Q(LeadZero(NumStr(v))));
  txtNum->setCursorPosition(int(txtNum->text().size()));
}

QString StrInput(LessonWindow& owner, const NumEntry& entry) {
  InputKind = entry.kind;
  FrmNum dlg(owner, entry);
  WidenFactor = 0;
  dlg.RunModal();
  return InputText;
}

// ---- number entry with the three-way choice ----

void PaintOptPrompt(Surface& pic) {
  pic.FontSize = 13;
  pic.ForeColor = col::Blue;
  const float w = pic.TextWidth(QStringLiteral("A")), h = pic.TextHeight(QStringLiteral("A"));
  float x = 0;
  const float y = 0.5f * h;
  PrintText(pic, x, y, QStringLiteral("エネルギー"));
  x += 0.5f * w;
  PrintVar(pic, x, y + 0.05f * h, QStringLiteral("E"));
  x += 0.5f * w;
  PrintText(pic, x, y, QStringLiteral("の値を指定して下さい. "));
  pic.FontBold = true;
  pic.ForeColor = col::Purple;
  PrintText(pic, x, y, QStringLiteral("↑"));
  pic.ForeColor = kButtonText;
  pic.FontBold = false;
}

FrmNumOpt::FrmNumOpt(LessonWindow& owner) : EntryDialog(&owner, true) {
  const int w = int(0.9 * owner.frameGeometry().width()), h = 96;
  resize(w, h);
  picPrompt = new Picture(this);
  picPrompt->surface().SetBackColor(col::FormBack);
  picPrompt->setGeometry(4, 2, int(0.56 * w), h - 4);
  picPrompt->setPaintHandler(PaintOptPrompt);
  Label2 = new QLabel(QStringLiteral("方位量子数"), this);
  Label2->setFont(DialogFont(10));
  Label2->setGeometry(int(0.58 * w), 6, 110, 24);
  for (int i = 0; i < 3; ++i) {
    Label[i] = new ClickLabel(QString::number(i), this);
    Label[i]->setFont(MakeFont(QStringLiteral("Verdana"), 12, false, false));
    Label[i]->setAlignment(Qt::AlignCenter);
    Label[i]->setGeometry(int(0.58 * w) + 34 * i, 40, 28, 28);
    Label[i]->onClick = [this, i] { LabelClick(i); };
  }
  txtNum->setGeometry(int(0.72 * w), 40, int(0.12 * w), 30);
  cmdNum[1]->setGeometry(int(0.855 * w), 22, int(0.135 * w), 28);
  cmdNum[2]->setGeometry(int(0.855 * w), 56, int(0.135 * w), 28);
  MarkOption();
  PlaceOver(0.05f, 0.9f);
}

void FrmNumOpt::MarkOption() {
  for (int i = 0; i < 3; ++i) {
    bool on = i == OptIndex;
    Label[i]->setStyleSheet(on ? QStringLiteral("color: rgb(0,0,255); border: 1px solid black;")
                               : QStringLiteral("color: black; border: none;"));
  }
}

void FrmNumOpt::LabelClick(int i) {
  if (i == OptIndex) return;
  OptIndex = i;
  MarkOption();
  SoundRecycle();
  OptChanged = 1;
  InputText = txtNum->text();
  hide();
}

QString StrOptInput(LessonWindow& owner, bool minusAllowed) {
  AllowComma = 1;
  AllowDot = 1;
  AllowMinus = minusAllowed ? 1 : 0;
  OptChanged = 0;
  FrmNumOpt dlg(owner);
  dlg.RunModal();
  return InputText;
}

}  // namespace lk
