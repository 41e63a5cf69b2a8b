#include "widgets.h"

#include <QAbstractSlider>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <cmath>

#include "program.h"

namespace lk {

int Tw(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

void PlaceTw(QWidget* w, double left, double top, double width, double height) {
  w->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
}

bool LeanRepaints() {
  static const bool lean = qEnvironmentVariableIntValue("LESSONS_FULL_REPAINT") == 0;
  return lean;
}

namespace {
// A control that hides what lies beneath it.  Labels without a background of
// their own (menu items, the suite's small notices) let the picture through.
bool Covers(const QWidget* c) {
  if (!c->isVisible() || c->isWindow()) return false;
  return c->testAttribute(Qt::WA_OpaquePaintEvent) || c->autoFillBackground() ||
         qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QAbstractSlider*>(c) ||
         qobject_cast<const QLineEdit*>(c);
}
}  // namespace

QRegion SeenArea(const QWidget* w) {
  QRegion seen(w->rect());
  for (const QObject* o : w->children())
    if (auto* c = qobject_cast<const QWidget*>(o); c && Covers(c)) seen -= c->geometry();
  // Up to the window: each parent cuts it off at its edges, and what stands
  // above it among its siblings hides it.
  for (const QWidget* cur = w; !cur->isWindow() && cur->parentWidget(); cur = cur->parentWidget()) {
    const QWidget* parent = cur->parentWidget();
    const QPoint origin = w->mapFrom(parent, QPoint(0, 0));
    seen &= parent->rect().translated(origin);
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(cur)) + 1; i < siblings.size(); ++i)
      if (auto* c = qobject_cast<const QWidget*>(siblings[i]); c && Covers(c))
        seen -= c->geometry().translated(origin);
  }
  return seen;
}

void DrawSurfacePart(QPainter& p, const Surface& s, const QRect& r) {
  const QImage& img = s.Image();
  if (!LeanRepaints()) {
    p.drawImage(0, 0, img);
    return;
  }
  const qreal k = img.devicePixelRatio();
  p.drawImage(QRectF(r), img, QRectF(r.x() * k, r.y() * k, r.width() * k, r.height() * k));
}

Picture::Picture(QWidget* parent, ScaleMode mode, bool border)
    : QWidget(parent), surface_(1, 1, mode), border_(border) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.VisibleArea = [this] { return SeenArea(this); };
  setFocusPolicy(Qt::NoFocus);
  surface_.Changed = [this] {
    const QRect r = surface_.TakeDirty();
    if (painting_) return;
    if (LeanRepaints()) update(r);
    else update();
  };
}

void Picture::setPaintHandler(std::function<void(Surface&)> handler) {
  paintHandler_ = std::move(handler);
  update();
}

void Picture::Repaint() {
  painting_ = true;
  surface_.Cls();
  Guard([&] { paintHandler_(surface_); });
  painting_ = false;
}

void Picture::paintEvent(QPaintEvent* e) {
  if (paintHandler_) Repaint();
  QPainter p(this);
  DrawSurfacePart(p, surface_, e->rect());
  if (border_) {
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void Picture::resizeEvent(QResizeEvent*) {
  surface_.SetDevicePixelRatio(devicePixelRatioF());
  surface_.Resize(width(), height());
}

void Picture::showEvent(QShowEvent*) { surface_.SetDevicePixelRatio(devicePixelRatioF()); }

namespace {
int Button(const QMouseEvent* e) {
  switch (e->button() == Qt::NoButton ? e->buttons().toInt() & 7 : int(e->button())) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}
}  // namespace

void Picture::mousePressEvent(QMouseEvent* e) {
  if (BlockedByModal(this)) return;
  const float u = surface_.UnitsPerPixel();
  if (onMouseDown) Guard([&] { onMouseDown(Button(e), float(e->position().x()) * u, float(e->position().y()) * u); });
  if (onClick) Guard([&] { onClick(); });
}

void Picture::mouseMoveEvent(QMouseEvent* e) {
  if (BlockedByModal(this)) return;
  const float u = surface_.UnitsPerPixel();
  if (onMouseMove) Guard([&] { onMouseMove(Button(e), float(e->position().x()) * u, float(e->position().y()) * u); });
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
  if (BlockedByModal(this)) return;
  const float u = surface_.UnitsPerPixel();
  if (onMouseUp) Guard([&] { onMouseUp(Button(e), float(e->position().x()) * u, float(e->position().y()) * u); });
}

namespace {
// An option button whose whole designed rectangle takes the click, not only
// its circle and caption.
class AreaRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
}  // namespace

OptionButtons::OptionButtons(QWidget* parent, const QString& name, const QStringList& captions,
                             const std::vector<TwipsRect>& places)
    : QObject(parent) {
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  for (qsizetype i = 0; i < captions.size(); ++i) {
    QRadioButton* b = new AreaRadioButton(captions[i], parent);
    b->setObjectName(name + QString::number(i));
    const TwipsRect& r = places.at(std::size_t(i));
    PlaceTw(b, r.left, r.top, r.width, r.height);
    group->addButton(b, int(i));
    buttons_.push_back(b);
  }
  buttons_.front()->setChecked(true);
  buttons_.front()->hide();
  connect(group, &QButtonGroup::idClicked, this, [this](int id) {
    if (Ending() || id < 1 || !onClick) return;
    Guard([&] { onClick(id); });
  });
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::NoFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  if (BlockedByModal(this)) return;
  if (e->button() == Qt::LeftButton && onClick) Guard([&] { onClick(); });
}

}  // namespace lk
