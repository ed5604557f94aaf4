// The one place where the quote's totals and profit are derived. The quote
// keeps no state of its own: every number is read from the grid's controls
// each time and the results are written back to controls.
#pragma once

#include <span>

#include "catalogue/category_table.h"

namespace quotexa {

class WindowSystem;

// One row's contribution to a total: its quantity and its price.
struct RowAmount {
    double quantity = 0;
    double price = 0;
};

// The sum of quantity × price over the rows: each product rounded to a
// double, the running sum kept with a 64-bit significand and rounded once.
double QuoteTotal(std::span<const RowAmount> rows);

// Writes 合计, 合计1, 利润, 金额大写 and 金额大写1 from the grid. Runs on the
// window-system thread; called from a worker, it is carried out there and the
// worker waits.
void RecalculateQuote(WindowSystem& windows);

// Empties the category's model, channel price, warranty and retail price and
// recalculates; the quantity, picture, notice and list selection stay.
void ClearRow(WindowSystem& windows, ComponentCategory category);

}  // namespace quotexa
