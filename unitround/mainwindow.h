// The machine epsilon lesson's window: two option buttons choose the
// precision, and the whole halving table of that precision is drawn at once
// into its picture.
#pragma once

#include "epsilon.h"
#include "precisionwindow.h"

class Form1 : public lk::PrecisionWindow {
  Q_OBJECT
 public:
  Form1();

  // pic(1) holds the single-precision table, pic(2) the double one.
  lk::Picture* pic(int index) const { return pic_[index]; }

  void optPrecision_Click(int index) override;
  void Form_KeyPress(int keyAscii);

 protected:
  void Form_KeyDown(int keyCode, int shift) override;

 private:
  lk::Picture* pic_[3] = {};
};
