// The lattice vibration lesson: a chain of atoms and the even-order Bessel
// functions.
#include "mainwindow.h"

int main(int argc, char** argv) { return lk::RunMain<mainWindow>(argc, argv); }
