// The formula printers on an offscreen surface: where ink lands, how far x
// advances, and that the picture's font comes back unchanged.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRawFont>
#include <functional>

#include "dspcommon.h"
#include "fonts.h"

using namespace lk;

namespace {

struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool any() const { return right >= 0; }
  int height() const { return bottom - top + 1; }
  int width() const { return right - left + 1; }
};

// Bounding box of everything not in the back colour, within columns [x0, x1).
Ink InkOf(const Surface& s, int x0 = 0, int x1 = 1 << 30) {
  Ink ink;
  x1 = std::min(x1, s.WidthPx());
  for (int y = 0; y < s.HeightPx(); ++y)
    for (int x = std::max(0, x0); x < x1; ++x)
      if (s.PixelAt(x, y) != s.BackColor()) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

Surface Paper(const QString& font = QStringLiteral("Times New Roman"), float size = 24) {
  Surface s(500, 160, ScaleMode::Pixels);
  s.SetBackColor(col::White);
  s.FontName = font;
  s.FontSize = size;
  return s;
}

class Printers : public ::testing::Test {
 protected:
  void SetUp() override { InitTypesetting({}); }
};

using Printer = std::function<void(Surface&, float&, float)>;

std::vector<std::pair<const char*, Printer>> AllPrinters() {
  auto t = [](auto f, const char* s) {
    return Printer([f, s](Surface& p, float& x, float y) { f(p, x, y, QString::fromUtf8(s)); });
  };
  return {
      {"PrintAt", t(PrintAt, "ab")},
      {"PrintText", t(PrintText, "-1，2")},
      {"PrintGothic", t(PrintGothic, "ab")},
      {"PrintSym", t(PrintSym, "abpq")},
      {"PrintSymItalic", t(PrintSymItalic, "j")},
      {"PrintSign", t(PrintSign, "+")},
      {"PrintArial", t(PrintArial, ": ")},
      {"PrintVar", t(PrintVar, "v")},
      {"PrintSup", t(PrintSup, "-alpha2phipithetaomegan")},
      {"PrintSub", t(PrintSub, "Nk+1thetafibeta")},
      {"PrintENum", t(PrintENum, "2E-05")},
      {"PrintMono", t(PrintMono, "12")},
      {"PrintArgX", PrintArgX},
      {"PrintArgY", PrintArgY},
      {"PrintFx", PrintFx},
      {"PrintOmega", PrintOmega},
      {"PrintTen", PrintTen},
      {"PrintHalf", PrintHalf},
      {"PrintHbar", PrintHbar},
      {"PrintPi", PrintPi},
      {"PrintEpsilon", PrintEpsilon},
      {"PrintSum", PrintSum},
      {"PrintIntegral", PrintIntegral},
      {"PrintSquare", PrintSquare},
      {"PrintPrime", PrintPrime},
      {"PrintDoublePrime", PrintDoublePrime},
      {"PrintSwatch", [](Surface& p, float& x, float y) { PrintSwatch(p, x, y, col::Red); }},
  };
}

}  // namespace

TEST_F(Printers, EachDrawsAdvancesAndRestoresTheFont) {
  // Every printer in fonts and styles no lesson combines (a bold italic
  // half touches its bar): the text watch looks at what the lessons draw.
  lk::SetTextWatch(false);
  for (const QString& font : {QStringLiteral("メイリオ"), QStringLiteral("Times New Roman")}) {
    for (bool bold : {false, true}) {
      for (auto& [name, print] : AllPrinters()) {
        SCOPED_TRACE(std::string(name) + " in " + font.toStdString());
        Surface s = Paper(font, 20);
        s.FontBold = bold;
        s.FontItalic = bold;
        float x = 30;
        print(s, x, 50);
        EXPECT_GT(x, 30.0f) << "x must move past what was drawn";
        Ink ink = InkOf(s);
        ASSERT_TRUE(ink.any()) << "nothing was drawn";
        EXPECT_GE(ink.left, 30 - 12);  // a lowered or slanted glyph may reach a little left
        EXPECT_LE(ink.right, int(x) + 12);
        EXPECT_EQ(s.FontName, font);
        EXPECT_EQ(s.FontSize, 20.0f);
        EXPECT_EQ(s.FontBold, bold);
        EXPECT_EQ(s.FontItalic, bold);
      }
    }
  }
}

TEST_F(Printers, ConsecutiveCallsContinueTheLine) {
  Surface s = Paper();
  float x = 10;
  PrintText(s, x, 40, QStringLiteral("ab"));
  const float afterFirst = x;
  EXPECT_NEAR(afterFirst - 10, s.TextWidth(QStringLiteral("ab")), 0.01);
  PrintText(s, x, 40, QStringLiteral("cd"));
  EXPECT_NEAR(x - afterFirst, s.TextWidth(QStringLiteral("cd")), 0.01);
  // Nothing of the second piece lies left of where the first ended.
  EXPECT_FALSE(InkOf(s, 0, 9).any());
}

TEST_F(Printers, SubscriptIsSmallerAndLowerSuperscriptSmallerAndHigher) {
  Surface plain = Paper(), sub = Paper(), sup = Paper();
  float x = 20;
  PrintAt(plain, x, 40, QStringLiteral("2"));
  const float h = plain.TextHeight(QStringLiteral("A"));
  x = 20;
  PrintSub(sub, x, 40, QStringLiteral("2"));
  x = 20;
  PrintSup(sup, x, 40, QStringLiteral("2"));
  Ink p = InkOf(plain), b = InkOf(sub), u = InkOf(sup);
  EXPECT_NEAR(double(b.height()) / p.height(), SubScale, 0.12);
  EXPECT_NEAR(double(u.height()) / p.height(), SupScale, 0.12);
  // The glyph's box starts SubDrop*h lower / SupRise*h higher; ink of a
  // smaller glyph sits lower in its box, so compare the bottoms, scaled.
  EXPECT_GT(b.bottom, p.bottom + 0.1 * h);
  EXPECT_LT(u.top, p.top);
  EXPECT_LT(u.bottom, p.bottom - 0.1 * h);
}

TEST_F(Printers, NumberLessonsLiftSuperscriptsHigher) {
  Surface normal = Paper(), high = Paper();
  float x = 20;
  PrintSup(normal, x, 40, QStringLiteral("2"));
  InitTypesetting({0.25f, true, true});
  x = 20;
  PrintSup(high, x, 40, QStringLiteral("2"));
  const float h = normal.TextHeight(QStringLiteral("A"));
  EXPECT_NEAR(InkOf(normal).top - InkOf(high).top, 0.05 * h, 1.5);
}

TEST_F(Printers, CapitalInSubscriptShrinksAndLowersWhatFollows) {
  Surface nx = Paper(), n = Paper(), x1 = Paper();
  float x = 20, afterN = 20, xAlone = 20;
  PrintSub(nx, x, 40, QStringLiteral("Nx"));
  PrintSub(n, afterN, 40, QStringLiteral("N"));
  PrintSub(x1, xAlone, 40, QStringLiteral("x"));
  // The x alone: ink of "Nx" that "N" alone does not have.
  Ink after;
  for (int yy = 0; yy < nx.HeightPx(); ++yy)
    for (int xx = 0; xx < nx.WidthPx(); ++xx)
      if (nx.PixelAt(xx, yy) != col::White && n.PixelAt(xx, yy) == col::White) {
        after.left = std::min(after.left, xx);
        after.right = std::max(after.right, xx);
        after.top = std::min(after.top, yy);
        after.bottom = std::max(after.bottom, yy);
      }
  Ink alone = InkOf(x1);
  ASSERT_TRUE(after.any());
  // After the capital the x is smaller, and its top stands lower.
  EXPECT_LT(after.height(), alone.height());
  EXPECT_GT(after.top, alone.top);
  EXPECT_LT(x - afterN, xAlone - 20);
}

TEST_F(Printers, MinAndMaxStayUpright) {
  Surface upright = Paper(), sub = Paper();
  float x = 20;
  PrintSub(sub, x, 40, QStringLiteral("max"));
  float x2 = 20;
  upright.FontSize = SubScale * upright.FontSize;
  PrintAt(upright, x2, 40 + SubDrop * Paper().TextHeight(QStringLiteral("A")), QStringLiteral("max"));
  EXPECT_NEAR(x, x2, 0.01);  // the same upright text, not italic letters with gaps
  EXPECT_EQ(sub.Image(), upright.Image());
}

TEST_F(Printers, MeiryoCommaIsTheGothicCommaSetLower) {
  Surface s = Paper(QStringLiteral("メイリオ"), 24);
  const float h = s.TextHeight(QStringLiteral("A"));
  float x = 20;
  PrintText(s, x, 30, QStringLiteral("-1，2"));
  // The same comma printed on the line itself, for comparison.
  Surface ref = Paper(QStringLiteral("メイリオ"), 24);
  float xr = 0;
  PrintGothic(ref, xr, 30, QStringLiteral("，"));
  const float commaStart = 20 + s.TextWidth(QStringLiteral("1")) +
                           [] { Surface c = Paper(QStringLiteral("Courier New"), 24 * 1.2f);
                                return c.TextWidth(QStringLiteral("-")); }();
  Ink comma = InkOf(s, int(commaStart) + 1, int(commaStart + xr) - 1);
  Ink refComma = InkOf(ref, 1, int(xr) - 1);
  ASSERT_TRUE(comma.any());
  ASSERT_TRUE(refComma.any());
  EXPECT_NEAR(comma.top - refComma.top, 0.15 * h, 1.5);
  // In another font the text goes out unchanged.
  Surface other = Paper(QStringLiteral("Times New Roman"), 24), plain = Paper(QStringLiteral("Times New Roman"), 24);
  float a = 20, b = 20;
  PrintText(other, a, 30, QStringLiteral("-1，2"));
  PrintAt(plain, b, 30, QStringLiteral("-1，2"));
  EXPECT_EQ(other.Image(), plain.Image());
}

TEST_F(Printers, PowerOfTenForms) {
  auto advance = [](const char* text) {
    Surface s = Paper();
    float x = 0;
    PrintENum(s, x, 40, QString::fromUtf8(text));
    return x;
  };
  Surface s = Paper();
  EXPECT_NEAR(advance(".5"), s.TextWidth(QStringLiteral("0.5")), 0.01);
  EXPECT_NEAR(advance("-.25"), s.TextWidth(QStringLiteral("-0.25")), 0.01);
  EXPECT_NEAR(advance("3E+00"), s.TextWidth(QStringLiteral("3")), 0.01);
  EXPECT_NEAR(advance("3E"), s.TextWidth(QStringLiteral("3")), 0.01);
  // 1.5E+30: the mantissa, a smaller "10", then 30 on the line.
  Surface e = Paper();
  float x = 0;
  PrintENum(e, x, 40, QStringLiteral("1.5E+30"));
  const float mant = e.TextWidth(QStringLiteral("1.5")), thirty = e.TextWidth(QStringLiteral("30"));
  EXPECT_GT(x, mant + thirty);
  Ink ten = InkOf(e, int(mant) + 2, int(x - thirty) - 1);
  Ink digits = InkOf(e, int(x - thirty) + 1, int(x) + 1);
  ASSERT_TRUE(ten.any());
  EXPECT_LT(ten.height(), digits.height());
  EXPECT_GT(ten.bottom, digits.bottom);  // the small ten hangs lower
}

TEST_F(Printers, HalfStacksItsDigitsOverTheBar) {
  Surface s = Paper(QStringLiteral("メイリオ"), 24);
  float x = 20;
  PrintHalf(s, x, 40);
  const float w = s.TextWidth(QStringLiteral("A"));
  // The digits stand over the bar, left of where x ends.
  Ink digits = InkOf(s, int(x - 1.2f * w), int(x));
  Ink all = InkOf(s);
  EXPECT_LE(all.right, int(x) + 1);
  EXPECT_GT(digits.height(), 0.8 * s.TextHeight(QStringLiteral("1")));
}

TEST_F(Printers, GreekLettersAndSignsHaveGlyphs) {
  const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABDFGLPQSUWXY");
  QFont sym = MakeFont(QStringLiteral("Symbol"), 20, false, false);
  QRawFont raw = QRawFont::fromFont(sym);
  for (QChar c : letters) {
    QChar g = SymbolChar(static_cast<unsigned char>(c.unicode()));
    EXPECT_NE(g, c) << "no Greek letter for " << c.toLatin1();
    EXPECT_TRUE(raw.supportsCharacter(g)) << "no glyph for " << QString(g).toStdString();
  }
  for (unsigned char code : {229, 243, 245, 0xB1, 0xB4, 0xA5, 0xB6}) {
    QChar g = SymbolChar(code);
    EXPECT_TRUE(raw.supportsCharacter(g)) << int(code);
  }
  EXPECT_EQ(SymbolChar(229), QChar(u'∑'));
  EXPECT_EQ(SymbolChar(243), QChar(u'⌠'));
  EXPECT_EQ(SymbolChar(245), QChar(u'⌡'));
  EXPECT_EQ(SymbolToUnicode(QStringLiteral("apqj")), QStringLiteral("απθϕ"));
  // The omega and phi of the narration font, too.
  QRawFont text = QRawFont::fromFont(MakeFont(QStringLiteral("メイリオ"), 20, false, true));
  for (QChar g : QStringLiteral("ωφ―′″")) EXPECT_TRUE(text.supportsCharacter(g)) << QString(g).toStdString();
}

TEST_F(Printers, SumAndIntegralAreTallSigns) {
  Surface s = Paper(QStringLiteral("メイリオ"), 16);
  float x = 20;
  PrintSum(s, x, 40);
  Ink sum = InkOf(s);
  Surface a = Paper(QStringLiteral("メイリオ"), 16);
  float xa = 20;
  PrintAt(a, xa, 40, QStringLiteral("A"));
  EXPECT_GT(sum.height(), 1.4 * InkOf(a).height());
  Surface i = Paper(QStringLiteral("メイリオ"), 16);
  x = 20;
  PrintIntegral(i, x, 40);
  Ink integral = InkOf(i);
  EXPECT_GT(integral.height(), 1.5 * InkOf(a).height());
  EXPECT_GT(x, 20);
}

TEST_F(Printers, VariablesFallBackToTimesAndCentury) {
  ItalicFont = -1;
  Surface v = Paper(), times = Paper(), century = Paper();
  float x = 20;
  PrintVar(v, x, 40, QStringLiteral("v"));
  century.FontBold = true;
  century.FontItalic = true;
  century.FontSize *= 1.15f;
  float xc = 20;
  PrintInFont(century, xc, 39, QStringLiteral("Century"), QStringLiteral("v"));
  EXPECT_EQ(v.Image(), century.Image());
  float y1 = 20, y2 = 20;
  Surface u = Paper();
  PrintVar(u, y1, 40, QStringLiteral("u"));
  times.FontBold = true;
  times.FontItalic = true;
  times.FontSize *= 1.15f;
  PrintInFont(times, y2, 40, QStringLiteral("Times New Roman"), QStringLiteral("u"));
  EXPECT_EQ(u.Image(), times.Image());
}

TEST_F(Printers, ItalicFontIsDecidedOnceByTheFirstVariable) {
  EXPECT_EQ(ItalicFont, 0);
  Surface s = Paper();
  float x = 0;
  PrintVar(s, x, 20, QStringLiteral("x"));
  EXPECT_EQ(ItalicFont, FontExists(QStringLiteral("Bookman Old Style")) ? 1 : -1);
}

TEST_F(Printers, SwatchIsAStrokeInItsColour) {
  Surface s = Paper();
  const float w = s.TextWidth(QStringLiteral("A")), h = s.TextHeight(QStringLiteral("A"));
  float x = 10;
  PrintSwatch(s, x, 20, col::Blue);
  EXPECT_NEAR(x, 10 + 6 * w, 0.01);
  EXPECT_EQ(s.Point(10 + 3 * w, 20 + 0.45f * h), col::Blue);
  EXPECT_EQ(s.DrawWidth, 1);
}

TEST(Texts, IsWideAndMaxOf) {
  EXPECT_TRUE(IsWide(QStringLiteral("時間")));
  EXPECT_FALSE(IsWide(QStringLiteral("t")));
  EXPECT_FALSE(IsWide(QString()));
  EXPECT_EQ(MaxOf(1, 2), 2);
  EXPECT_EQ(MaxOf(3, -1), 3);
}

TEST_F(Printers, GreekLettersAndSignsSitOnTheNarrationsBaseline) {
  // A narration letter without descender, then pi, theta and a plus sign from
  // their own fonts: the ink of each ends on (nearly) the same baseline.
  const float size = 24, em = size * 96 / 72;
  auto bottomOf = [&](const std::function<void(Surface&, float&)>& print) {
    Surface s = Paper(QStringLiteral("メイリオ"), size);
    float x = 20;
    print(s, x);
    return InkOf(s).bottom;
  };
  const int text = bottomOf([](Surface& s, float& x) { PrintText(s, x, 30, QStringLiteral("n")); });
  const int pi = bottomOf([](Surface& s, float& x) { PrintSym(s, x, 30, QStringLiteral("p")); });
  const int theta = bottomOf([](Surface& s, float& x) { PrintSym(s, x, 30, QStringLiteral("q")); });
  const int var = bottomOf([](Surface& s, float& x) { PrintVar(s, x, 30, QStringLiteral("n")); });
  EXPECT_NEAR(pi, text, 0.08 * em);
  EXPECT_NEAR(theta, text, 0.08 * em);
  // Variables are set 1.15 times larger from the same top: a little lower.
  EXPECT_NEAR(var, text, 0.12 * em);
}
