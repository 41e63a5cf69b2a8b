// The suite's programs as the build's one catalogue describes them (see
// cmake/LessonCatalog.cmake, compiled in): titles, topics and pages in
// Japanese and English, the size of each lesson's window, its keys and its
// icon.  The programs answer --help from it, tell the desktop which entry
// they belong to, show their own icon, and the launcher lists it.
#pragma once

#include <QSize>
#include <QString>
#include <vector>

class QIcon;
class QPixmap;

namespace lk {

// One key line: the keys, what they do in Japanese and in English.
struct KeyHelp {
  QString keys, ja, en;
};

struct ProgramInfo {
  QString name, title, titleEn, topic, topicEn, pages, pagesEn;
  QSize windowSize;  // a lesson's window at 100 %, in pixels; empty for the launcher
  std::vector<KeyHelp> keys;
  QString color, curve;  // the icon: its colour and its curve (SVG path data, 64 x 64)
};

// The thirteen lessons in the book's order.
const std::vector<ProgramInfo>& Lessons();
const ProgramInfo& Launcher();
// A lesson or the launcher by program name, or nullptr.
const ProgramInfo* FindProgram(const QString& name);
// The keys every lesson takes before the lesson sees them.
const std::vector<KeyHelp>& SuiteKeys();
QString SuiteVersion();

// The program's icon drawn at size x size (device independent pixels).
QPixmap ProgramPicture(const ProgramInfo& p, int size, qreal dpr = 1);
QIcon ProgramIcon(const ProgramInfo& p);

// What --help and --version print for the program of that name (any name:
// one the catalogue lacks gets the options and the suite's keys).
QString HelpText(const QString& program);
QString VersionText(const QString& program);

}  // namespace lk
