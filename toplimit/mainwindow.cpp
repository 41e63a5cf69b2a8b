#include "mainwindow.h"

#include "dspcommon.h"

using namespace toplimit;

namespace {

// The controls, in twips.  The picture reaches past the bottom of the
// window, as it always has; the table stays inside the window.
using Placement = lk::TwipsRect;
constexpr Placement kOption[3] = {
    {0, 0, 1380, 555}, {3825, 255, 1380, 555}, {6150, 285, 1470, 540}};
constexpr Placement kPicture = {0, 765, 15360, 12060};

}  // namespace

Form1::Form1() : lk::PrecisionWindow(QStringLiteral("最大数を求める ."), kOption) {
  pic_ = AddPicture(kPicture.left, kPicture.top, kPicture.width, kPicture.height,
                    lk::ScaleMode::Twips);
  pic_->setObjectName(QStringLiteral("pic"));
  // The buttons stay clickable above the picture's top edge.
  pic_->lower();
}

void Form1::optPrecision_Click(int index) {
  const Precision precision = index == 2 ? Precision::Double : Precision::Single;
  // The designed window holds the table at the first size; a smaller one
  // gets a smaller font instead of a table that runs off the bottom.
  fontSize_ = FitFontSize([&](float size, bool lastTry) { return DrawTable(precision, size, lastTry); });
}

bool Form1::DrawTable(Precision precision, float fontSize, bool lastTry) {
  lk::Surface& p = pic_->surface();
  p.Cls();
  p.FontSize = fontSize;
  const Geometry g = MakeGeometry(p.TextWidth(QStringLiteral("A")), p.TextHeight(QStringLiteral("A")));
  float x = g.x0;
  lk::PrintText(p, x, 0, QStringLiteral("最大数を求めます。"));

  table_ = LayOut(precision, g, p.ScaleHeight(), form().ScaleHeight(), [&p](const Cell& c) {
    float xc = c.x;
    if (c.ellipsis)
      lk::PrintText(p, xc, c.y, lk::Q(c.text));
    else
      lk::PrintENum(p, xc, c.y, lk::Q(c.text));
    return xc;
  });
  if (!table_.fits && !lastTry) return false;
  // At the smallest size the table stays as it is; a result is shown only
  // when the doubling really reached its end.
  if (table_.complete) DrawResult(precision, table_);
  return table_.fits;
}

void Form1::DrawResult(Precision precision, const Table& t) {
  lk::Surface& p = pic_->surface();
  float x = t.resultX;
  float y = t.resultY;
  lk::PrintText(p, x, y, QStringLiteral("最大数"));
  const float xs = x;
  lk::PrintText(p, x, y, QStringLiteral(" ＝ "));
  lk::PrintENum(p, x, y, lk::Q(ResultText(t.largest, precision)));
  y += 1.3f * t.g.lh;
  x = xs;
  lk::PrintText(p, x, y, QStringLiteral(" ＝ "));
  lk::PrintText(p, x, y, QStringLiteral("2"));
  lk::PrintSup(p, x, y, lk::NumStrQ(PowerOfTwo(t.largest)));
}
