#pragma once
// Windows-1252 inside the program, UTF-8 only at the edges.
//
// Every data file, save file and on-screen text is Windows-1252. Source files
// are UTF-8, so literals with umlauts go through W("..."), which converts them
// at compile time; SDL input, file names on disk and console output are
// converted where they enter or leave.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace text1252 {

// Unicode code point of each byte 0x80..0x9F; 0 where Windows-1252 has no character.
inline constexpr std::array<char32_t, 32> kC1 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Code point of a Windows-1252 byte (undefined bytes map to themselves, as Windows does).
constexpr char32_t zu_unicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kC1[b - 0x80] != 0) return kC1[b - 0x80];
    return b;
}

// Windows-1252 byte of a code point, or -1 when it has none.
constexpr int von_unicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kC1[i] == cp) return 0x80 + i;
    if (cp >= 0x80 && cp <= 0x9F) return static_cast<int>(cp);
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; advances i. Invalid bytes give U+FFFD.
constexpr char32_t utf8_naechstes(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFD;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return 0xFFFD;
        unsigned char d = static_cast<unsigned char>(s[i]);
        if ((d & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (d & 0x3F);
        ++i;
    }
    return cp;
}

// Compile-time converted literal; see W().
template <std::size_t N>
struct Literal {
    char bytes[N]{};
    std::size_t len = 0;
    consteval Literal(const char (&utf8)[N]) {
        std::string_view s(utf8, N - 1);
        std::size_t i = 0;
        while (i < s.size()) {
            int b = von_unicode(utf8_naechstes(s, i));
            if (b < 0) throw "W(): character has no Windows-1252 code";
            bytes[len++] = static_cast<char>(b);
        }
    }
    constexpr std::string_view view() const { return std::string_view(bytes, len); }
    operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }
};

}  // namespace text1252

// W("Fensterhöhe") is the Windows-1252 form of a UTF-8 source literal,
// converted at compile time. A character outside Windows-1252 does not compile.
template <text1252::Literal L>
constexpr std::string_view operator""_w() {
    return L.view();
}
#define W(s) (std::string(s##_w))

// Converts UTF-8 (from SDL, the file system, the environment) to Windows-1252;
// characters without a code become '?'.
std::string utf8_zu_1252(std::string_view utf8);
// Converts Windows-1252 to UTF-8 (for file names on disk and the console).
std::string cp1252_zu_utf8(std::string_view cp1252);
// Lower case of a Windows-1252 byte (ASCII and the Latin-1 letters).
unsigned char cp1252_klein(unsigned char c);
// Case-insensitive equality of two Windows-1252 texts.
bool cp1252_gleich_ohne_fall(std::string_view a, std::string_view b);
