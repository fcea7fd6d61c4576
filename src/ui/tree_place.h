#pragma once
// Trees are addressed as one list of items in display order, each with its
// depth. A new item goes last among its siblings.

#include <utility>
#include <vector>

#include "ui/toolkit.h"

namespace ui {

// The display index and depth of a new item placed relative to item
// `relativeIndex`; an empty tree or an index outside it puts the item last
// at the top level.
std::pair<int, int> TreeInsertPlace(const std::vector<int>& depths, TreeRelation relation,
                                    int relativeIndex);

}  // namespace ui
