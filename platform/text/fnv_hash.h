#pragma once
// A 64-bit FNV-1a hash: quick, and good enough to tell texts apart where a
// rare collision costs nothing worse than a missed change or a fetch again.

#include <cstdint>
#include <string_view>

// Continues `hash` over `bytes`: several pieces hash as one.
inline std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = 14695981039346656037ull)
{
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ull;
    }
    return hash;
}
