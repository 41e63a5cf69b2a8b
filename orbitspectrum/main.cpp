// The planetary-orbit lesson: Fourier analysis of a Kepler orbit against
// Bessel's theory.
#include "mainwindow.h"

int main(int argc, char** argv) { return lk::RunMain<mainWindow>(argc, argv); }
