#include "layout.h"

#include <QElapsedTimer>
#include <QWindow>

#include "program.h"

namespace lk {

void Place(QWidget* w, const TwipsRect& r) { PlaceTw(w, r.left, r.top, r.width, r.height); }

void PlacePicture(Picture* p, const TwipsRect& r) {
  Place(p, r);
  p->surface().Resize(p->width(), p->height());
}

void WaitUntilShown(QWidget* w, double realSeconds) {
  QElapsedTimer t;
  t.start();
  const auto limitMs = qint64(realSeconds * 1000);
  WaitWhile([&] {
    const QWindow* window = w->window()->windowHandle();
    return window && !window->isExposed() && t.elapsed() < limitMs;
  });
}

}  // namespace lk
