// The frame every lesson window is built on: the window's own drawing area,
// the numbered menu and the mode value, key dispatch, the press-any-key
// prompt, the world-to-picture mapping, the timer of the stage machines and
// the end of the program.  A lesson states its parameters and writes its
// sections; the frame does the rest.
#pragma once

#include <QWidget>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <vector>

#include "dspcommon.h"
#include "program.h"
#include "widgets.h"

namespace lk {

// Key codes as the lessons know them.
namespace key {
constexpr int Back = 8, Enter = 13, Esc = 27, Space = 32, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Digit0 = 48, Pad0 = 96, F1 = 112;
}
// The lesson key code of a Qt key event (digits 48.., numeric pad 96.., F1 112..).
int KeyCode(int qtKey, Qt::KeyboardModifiers mods);

enum class PromptWait {
  Modal,             // the prompt is modal; the call returns when it closes
  UntilKey,          // modeless; events are processed until a key code arrives
  UntilWaitingClear  // modeless; until the waiting flag is cleared
};

struct FrameParams {
  QString caption;
  int clientWidth = 15270, clientHeight = 11040;  // twips
  QString fontName = QStringLiteral("メイリオ");
  float fontSize = 9;
  TypesetStyle style;

  // Keys.  Menu keys and end keys at the menu count only at mode 0.
  std::map<int, int> menuKeys;  // key code -> menu item
  std::set<int> endKeysAtMenu;
  std::set<int> endKeysAnyTime;
  bool keyClearsWaiting = false;
  bool keyStoresLastKey = false;
  int flagKey = 0;  // a key that raises keyFlag (0: none)

  // The press-any-key prompt, placed at main left + a*width, top + b*height.
  float promptA = 0.1f, promptB = 0.9f;
  PromptWait promptWait = PromptWait::Modal;
  bool promptEscEnds = false;
  bool promptTakesBackColor = false;
};

// Which keys choose a numbered menu item: its digit, the numeric pad's
// digit, its function key (F1 for 1).
enum MenuKeySet { kDigitKeys = 1, kPadKeys = 2, kFunctionKeys = 4 };
// The keys of menu number n in the given sets.
std::set<int> NumberKeys(int n, int sets);
// Items 1 .. items are chosen by their numbers' keys.
void ChooseByNumber(FrameParams& f, int items, int sets);

// One label of a menu page, LblA(index), at (left, top) in twips and sized
// to its text.
struct MenuLabel {
  int index;
  const char* caption;
  double left, top;
  float size = 14;
  Color colour = kButtonText;
};

// The world window of a plot and the picture it is mapped onto.
struct PlotFrame {
  double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
  int W = 1, H = 1;
};

class LessonWindow : public QWidget {
  Q_OBJECT
 public:
  explicit LessonWindow(const FrameParams& params);
  ~LessonWindow() override;

  // Shows the window and runs Form_Load (InitForm first).
  void Start();
  // True while a window waits for the window system to place it; it takes no
  // keys or menu clicks until its Form_Load begins.
  static bool Placing();

  const FrameParams& params() const { return params_; }
  Surface& form() { return form_; }

  std::int32_t mode = 0;
  bool keyFlag = false;  // raised by params.flagKey
  PlotFrame plot;

  // Menu labels LblA(1..n); the last one is the end item.
  ClickLabel* AddMenuItem(int index, const QString& caption, double left, double top, double width,
                          double height, float fontSize = 14);
  // A whole menu page at once.
  void AddMenu(std::span<const MenuLabel> labels);
  ClickLabel* LblA(int index) const;
  int MenuCount() const { return int(menu_.size()); }
  // Controls hidden with the menu while a section runs (and shown with it).
  std::vector<QWidget*> menuTimeWidgets;
  // Controls shown only during sections; Vis hides them again.
  std::vector<QWidget*> sectionWidgets;

  Picture* AddPicture(double left, double top, double width, double height,
                      ScaleMode mode = ScaleMode::Pixels, bool border = false);

  virtual void LblA_Click(int item);
  virtual void Form_KeyDown(int keyCode, int shift);
  void Invis();
  void Vis();
  void HitAnyKey();
  // Mode of a menu item's section (10 * item unless a lesson says otherwise).
  virtual int SectionMode(int item) const { return 10 * item; }
  void Form_Unload();

  int px(double x) const;
  int py(double y) const;

  // The stage machine's timer; a tick while a step still runs does nothing.
  void StartTimer1(int intervalMs);
  void StopTimer1();
  bool Timer1Enabled() const;
  bool busy() const { return busy_; }

  // Where the press-any-key prompt goes (a, b); lessons may vary it.
  virtual QPointF PromptPlace() const { return {params_.promptA, params_.promptB}; }
  // Seconds after which the prompt continues by itself (0: never).
  virtual float PromptAutoWait() const { return 0; }
  // Paints the prompt of a number-entry dialog for the current InputKind.
  virtual void PaintInput(Surface& pic);

 protected:
  virtual void Form_Load() {}
  virtual void Exec(int /*item*/) {}
  virtual void Form_Paint() {}
  virtual void Timer1_Timer() {}

  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void closeEvent(QCloseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;

 private:
  void InitForm();
  void WaitUntilPlaced();
  bool loadBegun_ = false;
  FrameParams params_;
  Surface form_;
  std::map<int, ClickLabel*> menu_;
  LessonTimer* timer1_ = nullptr;
  bool busy_ = false;
  bool loaded_ = false;
};

// Round to the nearest integer with halves to even, clamped to int32.
std::int32_t RoundPx(double v);

// The whole main() of a lesson: the window W is made after the application
// and goes before it.
template <class W>
int RunMain(int& argc, char** argv) {
  std::unique_ptr<W> window;
  return RunLesson(
      argc, argv,
      [&] {
        window = std::make_unique<W>();
        window->Start();
      },
      [&] { window.reset(); });
}

}  // namespace lk
