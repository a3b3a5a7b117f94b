#pragma once
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

namespace zoquel::test_support {

// Makes a folder refuse new files: by its permissions, or for root by the immutable flag where
// the file system has one. Existing files inside stay writable, so a writer that truncates its
// target in place still succeeds and is caught.
inline bool set_immutable(const std::filesystem::path& dir, bool on) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

inline bool lock_folder(const std::filesystem::path& dir) {
    namespace fs = std::filesystem;
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    return ::access(dir.c_str(), W_OK) != 0 || set_immutable(dir, true);
}

inline void unlock_folder(const std::filesystem::path& dir) {
    set_immutable(dir, false);
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
}

}  // namespace zoquel::test_support
