#include "platform/base/Zufall.h"

#include <chrono>

std::uint32_t RandSeed = 0;

namespace {
void weiter() { RandSeed = RandSeed * 134775813u + 1u; }
}  // namespace

int Random(int n) {
    weiter();
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n)) >> 32);
}

double Random() {
    weiter();
    return static_cast<double>(RandSeed) / 4294967296.0;
}

void Randomize() {
    auto t = std::chrono::system_clock::now().time_since_epoch();
    RandSeed = static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
}
