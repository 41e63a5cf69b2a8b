#include "curvelist.h"

namespace lk {

bool CurveList::Add(int degree, Color color) {
  const bool restart = count_ == kCapacity;
  if (restart) count_ = 0;
  items_[count_++] = {degree, color};
  return restart;
}

}  // namespace lk
