#include "platform/working_set.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace quotexa {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kOwnAllocator = true;  // the sanitizer's allocator ignores malloc_trim
#else
constexpr bool kOwnAllocator = false;
#endif

// The resident size of this process in bytes.
std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t totalPages = 0;
    std::size_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

TEST(TrimWorkingSetTest, GivesFreedHeapPagesBackToTheSystem) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "the trim only has an effect with glibc's allocator";
#endif
    if (kOwnAllocator) GTEST_SKIP() << "a sanitizer replaces the allocator";

    // Many small blocks come from the heap, not from mappings of their own; the
    // block allocated last stays, so that freeing the others cannot shrink the
    // heap from its top and their pages stay resident until trimmed.
    constexpr std::size_t kBlockBytes = 1024;
    constexpr std::size_t kBlocks = 64 * 1024;  // 64 MiB
    std::vector<void*> blocks(kBlocks);
    for (void*& block : blocks) {
        block = std::malloc(kBlockBytes);
        ASSERT_NE(block, nullptr);
        std::memset(block, 0x5a, kBlockBytes);
    }
    void* pin = std::malloc(kBlockBytes);
    for (void* block : blocks) std::free(block);

    const std::size_t before = ResidentBytes();
    TrimWorkingSet();
    const std::size_t after = ResidentBytes();
    std::free(pin);

    EXPECT_GT(before, after + kBlocks * kBlockBytes / 2)
        << "resident before " << before << ", after " << after;
}

}  // namespace
}  // namespace quotexa
