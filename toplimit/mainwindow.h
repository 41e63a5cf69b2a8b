// The largest-number lesson's window: two option buttons choose the
// precision, and the doubling table of that precision with its result is
// drawn afresh into the one picture.
#pragma once

#include "largest.h"
#include "lessonwindow.h"

class QRadioButton;

class Form1 : public lk::LessonWindow {
  Q_OBJECT
 public:
  Form1();

  // optPrecision(0) is the hidden button that keeps the others unselected at
  // the start; 1 is 単精度, 2 is 倍精度.
  QRadioButton* optPrecision(int index) const { return optPrecision_->at(index); }
  lk::Picture* pic() const { return pic_; }

  void optPrecision_Click(int index);

  // What the last click drew: the table and the font size it settled on.
  const toplimit::Table& lastTable() const { return table_; }
  float lastFontSize() const { return fontSize_; }

 protected:
  void Form_Load() override;

 private:
  bool DrawTable(toplimit::Precision precision, float fontSize, bool lastTry);
  void DrawResult(toplimit::Precision precision, const toplimit::Table& t);

  lk::OptionButtons* optPrecision_ = nullptr;
  lk::Picture* pic_ = nullptr;
  toplimit::Table table_;
  float fontSize_ = 0;
};
