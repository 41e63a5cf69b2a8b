// The machine epsilon lesson's window: two option buttons choose the
// precision, and the whole halving table of that precision is drawn at once
// into its picture.
#pragma once

#include "epsilon.h"
#include "lessonwindow.h"

class QRadioButton;

class Form1 : public lk::LessonWindow {
  Q_OBJECT
 public:
  Form1();

  // optPrecision(0) is the hidden button that keeps the others unselected at
  // the start; 1 is 単精度, 2 is 倍精度.
  QRadioButton* optPrecision(int index) const { return optPrecision_->at(index); }
  // pic(1) holds the single-precision table, pic(2) the double one.
  lk::Picture* pic(int index) const { return pic_[index]; }

  void optPrecision_Click(int index);
  void Form_KeyPress(int keyAscii);

 protected:
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;

 private:
  lk::OptionButtons* optPrecision_ = nullptr;
  lk::Picture* pic_[3] = {};
};
