#pragma once
// Bytes no editor writes (every value 0..255, zero and control bytes among them) in a fixed
// scrambled order: the same seed gives the same bytes, so a test of a damaged file always
// reads the same file.
#include <cstddef>
#include <string>

namespace bhmtest {

inline std::string Zufallsbytes(std::size_t n, unsigned saat) {
    std::string b;
    b.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        saat = saat * 1103515245u + 12345u;
        b += static_cast<char>((saat >> 16) & 0xFF);
    }
    return b;
}

}  // namespace bhmtest
