#include "precisionwindow.h"

#include <iterator>

namespace lk {

namespace {

constexpr float kButtonFontSize = 12;

FrameParams Params(const QString& caption) {
  FrameParams f;
  f.caption = caption;
  f.fontName = QStringLiteral("メイリオ");
  f.fontSize = kButtonFontSize;
  f.style.supRise = 0.25f;
  f.style.plainLetters = true;
  return f;
}

}  // namespace

PrecisionWindow::PrecisionWindow(const QString& caption, const TwipsRect (&places)[3])
    : LessonWindow(Params(caption)) {
  setObjectName(QStringLiteral("Form1"));
  optPrecision_ = new OptionButtons(
      this, QStringLiteral("optPrecision"),
      {QStringLiteral("単精度"), QStringLiteral("単精度"), QStringLiteral("倍精度")},
      {std::begin(places), std::end(places)});
  optPrecision_->onClick = [this](int index) { optPrecision_Click(index); };
}

}  // namespace lk
