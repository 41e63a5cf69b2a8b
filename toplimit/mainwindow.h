// The largest-number lesson's window: two option buttons choose the
// precision, and the doubling table of that precision with its result is
// drawn afresh into the one picture.
#pragma once

#include "largest.h"
#include "precisionwindow.h"

class Form1 : public lk::PrecisionWindow {
  Q_OBJECT
 public:
  Form1();

  lk::Picture* pic() const { return pic_; }

  void optPrecision_Click(int index) override;

  // What the last click drew: the table and the font size it settled on.
  const toplimit::Table& lastTable() const { return table_; }
  float lastFontSize() const { return fontSize_; }

 private:
  bool DrawTable(toplimit::Precision precision, float fontSize, bool lastTry);
  void DrawResult(toplimit::Precision precision, const toplimit::Table& t);

  lk::Picture* pic_ = nullptr;
  toplimit::Table table_;
  float fontSize_ = 0;
};
