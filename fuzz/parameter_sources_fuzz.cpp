// Any bytes as a parameter file of any kind (binary record, text, PNG): a refusal must leave
// the settings untouched and give a reason; whatever is accepted must pass the loader's checks.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/parameter_checks.h"
#include "files/parameter_sources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoquel;
    static const Settings pristine;
    Settings s;
    const auto refusal = load_parameter_bytes(std::string_view(reinterpret_cast<const char*>(data), size), s);
    if (refusal) {
        if (refusal->reason.empty() || !(s == pristine)) std::abort();
    } else if (first_failed_parameter_check(s)) {
        std::abort();
    }
    return 0;
}
