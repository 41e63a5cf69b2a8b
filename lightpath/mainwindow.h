// The window of the Fermat's principle lesson.  The learner drags the point
// where a ray of light crosses the water surface, fixes trial paths with a
// click and reads their optical lengths; a right click or End shows the path
// of least time.  The numbers come from fermat.h; the window lays out, reads
// the mouse and draws.
#pragma once

#include "fermat.h"
#include "lessonwindow.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class mainWindow : public lk::LessonWindow {
  Q_OBJECT
 public:
  mainWindow();

  // Controls, as the learner sees them.
  lk::Picture* picB() const { return picB_; }
  QScrollBar* hsbN() const { return hsbN_; }
  QLineEdit* txtN() const { return txtN_; }
  QPushButton* btnRestart() const { return btnRestart_; }
  QPushButton* btnEnd() const { return btnEnd_; }
  QLabel* lblHead() const { return lblHead_; }
  // lbl(1) .. lbl(4) the narration, lbl(0) "屈折率".
  QLabel* lbl(int index) const { return lbl_[index]; }

  // The state of the experiment.
  const lightpath::Scene& scene() const { return scene_; }
  double xCur() const { return xCur_; }
  double xDrag() const { return xDrag_; }
  bool started() const { return started_; }
  bool finished() const { return finished_; }
  const lightpath::PathList& paths() const { return xs_; }
  // Result rows printed so far and where row r stands on the window (twips).
  float resultRow() const { return r_; }
  float RowTop(float r) const { return r * lh_ + float(yt_); }
  float lineStep() const { return lh_; }
  int textLeft() const { return xt_; }

  using lk::LessonWindow::Exec;
  void Exec();
  void picB_MouseMove(int button, float X, float Y);
  void picB_MouseDown(int button, float X, float Y);
  void hsbN_Change();
  void btnRestart_Click();
  void btnEnd_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static lk::FrameParams Params();
  void picB_Paint(lk::Surface& p);
  void DrawPath(double x, lk::Color c);
  void SetLine(double x, lk::Color c);
  void Eraseline(double x);
  void dspResult(double x);
  void HelpShow();
  void ReadIndex();
  // True when `rows` more result rows fit above the controls at the bottom.
  bool RowsFree(float rows) const;

  lk::Picture* picB_ = nullptr;
  QScrollBar* hsbN_ = nullptr;
  QLineEdit* txtN_ = nullptr;
  QPushButton* btnRestart_ = nullptr;
  QPushButton* btnEnd_ = nullptr;
  QLabel* lblHead_ = nullptr;
  QLabel* lbl_[5] = {};

  lightpath::Scene scene_{1, 1};
  double xCur_ = 0, xDrag_ = 0;
  lightpath::PathList xs_;
  bool started_ = false, finished_ = false;
  // The mouse can reach the picture while the window is being placed, before
  // Form_Load has measured the scene and the result rows: until then it is
  // ignored.
  bool loaded_ = false;
  // The colour of the line last drawn at xCur (the answer's red tells End
  // that the answer is already showing).
  lk::Color curColor_ = 0;
  float r_ = 0;   // result rows
  float lh_ = 0;  // line step of the results, twips
  float textHeight_ = 0;
  int xt_ = 0, yt_ = 0;
};
