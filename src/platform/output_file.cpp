#include "platform/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace quotexa {

OutputFile::OutputFile(const std::string& path)
    : descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)) {}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Write(std::string_view bytes) {
    if (!IsOpen()) return false;
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::Close() {
    if (!IsOpen()) return false;
    const int result = ::close(descriptor_);
    descriptor_ = -1;
    return result == 0;
}

std::string SaveDialogInitialFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path folder = executable.parent_path();
        if (::access(folder.c_str(), W_OK) == 0) return folder.string();
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
    return std::filesystem::current_path(error).string();
}

}  // namespace quotexa
