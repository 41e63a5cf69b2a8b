// Renders a specimen of the formula printers to a PNG file, headless:
//   specimen out.png
#include <QApplication>
#include <cstdio>

#include "dspcommon.h"

using namespace lk;

namespace {

void Line1(Surface& p, float y) {
  float x = 20;
  PrintVar(p, x, y, QStringLiteral("E"));
  PrintSub(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral(" ＝ ("));
  PrintVar(p, x, y, QStringLiteral("n"));
  PrintText(p, x, y, QStringLiteral(" ＋ "));
  PrintHalf(p, x, y);
  PrintText(p, x, y, QStringLiteral(") "));
  PrintHbar(p, x, y);
  PrintOmega(p, x, y);
  x += 40;
  PrintVar(p, x, y, QStringLiteral("P"));
  PrintSub(p, x, y, QStringLiteral("n"));
  PrintArgX(p, x, y);
  x += 40;
  PrintENum(p, x, y, QStringLiteral("1.5E+30"));
  x += 40;
  PrintVar(p, x, y, QStringLiteral("e"));
  PrintSup(p, x, y, QStringLiteral("-alpha"));
  PrintSup(p, x, y, QStringLiteral("x"));
}

void Line2(Surface& p, float y) {
  float x = 20;
  PrintVar(p, x, y, QStringLiteral("S"));
  PrintSub(p, x, y, QStringLiteral("N"));
  PrintText(p, x, y, QStringLiteral("("));
  PrintVar(p, x, y, QStringLiteral("x"));
  PrintText(p, x, y, QStringLiteral("，"));
  PrintVar(p, x, y, QStringLiteral("y"));
  PrintText(p, x, y, QStringLiteral(") ＝ "));
  PrintSum(p, x, y - 8);
  PrintText(p, x, y, QStringLiteral(" "));
  PrintVar(p, x, y, QStringLiteral("c"));
  PrintSub(p, x, y, QStringLiteral("k+1"));
  PrintVar(p, x, y, QStringLiteral("x"));
  PrintSup(p, x, y, QStringLiteral("2n"));
  x += 40;
  PrintIntegral(p, x, y);
  PrintFx(p, x, y);
  PrintText(p, x, y, QStringLiteral(" d"));
  PrintVar(p, x, y, QStringLiteral("x"));
  x += 40;
  PrintPi(p, x, y);
  PrintText(p, x, y, QStringLiteral("，"));
  PrintEpsilon(p, x, y);
  PrintText(p, x, y, QStringLiteral("，"));
  PrintVar(p, x, y, QStringLiteral("y"));
  PrintDoublePrime(p, x, y);
  PrintSquare(p, x, y);
  PrintText(p, x, y, QStringLiteral("，"));
  PrintVar(p, x, y, QStringLiteral("u"));
  PrintSub(p, x, y, QStringLiteral("max"));
  PrintSwatch(p, x, y, RGB(255, 0, 0));
  PrintText(p, x, y, QStringLiteral("-1，2"));
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InitTypesetting({});
  Surface p(1000, 190, ScaleMode::Pixels);
  p.SetBackColor(col::White);
  p.FontSize = 18;
  Line1(p, 30);
  Line2(p, 110);
  const char* out = argc > 1 ? argv[1] : "specimen.png";
  if (!p.Image().save(QString::fromLocal8Bit(out))) {
    std::fprintf(stderr, "cannot write %s\n", out);
    return 1;
  }
  return 0;
}
