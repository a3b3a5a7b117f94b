#include "shell/startup.h"

#include <algorithm>

namespace zoquel::shell {

int default_image_size(int yscreen) { return std::max(32, std::min(600, yscreen - 128)); }

std::optional<std::string> parameter_file_argument(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return std::nullopt;
    std::string path = arguments.front();
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (path.empty()) return std::nullopt;
    return path;
}

bool take_flag(std::vector<std::string>& arguments, const std::string& flag) {
    return std::erase(arguments, flag) != 0;
}

}  // namespace zoquel::shell
