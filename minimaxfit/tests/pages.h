// What both window test files know of the lesson's pages: the labels of the
// menu page and the prompts of an approximation section.
#pragma once

#include "looks.h"
#include "mainwindow.h"

// The prompts of an approximation section: five in the introduction of the
// first run (two in later runs), then the coefficients, the choice of M, the
// table, the function's graph, the remark, the error frame, the error curve
// and the largest error.
enum FirstRunPrompt {
  kCoefficients = 5, kRemember, kTable, kTrueGraph, kBothGraphs, kErrorFrame, kErrorCurve,
  kMaxError, kFirstRunPrompts
};

// How many of the nine labels of the menu page are up.
inline int MenuShown(const mainWindow& w) {
  return lk::test::MenuLabelsShown(w, {1, 2, 3, 4, 6, 7, 8, 9, 10});
}
