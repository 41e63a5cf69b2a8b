// The picture area without a window: scales, pens, XOR, fills, text.
#include <gtest/gtest.h>

#include "surface.h"
#include "widgets.h"

#include <QPushButton>
#include <functional>
#include <vector>

#include <cmath>

using namespace lk;

TEST(Surface, TwipsAndPixelsMapToTheSamePixels) {
  Surface px(200, 100, ScaleMode::Pixels), tw(200, 100, ScaleMode::Twips);
  px.Line(10, 50, 150, 50, col::Red);
  tw.Line(150, 750, 2250, 750, col::Red);
  EXPECT_EQ(px.Image(), tw.Image());
  EXPECT_EQ(tw.ScaleWidth(), 3000);
  EXPECT_EQ(tw.CurrentX, 2250);
}

TEST(Surface, XorTwiceRestoresThePicture) {
  Surface s(100, 100);
  s.SetBackColor(col::PlotBack);
  s.Line(0, 10, 99, 10, col::Blue);
  const QImage before = s.Image();
  s.Mode = DrawMode::Xor;
  s.Line(50, 0, 50, 99, col::Red);
  EXPECT_NE(s.Image(), before);
  s.Line(50, 0, 50, 99, col::Red);
  EXPECT_EQ(s.Image(), before);
}

TEST(Surface, DottedLinesLeaveGapsWideLinesAreSolid) {
  Surface s(200, 20);
  s.SetBackColor(col::White);
  s.Style = DrawStyle::Dot;
  s.Line(0, 5, 199, 5, col::Black);
  int on = 0;
  for (int x = 0; x < 200; ++x) on += s.PixelAt(x, 5) == col::Black;
  EXPECT_GT(on, 40);
  EXPECT_LT(on, 160);
  s.DrawWidth = 3;  // dashes are for the thin pen only
  s.Line(0, 15, 199, 15, col::Black);
  on = 0;
  for (int x = 2; x < 198; ++x) on += s.PixelAt(x, 15) == col::Black;
  EXPECT_EQ(on, 196);
}

TEST(Surface, FilledCircleAndBox) {
  Surface s(100, 100);
  s.SetBackColor(col::White);
  s.FillSolid = true;
  s.FillColor = col::Orange;
  s.Circle(50, 50, 20, col::Black);
  EXPECT_EQ(s.PixelAt(50, 50), col::Orange);
  EXPECT_EQ(s.PixelAt(50, 80), col::White);
  s.Box(5, 5, 15, 15, col::Green, true);
  EXPECT_EQ(s.PixelAt(10, 10), col::Green);
  EXPECT_EQ(s.PixelAt(15, 15), col::Green);
  EXPECT_EQ(s.PixelAt(16, 16), col::White);
}

TEST(Surface, PrintAdvancesCurrentXAndClearResets) {
  Surface s(300, 60, ScaleMode::Twips);
  s.FontSize = 12;
  s.CurrentX = 150;
  s.CurrentY = 100;
  s.Print(QStringLiteral("エネルギー"));
  EXPECT_NEAR(s.CurrentX, 150 + s.TextWidth(QStringLiteral("エネルギー")), 0.01);
  EXPECT_EQ(s.CurrentY, 100);
  s.Cls();
  EXPECT_EQ(s.CurrentX, 0);
  for (int x = 0; x < 300; x += 7) EXPECT_EQ(s.PixelAt(x, 20), s.BackColor());
}

TEST(Surface, ResizeKeepsWhatWasDrawn) {
  Surface s(50, 50);
  s.SetBackColor(col::White);
  s.PSet(10, 10, col::Red);
  s.Resize(80, 40);
  EXPECT_EQ(s.PixelAt(10, 10), col::Red);
  EXPECT_EQ(s.PixelAt(70, 30), col::White);
  EXPECT_EQ(s.WidthPx(), 80);
}

TEST(Surface, ButtonTextColourDrawsBlack) {
  Surface s(20, 20);
  s.SetBackColor(col::White);
  s.PSet(5, 5, kButtonText);
  EXPECT_EQ(s.PixelAt(5, 5), RGB(0, 0, 0));
}

TEST(Surface, HiDpiKeepsPositionsInLogicalPixels) {
  Surface s(100, 50);
  s.SetBackColor(col::White);
  s.SetDevicePixelRatio(2);
  s.Line(0, 20, 99, 20, col::Blue);
  EXPECT_EQ(s.Image().width(), 200);
  EXPECT_EQ(s.PixelAt(50, 20), col::Blue);
}

// The bit-block copy: pixels arrive as they were, at the given place, and
// nothing outside the block changes.
TEST(Surface, BitBltCopiesABlockAsItIs) {
  Surface stamp(10, 8);
  stamp.SetBackColor(col::Blue);
  stamp.PSet(2, 3, col::White);
  Surface s(40, 30);
  s.SetBackColor(col::White);
  int notified = 0;
  s.Changed = [&] { ++notified; };
  s.BitBlt(20, 5, 10, 8, stamp, 0, 0);
  EXPECT_EQ(notified, 1);  // one change: shown at once
  EXPECT_EQ(s.PixelAt(20, 5), col::Blue);
  EXPECT_EQ(s.PixelAt(29, 12), col::Blue);
  EXPECT_EQ(s.PixelAt(22, 8), col::White);
  EXPECT_EQ(s.PixelAt(30, 12), col::White);
  EXPECT_EQ(s.PixelAt(19, 5), col::White);
  EXPECT_EQ(s.PixelAt(20, 13), col::White);

  // A part of the source: the block from (2, 3) lands with that pixel first.
  Surface t(20, 20);
  t.SetBackColor(col::Black);
  t.BitBlt(5, 5, 3, 3, stamp, 2, 3);
  EXPECT_EQ(t.PixelAt(5, 5), col::White);
  EXPECT_EQ(t.PixelAt(6, 5), col::Blue);
  EXPECT_EQ(t.PixelAt(7, 7), col::Blue);
  EXPECT_EQ(t.PixelAt(8, 8), col::Black);
}

TEST(Surface, BitBltLeavesOutWhatFallsOutside) {
  Surface stamp(10, 10);
  stamp.SetBackColor(col::Red);
  Surface s(20, 20);
  s.SetBackColor(col::White);
  // Hanging over the left and top edges of the target.
  s.BitBlt(-5, -5, 10, 10, stamp, 0, 0);
  EXPECT_EQ(s.PixelAt(0, 0), col::Red);
  EXPECT_EQ(s.PixelAt(4, 4), col::Red);
  EXPECT_EQ(s.PixelAt(5, 5), col::White);
  // A block larger than the source copies only what the source has.
  Surface t(30, 30);
  t.SetBackColor(col::White);
  t.BitBlt(0, 0, 20, 20, stamp, 0, 0);
  EXPECT_EQ(t.PixelAt(9, 9), col::Red);
  EXPECT_EQ(t.PixelAt(12, 12), col::White);
  EXPECT_EQ(t.PixelAt(9, 15), col::White);
  // Empty or negative blocks copy nothing.
  const QImage before = t.Image();
  t.BitBlt(0, 0, 0, 5, stamp, 0, 0);
  t.BitBlt(25, 25, -3, -3, stamp, 0, 0);
  EXPECT_EQ(t.Image(), before);
}

TEST(Surface, BitBltWithinOneSurfaceAndAcrossPixelRatios) {
  Surface s(20, 10);
  s.SetBackColor(col::White);
  s.Box(0, 0, 4, 4, col::Green, true);
  s.BitBlt(2, 2, 5, 5, s, 0, 0);  // overlapping source and target
  EXPECT_EQ(s.PixelAt(6, 6), col::Green);
  EXPECT_EQ(s.PixelAt(0, 0), col::Green);
  EXPECT_EQ(s.PixelAt(7, 7), col::White);

  // A sharp (ratio 2) stamp onto a plain surface and back keeps its place.
  Surface sharp(10, 10);
  sharp.SetDevicePixelRatio(2);
  sharp.SetBackColor(col::White);
  sharp.Box(5, 5, 9, 9, col::Red, true);
  Surface plain(10, 10);
  plain.SetBackColor(col::Black);
  plain.BitBlt(0, 0, 10, 10, sharp, 0, 0);
  EXPECT_EQ(plain.PixelAt(4, 4), col::White);
  EXPECT_EQ(plain.PixelAt(6, 6), col::Red);
  Surface back(10, 10);
  back.SetDevicePixelRatio(2);
  back.BitBlt(0, 0, 10, 10, plain, 0, 0);
  EXPECT_EQ(back.PixelAt(6, 6), col::Red);
  EXPECT_EQ(back.PixelAt(3, 3), col::White);
}

// A polyline draws what its lines would, in one change; only the corners
// may differ (joined there, capped for separate lines).
TEST(Surface, PolylineDrawsItsLinesAsOneStroke) {
  const std::vector<QPointF> pts{{150, 150}, {1200, 150}, {1200, 900}, {300, 600}};
  Surface lines(100, 80, ScaleMode::Twips), poly(100, 80, ScaleMode::Twips);
  for (Surface* s : {&lines, &poly}) s->SetBackColor(col::White);
  for (std::size_t i = 1; i < pts.size(); ++i)
    lines.Line(float(pts[i - 1].x()), float(pts[i - 1].y()), float(pts[i].x()), float(pts[i].y()),
               col::Red);
  int notified = 0;
  poly.Changed = [&] { ++notified; };
  poly.Polyline(pts, col::Red);
  EXPECT_EQ(notified, 1);
  int differ = 0, awayFromCorners = 0, red = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x) {
      red += poly.PixelAt(x, y) == col::Red;
      if (poly.PixelAt(x, y) == lines.PixelAt(x, y)) continue;
      ++differ;
      bool nearCorner = false;
      for (const QPointF& pt : pts)
        nearCorner |= std::abs(x - pt.x() / 15) <= 2 && std::abs(y - pt.y() / 15) <= 2;
      awayFromCorners += !nearCorner;
    }
  EXPECT_LE(differ, 8);
  EXPECT_EQ(awayFromCorners, 0);
  EXPECT_GT(red, 150);
  EXPECT_EQ(poly.PixelAt(40, 10), col::Red);  // on the first line, in pixels
  EXPECT_EQ(poly.CurrentX, 300);
  EXPECT_EQ(poly.CurrentY, 600);
  // One point draws nothing but moves the current position.
  Surface one(10, 10);
  one.SetBackColor(col::White);
  const QImage before = one.Image();
  one.Polyline({{4, 5}}, col::Black);
  EXPECT_EQ(one.Image(), before);
  EXPECT_EQ(one.CurrentX, 4);
  one.Polyline({}, col::Black);
  EXPECT_EQ(one.CurrentX, 4);
}

// The text watch: what the learner cannot read is recorded, what is only
// redrawn, wiped out or cleared is not.
TEST(TextWatch, RecordsCutHiddenAndOverprintedTextsOnly) {
  QWidget window;
  window.resize(300, 200);
  Picture pic(&window);
  pic.setGeometry(0, 0, 300, 200);
  auto* button = new QPushButton(QStringLiteral("OK"), &window);
  button->setGeometry(200, 150, 80, 30);
  window.show();
  Surface& s = pic.surface();
  s.SetBackColor(col::White);
  s.FontSize = 12;
  auto at = [&](float x, float y, const char* text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(QString::fromUtf8(text));
  };
  struct Case {
    const char* what;
    std::function<void()> draw;
    const char* fault;  // the start of the recorded fault, or "" for none
  };
  const std::vector<Case> cases = {
      {"inside", [&] { at(10, 10, "精度： 1.25"); }, ""},
      {"past the right edge", [&] { at(270, 40, "1.23456"); }, "cut by the edge"},
      {"below the bottom", [&] { at(10, 192, "どれかのキー"); }, "cut by the edge"},
      {"under the button", [&] { at(190, 155, "0.5 0.5"); }, "partly under a control"},
      {"over another text", [&] { at(10, 70, "精度："); at(20, 70, "1:25"); }, "drawn over 「精度："},
      {"again in place", [&] { at(10, 100, "n = 3"); at(10, 100, "n = 3"); }, ""},
      {"xor twice, then another", [&] {
         s.Mode = DrawMode::Xor;
         at(10, 130, "x = 12");
         at(10, 130, "x = 12");
         s.Mode = DrawMode::Copy;
         at(10, 130, "x = 99");
       }, ""},
      {"cleared by a box", [&] {
         at(120, 100, "12345");
         s.Box(115, 95, 200, 125, s.BackColor(), true);
         at(120, 100, "67890");
       }, ""},
  };
  for (const Case& c : cases) {
    SetTextWatch(true);
    s.Cls();
    c.draw();
    const std::vector<TextFault> faults = TakeTextFaults();
    if (*c.fault == 0) {
      EXPECT_TRUE(faults.empty()) << c.what << ": " << faults.front().fault.toStdString();
    } else {
      ASSERT_EQ(faults.size(), 1u) << c.what;
      EXPECT_TRUE(faults.front().fault.startsWith(QString::fromUtf8(c.fault)))
          << c.what << ": " << faults.front().fault.toStdString();
    }
  }
}
