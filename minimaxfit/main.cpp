#include "mainwindow.h"

int main(int argc, char** argv) { return lk::RunMain<mainWindow>(argc, argv); }
