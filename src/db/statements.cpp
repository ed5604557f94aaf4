#include "db/statements.h"

#include <mysql.h>

#include "db/client_library.h"

namespace quotexa {

namespace {

// The sub-query names the platform table with a small p: the catalogue server
// compares table names without regard to letter case.
constexpr std::string_view kPlatformIdOfName =
    "Platform_ID=(select Platform_ID from zov_platform_b where Platform='";
constexpr std::string_view kByPrice = "') order by jg";

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

std::string_view SortCode(ComponentCategory category) {
    return Info(category).sortCode;
}

}  // namespace

std::string BrandListStatement(ComponentCategory category) {
    return Join(
        {"select brand from zov_brand_b where sort='", SortCode(category), "' order by paixu"});
}

std::string CpuListStatement(std::string_view escapedPlatform) {
    return Join({"select * from zov_access_b where sort='cpu' and ", kPlatformIdOfName,
                 escapedPlatform, kByPrice});
}

std::string MotherboardListStatement(std::string_view escapedBrand,
                                     std::string_view escapedPlatform) {
    return Join({"select * from zov_access_b where sort='zb' and brand='", escapedBrand, "' and ",
                 kPlatformIdOfName, escapedPlatform, kByPrice});
}

std::string BrandProductListStatement(ComponentCategory category, std::string_view escapedBrand) {
    return Join({"select * from zov_access_b where sort='", SortCode(category), "' and brand='",
                 escapedBrand, "' order by jg"});
}

std::string ProductListStatement(ComponentCategory category, std::string_view escapedBrand,
                                 std::string_view escapedPlatform) {
    switch (Info(category).productFilter) {
        case ProductFilter::Platform:
            return CpuListStatement(escapedPlatform);
        case ProductFilter::BrandAndPlatform:
            return MotherboardListStatement(escapedBrand, escapedPlatform);
        case ProductFilter::Brand:
            break;
    }
    return BrandProductListStatement(category, escapedBrand);
}

std::string EscapeName(const DbConnection& connection, std::string_view name) {
    if (!connection && !ClientLibraryReady()) return {};
    // Each byte becomes at most two, plus the terminating zero.
    std::string escaped(name.size() * 2 + 1, '\0');
    const auto length = static_cast<unsigned long>(name.size());
    const unsigned long written =
        connection ? mysql_real_escape_string(connection.get(), escaped.data(), name.data(), length)
                   : mysql_escape_string(escaped.data(), name.data(), length);
    // The client reports an overflow as (unsigned long)-1; with room for every
    // byte doubled it has none to report.
    if (written >= escaped.size()) return {};
    escaped.resize(written);
    return escaped;
}

}  // namespace quotexa
