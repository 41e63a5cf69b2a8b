// Typeset-style printing of narration and formulas onto a picture area, the
// shared typesetting ratios and the small helpers every lesson uses.
//
// Every printer takes the text cursor (picture, x by reference, y): it prints
// starting at x on the line whose top is y and leaves x just after what it
// drew, so consecutive calls continue the line.  Offsets are fractions of the
// width w and height h of "A" in the font current on entry; font name, size,
// bold and italic are restored before a printer returns.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "numtext.h"
#include "palette.h"
#include "surface.h"

namespace lk {

// Typesetting ratios and choices, set once when a lesson window loads.
extern int ItalicFont;  // 0 undecided, 1 "Bookman Old Style" present, -1 absent
extern float SupRise, SupScale, SubDrop, SubScale, TenDrop;
extern double PI, LN10;

// What differs between lessons in the printers: a setting, not a copy.
struct TypesetStyle {
  float supRise = 0.2f;
  // The number lessons set every letter in Times New Roman bold italic and
  // know no Greek names in superscripts.
  bool plainLetters = false;
  // A small space after the x of "(x)" when the Bookman italic is used.
  bool spaceAfterArgX = true;
};
extern TypesetStyle Style;

// Sets the ratios, PI, LN10 and the palette for a lesson with this style.
void InitTypesetting(const TypesetStyle& style);

QString Q(std::string_view utf8);
std::string S(const QString& text);

void PrintAt(Surface& p, float& x, float y, const QString& text);
void PrintInFont(Surface& p, float& x, float y, const QString& font, const QString& text);
void PrintText(Surface& p, float& x, float y, const QString& text);
void PrintGothic(Surface& p, float& x, float y, const QString& text);
void PrintSym(Surface& p, float& x, float y, const QString& text);
void PrintSymItalic(Surface& p, float& x, float y, const QString& text);
void PrintSign(Surface& p, float& x, float y, const QString& text);
void PrintArial(Surface& p, float& x, float y, const QString& text);
void PrintVar(Surface& p, float& x, float y, const QString& letter);
void PrintArgX(Surface& p, float& x, float y);
void PrintArgY(Surface& p, float& x, float y);
void PrintFx(Surface& p, float& x, float y);
void PrintSup(Surface& p, float& x, float y, const QString& text);
void PrintSub(Surface& p, float& x, float y, const QString& text);
void PrintOmega(Surface& p, float& x, float y);
void PrintTen(Surface& p, float& x, float y);
void PrintENum(Surface& p, float& x, float y, const QString& numberText);
void PrintSwatch(Surface& p, float& x, float y, Color c);
void PrintHalf(Surface& p, float& x, float y);
void PrintHbar(Surface& p, float& x, float y);
void PrintPi(Surface& p, float& x, float y);
void PrintEpsilon(Surface& p, float& x, float y);
void PrintSum(Surface& p, float& x, float y);
void PrintIntegral(Surface& p, float& x, float y);
void PrintSquare(Surface& p, float& x, float y);
void PrintPrime(Surface& p, float& x, float y);
void PrintDoublePrime(Surface& p, float& x, float y);
void PrintMono(Surface& p, float& x, float y, const QString& text);
// The text via PrintText from the left edge of line y.
void PrintStay(Surface& p, float y, const QString& text);

// Number texts as QString, for printing.
QString NumStrQ(double v);
QString FormatQ(double v, std::string_view pattern);

// True when the first character is a wide (double-byte) character.
bool IsWide(const QString& text);
double MaxOf(double a, double b);
// One character of the current font at a device pixel position; x advances
// by its width in pixels.
void TextOutChar(Surface& p, int& x, int y, unsigned char code);
// A black line in the picture's current line width.
void DrawSeg(Surface& p, float x1, float y1, float x2, float y2);

}  // namespace lk
