// The picture area without a window: scales, pens, XOR, fills, text.
#include <gtest/gtest.h>

#include "surface.h"

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
