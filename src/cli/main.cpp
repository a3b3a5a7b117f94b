#include <string>
#include <vector>

#include "cli/render_command.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return zoquel::cli::run_render(args);
}
