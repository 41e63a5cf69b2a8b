// The launcher: the thirteen lessons in the book's order with their titles,
// topics, pages and a small picture each.  Arrows and Enter or a double
// click start a lesson as its own program; the launcher stays open and usable
// while lessons run.  A lesson this build does not have is shown greyed.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;

struct ShelfEntry {
  QString name, title, topic, pages, color, curve;
};

// The lessons in the book's order.
const std::vector<ShelfEntry>& Catalog();
// Where the program of a lesson is, seen from the launcher's folder: beside
// it (installed) or in its own folder of the build tree; "" when neither.
QString LocateLesson(const QString& name, const QString& launcherDir);
// A small picture of a lesson: its colour and its curve.
QPixmap LessonPicture(const ShelfEntry& e, int size);

class ShelfWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ShelfWindow(const QString& launcherDir);
  // Starts a program detached; replaced in tests.
  std::function<bool(const QString& program)> start;
  QListWidget* list() const { return list_; }
  bool isBuilt(int row) const;
  // Starts the lesson in the row, if it is built; true when started.
  bool startRow(int row);
  QString status() const;

 private:
  QListWidget* list_;
  QLabel* status_;
  std::vector<QString> programs_;
};
