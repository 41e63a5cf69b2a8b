// Controls of the lesson windows: a picture showing a Surface, a clickable
// label, and placement in twips.
#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

#include "surface.h"

namespace lk {

// Twips to pixels, as the window positions are given.
int Tw(double twips);
void PlaceTw(QWidget* w, double left, double top, double width, double height);

// Whether a drawing step copies only the rectangle it changed to the screen
// (the default), or the whole picture as before (LESSONS_FULL_REPAINT=1, to
// measure the difference).
bool LeanRepaints();
// The part of w the learner can see: inside its window and its parents, and
// not under a control (a picture, a button, a box, a filled label) that
// stands over it.
QRegion SeenArea(const QWidget* w);
// Draws the part r (in device-independent pixels) of a surface's picture at
// the same place on p.
void DrawSurfacePart(QPainter& p, const Surface& s, const QRect& r);

// A picture control: shows its retained Surface.  With a paint handler it
// repaints itself from scratch whenever it is shown or exposed (a prompt).
class Picture : public QWidget {
  Q_OBJECT
 public:
  explicit Picture(QWidget* parent, ScaleMode mode = ScaleMode::Pixels, bool border = false);
  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }
  // Drawing state and operations go straight to the surface.
  Surface* operator->() { return &surface_; }
  void setPaintHandler(std::function<void(Surface&)> handler);
  std::function<void(int button, float x, float y)> onMouseDown;
  std::function<void(int button, float x, float y)> onMouseMove;
  std::function<void(int button, float x, float y)> onMouseUp;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void Repaint();
  Surface surface_;
  std::function<void(Surface&)> paintHandler_;
  bool border_;
  bool painting_ = false;
};

struct TwipsRect {
  double left, top, width, height;
};

// A control array of option buttons.  Button 0 is hidden and checked, so
// none of the visible buttons is selected when the window opens.
class OptionButtons : public QObject {
  Q_OBJECT
 public:
  OptionButtons(QWidget* parent, const QString& name, const QStringList& captions,
                const std::vector<TwipsRect>& places);
  QRadioButton* at(int index) const { return buttons_.at(std::size_t(index)); }
  // A click on visible button i; an end of the program inside it stops it.
  std::function<void(int)> onClick;

 private:
  std::vector<QRadioButton*> buttons_;
};

// A label that reports clicks (menu items, option labels).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text, QWidget* parent);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent*) override;
};

}  // namespace lk
