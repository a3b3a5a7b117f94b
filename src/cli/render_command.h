#pragma once
#include <string>
#include <vector>

namespace zoquel::cli {

// Exit codes of zoquel-render.
constexpr int kExitOk = 0, kExitFailed = 1, kExitUsage = 2;

// The whole of zoquel-render: parse, build the settings, render, write. Messages go to stderr.
int run_render(const std::vector<std::string>& args);

}  // namespace zoquel::cli
