// The palette and the colour chooser NextColor.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "palette.h"

namespace {

using lk::CurColor;
using lk::NextColor;
using lk::Palette;
using lk::RGB;

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lk::InitPalette();
    saved_ = CurColor;
  }
  void TearDown() override { CurColor = saved_; }

 private:
  lk::Color saved_ = 0;
};

TEST_F(PaletteTest, Entries) {
  EXPECT_EQ(Palette[0], lk::kButtonText);
  EXPECT_EQ(Palette[1], RGB(0, 0, 255));
  EXPECT_EQ(Palette[3], RGB(255, 165, 0));
  EXPECT_EQ(Palette[7], RGB(255, 0, 0));
  EXPECT_EQ(Palette[12], RGB(255, 0, 0));
  EXPECT_EQ(Palette[14], RGB(255, 255, 0));
  EXPECT_EQ(Palette[15], RGB(255, 255, 255));
  EXPECT_EQ(lk::Resolve(Palette[0]), RGB(0, 0, 0));
}

TEST_F(PaletteTest, WithoutCommaTakesTheEntryAfterCurColor) {
  CurColor = Palette[15];
  EXPECT_EQ(NextColor("4"), Palette[0]);
  CurColor = Palette[14];
  EXPECT_EQ(NextColor("4"), Palette[15]);
  CurColor = Palette[0];
  EXPECT_EQ(NextColor(""), Palette[1]);
  // Black as drawn is not the button-text entry: not in the palette.
  CurColor = RGB(0, 0, 0);
  EXPECT_EQ(NextColor("4"), Palette[1]);
  CurColor = RGB(1, 2, 3);
  EXPECT_EQ(NextColor("4"), Palette[1]);
}

TEST_F(PaletteTest, IndexAfterTheCommaPicksAnEntry) {
  CurColor = Palette[5];
  EXPECT_EQ(NextColor("4,3"), RGB(255, 165, 0));
  EXPECT_EQ(NextColor("4,0"), Palette[0]);
  EXPECT_EQ(NextColor("4,15"), Palette[15]);
  EXPECT_EQ(NextColor("4, 9"), Palette[9]);
  EXPECT_EQ(NextColor(",2"), Palette[2]);
  EXPECT_EQ(NextColor("4,3,9"), Palette[3]);  // the first comma counts
  // Outside 0..15 the nearest entry; nothing after the comma is entry 0.
  EXPECT_EQ(NextColor("4,99"), Palette[15]);
  EXPECT_EQ(NextColor("4,-3"), Palette[0]);
  EXPECT_EQ(NextColor("4,1e99"), Palette[15]);
  EXPECT_EQ(NextColor("4,"), Palette[0]);
  EXPECT_EQ(NextColor("4,x"), Palette[0]);
}

TEST_F(PaletteTest, StoringTheResultWalksThePalette) {
  // Entry 12 repeats the red of entry 7, and the search stops at the first
  // match, so the walk never gets past 12: 8, 9, 10, 11, 12, 8, ...
  CurColor = Palette[0];
  const std::vector<std::size_t> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 8, 9, 10, 11, 12, 8};
  for (std::size_t k = 0; k < expected.size(); ++k) {
    CurColor = NextColor("3");
    EXPECT_EQ(CurColor, Palette[expected[k]]) << "step " << k;
  }
  // From the last entry the walk wraps to entry 0 and goes on.
  CurColor = Palette[15];
  CurColor = NextColor("3");
  EXPECT_EQ(CurColor, Palette[0]);
  CurColor = NextColor("3");
  EXPECT_EQ(CurColor, Palette[1]);
}

}  // namespace
