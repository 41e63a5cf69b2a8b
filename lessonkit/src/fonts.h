// Font names as the lessons know them, and the free fonts that draw them.
#pragma once

#include <QFont>
#include <QString>

namespace lk {

// The installed family that draws a lesson's font name ("メイリオ" -> Noto Sans
// CJK JP, "Times New Roman" -> Liberation Serif, "Symbol" -> DejaVu Serif ...).
// Unknown names are passed through; the font system substitutes its nearest.
QString MappedFamily(const QString& lessonName);

// A QFont for the lesson font name at a point size and style.
QFont MakeFont(const QString& lessonName, double pointSize, bool bold, bool italic);

// The ascent, as a share of the em, of the font the lessons were laid out
// with; 0 when not known.  Text is set with its top at the line's y, so the
// baseline of each piece of a mixed line lies this far below y: keeping the
// designed ascents keeps a Greek letter or a sign on the baseline of the
// narration around it, whatever the free font's own ascent is.
double DesignAscent(const QString& lessonName);

// True when the name is drawable as asked: either an installed family of that
// exact name, or a lesson font name whose free counterpart is installed.
bool FontExists(const QString& name);

// The Unicode text the "Symbol" font shows for a text of Symbol-font codes
// ("a" alpha, "p" pi, "q" theta, "j" phi, code 229 the summation sign ...).
QString SymbolToUnicode(const QString& symbolText);
QChar SymbolChar(unsigned char code);

}  // namespace lk
