// The twelve component categories of a quote and the static table of their
// controls, catalogue codes and tab pages. Every per-category behaviour is one
// routine that takes a ComponentCategory and finds its controls here.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quotexa {

// Ordered by the category's row in the quote grid, top to bottom.
enum class ComponentCategory {
    Motherboard,
    Cpu,
    HardDisk,
    Memory,
    GraphicsCard,
    OpticalDrive,
    Case,
    PowerSupply,
    Monitor,
    KeyboardMouse,
    Cooler,
    Speakers,
};

inline constexpr std::size_t kCategoryCount = 12;

// What fills a category's brand list.
enum class BrandSource { StartupLoader, PlatformSelection, NoBrandList };

// What restricts a category's product statement.
enum class ProductFilter { Brand, BrandAndPlatform, Platform };

// Which step enables the category's tab page.
enum class PageUnlockedBy { StartupLoaders, PlatformSelection };

// A hidden product-list column beyond the four common ones, and the catalogue
// column that fills it.
struct ExtraColumn {
    std::string_view title;
    std::string_view catalogueColumn;
};

struct CategoryInfo {
    ComponentCategory category;
    std::string_view rowLabelText;
    std::string_view rowLabelControl;
    std::string_view priceListLabel;
    std::string_view sortCode;
    int pageIndex;
    std::string_view pageTitle;
    std::string_view brandList;  // empty: the category has no brand list
    std::string_view productList;
    std::string_view modelLabel;
    std::string_view channelPriceLabel;
    std::string_view warrantyLabel;
    std::string_view quantityBox;
    std::string_view retailPriceBox;
    std::string_view pictureLabel;
    BrandSource brandSource;
    ProductFilter productFilter;
    PageUnlockedBy pageUnlockedBy;
    std::array<ExtraColumn, 2> extraColumns;  // unused entries have an empty title
    std::size_t extraColumnCount;
    std::string_view noticeLabel;  // empty: the category has no notice label
};

// All twelve categories in grid order; iterate this for the grid order.
extern const std::array<ComponentCategory, kCategoryCount> kAllCategories;

// One CategoryInfo row per category, indexed by the category's grid row.
extern const std::array<CategoryInfo, kCategoryCount> CategoryTable;

constexpr std::size_t RowIndex(ComponentCategory category) {
    return static_cast<std::size_t>(category);
}
inline const CategoryInfo& Info(ComponentCategory category) {
    return CategoryTable[RowIndex(category)];
}

// The four product-list columns every category has, in list-column order.
inline constexpr std::array<std::string_view, 4> kCommonProductColumns = {"jg", "model", "repair",
                                                                          "tp"};

// Reverse look-ups from a control name of MainWindow to its category; they bind
// each category's controls to the one routine of a behaviour.
std::optional<ComponentCategory> CategoryOfBrandList(std::string_view controlName);
std::optional<ComponentCategory> CategoryOfProductList(std::string_view controlName);
std::optional<ComponentCategory> CategoryOfModelLabel(std::string_view controlName);
std::optional<ComponentCategory> CategoryOfQuantityBox(std::string_view controlName);
std::optional<ComponentCategory> CategoryOfRetailPriceBox(std::string_view controlName);

}  // namespace quotexa
