#include "catalogue/category_table.h"

#include <algorithm>

namespace quotexa {

namespace {

using CC = ComponentCategory;

constexpr std::array<ExtraColumn, 2> kNoExtraColumns{};

}  // namespace

// The rows keep a table layout that reads column by column across categories.
// clang-format off
const std::array<CategoryInfo, kCategoryCount> CategoryTable = {{
    {CC::Motherboard, "主 板", "标签b1", "主  板：", "zb", 1, "主板", "主板品牌列表框",
     "主板列表框", "主板型号", "主板价格", "主板保修", "主板数量", "主板价格1", "标签1",
     BrandSource::PlatformSelection, ProductFilter::BrandAndPlatform,
     PageUnlockedBy::PlatformSelection, {{{"主板集显", "zbjx"}, {"显卡接口", "xkjk"}}}, 2,
     "主板标签1"},
    {CC::Cpu, "C P U", "标签b2", "C P U ：", "cpu", 2, "CPU", "", "cpu列表框", "cpu型号",
     "cpu价格", "cpu保修", "cpu数量", "cpu价格1", "标签2", BrandSource::NoBrandList,
     ProductFilter::Platform, PageUnlockedBy::PlatformSelection, {{{"cpu集显", "cpujx"}, {}}}, 1,
     "CPU标签"},
    {CC::HardDisk, "硬 盘", "标签b3", "硬  盘：", "yp", 4, "硬盘", "硬盘品牌列表框", "硬盘列表框",
     "硬盘型号", "硬盘价格", "硬盘保修", "硬盘数量", "硬盘价格1", "标签4",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::Memory, "内 存", "标签b4", "内  存：", "nc", 5, "内存", "内存品牌列表框", "内存列表框",
     "内存型号", "内存价格", "内存保修", "内存数量", "内存价格1", "标签5",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::GraphicsCard, "显 卡", "标签b5", "显  卡：", "xk", 3, "显卡", "显卡品牌列表框",
     "显卡列表框", "显卡型号", "显卡价格", "显卡保修", "显卡数量", "显卡价格1", "标签3",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::OpticalDrive, "光 驱", "标签b6", "光  驱：", "gq", 6, "光驱", "光驱品牌列表框",
     "光驱列表框", "光驱型号", "光驱价格", "光驱保修", "光驱数量", "光驱价格1", "标签6",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::Case, "机 箱", "标签b7", "机  箱：", "jx", 7, "机箱", "机箱品牌列表框", "机箱列表框",
     "机箱型号", "机箱价格", "机箱保修", "机箱数量", "机箱价格1", "标签7",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::PowerSupply, "电 源", "标签b8", "电  源：", "dy", 8, "电源", "电源品牌列表框",
     "电源列表框", "电源型号", "电源价格", "电源保修", "电源数量", "电源价格1", "标签9",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::Monitor, "显示器", "标签b9", "显示器：", "xsq", 9, "显示器", "显示器品牌列表框",
     "显示器列表框", "显示器型号", "显示器价格", "显示器保修", "显示器数量", "显示器价格1",
     "标签10", BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::KeyboardMouse, "键 鼠", "标签b10", "键  鼠：", "js", 10, "键鼠", "键鼠品牌列表框",
     "键鼠列表框", "键鼠型号", "键鼠价格", "键鼠保修", "键鼠数量", "键鼠价格1", "标签11",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::Cooler, "散热器", "标签b11", "散热器：", "srq", 12, "散热器", "散热器品牌列表框",
     "散热器列表框", "散热器型号", "散热器价格", "散热器保修", "散热器数量", "散热器价格1",
     "标签13", BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
    {CC::Speakers, "音 箱", "标签b12", "音  箱：", "yx", 11, "音箱", "音箱品牌列表框",
     "音箱列表框", "音箱型号", "音箱价格", "音箱保修", "音箱数量", "音箱价格1", "标签12",
     BrandSource::StartupLoader, ProductFilter::Brand, PageUnlockedBy::StartupLoaders,
     kNoExtraColumns, 0, ""},
}};
// clang-format on

namespace {

// Finds the category whose field (selected by `field`) equals the name.
template <typename Field>
std::optional<ComponentCategory> FindBy(std::string_view name, Field field) {
    if (name.empty()) return std::nullopt;
    const auto found = std::find_if(CategoryTable.begin(), CategoryTable.end(),
                                    [&](const CategoryInfo& row) { return row.*field == name; });
    if (found == CategoryTable.end()) return std::nullopt;
    return found->category;
}

}  // namespace

const std::array<ComponentCategory, kCategoryCount> kAllCategories = {
    CC::Motherboard,  CC::Cpu,           CC::HardDisk, CC::Memory,
    CC::GraphicsCard, CC::OpticalDrive,  CC::Case,     CC::PowerSupply,
    CC::Monitor,      CC::KeyboardMouse, CC::Cooler,   CC::Speakers,
};

std::optional<ComponentCategory> CategoryOfBrandList(std::string_view controlName) {
    return FindBy(controlName, &CategoryInfo::brandList);
}
std::optional<ComponentCategory> CategoryOfProductList(std::string_view controlName) {
    return FindBy(controlName, &CategoryInfo::productList);
}
std::optional<ComponentCategory> CategoryOfModelLabel(std::string_view controlName) {
    return FindBy(controlName, &CategoryInfo::modelLabel);
}
std::optional<ComponentCategory> CategoryOfQuantityBox(std::string_view controlName) {
    return FindBy(controlName, &CategoryInfo::quantityBox);
}
std::optional<ComponentCategory> CategoryOfRetailPriceBox(std::string_view controlName) {
    return FindBy(controlName, &CategoryInfo::retailPriceBox);
}

}  // namespace quotexa
