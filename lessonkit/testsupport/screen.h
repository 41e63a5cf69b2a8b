// What the learner really sees.  The pictures in memory can be right while
// the screen is not: a drawing step that changes pixels without saying where
// leaves the old pixels on the screen.  These checks look at the pixels the
// window system holds for a window, after the updates already asked for, and
// at the text the surfaces drew where nobody can see it.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace lk {
class Surface;
}

namespace lk::test {

// The window as the window system holds it, once the updates already asked
// for have been painted (nothing else runs meanwhile: no timer, no lesson step).
QImage ShownOnScreen(QWidget* window);
// The same window rendered whole from its widgets and pictures.
QImage RenderedWhole(QWidget* window);

// Success when every pixel the window shows equals the whole render.  On a
// failure it names the count and the box of the differing pixels and saves
// both pictures (and their difference) under the temporary folder.  `where`
// names the moment in the message.
::testing::AssertionResult ScreenShowsWindow(QWidget* window, const QString& where = {});

// Runs `look` once, from inside the drawing, at the first change of the
// surface after which `ready` holds: a look at the screen in the middle of
// a paced curve or an animation, however fast the test clock runs it.
void WhenDrawn(Surface& s, std::function<bool()> ready, std::function<void()> look);

}  // namespace lk::test

// Checks the main window of a lesson (and any prompt or dialog open over it).
#define EXPECT_SCREEN(window, where) EXPECT_TRUE(::lk::test::ScreenShowsWindow((window), (where)))
