#pragma once
// Exact integer floor and ceiling of quotients, correct for negative values.
#include <cstdint>

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
