// The eleven start-up loaders: each fills one list (the platforms, or one
// category's brands) from the catalogue, passing again until the list is not
// empty, then enables the category's tab page.
#pragma once

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/category_table.h"

namespace quotexa {

struct Program;

// One member of the loader family: the platform loader has no category.
struct StartupLoader {
    std::optional<ComponentCategory> category;
};

// The order the Created handler starts them in: the platforms, then the brand
// lists in tab-page order (pages 3 to 12).
std::span<const StartupLoader> StartupLoaderOrder();

// The pause after a pass that left the list empty: 250 ms, doubling up to 2 s,
// so that an unreachable catalogue is not hammered with connection attempts.
std::chrono::milliseconds RetryPause(int failedPasses);

// The thread body of a loader; returns once its list is filled.
void RunStartupLoader(Program& program, StartupLoader loader);

// Starts every loader on a thread of its own, in StartupLoaderOrder.
void StartStartupLoaders(Program& program);

}  // namespace quotexa
