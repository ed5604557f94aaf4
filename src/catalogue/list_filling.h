// Moving a stored catalogue result into a list view. The rows are read on the
// worker's thread, then the list is changed in one stretch on the
// window-system thread: one hand-over for the whole list instead of one per
// cell, and no other window operation lands between the rows.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/database_commands.h"
#include "ui/control_model.h"

namespace quotexa {

class WindowSystem;

using ListRows = std::vector<std::vector<std::string>>;

// Reads the named columns of every row, in list-column order, walking the
// result from its first row. A column that cannot be read keeps the previous
// row's text (the empty text on the first row).
ListRows ReadListRows(DbResult& result, std::span<const std::string_view> columns);

enum class ListFill { Append, Replace };

// Appends one item per row to the list (after removing every item when asked
// to replace), setting its cells from column 0 on.
void FillList(WindowSystem& windows, const ControlRef& list, const ListRows& rows, ListFill fill);

// Runs one statement on the connection and returns the named columns of its
// rows. A failed statement or a missing connection gives no rows.
ListRows QueryListRows(DbConnection& connection, std::string_view statement,
                       std::span<const std::string_view> columns);

}  // namespace quotexa
