#pragma once
#include <bit>
#include <cstdint>
#include <cstring>

namespace zoquel {

// Little-endian encoding independent of the host's byte order and of struct layout.

inline void put_i32_le(std::uint8_t* at, std::int32_t value) {
    const auto u = std::uint32_t(value);
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(u >> (8 * i));
}

inline std::int32_t get_i32_le(const std::uint8_t* at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(at[i]) << (8 * i);
    return std::int32_t(u);
}

inline void put_f64_le(std::uint8_t* at, double value) {
    const auto u = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) at[i] = std::uint8_t(u >> (8 * i));
}

inline double get_f64_le(const std::uint8_t* at) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= std::uint64_t(at[i]) << (8 * i);
    return std::bit_cast<double>(u);
}

}  // namespace zoquel
