#include <csignal>
#include <string>
#include <vector>

#include "cli/render_command.h"
#include "files/safe_file.h"

namespace {

// An interrupted render leaves no half-written file behind, then ends as the signal says.
extern "C" void on_signal(int signal) {
    zoquel::remove_unfinished_files();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

int main(int argc, char** argv) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, on_signal);
    std::vector<std::string> args(argv + 1, argv + argc);
    return zoquel::cli::run_render(args);
}
