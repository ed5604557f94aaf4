#include "quote/recalculation.h"

#include <array>
#include <limits>
#include <string>

#include "quote/capitals.h"
#include "quote/conversions.h"
#include "ui/main_window_layout.h"
#include "ui/window_system.h"

namespace quotexa {

namespace {

#if defined(__x86_64__) || defined(__i386__)
static_assert(std::numeric_limits<long double>::digits == 64,
              "the running sums need a 64-bit significand (x87 extended precision)");
#endif

// The price of a row as the channel or the retail column holds it.
using PriceField = std::string_view CategoryInfo::*;

double GridTotal(WindowSystem& windows, PriceField priceControl) {
    std::array<RowAmount, kCategoryCount> rows{};
    for (ComponentCategory category : kAllCategories) {
        const CategoryInfo& info = Info(category);
        rows[RowIndex(category)] = {TextToNumber(windows.GetText(MainControl(info.quantityBox))),
                                    TextToNumber(windows.GetText(MainControl(info.*priceControl)))};
    }
    return QuoteTotal(rows);
}

void Recalculate(WindowSystem& windows) {
    using namespace main_window;
    const double channelTotal = GridTotal(windows, &CategoryInfo::channelPriceLabel);
    windows.SetText(MainControl(kChannelTotalBox), NumberToText(channelTotal));
    const double retailTotal = GridTotal(windows, &CategoryInfo::retailPriceBox);
    windows.SetText(MainControl(kRetailTotalBox), NumberToText(retailTotal));

    // Everything derived from a total is derived from its shown text.
    const double shownChannel = TextToNumber(windows.GetText(MainControl(kChannelTotalBox)));
    const double shownRetail = TextToNumber(windows.GetText(MainControl(kRetailTotalBox)));
    const double profit = shownRetail - shownChannel;
    windows.SetText(MainControl(kProfitBox), NumberToText(profit));
    windows.SetText(MainControl(kChannelCapitalsLabel), AmountInCapitals(shownChannel, false));
    windows.SetText(MainControl(kRetailCapitalsLabel), AmountInCapitals(shownRetail, false));
}

}  // namespace

double QuoteTotal(std::span<const RowAmount> rows) {
    long double sum = 0;
    for (const RowAmount& row : rows) {
        const double product = row.quantity * row.price;
        sum += product;
    }
    return static_cast<double>(sum);
}

void RecalculateQuote(WindowSystem& windows) {
    windows.RunOnWindowThread([&windows] { Recalculate(windows); });
}

void ClearRow(WindowSystem& windows, ComponentCategory category) {
    const CategoryInfo& info = Info(category);
    windows.SetText(MainControl(info.modelLabel), "");
    windows.SetText(MainControl(info.channelPriceLabel), "");
    windows.SetText(MainControl(info.warrantyLabel), "");
    windows.SetText(MainControl(info.retailPriceBox), "");
    RecalculateQuote(windows);
}

}  // namespace quotexa
