#include "mainwindow.h"

#include <QRadioButton>

#include "dspcommon.h"
#include "program.h"
#include "sounds.h"

using namespace unitround;

namespace {

// The table's font size, and the controls in twips.
constexpr float kTableFontSize = 13;

using Placement = lk::TwipsRect;
constexpr Placement kOption[3] = {
    {0, 0, 1395, 555}, {1980, 180, 1395, 555}, {7830, 270, 1350, 540}};
constexpr Placement kPicture[3] = {{0, 0, 0, 0}, {285, 840, 5370, 10080}, {5910, 840, 7965, 10125}};

}  // namespace

Form1::Form1() : lk::PrecisionWindow(QStringLiteral("計算機 エプシロンを求める."), kOption) {
  for (int i = 1; i <= 2; ++i) {
    pic_[i] = AddPicture(kPicture[i].left, kPicture[i].top, kPicture[i].width, kPicture[i].height,
                         lk::ScaleMode::Twips);
    pic_[i]->setObjectName(QStringLiteral("pic%1").arg(i));
  }
}

void Form1::Form_KeyDown(int keyCode, int /*shift*/) {
  // Of the typed characters only Esc means something here.
  if (keyCode == lk::key::Esc) Form_KeyPress(keyCode);
}

void Form1::Form_KeyPress(int keyAscii) {
  if (keyAscii == lk::key::Esc) Form_Unload();
}

void Form1::optPrecision_Click(int index) {
  lk::SoundDing();
  lk::Surface& p = pic_[index]->surface();
  p.FontSize = kTableFontSize;
  const Layout layout = MakeLayout(p.TextWidth(QStringLiteral("A")), p.TextHeight(QStringLiteral("A")));
  lk::PrintStay(p, 0, QStringLiteral(" Machine epsilon を求めます。"));

  const Halving halving = Halve(index == 2 ? Precision::Double : Precision::Single);
  const bool doubleSelected = optPrecision(2)->isChecked();
  for (const Entry& e : halving.entries) {
    const Point at = EntryPlace(layout, e);
    float x = at.x;
    lk::PrintENum(p, x, at.y, lk::Q(MakeStr(e.value, doubleSelected)));
  }

  const Point at = ResultPlace(layout, halving);
  float x = at.x;
  lk::PrintText(p, x, at.y, QStringLiteral("Machine epsilon"));
  lk::PrintText(p, x, at.y, QStringLiteral(" ＝ "));
  lk::PrintENum(p, x, at.y, lk::Q(EpsilonText(halving.eps)));
  lk::PrintText(p, x, at.y, QStringLiteral(" ＝ "));
  lk::PrintText(p, x, at.y, QStringLiteral("2"));
  lk::PrintSup(p, x, at.y, lk::Q(PowerText(halving.eps)));
}
