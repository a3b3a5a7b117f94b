// Any bytes as a parameter file: a refusal must leave nothing half-loaded, and whatever is
// accepted must be sound and survive writing and reading again unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "files/parameter_checks.h"
#include "files/parameter_file.h"

namespace {

void check(const std::uint8_t* data, std::size_t size) {
    using namespace zoquel;
    const Settings base;
    std::optional<Settings> loaded = decode_zq(data, size, base);
    if (!loaded) return;
    if (first_failed_parameter_check(*loaded)) std::abort();
    const ZqRecord again = encode_zq(*loaded);
    std::optional<Settings> reloaded = decode_zq(again.data(), again.size(), base);
    if (!reloaded || !(*reloaded == *loaded)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check(data, size);
    // The same bytes cut or padded to a whole record, so the field checks are reached too.
    std::vector<std::uint8_t> record(data, data + std::min(size, zoquel::kZqRecordSize));
    record.resize(zoquel::kZqRecordSize, 0);
    check(record.data(), record.size());
    return 0;
}
