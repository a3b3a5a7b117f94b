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

std::optional<std::string> command_line_answer(const std::vector<std::string>& arguments) {
    for (const std::string& a : arguments) {
        if (a == "--version") return std::string("zoquel ") + ZOQUEL_VERSION + "\n";
        if (a == "--help" || a == "-h")
            return "usage: zoquel [--no-intro] [FILE]\n"
                   "An interactive fractal explorer: forty fractal types, zoomed with a mouse box.\n"
                   "  FILE          a parameter file (.zq, .zqt, or a PNG written by Zoquel), loaded\n"
                   "                and plotted at once\n"
                   "  --no-intro    open on the start screen without the splash and introduction\n"
                   "  --help        this text\n"
                   "  --version     the version\n"
                   "F1 plots, F2 shows the help, Escape ends the program. zoquel-render draws the\n"
                   "same images without a window.\n";
    }
    return std::nullopt;
}

bool take_flag(std::vector<std::string>& arguments, const std::string& flag) {
    return std::erase(arguments, flag) != 0;
}

}  // namespace zoquel::shell
