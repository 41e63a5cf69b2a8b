#include "mainwindow.h"
#include "program.h"

int main(int argc, char** argv) {
  return lk::RunLesson(argc, argv, [] {
    // Lives until the process exits: the event loop and the application
    // object must go first.
    static mainWindow* window = new mainWindow;
    window->Start();
  });
}
