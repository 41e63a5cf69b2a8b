// A picture area: a retained drawing surface with the drawing state of a
// lesson's pictures (current position, font, colours, pen) and the drawing
// operations the lessons use.  What is drawn stays drawn until cleared.  It
// needs no window: tests draw on one and read its pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

#include "palette.h"

class QPainter;
class QFont;

namespace lk {

// A text drawn where the learner cannot read it whole: cut by the edge of
// its picture, under a control of the window, or over a text drawn before it
// on the same line with nothing cleared in between.
struct TextFault {
  QString text;
  QString fault;  // what happened to it, in words
  QRect box;      // its ink, in the picture's pixels
};
// While the watch is on, every surface records the faults of the texts drawn
// on it (tests turn it on; a program never does).
void SetTextWatch(bool on);
bool TextWatchOn();
std::vector<TextFault> TakeTextFaults();

enum class ScaleMode { Twips, Pixels };
enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2 };
enum class DrawMode { Copy, Xor };

constexpr float kTwipsPerPixel = 15.0f;

class Surface {
 public:
  explicit Surface(int widthPx = 1, int heightPx = 1, ScaleMode mode = ScaleMode::Pixels);

  // Size in device-independent pixels; what lies inside the old size is kept.
  void Resize(int widthPx, int heightPx);
  void SetDevicePixelRatio(qreal ratio);
  int WidthPx() const { return width_; }
  int HeightPx() const { return height_; }
  ScaleMode Scale() const { return mode_; }
  void SetScale(ScaleMode mode) { mode_ = mode; }
  // Units per pixel: 15 in twips, 1 in pixels.
  float UnitsPerPixel() const { return mode_ == ScaleMode::Twips ? kTwipsPerPixel : 1.0f; }
  float ScaleWidth() const { return width_ * UnitsPerPixel(); }
  float ScaleHeight() const { return height_ * UnitsPerPixel(); }

  // Drawing state, as the lessons set it.
  float CurrentX = 0, CurrentY = 0;
  QString FontName = QStringLiteral("メイリオ");
  float FontSize = 9;
  bool FontBold = false, FontItalic = false;
  Color ForeColor = kButtonText;
  int DrawWidth = 1;  // pixels
  DrawStyle Style = DrawStyle::Solid;
  DrawMode Mode = DrawMode::Copy;
  bool FillSolid = false;  // circles and boxes filled with FillColor
  Color FillColor = RGB(0, 0, 0);

  Color BackColor() const { return back_; }
  // Like a picture's back colour: setting it clears the picture.
  void SetBackColor(Color c);

  QFont CurrentFont() const;
  float TextWidth(const QString& text) const;
  float TextHeight(const QString& text) const;

  // Draws text with its top-left corner at (CurrentX, CurrentY) and moves
  // CurrentX to its end; CurrentY stays.
  void Print(const QString& text);
  // Print, then go to the start of the next line.
  void PrintLine(const QString& text);
  // One glyph at a device pixel position, in the current font; returns its
  // advance in pixels.
  int DrawCharAtPixel(int xPx, int yPx, QChar ch);

  void Line(float x1, float y1, float x2, float y2, Color c);
  void Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, ForeColor); }
  // Lines through the points in turn (in units), as one stroke: joined ends,
  // one change.  The last point becomes the current position.
  void Polyline(const std::vector<QPointF>& points, Color c);
  // A line from the current position; the end becomes the current position.
  void LineTo(float x2, float y2, Color c);
  void Box(float x1, float y1, float x2, float y2, Color c, bool filled);
  void Circle(float x, float y, float radius, Color c);
  void PSet(float x, float y, Color c);
  void Cls();
  // Copies a w x h block of pixels from src, its top-left at (srcX, srcY),
  // to (dstX, dstY) here, as they are (a bit-block copy: no pen, no
  // blending).  Positions and sizes in pixels; what falls outside either
  // surface is left out.  Stamping prepared images and showing a frame drawn
  // off-screen in one step both use it.
  void BitBlt(int dstX, int dstY, int w, int h, const Surface& src, int srcX, int srcY);

  // The colour at a point (in units), for tests and XOR erasing.
  Color Point(float x, float y) const;
  Color PixelAt(int xPx, int yPx) const;

  const QImage& Image() const { return image_; }
  // Called after every change, so a widget showing the surface can update.
  // Every drawing step marks the pixels it may have changed before it calls
  // this: a change left unmarked would never reach the screen.
  std::function<void()> Changed;
  // The rectangle (in device-independent pixels) that changed since the last
  // TakeDirty(): a widget showing the surface copies only that to the screen.
  QRect Dirty() const { return dirty_; }
  QRect TakeDirty();
  // Where the picture can be seen, in its pixels, for the text watch: the
  // whole picture unless the widget showing it says otherwise.
  std::function<QRegion()> VisibleArea;

 private:
  void Begin(QPainter& p) const;
  void Notify() const;
  // Marks a rectangle in device-independent pixels as changed and tells.
  void Touched(const QRectF& r);
  void Touched(QPointF a, QPointF b, qreal reach);
  void TouchedAll();
  // How far a stroke of the current pen reaches beyond its geometry.
  qreal PenReach() const;
  void SetPen(QPainter& p, Color c) const;
  QPointF ToPx(float x, float y) const;
  // The text watch: a text drawn in font f with its baseline starting at
  // base, its ink somewhere within reach; and an area cleared.
  void Watch(const QString& text, const QFont& f, QPointF base, const QRectF& reach);
  void Cleared(const QRectF& r);
  struct TextRun {
    QString text;
    QRect box;   // its ink, in device-independent pixels
    QImage ink;  // which pixels of the box it inks
  };
  std::vector<TextRun> texts_;  // drawn since the last clear, while the watch is on

  int width_ = 1, height_ = 1;
  qreal ratio_ = 1;
  ScaleMode mode_;
  Color back_ = RGB(240, 240, 240);
  QImage image_;
  QRect dirty_;
};

// A colour as Qt draws it.
QColor ToQColor(Color c);

}  // namespace lk
