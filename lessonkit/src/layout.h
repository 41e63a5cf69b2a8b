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

// Waits in the event loop (at most realSeconds of real time) until the
// window system shows w's window.  A lesson that opens a prompt from its
// Form_Load calls it first: before the window is on screen its place is not
// yet known, and a prompt placed at a share of the window would open at a
// share of the screen's corner instead.
void WaitUntilShown(QWidget* w, double realSeconds = 2);

}  // namespace lk
