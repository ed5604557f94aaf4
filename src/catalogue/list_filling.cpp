#include "catalogue/list_filling.h"

#include <cstdint>

#include "ui/window_system.h"

namespace quotexa {

ListRows ReadListRows(DbResult& result, std::span<const std::string_view> columns) {
    ListRows rows;
    std::vector<std::string> texts(columns.size());
    // Counts beyond a 32-bit signed count are not expected from a catalogue.
    const auto count = static_cast<std::int32_t>(ResultRowCount(result));
    rows.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (std::int32_t row = 0; row < count; ++row) {
        for (std::size_t column = 0; column < columns.size(); ++column) {
            ReadFieldText(result, columns[column], texts[column]);
        }
        rows.push_back(texts);
        MoveNext(result);
    }
    return rows;
}

void FillList(WindowSystem& windows, const ControlRef& list, const ListRows& rows, ListFill fill) {
    windows.RunOnWindowThread([&] {
        if (fill == ListFill::Replace) windows.DeleteAllItems(list);
        for (const std::vector<std::string>& row : rows) {
            const int item = windows.InsertItem(list);
            for (std::size_t column = 0; column < row.size(); ++column) {
                windows.SetItemText(list, item, static_cast<int>(column), row[column]);
            }
        }
    });
}

ListRows QueryListRows(DbConnection& connection, std::string_view statement,
                       std::span<const std::string_view> columns) {
    ExecuteStatement(connection, statement);  // a failure shows as no result below
    DbResult result = StoreResult(connection);
    MoveFirst(result);
    ListRows rows = ReadListRows(result, columns);
    FreeResult(result);
    return rows;
}

}  // namespace quotexa
