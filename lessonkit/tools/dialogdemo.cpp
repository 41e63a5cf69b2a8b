// A small lesson window that opens the toolkit's prompt and dialogs one after
// another, for looking at them on a real screen:
//   lessonkit_dialogdemo [--speed X]
#include <QApplication>

#include "dialogs.h"
#include "program.h"

using namespace lk;

namespace {

FrameParams Params() {
  FrameParams p;
  p.caption = QStringLiteral(" 入力ダイアログの見本");
  p.clientWidth = 12000;
  p.clientHeight = 8000;
  p.promptA = 0.1f;
  p.promptB = 0.92f;
  return p;
}

class DemoWindow : public LessonWindow {
 public:
  DemoWindow() : LessonWindow(Params()) {
    pic_ = AddPicture(300, 300, 11400, 5000, ScaleMode::Pixels);
    pic_->surface().SetBackColor(col::FormBack);
    pic_->surface().FontSize = 14;
  }

  void PaintInput(Surface& pic) override {
    const float h = pic.TextHeight(QStringLiteral("A"));
    float x = 0;
    PrintText(pic, x, 0.2f * h, QStringLiteral("次数 "));
    PrintVar(pic, x, 0.2f * h, QStringLiteral("n"));
    PrintText(pic, x, 0.2f * h, QStringLiteral(" を入力して下さい (0～20)"));
  }

 protected:
  void Form_Load() override {
    Surface& s = pic_->surface();
    const float h = s.TextHeight(QStringLiteral("A"));
    float x = 0;
    PrintText(s, x, 0, QStringLiteral("ルジャンドル多項式 "));
    PrintVar(s, x, 0, QStringLiteral("P"));
    PrintSub(s, x, 0, QStringLiteral("n"));
    PrintArgX(s, x, 0);
    PrintText(s, x, 0, QStringLiteral(" を描きます。"));
    HitAnyKey();
    AllowDot = 0;
    AllowComma = 1;
    AllowMinus = 0;
    NumEntry e;
    e.a = 0.13f;
    e.b = 0.75f;
    e.proposal = QStringLiteral("3");
    QString got = StrInput(*this, e);
    x = 0;
    PrintText(s, x, 1.5f * h, QStringLiteral("入力: ") + got);
    QString opt = StrOptInput(*this, true);
    x = 0;
    PrintText(s, x, 3 * h, QStringLiteral("入力: ") + opt + QStringLiteral("  方位量子数: ") +
                               QString::number(OptIndex));
    HitAnyKey();
    Form_Unload();
  }

 private:
  Picture* pic_;
};

}  // namespace

int main(int argc, char** argv) { return RunMain<DemoWindow>(argc, argv); }
