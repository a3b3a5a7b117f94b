#include "files/safe_file.h"

#include <atomic>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace zoquel {

namespace {
std::atomic<unsigned> counter{0};
}

SafeFileWriter::~SafeFileWriter() { discard(); }

bool SafeFileWriter::open(const std::string& target) {
    discard();
    target_ = target;
    // Refuse to replace a directory, and fail early where the target's folder is missing.
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return false;
    // A hidden name in the same folder, short enough even when the target's name is at the
    // file system's limit.
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    temp_ = folder + "." + name.substr(0, 64) + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    file_ = std::fopen(temp_.c_str(), "wbx");
    if (!file_) {
        temp_.clear();
        return false;
    }
    // Images go out in a few large writes rather than hundreds of small ones.
    std::setvbuf(file_, nullptr, _IOFBF, std::size_t(1) << 20);
    return true;
}

bool SafeFileWriter::write(const void* data, std::size_t size) {
    return file_ && std::fwrite(data, 1, size, file_) == size;
}

bool SafeFileWriter::commit() {
    if (!file_) return false;
    bool ok = std::fflush(file_) == 0;
    ok = ok && ::fsync(::fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp_, target_, ec);
        ok = !ec;
    }
    if (ok) temp_.clear();
    discard();
    return ok;
}

void SafeFileWriter::discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temp_.empty()) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
        temp_.clear();
    }
}

std::string bare_file_name(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace zoquel
