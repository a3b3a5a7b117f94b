#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/settings.h"

namespace zoquel {

// The parameter file: one record of 1105 bytes, little-endian, byte-packed, no header.
constexpr std::size_t kZqRecordSize = 1105;
using ZqRecord = std::array<std::uint8_t, kZqRecordSize>;

// Results of writezq and loadzq.
enum ZqResult { kZqOk = 0, kZqOpenFailed = 1, kZqWriteFailed = 3 };

// The record of the current type and method's view and parameters and every stored option.
ZqRecord encode_zq(const Settings& s);

// The settings a record turns `base` into, or nothing when the data is not one sound record
// (wrong size, an index or option out of range, a real that is not finite). `why`, when given,
// receives the name of the offending field or "size".
std::optional<Settings> decode_zq(const std::uint8_t* data, std::size_t size, const Settings& base,
                                  std::string* why = nullptr);

// Writes the parameter file beside `path` and renames it into place, so a failure leaves any
// old file untouched. Returns kZqOk, kZqOpenFailed or kZqWriteFailed (texts: saveerror).
int writezq(const Settings& s, const std::string& path);

// Loads `path` into `s`, all or nothing: on any failure `s` is unchanged and the result is
// kZqOpenFailed ("Error opening ZQ file").
int loadzq(const std::string& path, Settings& s, std::string* why = nullptr);

// The parameter file that goes with a saved image: its extension becomes "zq"
// (picture.tga -> picture.zq; a name without an extension gets ".zq" appended).
std::string zq_name_for_image(const std::string& image_path);

}  // namespace zoquel
