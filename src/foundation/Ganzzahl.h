#pragma once
// Exact integer floor and ceiling of quotients, correct for negative values, and running totals
// that cannot overflow.
#include <algorithm>
#include <cstdint>
#include <limits>

// ziel + wert, held at the ends of the Integer range: for running totals that a long game or
// an edited save could push past them.
inline void Summe_addieren(int& ziel, std::int64_t wert) {
    const std::int64_t s = static_cast<std::int64_t>(ziel) + wert;
    ziel = static_cast<int>(
        std::clamp<std::int64_t>(s, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Floor(a / b) for b != 0.
constexpr std::int64_t Floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Ceil(a / b) for b != 0.
constexpr std::int64_t Ceil_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) == (b < 0))) ? q + 1 : q;
}

// a / b < c, taken exactly, for b != 0.
constexpr bool Quotient_kleiner(std::int64_t a, std::int64_t b, std::int64_t c) {
    return b > 0 ? a < c * b : a > c * b;
}

// a / b > c, taken exactly, for b != 0.
constexpr bool Quotient_groesser(std::int64_t a, std::int64_t b, std::int64_t c) {
    return b > 0 ? a > c * b : a < c * b;
}
