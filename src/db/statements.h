// Every statement sent to the catalogue. All are SELECT statements, built by
// plain concatenation of fixed pieces and names taken from the lists.
//
// A brand or platform name is spliced in only after EscapeName has escaped it
// on the worker's connection: a name holding a quote then finds its own rows,
// and a name written as SQL is compared as a name and finds nothing. For a name
// without special characters the escaped text is the name itself, so the
// statement is exactly the catalogue's usual text. The builders take the
// escaped names and are pure.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/category_table.h"
#include "db/database_commands.h"

namespace quotexa {

// The platform list, in the platforms' own order; columns read: Platform, Brief.
inline constexpr std::string_view kPlatformListStatement =
    "select * from zov_Platform_b order by sort";

// The brands of a category in their order (paixu); column read: brand. The
// start-up loaders fill the ten brand lists with it, and a platform pick the
// motherboard brands.
std::string BrandListStatement(ComponentCategory category);

// The CPUs of a platform by price; columns read: jg, model, repair, tp, cpujx.
std::string CpuListStatement(std::string_view escapedPlatform);

// The motherboards of a brand on a platform by price; columns read: jg, model,
// repair, tp, zbjx, xkjk.
std::string MotherboardListStatement(std::string_view escapedBrand,
                                     std::string_view escapedPlatform);

// The products of a brand in one of the ten categories that are chosen by
// brand alone, by price; columns read: jg, model, repair, tp.
std::string BrandProductListStatement(ComponentCategory category, std::string_view escapedBrand);

// The product statement of any category, as its product filter asks: by
// brand, by brand and platform (motherboards) or by platform (CPUs).
std::string ProductListStatement(ComponentCategory category, std::string_view escapedBrand,
                                 std::string_view escapedPlatform);

// The name escaped for a quoted SQL string by the client library with the
// connection's character set and the server's quoting mode. Without a
// connection nothing is sent anywhere; the name is then escaped for the
// client's default character set.
std::string EscapeName(const DbConnection& connection, std::string_view name);

}  // namespace quotexa
