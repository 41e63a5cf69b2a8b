#include "fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace lk {

namespace {

const QHash<QString, QString>& FontMap() {
  static const QHash<QString, QString> map = {
      {QStringLiteral("メイリオ"), QStringLiteral("Noto Sans CJK JP")},
      {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("Noto Sans Mono CJK JP")},
      {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")},
      {QStringLiteral("ＭＳ 明朝"), QStringLiteral("Noto Serif CJK JP")},
      {QStringLiteral("Osaka－等幅"), QStringLiteral("Noto Sans Mono CJK JP")},
      {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
      {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
      {QStringLiteral("Bookman Old Style"), QStringLiteral("TeX Gyre Bonum")},
      {QStringLiteral("Century"), QStringLiteral("TeX Gyre Schola")},
      {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
      {QStringLiteral("Symbol"), QStringLiteral("Liberation Serif")},
  };
  return map;
}

bool Installed(const QString& family) {
  static const QStringList families = QFontDatabase::families();
  return families.contains(family, Qt::CaseSensitive);
}

}  // namespace

QString MappedFamily(const QString& lessonName) {
  return FontMap().value(lessonName, lessonName);
}

QFont MakeFont(const QString& lessonName, double pointSize, bool bold, bool italic) {
  QFont f(MappedFamily(lessonName));
  f.setPointSizeF(pointSize > 0.5 ? pointSize : 0.5);
  f.setBold(bold);
  f.setItalic(italic);
  // Narration and formulas are positioned by measured widths; hinting would
  // move glyphs off the positions the measurements promise.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

double DesignAscent(const QString& lessonName) {
  static const QHash<QString, double> ascents = {
      {QStringLiteral("メイリオ"), 1.060},        {QStringLiteral("ＭＳ ゴシック"), 0.859},
      {QStringLiteral("ＭＳ Ｐゴシック"), 0.859}, {QStringLiteral("ＭＳ 明朝"), 0.859},
      {QStringLiteral("Times New Roman"), 0.891}, {QStringLiteral("Arial"), 0.905},
      {QStringLiteral("Courier New"), 0.833},     {QStringLiteral("Symbol"), 1.005},
      {QStringLiteral("Verdana"), 1.005},         {QStringLiteral("Bookman Old Style"), 0.98},
      {QStringLiteral("Century"), 0.98},
  };
  return ascents.value(lessonName, 0.0);
}

bool FontExists(const QString& name) {
  auto it = FontMap().constFind(name);
  if (it != FontMap().constEnd()) return Installed(it.value());
  return Installed(name);
}

QChar SymbolChar(unsigned char code) {
  // Letters of the Symbol font's Greek layout.
  static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                     u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                     u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
  static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                     u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                     u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
  if (code >= 'a' && code <= 'z') return QChar(lower[code - 'a']);
  if (code >= 'A' && code <= 'Z') return QChar(upper[code - 'A']);
  switch (code) {
    case 0xA3: return QChar(u'≤');
    case 0xA5: return QChar(u'∞');
    case 0xAE: return QChar(u'→');
    case 0xB0: return QChar(u'°');
    case 0xB1: return QChar(u'±');
    case 0xB3: return QChar(u'≥');
    case 0xB4: return QChar(u'×');
    case 0xB6: return QChar(u'∂');
    case 0xB8: return QChar(u'÷');
    case 0xB9: return QChar(u'≠');
    case 0xBA: return QChar(u'≡');
    case 0xBB: return QChar(u'≈');
    case 0xD6: return QChar(u'√');
    case 0xE5: return QChar(u'∑');
    case 0xF2: return QChar(u'∫');
    case 0xF3: return QChar(u'⌠');
    case 0xF5: return QChar(u'⌡');
    case '-': return QChar(u'−');
    default: return QChar(code);
  }
}

QString SymbolToUnicode(const QString& symbolText) {
  QString out;
  out.reserve(symbolText.size());
  for (QChar c : symbolText) {
    out += c.unicode() < 256 ? SymbolChar(static_cast<unsigned char>(c.unicode())) : c;
  }
  return out;
}

}  // namespace lk
