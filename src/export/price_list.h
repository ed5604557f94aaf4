// The four price-list texts: the clipboard form and the file form, each for
// the channel or the retail column. They are built only from the current
// texts of the main window's controls: nothing is recomputed, converted,
// trimmed or skipped, so the list shows exactly what the grid shows.
#pragma once

#include <array>
#include <string>

#include "app/vendor.h"
#include "catalogue/category_table.h"

namespace quotexa {

class WindowSystem;

// Which price column and which total a price list uses.
enum class PriceColumn { Channel, Retail };

// The texts of one grid row as a price list uses them.
struct PriceListRow {
    std::string quantity;
    std::string price;
    std::string warranty;
    std::string model;
};

// The grid's rows in grid order and the selected total.
struct PriceListSource {
    std::array<PriceListRow, kCategoryCount> rows;
    std::string total;
};

// Reads the rows and total of the column from the main window's controls.
PriceListSource ReadPriceListSource(WindowSystem& windows, PriceColumn column);

// The clipboard form: twelve lines in grid order and the unterminated total line.
std::string ComposeClipboardList(const PriceListSource& source);
// The file form: twelve lines (speakers before the cooler), rules, the total
// line, the vendor's footer and a closing rule without a line end.
std::string ComposeFileList(const PriceListSource& source, const Vendor& vendor);

std::string BuildClipboardList(WindowSystem& windows, PriceColumn column);
std::string BuildFileList(WindowSystem& windows, PriceColumn column, const Vendor& vendor);

}  // namespace quotexa
