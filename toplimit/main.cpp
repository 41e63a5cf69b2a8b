#include "mainwindow.h"
#include "program.h"

int main(int argc, char** argv) {
  return lk::RunLesson(argc, argv, [] {
    static Form1 w;
    w.Start();
  });
}
