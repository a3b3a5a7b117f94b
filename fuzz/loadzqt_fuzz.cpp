// Any bytes as a text parameter file: a refusal must leave the settings read over untouched,
// and whatever is accepted must be sound and survive writing and reading again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "files/parameter_checks.h"
#include "files/text_parameters.h"

namespace {

void check(std::string_view text) {
    using namespace zoquel;
    static const Settings pristine;
    const Settings base;
    const auto loaded = read_text_parameters(text, base);
    if (!(base == pristine)) std::abort();
    if (const auto* refusal = std::get_if<TextParameterError>(&loaded)) {
        if (refusal->line < 0 || refusal->reason.empty()) std::abort();
        return;
    }
    const Settings& s = std::get<Settings>(loaded);
    if (first_failed_parameter_check(s)) std::abort();
    const auto again = read_text_parameters(write_text_parameters(s), pristine);
    if (!std::holds_alternative<Settings>(again) || !(std::get<Settings>(again) == s)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    // The same bytes behind a sound header, so the lines after it are reached too.
    check("zoquel-parameters 1\n" + std::string(bytes));
    return 0;
}
