#include <QApplication>

#include "shelfwindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ShelfWindow w(QCoreApplication::applicationDirPath());
  w.show();
  return app.exec();
}
