// The frame of the two number-representation lessons (the machine epsilon
// and the largest number): the designed window in メイリオ 12 pt with plain
// letters, and the option buttons that choose the precision.  A click on one
// draws that precision's table; the lesson says how.
#pragma once

#include "lessonwindow.h"

class QRadioButton;

namespace lk {

class PrecisionWindow : public LessonWindow {
  Q_OBJECT
 public:
  // optPrecision(0) is the hidden button that keeps the others unselected at
  // the start; 1 is 単精度, 2 is 倍精度.
  QRadioButton* optPrecision(int index) const { return optPrecision_->at(index); }
  virtual void optPrecision_Click(int index) = 0;

 protected:
  // The buttons 0, 1, 2 at their places in twips.
  PrecisionWindow(const QString& caption, const TwipsRect (&places)[3]);

 private:
  OptionButtons* optPrecision_ = nullptr;
};

}  // namespace lk
