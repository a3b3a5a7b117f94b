#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

namespace zoquel {

// Writes a file beside its target and renames it into place only on commit, so a failure
// never destroys what was there before. Without commit the partial file is removed.
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

private:
    void discard();

    std::string target_, temp_;
    std::FILE* file_ = nullptr;
};

// The part of a path after its last '/', as messages show it (a backslash is part of a
// name on this file system).
std::string bare_file_name(const std::string& path);

}  // namespace zoquel
