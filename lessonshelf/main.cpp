#include <QApplication>

#include "program.h"
#include "shelfwindow.h"

int main(int argc, char** argv) {
  int exitCode = 0;
  if (lk::AnswerCommandLine(argc, argv, &exitCode)) return exitCode;
  QApplication app(argc, argv);
  lk::SetProgramIdentity();
  ShelfWindow w(QCoreApplication::applicationDirPath());
  // The launcher's --speed goes on to the lessons it starts.
  if (const double speed = lk::ParseCommandLine(argc, argv).speed; speed > 0)
    w.lessonArguments = {QStringLiteral("--speed"), QString::number(speed)};
  w.show();
  return app.exec();
}
