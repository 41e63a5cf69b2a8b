// The press-any-key prompt and the number-entry dialogs.  They report through
// the shared variables below, which the lesson reads after the call returns.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <cstdint>

#include "lessonwindow.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace lk {

extern std::int32_t LastKey;  // key that closed the last prompt: 13 Enter/click, 27 Esc, 0 time-out
extern QString InputText;     // text of the last entry; "" after a cancel
extern int Waiting;           // set by a lesson waiting in an event loop, cleared by the prompt
extern float AutoWait;        // seconds after which the prompt continues by itself; 0 never
extern std::int32_t InputKind;
extern float WidenFactor;     // share of the dialog width the text box grows to the left
extern int AllowDot, AllowMinus, AllowComma;
extern std::int32_t OptIndex;
extern std::int16_t OptChanged;

// A borderless tool window over the main window, outlined so it stands out
// from the window beneath it.
// It keeps its place over the owner (left + a*width, top + b*height) from
// where the owner really is: placed again when it is shown, and moved along
// when the owner moves.
class PromptWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PromptWindow(QWidget* owner);
  void PlaceOver(float a, float b);

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  // The window manager's close (Alt+F4, a close button) answers the prompt
  // the way its own cancel does.
  void closeEvent(QCloseEvent*) override;
  virtual void ClosedByWindowManager() = 0;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void Replace();
  QWidget* owner_;
  bool placed_ = false;
  float a_ = 0, b_ = 0;
};

// The press-any-key prompt.
class FrmHitKey : public PromptWindow {
  Q_OBJECT
 public:
  explicit FrmHitKey(QWidget* owner);
  QLabel* lblHitKey = nullptr;

 protected:
  void keyPressEvent(QKeyEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void showEvent(QShowEvent*) override;
  void ClosedByWindowManager() override { Close(key::Enter); }

 private:
  void Close(int code);
  LessonTimer* timer1_ = nullptr;
  std::int64_t start_ = 0;
};

// The number box of the dialogs: filters what may be typed.  Every way text
// can arrive (keys, a middle-click paste, drag and drop, an input method)
// passes the same filter; refused characters are dropped with the beep.
class NumBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumBox(QWidget* parent, bool caretMoves);
  bool storeTypedKeys = false;  // each typed character also becomes LastKey
  std::function<void()> onEnter, onEscape;
  // The characters of t that may go into the box (full-width digits and
  // signs count as their plain forms); *refused tells whether any were dropped.
  static QString Allowed(const QString& t, bool* refused);
  // Inserts what the filter lets through at the caret, beeping if it refused any.
  void InsertFiltered(const QString& t);

 protected:
  void keyPressEvent(QKeyEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void dropEvent(QDropEvent*) override;
  void inputMethodEvent(QInputMethodEvent*) override;

 private:
  bool caretMoves_;
};

// How a lesson asks for a number.
struct NumEntry {
  float a = 0.1f, b = 0.9f;      // placement: main left + a*width, top + b*height
  QString proposal;              // initial text (Enter keeps it)
  std::int32_t kind = 0;         // InputKind for PaintInput
  float narrow = 0;              // narrow the box by this share of the main width
  bool scroll = false;           // with the scroll bar that maps into lo..hi
  double lo = 0, hi = 1;
  bool typedKeysToLastKey = false;
  // The scroll bar's positions, mapped onto lo..hi; it opens at the
  // position of the proposal.
  int scrollMin = 0, scrollMax = 100;
  QString cancelCaption;         // the second button's caption, if not "キャンセル"
};

// What both number-entry dialogs share: the box, "O K" and "キャンセル".
class EntryDialog : public PromptWindow {
  Q_OBJECT
 public:
  EntryDialog(QWidget* owner, bool caretMoves);
  NumBox* txtNum = nullptr;
  QPushButton* cmdNum[3] = {nullptr, nullptr, nullptr};  // 1 "O K", 2 "キャンセル"
  // "O K" or Enter: LastKey 13 and the box's text.  "キャンセル" or Esc: 27 and "".
  void Ok();
  void Cancel();
  // Shows the dialog with the box focused and waits until it closes.
  void RunModal();

 protected:
  void keyPressEvent(QKeyEvent*) override;
  void ClosedByWindowManager() override { Cancel(); }
};

class FrmNum : public EntryDialog {
  Q_OBJECT
 public:
  FrmNum(LessonWindow& owner, const NumEntry& entry);
  Picture* picNum = nullptr;
  QScrollBar* hsbNum = nullptr;

 private:
  void Scrolled(int value);
  NumEntry entry_;
};

// Opens the number-entry dialog modally and returns the entered text
// (InputText; "" and LastKey 27 after a cancel).
QString StrInput(LessonWindow& owner, const NumEntry& entry);

class FrmNumOpt : public EntryDialog {
  Q_OBJECT
 public:
  explicit FrmNumOpt(LessonWindow& owner);
  Picture* picPrompt = nullptr;
  QLabel* Label2 = nullptr;
  ClickLabel* Label[3] = {nullptr, nullptr, nullptr};
  void LabelClick(int i);

 private:
  void MarkOption();
};

// The entry with the three-way choice 0/1/2 (OptIndex); minusAllowed for the
// problems whose energies may be negative.
QString StrOptInput(LessonWindow& owner, bool minusAllowed);

// The prompt of the option dialog, drawn on its picture.
void PaintOptPrompt(Surface& pic);

}  // namespace lk
