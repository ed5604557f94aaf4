// What the catalogue benchmarks share: the run's catalogue server and picture
// server (started by bench/run_benchmarks and handed over in the
// environment), the brands loaded for the list benchmarks, the floor a
// product list is measured against, and the resident memory of processes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/vendor.h"

namespace quotexa::bench {

// Where the run's servers listen, read from the environment:
// CATALOGUE_HOST, CATALOGUE_PORT, CATALOGUE_ACCOUNT, CATALOGUE_PASSWORD (as
// scripts/catalogue_server prints them) and QUOTEXA_BENCH_WEB_HOST (the
// picture server's host:port).
struct BenchServers {
    std::string catalogueHost;
    int cataloguePort = 0;
    std::string account;
    std::string password;
    std::string webHost;
};

// Exits with a message when a variable is missing: the benchmarks need both
// servers and are started by bench/run_benchmarks.
BenchServers ReadBenchServers();

// The vendor of the benchmarks: the compiled-in one with the picture server
// as its web host.
Vendor BenchVendor(const BenchServers& servers);

// One brand of graphics cards with a known number of products, added to the
// demo catalogue by bench/run_benchmarks (scripts/generate_big_brand).
struct SizedBrand {
    int products;
    std::string_view name;
};
inline constexpr std::array<SizedBrand, 3> kSizedBrands = {{
    {50, "压测品牌50"},
    {500, "压测品牌500"},
    {5000, "压测品牌5000"},
}};

// The floor of a product list: the same statement through the client library
// alone. Connects, sends the statement, stores the result, walks every row and
// reads the named columns of each into texts, frees the result and closes.
// Returns the number of rows read (0 on any failure).
std::uint64_t FloorQuery(const BenchServers& servers, const std::string& statement,
                         const std::vector<std::string_view>& columns);

// Resident memory in bytes (VmRSS) of one process; 0 when it cannot be read.
std::uint64_t ResidentBytes(int pid);
// The part of it that is anonymous memory (RssAnon: heaps, stacks), as
// opposed to pages of mapped files such as the libraries' code.
std::uint64_t AnonymousResidentBytes(int pid);

// The resident memory of every descendant of a process (the web engine's
// helper processes of the program), summed, and how many there are.
struct HelperMemory {
    std::uint64_t residentBytes = 0;
    std::uint64_t proportionalBytes = 0;  // Pss: shared pages counted once overall
    int processes = 0;
};
HelperMemory DescendantMemory(int pid);

}  // namespace quotexa::bench
