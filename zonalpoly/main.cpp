#include "mainwindow.h"
#include "program.h"

int main(int argc, char** argv) {
  return lk::RunLesson(argc, argv, [] {
    // The window lives as long as the process; it must not outlive Qt's
    // application object in a destructor after main returns.
    static mainWindow* window = new mainWindow;
    window->Start();
  });
}
