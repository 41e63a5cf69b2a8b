#include "screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

#include "surface.h"

namespace lk::test {

namespace {

QImage Comparable(const QImage& img) {
  QImage out = img.convertToFormat(QImage::Format_RGB32);
  out.setDevicePixelRatio(1);
  return out;
}

}  // namespace

QImage ShownOnScreen(QWidget* window) {
  // A window just shown has no picture on the screen until the window system
  // exposes it (a lesson window waits for that before it loads).
  if (window->windowHandle() && !window->windowHandle()->isExposed())
    (void)QTest::qWaitForWindowExposed(window);  // the check below fails if it never was
  // Only the pending repaints: processing other events here could run a
  // lesson step and change what is drawn between the two pictures.  A
  // control shown again asks for its repaint with an event of its own first.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
  QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen || !window->windowHandle()) return {};
  return Comparable(screen->grabWindow(window->winId()).toImage());
}

QImage RenderedWhole(QWidget* window) { return Comparable(window->grab().toImage()); }

::testing::AssertionResult ScreenShowsWindow(QWidget* window, const QString& where) {
  const QString at = where.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(where);
  if (!window || !window->isVisible())
    return ::testing::AssertionFailure() << "no window shown" << qPrintable(at);
  const QImage shown = ShownOnScreen(window);
  const QImage whole = RenderedWhole(window);
  if (shown.isNull())
    return ::testing::AssertionFailure() << "the window system holds no picture of "
                                         << qPrintable(window->windowTitle()) << qPrintable(at);
  if (shown.size() != whole.size())
    return ::testing::AssertionFailure()
           << "the screen holds " << shown.width() << "x" << shown.height()
           << " pixels of the window, its render " << whole.width() << "x" << whole.height()
           << qPrintable(at);
  int differ = 0;
  QRect box;
  QImage diff(shown.size(), QImage::Format_RGB32);
  diff.fill(Qt::white);
  for (int y = 0; y < shown.height(); ++y) {
    const QRgb* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
    const QRgb* b = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      if ((a[x] & 0xffffff) == (b[x] & 0xffffff)) continue;
      ++differ;
      box |= QRect(x, y, 1, 1);
      diff.setPixel(x, y, qRgb(255, 0, 0));
    }
  }
  if (differ == 0) return ::testing::AssertionSuccess();
  const QString stem = QDir::temp().filePath(
      QStringLiteral("screen-%1-%2").arg(QCoreApplication::applicationName()).arg(qint64(differ)));
  shown.save(stem + QStringLiteral("-shown.png"));
  whole.save(stem + QStringLiteral("-whole.png"));
  diff.save(stem + QStringLiteral("-diff.png"));
  return ::testing::AssertionFailure()
         << differ << " pixels of " << qPrintable(window->windowTitle()) << qPrintable(at)
         << " differ on the screen from the window's whole render, within (" << box.x() << ","
         << box.y() << " " << box.width() << "x" << box.height() << "); pictures: "
         << qPrintable(stem) << "-{shown,whole,diff}.png";
}

void WhenDrawn(Surface& s, std::function<bool()> ready, std::function<void()> look) {
  auto done = std::make_shared<bool>(false);
  // The surface's own listener (the widget's repaint) goes first, so the
  // look sees the step asked onto the screen.
  s.Changed = [before = s.Changed, done, ready = std::move(ready), look = std::move(look)] {
    if (before) before();
    if (*done || !ready()) return;
    *done = true;
    look();
  };
}

}  // namespace lk::test
