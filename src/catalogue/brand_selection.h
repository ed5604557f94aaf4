// Picking a brand refills the category's product list from the catalogue on a
// worker thread; the brand list stays disabled until the worker ends.
#pragma once

#include <string>
#include <vector>

#include "catalogue/category_table.h"

namespace quotexa {

struct Program;

// The catalogue columns of a category's product list, in list-column order:
// jg, model, repair, tp, then the category's extra columns.
std::vector<std::string_view> ProductColumns(ComponentCategory category);

// CurrentItemChanged of the category's brand list (window-system thread).
void PickBrand(Program& program, ComponentCategory category);

// The worker PickBrand starts.
void LoadProducts(Program& program, ComponentCategory category);

}  // namespace quotexa
