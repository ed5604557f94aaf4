// A file opened for writing: created, or truncated to zero length when it
// exists. Every step reports whether it succeeded, so a save can tell the
// user when the disk refused it.
#pragma once

#include <string>
#include <string_view>

namespace quotexa {

class OutputFile {
public:
    // Opens (creates or truncates) the file; IsOpen tells whether that worked.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    // Writes all the bytes; false when any write failed.
    bool Write(std::string_view bytes);
    // Closes the file; false when closing reported an error (delayed writes).
    bool Close();

private:
    int descriptor_ = -1;
};

// The folder a save dialog first shows: the executable's own folder, or the
// user's home folder where that one is not writable (an installed program).
std::string SaveDialogInitialFolder();

}  // namespace quotexa
