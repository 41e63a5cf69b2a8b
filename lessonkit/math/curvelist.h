// The curves a graph section has drawn, for its legend: at most 20, each with
// its degree and colour.  Plain C++, no Qt.
#pragma once

#include <array>

#include "palette.h"

namespace lk {

struct Curve {
  int degree;
  Color color;
};

// When the list is full the next curve starts it afresh (the window then
// clears the plot as well, so list and picture agree).
class CurveList {
 public:
  static constexpr int kCapacity = 20;

  // Stores a curve.  Returns true when the list was full and has started
  // again with this curve as its only entry.
  bool Add(int degree, Color color);
  void Clear() { count_ = 0; }
  int Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // Entries 1 .. Count(), as the windows number their rows.
  const Curve& At(int index) const { return items_[index - 1]; }
  const Curve& Last() const { return items_[count_ - 1]; }

 private:
  std::array<Curve, kCapacity> items_{};
  int count_ = 0;
};

}  // namespace lk
