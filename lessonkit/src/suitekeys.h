// The keys every lesson shares for the class, beyond what a lesson itself
// listens to: stop and restart the clock, step its speed, save or copy the
// window's picture.  They are taken before any window sees them, so no
// prompt continues, no dialog types and no lesson's own key handling runs on
// them.
//
//   F9 or Pause   stop / restart the lesson clock
//   F10 / F11     slower / faster: 1/4, 1/2, 1, 2, 4, 8
//   F12           save the window's picture as a PNG in the pictures folder
//   F8            copy the window's picture to the clipboard
//
// A small label in the window's upper right corner says when the clock stands
// or runs at another speed than 1; a short notice says where a picture went.
#pragma once

#include <QImage>
#include <QString>
#include <qnamespace.h>

class QWidget;

namespace lk {

class LessonWindow;

namespace suitekey {
constexpr int Copy = Qt::Key_F8, Pause = Qt::Key_F9, Slower = Qt::Key_F10, Faster = Qt::Key_F11,
              Save = Qt::Key_F12;
}  // namespace suitekey

// Takes the suite's keys for the whole program (once; later calls only bring
// the window's indicator up to date).
void InstallSuiteKeys(LessonWindow* window);

// Brings the clock indicator of every lesson window up to date.
void RefreshClockIndicator();
// The indicator's text ("" when the clock runs at speed 1).
QString ClockIndicatorText();

// What the window shows (its drawing, labels and controls, not the clock
// indicator or a notice) at the screen's full resolution.
QImage WindowPicture(QWidget* window);

// Where pictures go: the pictures folder when it exists, else home.
QString ChoosePictureFolder(const QString& pictures, const QString& home);
QString DefaultPictureFolder();

struct SavedPicture {
  bool ok = false;
  QString path;    // the file written, or the one that could not be
  QString notice;  // what the learner is told
};
// Writes image as <program>-<date>-<time>.png into folder, never over an
// existing file.
SavedPicture SavePicture(const QImage& image, const QString& program, const QString& folder);

// The learner's commands behind F12 and F8, on the given lesson window.
SavedPicture SaveWindowPicture(QWidget* window, const QString& folder);
void CopyWindowPicture(QWidget* window);

// Shows a one-line notice in the window that hides itself after a few seconds.
void ShowNotice(QWidget* window, const QString& text);
// The notice shown now in the window, or "" when none.
QString VisibleNotice(const QWidget* window);
// How long a notice stays, in real milliseconds (tests shorten it).
void SetNoticeMs(int ms);

}  // namespace lk
