#include "dspcommon.h"

#include <QFontMetricsF>
#include <cmath>

#include "fonts.h"

namespace lk {

int ItalicFont = 0;
float SupRise = 0.2f, SupScale = 0.75f, SubDrop = 0.3f, SubScale = 0.85f, TenDrop = 0.35f;
double PI = 0, LN10 = 0;
TypesetStyle Style;

namespace {

const QString kMeiryo = QStringLiteral("メイリオ");

// Restores the picture's font as it was on entry, however the printer leaves.
class KeepFont {
 public:
  explicit KeepFont(Surface& p)
      : p_(p), name_(p.FontName), size_(p.FontSize), bold_(p.FontBold), italic_(p.FontItalic) {}
  ~KeepFont() {
    p_.FontName = name_;
    p_.FontSize = size_;
    p_.FontBold = bold_;
    p_.FontItalic = italic_;
  }
  KeepFont(const KeepFont&) = delete;
  KeepFont& operator=(const KeepFont&) = delete;

 private:
  Surface& p_;
  QString name_;
  float size_;
  bool bold_, italic_;
};

float W(const Surface& p) { return p.TextWidth(QStringLiteral("A")); }
float H(const Surface& p) { return p.TextHeight(QStringLiteral("A")); }

bool IsLetter(QChar c) {
  return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

void InitTypesetting(const TypesetStyle& style) {
  Style = style;
  SupRise = style.supRise;
  SupScale = 0.75f;
  SubDrop = 0.3f;
  SubScale = 0.85f;
  TenDrop = 0.35f;
  PI = 4.0 * std::atan(1.0);
  LN10 = std::log(10.0);
  ItalicFont = 0;
  InitPalette();
}

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
std::string S(const QString& text) { return text.toStdString(); }
QString NumStrQ(double v) { return Q(NumStr(v)); }
QString FormatQ(double v, std::string_view pattern) { return Q(Format(v, pattern)); }

void PrintAt(Surface& p, float& x, float y, const QString& text) {
  p.CurrentX = x;
  p.CurrentY = y;
  p.Print(text);
  x = p.CurrentX;
}

void PrintInFont(Surface& p, float& x, float y, const QString& font, const QString& text) {
  KeepFont keep(p);
  p.FontName = font;
  PrintAt(p, x, y, text);
}

void PrintGothic(Surface& p, float& x, float y, const QString& text) {
  PrintInFont(p, x, y, QStringLiteral("ＭＳ ゴシック"), text);
}

void PrintSym(Surface& p, float& x, float y, const QString& text) {
  PrintInFont(p, x, y, QStringLiteral("Symbol"), text);
}

void PrintSymItalic(Surface& p, float& x, float y, const QString& text) {
  KeepFont keep(p);
  p.FontItalic = true;
  PrintSym(p, x, y, text);
}

void PrintSign(Surface& p, float& x, float y, const QString& text) {
  KeepFont keep(p);
  p.FontSize = 1.2f * p.FontSize;
  PrintInFont(p, x, y, QStringLiteral("Courier New"), text);
}

void PrintArial(Surface& p, float& x, float y, const QString& text) {
  KeepFont keep(p);
  p.FontSize = 1.05f * p.FontSize;
  PrintInFont(p, x, y, QStringLiteral("Arial"), text);
}

void PrintText(Surface& p, float& x, float y, const QString& text) {
  if (p.FontName != kMeiryo) {
    PrintAt(p, x, y, text);
    return;
  }
  // Meiryo's own minus and comma sit badly in formulas: the minus comes from
  // Courier New, the full-width comma from the Gothic font, set a little lower.
  QString rest = text;
  if (rest.startsWith(QLatin1Char('-'))) {
    PrintSign(p, x, y, QStringLiteral("-"));
    rest = rest.mid(1);
  }
  const QChar comma(u'，');
  while (!rest.isEmpty()) {
    qsizetype at = rest.indexOf(comma);
    if (at < 0) {
      PrintAt(p, x, y, rest);
      return;
    }
    if (at > 0) PrintAt(p, x, y, rest.left(at));
    PrintGothic(p, x, y + 0.15f * H(p), QString(comma));
    rest = rest.mid(at + 1);
  }
}

void PrintVar(Surface& p, float& x, float y, const QString& letter) {
  KeepFont keep(p);
  p.FontItalic = true;
  p.FontSize = 1.15f * p.FontSize;
  if (Style.plainLetters) {
    p.FontBold = true;
    PrintInFont(p, x, y, QStringLiteral("Times New Roman"), letter);
    return;
  }
  if (ItalicFont == 0) ItalicFont = FontExists(QStringLiteral("Bookman Old Style")) ? 1 : -1;
  if (ItalicFont == 1) {
    p.FontBold = false;
    PrintInFont(p, x, y, QStringLiteral("Bookman Old Style"), letter);
  } else {
    p.FontBold = true;
    if (letter == QLatin1String("v"))
      PrintInFont(p, x, y - 1, QStringLiteral("Century"), letter);
    else
      PrintInFont(p, x, y, QStringLiteral("Times New Roman"), letter);
  }
}

void PrintArgX(Surface& p, float& x, float y) {
  PrintText(p, x, y, QStringLiteral("("));
  if (ItalicFont != 1) x += 2;
  PrintVar(p, x, y, QStringLiteral("x"));
  if (ItalicFont == 1 && Style.spaceAfterArgX) x += 2;
  PrintText(p, x, y, QStringLiteral(")"));
}

void PrintArgY(Surface& p, float& x, float y) {
  PrintText(p, x, y, QStringLiteral("("));
  if (ItalicFont != 1) x += 4;
  PrintVar(p, x, y, QStringLiteral("y"));
  PrintText(p, x, y, QStringLiteral(")"));
}

void PrintFx(Surface& p, float& x, float y) {
  PrintVar(p, x, y, QStringLiteral("f"));
  x += 5;
  PrintArgX(p, x, y);
}

void PrintSup(Surface& p, float& x, float y, const QString& text) {
  KeepFont keep(p);
  const float w = W(p), h = H(p), fs = p.FontSize;
  p.FontSize = SupScale * fs;
  const float ys = y - SupRise * h;
  float xw = x;
  QString t = text;
  if (t.contains(QStringLiteral("Time:"))) {
    PrintText(p, xw, ys, t);
    x = xw;
    return;
  }
  while (!t.isEmpty()) {
    if (Style.plainLetters) {
      QChar c = t.front();
      if (IsLetter(c))
        PrintVar(p, xw, ys, QString(c));
      else if (c == QLatin1Char('-'))
        PrintSign(p, xw, ys, QString(c));
      else
        PrintText(p, xw, ys, QString(c));
      t = t.mid(1);
      continue;
    }
    if (t.startsWith(QLatin1String("phi"))) {
      p.FontItalic = true;
      xw += 0.1f * w;
      PrintText(p, xw, ys, QStringLiteral("φ"));
      p.FontItalic = false;
      t = t.mid(3);
    } else if (t.startsWith(QLatin1String("fi"))) {
      PrintSymItalic(p, xw, ys, QStringLiteral("j"));
      t = t.mid(2);
    } else if (t.startsWith(QLatin1String("theta"))) {
      PrintSymItalic(p, xw, ys + 1, QStringLiteral("q"));
      t = t.mid(5);
    } else if (t.startsWith(QLatin1String("pi"))) {
      p.FontSize = fs;
      xw += 1;
      PrintSym(p, xw, ys - 2, QStringLiteral("p"));
      xw += 1;
      p.FontSize = SupScale * fs;
      t = t.mid(2);
    } else if (t.startsWith(QLatin1String("alpha"))) {
      PrintSymItalic(p, xw, ys, QStringLiteral("a"));
      t = t.mid(5);
    } else if (t.startsWith(QLatin1String("beta"))) {
      PrintSymItalic(p, xw, ys, QStringLiteral("b"));
      t = t.mid(4);
    } else if (t.startsWith(QLatin1String("omega"))) {
      PrintOmega(p, xw, ys + 1);
      xw += 2;
      t = t.mid(5);
    } else {
      QChar c = t.front();
      if (IsLetter(c)) {
        PrintVar(p, xw, ys, QString(c));
        xw += 2;
      } else if (c == QLatin1Char('-')) {
        PrintSign(p, xw, ys, QString(c));
      } else {
        PrintText(p, xw, ys, QString(c));
      }
      t = t.mid(1);
    }
  }
  x = xw;
}

void PrintSub(Surface& p, float& x, float y, const QString& text) {
  KeepFont keep(p);
  const float w = W(p), h = H(p), fs = p.FontSize;
  p.FontSize = SubScale * fs;
  if (IsWide(text)) p.FontSize *= 0.9f;
  float yb = y + SubDrop * h;
  float xw = x;
  QString t = text;
  while (!t.isEmpty()) {
    if (t == QLatin1String("min") || t == QLatin1String("max") || t.contains(QStringLiteral("Time:"))) {
      PrintText(p, xw, yb, t);
      break;
    }
    if (t.startsWith(QLatin1String("phi"))) {
      p.FontItalic = true;
      PrintText(p, xw, yb, QStringLiteral("φ"));
      p.FontItalic = false;
      t = t.mid(3);
    } else if (t.startsWith(QLatin1String("fi"))) {
      PrintSymItalic(p, xw, yb, QStringLiteral("j"));
      t = t.mid(2);
    } else if (t.startsWith(QLatin1String("theta"))) {
      PrintSymItalic(p, xw, yb + 1, QStringLiteral("q"));
      t = t.mid(5);
    } else if (t.startsWith(QLatin1String("alpha"))) {
      PrintSymItalic(p, xw, yb, QStringLiteral("a"));
      t = t.mid(5);
    } else if (t.startsWith(QLatin1String("beta"))) {
      PrintSymItalic(p, xw, yb, QStringLiteral("b"));
      t = t.mid(4);
    } else if (t.startsWith(QLatin1String("pi"))) {
      p.FontSize = fs;
      xw += 1;
      PrintSym(p, xw, yb - 2, QStringLiteral("p"));
      xw += 1;
      p.FontSize = SubScale * fs;
      t = t.mid(2);
    } else {
      QChar c = t.front();
      if (c == QLatin1Char('j')) {
        xw += 1;
        PrintVar(p, xw, yb, QString(c));
        xw += 0.2f * w;
      } else if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char(',')) {
        PrintVar(p, xw, yb, QString(c));
        xw += 0.2f * w;
      } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
        // Capitals would tower over the line: they and all that follows go
        // smaller and a little lower.
        p.FontSize = 0.9f * SubScale * fs;
        yb = y + (SubDrop + 0.1f) * h;
        PrintVar(p, xw, yb, QString(c));
      } else if (IsDigit(c)) {
        PrintText(p, xw, yb, QString(c));
      } else if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        PrintSign(p, xw, yb, QString(c));
      } else {
        PrintText(p, xw, yb, QString(c));
      }
      t = t.mid(1);
    }
  }
  x = xw;
}

void PrintOmega(Surface& p, float& x, float y) {
  KeepFont keep(p);
  if (ItalicFont != 1) p.FontBold = true;
  p.FontItalic = true;
  PrintText(p, x, y - 0.09f * H(p), QStringLiteral("ω"));
}

void PrintTen(Surface& p, float& x, float y) {
  KeepFont keep(p);
  const float w = W(p);
  const float tenH = p.TextHeight(QStringLiteral("10"));
  p.FontSize = 0.7f * p.FontSize;
  x += 0.1f * w;
  PrintText(p, x, y + TenDrop * tenH, QStringLiteral("10"));
  x += 0.2f * w;
}

void PrintENum(Surface& p, float& x, float y, const QString& numberText) {
  QString t = Q(LeadZero(Trim(S(numberText))));
  qsizetype e = t.indexOf(QLatin1Char('E'));
  if (e < 0) e = t.indexOf(QLatin1Char('e'));
  if (e < 0) {
    PrintText(p, x, y, t);
    return;
  }
  PrintText(p, x, y, t.left(e));
  const std::int32_t exponent = CLng(Val(S(t.mid(e + 1))));
  if (exponent != 0) {
    PrintTen(p, x, y);
    PrintText(p, x, y, NumStrQ(exponent));
  }
}

void PrintSwatch(Surface& p, float& x, float y, Color c) {
  const float w = W(p), h = H(p);
  const int width = p.DrawWidth;
  p.DrawWidth = 2;
  p.Line(x + w, y + 0.45f * h, x + 5 * w, y + 0.45f * h, c);
  p.DrawWidth = width;
  x += 6 * w;
}

void PrintHalf(Surface& p, float& x, float y) {
  KeepFont keep(p);
  const float w = W(p), h = H(p);
  const float yb = y + 0.05f * h;
  PrintText(p, x, yb, QStringLiteral("―"));
  p.FontSize = 0.9f * p.FontSize;
  float xd = x - 1.2f * w;
  PrintText(p, xd, yb - 0.35f * h, QStringLiteral("1"));
  xd = x - 1.2f * w;
  PrintText(p, xd, yb + 0.4f * h, QStringLiteral("2"));
}

void PrintHbar(Surface& p, float& x, float y) {
  const float wh = p.TextWidth(QStringLiteral("h"));
  // The bar crosses the ascender of the italic h.  Its height comes from the
  // glyph itself: the narration fonts here are taller than the letter fonts,
  // so a fixed share of the line height would put the bar above the letter.
  const float size = 1.15f * p.FontSize;
  const bool bookman = !Style.plainLetters && ItalicFont == 1;
  QFontMetricsF fm(MakeFont(bookman ? QStringLiteral("Bookman Old Style") : QStringLiteral("Times New Roman"),
                            size, !bookman, true),
                   &p.Image());
  const float inkTop = float(-fm.tightBoundingRect(QStringLiteral("h")).top());
  const float d = float(fm.ascent() - (ItalicFont == 1 ? 0.72f : 0.68f) * inkTop) * p.UnitsPerPixel();
  PrintVar(p, x, y, QStringLiteral("h"));
  p.Line(x - wh, y + d, x, y + d, p.ForeColor);
}

namespace {
void PrintScaledSym(Surface& p, float& x, float y, float scale, const QString& letter) {
  KeepFont keep(p);
  p.FontSize = scale * p.FontSize;
  const float lift = 0.08f * p.TextHeight(letter);
  PrintSym(p, x, y - lift, letter);
}
}  // namespace

void PrintPi(Surface& p, float& x, float y) { PrintScaledSym(p, x, y, 1.2f, QStringLiteral("p")); }
void PrintEpsilon(Surface& p, float& x, float y) {
  PrintScaledSym(p, x, y, 1.1f, QStringLiteral("e"));
}

void PrintSum(Surface& p, float& x, float y) {
  KeepFont keep(p);
  p.FontSize = 2 * p.FontSize;
  p.FontName = QStringLiteral("Symbol");
  // The glyph is placed in device pixels; the cursor stays in the picture's units.
  const float u = p.UnitsPerPixel();
  int xp = int(x / u);
  TextOutChar(p, xp, int(y / u), 229);
  x = xp * u;
}

void PrintIntegral(Surface& p, float& x, float y) {
  KeepFont keep(p);
  p.FontName = QStringLiteral("Symbol");
  const float h = H(p);
  const float u = p.UnitsPerPixel();
  int xUpper = int(x / u), xLower = int(x / u);
  TextOutChar(p, xUpper, int((y - 0.28f * h) / u), 243);
  TextOutChar(p, xLower, int((y + 0.38f * h) / u), 245);
  x = xLower * u;
}

void PrintSquare(Surface& p, float& x, float y) {
  KeepFont keep(p);
  p.FontSize = SupScale * p.FontSize;
  PrintText(p, x, y - 0.1f * p.TextHeight(QStringLiteral("2")), QStringLiteral("2"));
}

namespace {
void PrintPrimeMark(Surface& p, float& x, float y, const QString& mark) {
  KeepFont keep(p);
  const float w = W(p);
  p.FontBold = true;
  x += 0.5f * w;
  PrintText(p, x, y, mark);
  x += 0.2f * w;
}
}  // namespace

void PrintPrime(Surface& p, float& x, float y) { PrintPrimeMark(p, x, y, QStringLiteral("′")); }
void PrintDoublePrime(Surface& p, float& x, float y) {
  PrintPrimeMark(p, x, y, QStringLiteral("″"));
}

void PrintMono(Surface& p, float& x, float y, const QString& text) {
  const QString mono = QStringLiteral("Osaka－等幅");
  if (!FontExists(mono)) {
    PrintAt(p, x, y, text);
    return;
  }
  KeepFont keep(p);
  p.FontName = mono;
  p.FontSize = 1.2f * p.FontSize;
  PrintAt(p, x, y, text);
}

void PrintStay(Surface& p, float y, const QString& text) {
  float x = 0;
  PrintText(p, x, y, text);
}

bool IsWide(const QString& text) { return !text.isEmpty() && text.front().unicode() >= 256; }

double MaxOf(double a, double b) { return b > a ? b : a; }

void TextOutChar(Surface& p, int& x, int y, unsigned char code) {
  x += p.DrawCharAtPixel(x, y, QChar(code));
}

void DrawSeg(Surface& p, float x1, float y1, float x2, float y2) {
  p.Line(x1, y1, x2, y2, RGB(0, 0, 0));
}

}  // namespace lk
