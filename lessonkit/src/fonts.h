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

// True when the name is drawable as asked: either an installed family of that
// exact name, or a lesson font name whose free counterpart is installed.
bool FontExists(const QString& name);

// The Unicode text the "Symbol" font shows for a text of Symbol-font codes
// ("a" alpha, "p" pi, "q" theta, "j" phi, code 229 the summation sign ...).
QString SymbolToUnicode(const QString& symbolText);
QChar SymbolChar(unsigned char code);

}  // namespace lk
