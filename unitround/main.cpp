#include "mainwindow.h"

int main(int argc, char** argv) { return lk::RunMain<Form1>(argc, argv); }
