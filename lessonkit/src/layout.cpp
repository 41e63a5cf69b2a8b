#include "layout.h"

namespace lk {

void Place(QWidget* w, const TwipsRect& r) { PlaceTw(w, r.left, r.top, r.width, r.height); }

void PlacePicture(Picture* p, const TwipsRect& r) {
  Place(p, r);
  p->surface().Resize(p->width(), p->height());
}

}  // namespace lk
