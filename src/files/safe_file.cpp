#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zoquel {

namespace {

std::atomic<unsigned> counter{0};

// The temporary files being written, so a signal handler can remove them: fixed slots, as
// a handler may neither allocate nor lock.
constexpr int kSlots = 16;
constexpr std::size_t kPathMax = 4096;
char g_unfinished[kSlots][kPathMax];
std::atomic<bool> g_in_use[kSlots];

int remember_unfinished(const std::string& path) {
    if (path.size() >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        bool expected = false;
        if (!g_in_use[i].load() && g_in_use[i].compare_exchange_strong(expected, true)) {
            std::memcpy(g_unfinished[i], path.c_str(), path.size() + 1);
            return i;
        }
    }
    return -1;
}

void forget_unfinished(int slot) {
    if (slot >= 0) g_in_use[slot].store(false);
}

// Where writing `target` really goes: through any symbolic links to the file they name, so
// the link stays a link.
std::string written_path(const std::string& target) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(target, ec)) return target;
    const std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
    return ec ? target : real.string();
}

}  // namespace

void remove_unfinished_files() {
    for (int i = 0; i < kSlots; ++i)
        if (g_in_use[i].load()) ::unlink(g_unfinished[i]);
}

SafeFileWriter::~SafeFileWriter() { discard(); }

bool SafeFileWriter::open(const std::string& target) {
    discard();
    error_ = 0;
    target_ = written_path(target);
    // Refuse to replace a directory, and fail early where the target's folder is missing.
    std::error_code ec;
    if (std::filesystem::is_directory(target_, ec)) return fail(EISDIR);
    // A hidden name in the same folder, short enough even when the target's name is at the
    // file system's limit.
    const std::size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    temp_ = folder + "." + name.substr(0, 64) + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    slot_ = remember_unfinished(temp_);
    file_ = std::fopen(temp_.c_str(), "wbx");
    if (!file_) {
        const int e = errno;
        forget_unfinished(slot_);
        slot_ = -1;
        temp_.clear();
        return fail(e);
    }
    // Replacing a file keeps what its owner set up: its permissions and, where we may, its owner.
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        ::fchmod(::fileno(file_), st.st_mode & 07777);
        if (::fchown(::fileno(file_), st.st_uid, st.st_gid) != 0) {
            // Not ours to give away; the permissions above still hold.
        }
    }
    // Images go out in a few large writes rather than hundreds of small ones.
    std::setvbuf(file_, nullptr, _IOFBF, std::size_t(1) << 20);
    return true;
}

bool SafeFileWriter::write(const void* data, std::size_t size) {
    if (!file_) return false;
    if (std::fwrite(data, 1, size, file_) == size) return true;
    return fail(errno);
}

bool SafeFileWriter::commit() {
    if (!file_) return false;
    bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    if (!ok) error_ = errno;
    if (std::fclose(file_) != 0 && ok) {
        error_ = errno;
        ok = false;
    }
    file_ = nullptr;
    if (ok && std::rename(temp_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
        ok = false;
    }
    if (ok) {
        forget_unfinished(slot_);
        slot_ = -1;
        temp_.clear();
    }
    discard();
    if (!ok) errno = error_;
    return ok;
}

bool SafeFileWriter::fail(int error) {
    error_ = error;
    discard();
    errno = error;
    return false;
}

void SafeFileWriter::discard() {
    const int kept = errno;
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    forget_unfinished(slot_);
    slot_ = -1;
    errno = kept;
}

std::string bare_file_name(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace zoquel
