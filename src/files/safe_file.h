#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

namespace zoquel {

// Writes a file beside its target and renames it into place only on commit, so a failure
// never destroys what was there before. Without commit the partial file is removed. A target
// that is a symbolic link is written where the link points, the link kept; a file replaced
// keeps its permissions and, where the process may set it, its owner. (Other hard links to a
// replaced file keep the old contents.) After a failure errno and error() tell why.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    bool open(const std::string& target);
    bool write(const void* data, std::size_t size);
    // Flushes, closes and renames over the target. False if any step failed.
    bool commit();
    int error() const { return error_; }

private:
    bool fail(int error);
    void discard();

    std::string target_, temp_;
    std::FILE* file_ = nullptr;
    int slot_ = -1;
    int error_ = 0;
};

// Removes the temporary files of writes in progress; safe in a signal handler, so an
// interrupted program leaves none behind.
void remove_unfinished_files();

// The part of a path after its last '/', as messages show it (a backslash is part of a
// name on this file system).
std::string bare_file_name(const std::string& path);

}  // namespace zoquel
