// Placing the controls of a lesson window from rectangles in twips, as the
// lessons give their layouts.
#pragma once

#include "widgets.h"

namespace lk {

// Moves and sizes a control to a rectangle in twips.
void Place(QWidget* w, const TwipsRect& r);

// Moves and sizes a picture, and gives its surface the new size at once:
// a hidden picture gets its resize event only when it is shown, and a lesson
// may draw into it (or read its scale size) before that.
void PlacePicture(Picture* p, const TwipsRect& r);

}  // namespace lk
