// Reading a whole file as bytes, for tests that compare what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quotexa::test_support {

// The file's bytes; empty when it cannot be read. Read through a string
// stream: GCC 12 at -O2 wrongly flags the istreambuf_iterator form under
// -Wnull-dereference.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace quotexa::test_support
