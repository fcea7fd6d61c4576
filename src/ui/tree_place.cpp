#include "ui/tree_place.h"

namespace ui {

std::pair<int, int> TreeInsertPlace(const std::vector<int>& depths, TreeRelation relation,
                                    int relativeIndex) {
  const int count = static_cast<int>(depths.size());
  if (relativeIndex < 0 || relativeIndex >= count) return {count, 0};
  const int depth = depths[relativeIndex] + (relation == VAL_CHILD ? 1 : 0);
  // Past every item at the new depth or deeper: the siblings and their subtrees.
  int at = relativeIndex + 1;
  while (at < count && depths[at] >= depth) ++at;
  return {at, depth};
}

}  // namespace ui
