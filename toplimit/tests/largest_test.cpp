#include "largest.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "numtext.h"

namespace tl = toplimit;

namespace {

// A stand-in for drawing: every cell is as wide as a made-up but fixed
// function of its position in the table, so columns differ in width.
struct FakePrinter {
  explicit FakePrinter(float letterWidth) : w(letterWidth) {}
  float w;
  std::vector<tl::Cell> cells;
  std::vector<float> ends;
  float operator()(const tl::Cell& c) {
    const int i = int(cells.size());
    const float width = w * (3.0f + float((i * 7919) % 13) * 0.5f);
    cells.push_back(c);
    ends.push_back(c.x + width);
    return c.x + width;
  }
};

tl::Table Lay(tl::Precision p, FakePrinter& printer, float pictureHeight = 1e6f,
              float windowHeight = 1e6f) {
  return tl::LayOut(p, tl::MakeGeometry(printer.w, 20), pictureHeight, windowHeight,
                    [&](const tl::Cell& c) { return printer(c); });
}

}  // namespace

// ---- The doubling ------------------------------------------------------

TEST(Doubling, SingleEndsJustBelowTwoToThe128) {
  const auto values = tl::Doublings(tl::Precision::Single);
  ASSERT_EQ(values.size(), 128u);
  const float start = 0.99999f;
  for (int k = 1; k <= 128; ++k) {
    EXPECT_EQ(values[k - 1].v, double(std::ldexp(start, k))) << k;
    EXPECT_FALSE(values[k - 1].ellipsis);
  }
  const double last = values.back().v;
  EXPECT_LE(last, double(FLT_MAX));
  EXPECT_GT(2 * last, double(FLT_MAX));  // the next doubling leaves the range
  EXPECT_NEAR(last, std::ldexp(1.0, 128), 1.1e-5 * std::ldexp(1.0, 128));
}

TEST(Doubling, DoubleSkipsTheMiddleBehindOneEllipsis) {
  const auto values = tl::Doublings(tl::Precision::Double);
  ASSERT_EQ(values.size(), 131u + 1u + 28u);
  int ellipses = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int k = i < 132 ? int(i) + 1 : int(i) - 132 + 997;
    EXPECT_EQ(values[i].v, std::ldexp(tl::kStart, k)) << i;
    ellipses += values[i].ellipsis;
  }
  EXPECT_EQ(ellipses, 1);
  EXPECT_TRUE(values[131].ellipsis);
  EXPECT_NEAR(values[131].v, 5.44e39, 0.01e39);
  EXPECT_EQ(values[130].v, std::ldexp(tl::kStart, 131));
  EXPECT_EQ(values[132].v, std::ldexp(tl::kStart, 997));
  EXPECT_GT(values[132].v, 1e300);
  EXPECT_TRUE(std::isfinite(values.back().v));
  EXPECT_FALSE(std::isfinite(values.back().v * 2));
  EXPECT_EQ(values.back().v, std::ldexp(tl::kStart, 1024));
}

// ---- Texts -------------------------------------------------------------

TEST(Texts, LastEntriesAndResults) {
  const auto single = tl::Doublings(tl::Precision::Single);
  EXPECT_EQ(tl::EntryText(single.back(), tl::Precision::Single), "3.40E+38");
  EXPECT_EQ(tl::ResultText(single.back().v, tl::Precision::Single), "3.40E+38");
  EXPECT_EQ(tl::PowerOfTwo(single.back().v), 128);

  const auto dbl = tl::Doublings(tl::Precision::Double);
  EXPECT_EQ(tl::EntryText(dbl.back(), tl::Precision::Double), "1.80E+308");
  EXPECT_EQ(tl::ResultText(dbl.back().v, tl::Precision::Double), "1.798E+308");
  EXPECT_EQ(tl::PowerOfTwo(dbl.back().v), 1024);
  EXPECT_EQ(tl::EntryText(dbl[131], tl::Precision::Double), " ・・・");
}

TEST(Texts, EveryEntryReadsBackToItsValue) {
  for (tl::Precision p : {tl::Precision::Single, tl::Precision::Double}) {
    for (const tl::Value& v : tl::Doublings(p)) {
      if (v.ellipsis) continue;
      const std::string t = tl::EntryText(v, p);
      EXPECT_EQ(t, lk::Trim(t));
      const std::size_t e = t.find('E');
      ASSERT_NE(e, std::string::npos) << t;
      EXPECT_EQ(e - t.find('.') - 1, 2u) << t;  // two decimals
      EXPECT_NEAR(lk::Val(t) / v.v, 1.0, 0.005 / 1.0) << t;
    }
  }
}

// ---- Layout ------------------------------------------------------------

TEST(Layout, GeometryRoundsHalvesToEven) {
  // lh = 0.95 * 20 = 19; lh / 2 = 9.5 goes to 10; 2w = 12.5 goes to 12.
  const tl::Geometry g = tl::MakeGeometry(6.25f, 20);
  EXPECT_FLOAT_EQ(g.lh, 19);
  EXPECT_EQ(g.y0, 10);
  EXPECT_EQ(g.x0, 12);
}

TEST(Layout, RowsOfTwentyFiveAndColumnsRightOfTheWidestEntry) {
  for (tl::Precision p : {tl::Precision::Single, tl::Precision::Double}) {
    FakePrinter printer{10};
    const tl::Table t = Lay(p, printer);
    const std::size_t n = p == tl::Precision::Single ? 128 : 160;
    ASSERT_EQ(printer.cells.size(), n);
    EXPECT_EQ(t.cells.size(), n);
    EXPECT_TRUE(t.complete);
    EXPECT_TRUE(t.fits);
    const float gap = p == tl::Precision::Single ? 4 * printer.w : 2.5f * printer.w;
    std::map<int, float> widest;  // column -> right end of its widest entry
    for (std::size_t i = 0; i < n; ++i) {
      const int column = int(i) / 25, row = int(i) % 25 + 1;
      EXPECT_FLOAT_EQ(printer.cells[i].y, row * t.g.lh + t.g.y0) << i;
      const float expected = column == 0 ? t.g.x0 : widest[column - 1] + gap;
      EXPECT_FLOAT_EQ(printer.cells[i].x, expected) << i;
      widest[column] = std::max(widest[column], printer.ends[i]);
    }
    EXPECT_EQ(widest.size(), p == tl::Precision::Single ? 6u : 7u);
  }
}

TEST(Layout, OneEllipsisRowBetweenTheTwoRuns) {
  FakePrinter printer{10};
  Lay(tl::Precision::Double, printer);
  int ellipses = 0;
  for (std::size_t i = 0; i < printer.cells.size(); ++i) {
    if (!printer.cells[i].ellipsis) continue;
    ++ellipses;
    EXPECT_EQ(printer.cells[i].text, " ・・・");
    EXPECT_EQ(printer.cells[i - 1].text, lk::Trim(lk::Format(std::ldexp(tl::kStart, 131), "#.00E+###")));
    EXPECT_EQ(printer.cells[i + 1].text, lk::Trim(lk::Format(std::ldexp(tl::kStart, 997), "#.00E+###")));
  }
  EXPECT_EQ(ellipses, 1);
}

TEST(Layout, ResultGoesBelowTheLastEntry) {
  for (tl::Precision p : {tl::Precision::Single, tl::Precision::Double}) {
    FakePrinter printer{10};
    const tl::Table t = Lay(p, printer);
    EXPECT_EQ(t.largest, tl::Doublings(p).back().v);
    EXPECT_FLOAT_EQ(t.resultX, printer.cells.back().x);
    EXPECT_FLOAT_EQ(t.resultY, printer.cells.back().y + 1.2f * t.g.lh);
  }
}

TEST(Layout, WindowTooShortForTheResultDoesNotFit) {
  FakePrinter probe{10};
  const tl::Table full = Lay(tl::Precision::Double, probe);
  const float lastY = probe.cells.back().y;
  FakePrinter a{10}, b{10};
  EXPECT_TRUE(Lay(tl::Precision::Double, a, 1e6f, lastY + 2 * full.g.lh).fits);
  const tl::Table shortWindow = Lay(tl::Precision::Double, b, 1e6f, lastY + 2 * full.g.lh - 1);
  EXPECT_TRUE(shortWindow.complete);
  EXPECT_FALSE(shortWindow.fits);
}

TEST(Layout, PictureTooShortCutsTheTable) {
  FakePrinter printer{10};
  const tl::Geometry g = tl::MakeGeometry(10, 20);
  // Room for rows 1 to 5 only: row 6 would need 6 lh + y0 + 2 lh.
  const float height = 7 * g.lh + g.y0;
  const tl::Table t = Lay(tl::Precision::Single, printer, height, 1e6f);
  EXPECT_EQ(t.cells.size(), 5u);
  EXPECT_FALSE(t.complete);
  EXPECT_FALSE(t.fits);
  EXPECT_EQ(t.largest, std::ldexp(double(0.99999f), 5));
}

// ---- Fitting -----------------------------------------------------------

TEST(Fitting, ShrinksByNineTenthsAndEndsAtTheSmallestSize) {
  std::vector<float> sizes;
  int lastTries = 0;
  const float used = tl::FitFontSize([&](float size, bool lastTry) {
    sizes.push_back(size);
    lastTries += lastTry;
    return false;  // never fits
  });
  EXPECT_EQ(used, tl::kMinFontSize);
  EXPECT_EQ(lastTries, 1);
  ASSERT_GE(sizes.size(), 2u);
  EXPECT_EQ(sizes.front(), 13.0f);
  EXPECT_EQ(sizes.back(), tl::kMinFontSize);
  for (std::size_t i = 1; i + 1 < sizes.size(); ++i) EXPECT_FLOAT_EQ(sizes[i], 0.9f * sizes[i - 1]);
  // 13 * 0.9^11 > 4 > 13 * 0.9^12: twelve shrinking tries, then the smallest.
  EXPECT_EQ(sizes.size(), 13u);
}

TEST(Fitting, TinyPictureEndsAndDesignedPictureFitsAtOnce) {
  // Letters measured as a font of that size would be, in twips.
  auto tryIn = [](float pictureHeight, float windowHeight) {
    int tries = 0;
    const float used = tl::FitFontSize([&](float size, bool) {
      ++tries;
      FakePrinter printer{0.55f * size * 20};
      const tl::Geometry g = tl::MakeGeometry(printer.w, 1.45f * size * 20);
      return tl::LayOut(tl::Precision::Double, g, pictureHeight, windowHeight,
                        [&](const tl::Cell& c) { return printer(c); })
          .fits;
    });
    return std::pair{used, tries};
  };
  EXPECT_EQ(tryIn(12060, 11040), std::pair(13.0f, 1));
  const auto tiny = tryIn(300, 200);
  EXPECT_EQ(tiny.first, tl::kMinFontSize);
  EXPECT_EQ(tiny.second, 13);
  // A picture half the height fits at some smaller size in between.
  const auto half = tryIn(6000, 5500);
  EXPECT_LT(half.first, 13.0f);
  EXPECT_GT(half.first, tl::kMinFontSize);
}
