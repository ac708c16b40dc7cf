#include "platform/base/Zahl.h"

#include <charconv>

bool Zahl_lesen(std::string_view text, int& wert) {
    const char* a = text.data();
    const char* e = a + text.size();
    if (a != e && *a == '+') ++a;
    if (a == e || (*a == '-' && a != text.data())) return false;
    int v = 0;
    auto [p, ec] = std::from_chars(a, e, v);
    if (ec != std::errc() || p != e) return false;
    wert = v;
    return true;
}
