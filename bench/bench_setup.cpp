#include "bench_setup.h"

#include <mysql.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace quotexa::bench {

namespace {

std::string RequiredVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        std::fprintf(stderr,
                     "%s is not set: the benchmarks need the catalogue and picture servers "
                     "that bench/run_benchmarks starts (run ./run bench)\n",
                     name);
        std::exit(2);
    }
    return value;
}

// A "Name:   1234 kB" line of a /proc status-like file, in bytes; 0 if absent.
std::uint64_t KilobyteField(const std::filesystem::path& file, std::string_view field) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, field.size(), field) == 0 && line.size() > field.size() &&
            line[field.size()] == ':') {
            std::istringstream value(line.substr(field.size() + 1));
            std::uint64_t kilobytes = 0;
            value >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

// The parent of every process, from /proc/<pid>/stat (the field after the
// command name, which itself may hold spaces and parentheses).
std::map<int, int> ParentsOfAllProcesses() {
    std::map<int, int> parents;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);  // one line
        const std::size_t end = stat.rfind(')');
        if (end == std::string::npos) continue;
        std::istringstream rest(stat.substr(end + 1));
        std::string state;
        int parent = 0;
        if (rest >> state >> parent) parents[std::stoi(name)] = parent;
    }
    return parents;
}

}  // namespace

BenchServers ReadBenchServers() {
    BenchServers servers;
    servers.catalogueHost = RequiredVariable("CATALOGUE_HOST");
    servers.cataloguePort = std::atoi(RequiredVariable("CATALOGUE_PORT").c_str());
    servers.account = RequiredVariable("CATALOGUE_ACCOUNT");
    servers.password = RequiredVariable("CATALOGUE_PASSWORD");
    servers.webHost = RequiredVariable("QUOTEXA_BENCH_WEB_HOST");
    return servers;
}

Vendor BenchVendor(const BenchServers& servers) {
    Vendor vendor = CompiledInVendor();
    vendor.catalogueHost = servers.catalogueHost;
    vendor.webHost = servers.webHost;
    return vendor;
}

std::uint64_t FloorQuery(const BenchServers& servers, const std::string& statement,
                         const std::vector<std::string_view>& columns) {
    MYSQL* connection = mysql_init(nullptr);
    if (connection == nullptr) return 0;
    mysql_options(connection, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    std::uint64_t rowsRead = 0;
    if (mysql_real_connect(connection, servers.catalogueHost.c_str(), servers.account.c_str(),
                           servers.password.c_str(), "zov_k",
                           static_cast<unsigned int>(servers.cataloguePort), nullptr,
                           0) != nullptr &&
        mysql_real_query(connection, statement.data(),
                         static_cast<unsigned long>(statement.size())) == 0) {
        if (MYSQL_RES* result = mysql_store_result(connection)) {
            // The column positions once, then every cell of every row as text.
            std::vector<unsigned int> positions;
            const unsigned int fieldCount = mysql_num_fields(result);
            const MYSQL_FIELD* fields = mysql_fetch_fields(result);
            for (const std::string_view column : columns) {
                for (unsigned int i = 0; i < fieldCount; ++i) {
                    if (std::string_view(fields[i].name, fields[i].name_length) == column) {
                        positions.push_back(i);
                        break;
                    }
                }
            }
            std::vector<std::string> texts(positions.size());
            while (MYSQL_ROW row = mysql_fetch_row(result)) {
                const unsigned long* lengths = mysql_fetch_lengths(result);
                for (std::size_t i = 0; i < positions.size(); ++i) {
                    const unsigned int at = positions[i];
                    texts[i].assign(row[at] == nullptr ? "" : row[at], lengths[at]);
                }
                ++rowsRead;
            }
            mysql_free_result(result);
        }
    }
    mysql_close(connection);
    return rowsRead;
}

std::uint64_t ResidentBytes(int pid) {
    return KilobyteField("/proc/" + std::to_string(pid) + "/status", "VmRSS");
}

std::uint64_t AnonymousResidentBytes(int pid) {
    return KilobyteField("/proc/" + std::to_string(pid) + "/status", "RssAnon");
}

HelperMemory DescendantMemory(int pid) {
    const std::map<int, int> parents = ParentsOfAllProcesses();
    HelperMemory memory;
    for (const auto& [process, parent] : parents) {
        // Walk up from each process; it is a descendant if the walk meets pid.
        int ancestor = parent;
        for (int depth = 0; ancestor > 1 && ancestor != pid && depth < 64; ++depth) {
            const auto up = parents.find(ancestor);
            ancestor = up == parents.end() ? 0 : up->second;
        }
        if (ancestor != pid || process == pid) continue;
        const std::string folder = "/proc/" + std::to_string(process);
        memory.residentBytes += KilobyteField(folder + "/status", "VmRSS");
        memory.proportionalBytes += KilobyteField(folder + "/smaps_rollup", "Pss");
        ++memory.processes;
    }
    return memory;
}

}  // namespace quotexa::bench
